#pragma once

#include <ostream>
#include <string>

namespace lib::core
{

// The name the engine's lines on the error stream begin with ("bexil: no audio device; ...").
// The engine knows no program of its own: the program hands its name over before it starts.
class ProgramName
{
public:
    static void set(std::string name);
    // Empty until set.
    static const std::string& get();
    // The error stream with the name and ": " written (nothing before set), for one line that
    // the caller writes and ends.
    static std::ostream& errorLine();
};

} // namespace lib::core
