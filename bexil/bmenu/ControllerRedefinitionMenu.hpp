#pragma once

#include "bexil/bmenu/MenuPage.hpp"
#include "bexil/controls/PadMapping.hpp"

#include <cstdint>
#include <memory>

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::bmenu
{

// Asks for the pad's seven inputs one after the other ("Press button for Left" ... "Back"), each
// a button or a direction of a stick or the d-pad. An input already taken in the running
// sequence does not count; after the seventh the pad's bindings go into the shared settings
// table, the menus hear the pad through them at once, and the options page comes back (whose
// "Cancel" gives the old ones back). Every button can be bound: Back from the keyboard or a
// right click leaves the page before, keeping the bindings as they were.
class ControllerRedefinitionMenu : public MenuPage
{
public:
    ControllerRedefinitionMenu();
    ~ControllerRedefinitionMenu() override;

    void onCreate() override;
    // Asks again in the language shown.
    void onShow() override;
    void onAction(const lib::input::ActionEvent& event) override;

    const std::shared_ptr<lib::scn::draw::Renderizable>& prompt() const { return m_prompt; }

private:
    void showPrompt();
    // Back to the options page with a new sequence ready.
    void end();

    std::uint32_t m_count = 0;
    controls::PadMapping m_mapping;
    controls::PadMapping::Inputs m_taken;
    std::shared_ptr<lib::scn::draw::Renderizable> m_prompt;
    std::shared_ptr<lib::scn::draw::Renderizable> m_hint;
};

} // namespace bexil::bmenu
