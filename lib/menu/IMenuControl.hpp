#pragma once

#include "lib/scn/draw/RenderGroup.hpp"

#include <string>

namespace lib::input
{
struct ActionEvent;
struct PointerEvent;
} // namespace lib::input

namespace lib::menu
{

// A control on a menu page: a group of nodes that reacts to the actions its page hands it, and
// to the pointer if it likes. Every control of the active page hears every action; there is no
// focus.
class IMenuControl : public lib::scn::draw::RenderGroup
{
public:
    explicit IMenuControl(const std::string& name)
        : RenderGroup(name)
    {
    }
    ~IMenuControl() override = default;

    virtual void onAction(const lib::input::ActionEvent& event) = 0;
    // The pointer in the control's own coordinates.
    virtual void onPointer(const lib::input::PointerEvent&) {}
};

} // namespace lib::menu
