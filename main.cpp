#include "bexil/BexilProgramController.hpp"
#include "lib/core/Window.hpp"

#include <iostream>
#include <memory>

int main(int, char**)
{
    // Without a display the windowing library would abort the process; say why instead.
    if (!lib::core::Window::displayAvailable())
    {
        std::cerr << "bexil: no display available; set DISPLAY to a running X server\n";
        return 1;
    }

    auto controller = std::make_unique<bexil::BexilProgramController>();
    controller->start();
    lib::core::Window& window = *controller->window();
    while (!window.loopStep())
    {
    }
    window.closeWindow();
    // The controller writes config.cfg and releases the window, its scenes and resources.
    controller.reset();
    return 0;
}
