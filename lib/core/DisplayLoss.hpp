#pragma once

#include <functional>

namespace lib::core
{

// What happens when the X server goes away under the running program (the desktop session
// ends, the server is killed): the windowing library cannot go on, so the process ends with
// status 1 and one line on stderr, but the action runs first, so that the settings are kept.
class DisplayLoss
{
public:
    // Installs the handler of a lost display connection with this action; an empty action
    // only ends the process.
    static void setAction(std::function<void()> action);
    // The handler's work: the line, the action (once), then the end of the process.
    [[noreturn]] static void displayLost();
};

} // namespace lib::core
