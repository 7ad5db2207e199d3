#pragma once

#include "lib/input/ActionEvent.hpp"
#include "lib/input/ActionMap.hpp"
#include "lib/scn/Scene.hpp"

#include <functional>
#include <string>
#include <vector>

namespace bexil::test
{

// A scene (or, with Base, a scene class such as the menu manager) whose hooks count and record
// what reaches them, write "name.hook" into the journal when one is given, and run the functions
// set: init at registration, enter at each entry, onKey in place of Base's handling of a press.
// Its presses are read through the bindings set here.
template <typename Base = lib::scn::Scene>
class StubScene : public Base
{
public:
    explicit StubScene(const std::string& name, std::vector<std::string>* journal = nullptr,
                       sf::Vector2f viewSize = {2000.f, 2000.f})
        : Base(name)
        , m_journal(journal)
        , m_viewSize(viewSize)
    {
    }
    void onInit() override { note("init", init); }
    void onDeinit() override { note("deinit"); }
    void onEnterScene() override
    {
        ++entered;
        note("enter", enter);
    }
    void onExitScene() override { note("exit"); }
    void update() override
    {
        ++updates;
        note("update");
    }
    void onAction(const lib::input::ActionEvent& event) override
    {
        heard.push_back(event);
        note("key", onKey);
        if (!onKey)
            Base::onAction(event);
    }
    const lib::input::ActionMap& actionMap() const override { return bindings; }
    void onResize() override { ++resizes; }
    sf::Vector2f getDefaultSizeView() override { return m_viewSize; }

    int entered = 0;
    int resizes = 0;
    int updates = 0;
    std::vector<lib::input::ActionEvent> heard;
    lib::input::ActionMap bindings;
    std::function<void()> init;
    std::function<void()> enter;
    std::function<void()> onKey;

private:
    void note(const std::string& hook, const std::function<void()>& then = nullptr)
    {
        if (m_journal)
            m_journal->push_back(this->name() + "." + hook);
        if (then)
            then();
    }

    std::vector<std::string>* m_journal;
    sf::Vector2f m_viewSize;
};

} // namespace bexil::test
