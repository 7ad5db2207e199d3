#pragma once

#include "bexil/KeyMapping.hpp"
#include "bexil/bmenu/MenuPage.hpp"

#include <array>
#include <cstdint>
#include <memory>

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::bmenu
{

// Asks for the six game keys one after the other ("Press key for Left" ... "Pause"), beside the
// list of all six with their keys as they stand: those taken in this sequence, then the current
// ones, the role asked for highlighted. A key already taken in the running sequence does not
// count, and the page says which role holds it; after the sixth the keys go into the shared
// settings table and the options page comes back (whose "Cancel" gives the old keys back). Every
// key can be bound, Escape among them: the pad's Back or a right click leaves the page before,
// keeping the keys as they were.
class KeyRedefinitionMenu : public MenuPage
{
public:
    KeyRedefinitionMenu();
    ~KeyRedefinitionMenu() override;

    void onCreate() override;
    // Each visit starts from the keys of the settings table and asks in the language shown.
    void onShow() override;
    void onAction(const lib::input::ActionEvent& event) override;

    // How many keys of the running sequence have been taken (0 to 5).
    std::uint32_t count() const { return m_count; }
    const std::shared_ptr<lib::scn::draw::Renderizable>& prompt() const { return m_prompt; }
    // The key shown for each role, and the line that names the holder of a refused key (hidden
    // while no key was refused since the last one taken).
    const std::shared_ptr<lib::scn::draw::Renderizable>& keyShown(std::size_t role) const
    {
        return m_keys.at(role);
    }
    const std::shared_ptr<lib::scn::draw::Renderizable>& refusal() const { return m_refusal; }

private:
    void showPrompt();
    // Back to the options page with a new sequence ready.
    void end();

    std::uint32_t m_count = 0;
    KeyMapping m_mapping;
    std::shared_ptr<lib::scn::draw::Renderizable> m_prompt;
    std::array<std::shared_ptr<lib::scn::draw::Renderizable>, KeyMapping::KeyCount> m_roles;
    std::array<std::shared_ptr<lib::scn::draw::Renderizable>, KeyMapping::KeyCount> m_keys;
    std::shared_ptr<lib::scn::draw::Renderizable> m_refusal;
};

} // namespace bexil::bmenu
