#include "bexil/BexilProgramController.hpp"
#include "bexil/settings/CommandLine.hpp"
#include "bexil/settings/Folders.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/Randomizer.hpp"
#include "lib/core/DisplayLoss.hpp"
#include "lib/core/Platform.hpp"
#include "lib/core/ProgramName.hpp"
#include "lib/core/StopSignals.hpp"
#include "lib/core/Window.hpp"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

namespace
{

// A full disk or a closed standard output is an error, not a silent success.
int print(const std::string& text)
{
    std::cout << text << std::flush;
    if (std::cout)
        return 0;
    lib::core::ProgramName::errorLine() << "cannot write to standard output" << std::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The engine's lines on the error stream begin with it.
    lib::core::ProgramName::set("bexil");
    const bexil::settings::CommandLine options(argc, argv);
    switch (options.action())
    {
    case bexil::settings::CommandLine::Action::Help:
        return print(bexil::settings::CommandLine::usage());
    case bexil::settings::CommandLine::Action::Version:
        return print(bexil::settings::CommandLine::version() + "\n");
    case bexil::settings::CommandLine::Action::Wrong:
        lib::core::ProgramName::errorLine() << options.error() << "\n"
                                            << bexil::settings::CommandLine::usage();
        return 2;
    case bexil::settings::CommandLine::Action::Play:
        break;
    }
    // Before any random source exists: they all take their seeds from this one.
    if (options.seed())
        lib::Randomizer::seedProgram(*options.seed());

    // From here on a desktop's stop request ends the loop below instead of the process, so the
    // settings are still written.
    lib::core::StopSignals::install();

    // Without a display, or on one that cannot show the window, the windowing library would
    // abort or crash; say why instead, before the settings are read or written.
    const std::string missing = lib::core::Platform::missingForWindow();
    if (!missing.empty())
    {
        lib::core::ProgramName::errorLine() << missing << "\n";
        return 1;
    }

    if (!bexil::settings::Folders::choose())
        return 1;
    auto controller = std::make_unique<bexil::BexilProgramController>();
    // A display that goes away (the desktop session ends) ends the program where it stands;
    // the settings of the shared table are written first.
    lib::core::DisplayLoss::setAction(
        [] { lib::Configuration(bexil::settings::Settings::ConfigFile).saveConfig(); });
    controller->start();
    lib::core::Window& window = *controller->window();
    // A stop request during the start ends the program before its first frame.
    bool done = lib::core::StopSignals::requested() || window.loopStep();
    // For the start-up benchmark: when the first frame is on screen, a reading of the steady
    // clock, which a benchmark that noted the clock before starting the game can compare.
    if (std::getenv("BEXIL_TRACE_STARTUP") != nullptr)
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        lib::core::ProgramName::errorLine()
            << "first frame displayed at steady clock "
            << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << " ns"
            << std::endl;
    }
    while (!done && !lib::core::StopSignals::requested())
        done = window.loopStep();
    window.closeWindow();
    // The controller writes config.cfg and releases the window, its scenes and resources.
    controller.reset();
    return 0;
}
