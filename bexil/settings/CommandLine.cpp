#include "bexil/settings/CommandLine.hpp"

#include <charconv>
#include <cstring>
#include <utility>

namespace bexil::settings
{

CommandLine::CommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--help")
        {
            m_action = Action::Help;
            return;
        }
        if (argument == "--version")
        {
            m_action = Action::Version;
            return;
        }
        std::string value;
        if (argument == "--seed" && i + 1 < argc)
            value = argv[++i];
        else if (argument.rfind("--seed=", 0) == 0)
            value = argument.substr(std::strlen("--seed="));
        else if (argument == "--seed")
        {
            fail("--seed needs a number");
            return;
        }
        else
        {
            fail("unknown option " + argument);
            return;
        }

        std::uint32_t seed = 0;
        const char* end = value.data() + value.size();
        const auto [stop, error] = std::from_chars(value.data(), end, seed);
        if (value.empty() || error != std::errc() || stop != end)
        {
            fail("--seed takes a whole number from 0 to 4294967295, not \"" + value + "\"");
            return;
        }
        m_seed = seed;
    }
}

void CommandLine::fail(std::string error)
{
    m_action = Action::Wrong;
    m_error = std::move(error);
}

std::string CommandLine::usage()
{
    return "Usage: bexil [--seed N] [--help] [--version]\n"
           "\n"
           "An arcade puzzle game: keep the coloured tokens out of the centre square.\n"
           "\n"
           "Options:\n"
           "  --seed N    play a run whose random choices (token colours and lanes, level\n"
           "              colours) repeat exactly for the same N (0 to 4294967295)\n"
           "  --help      print this help and exit\n"
           "  --version   print the version and exit\n"
           "\n"
           "Settings are kept in config.cfg in the working folder; see bexil(6).\n";
}

std::string CommandLine::versionNumber()
{
    return BEXIL_VERSION;
}

std::string CommandLine::version()
{
    return "bexil " + versionNumber();
}

} // namespace bexil::settings
