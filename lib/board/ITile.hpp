#pragma once

#include <cstdint>
#include <memory>

namespace lib::board
{

// Anything that can stand on a board: one integer value the board never interprets.
class ITile
{
public:
    explicit ITile(std::int32_t value)
        : data(value)
    {
    }
    virtual ~ITile() = default;

    std::int32_t data;
};

using SharedTile = std::shared_ptr<ITile>;
using WeakTile = std::weak_ptr<ITile>;

} // namespace lib::board
