#include "lib/core/StopSignals.hpp"

#include <csignal>
#include <initializer_list>

namespace lib::core
{

namespace
{

// Only a flag: nothing else is safe to touch inside a signal handler.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void noteStopRequest(int)
{
    stopRequested = 1;
}

} // namespace

void StopSignals::install()
{
    struct sigaction action = {};
    action.sa_handler = noteStopRequest;
    sigemptyset(&action.sa_mask);
    // The handler gives way to the default after one signal, so a second one ends the process.
    action.sa_flags = static_cast<int>(SA_RESETHAND | SA_RESTART);
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        sigaction(number, &action, nullptr);
}

bool StopSignals::requested()
{
    return stopRequested != 0;
}

} // namespace lib::core
