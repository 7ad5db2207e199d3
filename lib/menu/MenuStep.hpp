#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>
#include <vector>

namespace lib::menu
{

class IMenuControl;

// One page of a menu. It builds its nodes and controls once, in onCreate, which the menu
// manager calls when the page is added; from then on the page's parent is its manager. A page
// hands every key to all of its controls, in the order they were added.
class MenuStep : public lib::scn::draw::RenderGroup
{
public:
    explicit MenuStep(const std::string& name);
    ~MenuStep() override;

    virtual void onCreate() = 0;
    virtual void onKeyPressed(sf::Event::KeyEvent key);
    virtual void onKeyReleased(sf::Event::KeyEvent key);

    // The control becomes the page's last child (drawn on top) and receives its keys.
    void addMenuControl(const std::shared_ptr<IMenuControl>& control);

    const std::vector<std::shared_ptr<IMenuControl>>& controls() const { return m_controls; }

private:
    std::vector<std::shared_ptr<IMenuControl>> m_controls;
};

} // namespace lib::menu
