#pragma once

#include "bexil/Direction.hpp"
#include "lib/Configuration.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace bexil
{

// The six keys of the game (SFML key codes): the four directions in Direction order, launch
// and pause, kept in config.cfg as "key0".."key3", "key_launch4" and "key_pause5".
// The codes are read from the shared settings table at construction and by readKeys; setKey
// changes this object only, and storeKeys puts its codes into the table (the file is written
// when the table is saved).
class KeyMapping : public lib::Configuration
{
public:
    static constexpr std::size_t KeyCount = 6;
    static constexpr std::size_t LaunchIndex = 4;
    static constexpr std::size_t PauseIndex = 5;

    KeyMapping();
    ~KeyMapping() override = default;

    KeyMapping(const KeyMapping&) = default;
    KeyMapping& operator=(const KeyMapping&) = default;

    // The key of Left, Right, Up or Down; the direction must not be Invalid.
    std::int32_t getDirectionKey(Direction direction) const;
    std::int32_t getLaunchKey() const { return m_keys[LaunchIndex]; }
    std::int32_t getPauseKey() const { return m_keys[PauseIndex]; }
    // The key of index 0 to 5.
    std::int32_t getKey(std::size_t index) const;
    void setKey(std::size_t index, std::int32_t code);
    // The table's keys, added with their defaults where missing or not numbers.
    void readKeys();
    void storeKeys();

    // The name a player knows the key by ("Space", "Left", "F5"), in the language shown (UTF-8);
    // "key N" for a code that names no key.
    static std::string keyName(std::int32_t code);

private:
    std::array<std::int32_t, KeyCount> m_keys{};
};

} // namespace bexil
