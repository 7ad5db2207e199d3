#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bexil::settings
{

// The program's options: --seed N (every random choice of the run repeats for the same N),
// --help and --version. Read once, before anything else starts.
class CommandLine
{
public:
    enum class Action
    {
        Play,    // start the game
        Help,    // print usage() to standard output, exit 0
        Version, // print version() to standard output, exit 0
        Wrong    // print error() and usage() to standard error, exit 2
    };

    CommandLine(int argc, const char* const* argv);

    Action action() const { return m_action; }
    // Set by --seed; without it every run draws new numbers.
    const std::optional<std::uint32_t>& seed() const { return m_seed; }
    // What was wrong with the arguments, for Wrong.
    const std::string& error() const { return m_error; }

    static std::string usage();
    // "bexil" and the version.
    static std::string version();
    // The version alone, as the title screen shows it ("1.0.0").
    static std::string versionNumber();

private:
    void fail(std::string error);

    Action m_action = Action::Play;
    std::optional<std::uint32_t> m_seed;
    std::string m_error;
};

} // namespace bexil::settings
