#include "lib/core/ProgramName.hpp"

#include <iostream>
#include <utility>

namespace lib::core
{

namespace
{

std::string& programName()
{
    static std::string name;
    return name;
}

} // namespace

void ProgramName::set(std::string name)
{
    programName() = std::move(name);
}

const std::string& ProgramName::get()
{
    return programName();
}

std::ostream& ProgramName::errorLine()
{
    if (!programName().empty())
        std::cerr << programName() << ": ";
    return std::cerr;
}

} // namespace lib::core
