#pragma once

namespace lib::core
{

// Lets the desktop stop the program the normal way: SIGTERM (logging out, a service manager),
// SIGINT (Ctrl+C) and SIGHUP (its terminal closing) only note a request, and the main loop
// ends at its next frame, so the settings are written as on any other exit. A second signal of
// the same kind ends the process at once, for a program that has stopped answering.
class StopSignals
{
public:
    // Installs the handlers; safe to call more than once.
    static void install();
    // True once one of the signals has arrived.
    static bool requested();
};

} // namespace lib::core
