#include "lib/core/DisplayLoss.hpp"

#include "lib/core/Platform.hpp"
#include "lib/core/ProgramName.hpp"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <utility>

namespace lib::core
{

namespace
{

std::function<void()>& lossAction()
{
    static std::function<void()> action;
    return action;
}

} // namespace

void DisplayLoss::setAction(std::function<void()> action)
{
    lossAction() = std::move(action);
    Platform::onDisplayLoss(&DisplayLoss::displayLost);
}

void DisplayLoss::displayLost()
{
    // The action may touch the display again and come back here: it runs once.
    static bool running = false;
    if (!running)
    {
        running = true;
        ProgramName::errorLine() << "the connection to the display was lost; ending\n";
        if (lossAction())
            lossAction()();
    }
    // Not exit(): the windowing library's own clean-up would call the dead display again.
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace lib::core
