#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/Font.hpp>

#include <memory>
#include <string>
#include <vector>

namespace lib::input
{
struct ActionEvent;
struct PointerEvent;
} // namespace lib::input

namespace lib::menu
{

class IMenuControl;
class MenuManager;

// One page of a menu. It builds its nodes and controls once, in onCreate, which the menu
// manager calls when the page is added; from then on the page knows its manager, which outlives
// it. A page hands every action but Back, and the pointer, to all of its controls, in the order
// they were added; Back (a new press of it) goes one page back, as the page's onBack says.
class MenuStep : public lib::scn::draw::RenderGroup
{
public:
    explicit MenuStep(const std::string& name);
    ~MenuStep() override;

    virtual void onCreate() = 0;
    // Each time the manager shows the page, which may then bring what it shows up to date.
    virtual void onShow();
    // Once per frame while this is the active page, when its scene steps it.
    virtual void update();
    virtual void onAction(const lib::input::ActionEvent& event);
    // The pointer in the page's coordinates; each control hears it in its own.
    virtual void onPointer(const lib::input::PointerEvent& event);
    // Back was pressed on the page: nothing by default (the first page has nowhere to go).
    virtual void onBack();

    // The control becomes the page's last child (drawn on top) and receives its keys.
    void addMenuControl(const std::shared_ptr<IMenuControl>& control);

    const std::vector<std::shared_ptr<IMenuControl>>& controls() const { return m_controls; }

    // The manager the page was added to; usable from onCreate on.
    MenuManager& manager() const;
    // A font of the scene manager's resources by name (an empty font for an unknown name); the
    // resources outlive every page. Usable from onCreate on.
    const sf::Font& font(const std::string& name) const;

private:
    friend class MenuManager;

    std::vector<std::shared_ptr<IMenuControl>> m_controls;
    MenuManager* m_manager = nullptr;
};

} // namespace lib::menu
