#pragma once

#include <string>
#include <utility>

namespace lib::core
{

// Something with a fixed name: every node of the render tree, every scene and resource.
class HasName
{
public:
    explicit HasName(std::string name)
        : m_name(std::move(name))
    {
    }
    virtual ~HasName() = default;

    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

} // namespace lib::core
