#pragma once

#include <memory>
#include <vector>

namespace lib::scn::draw
{
class Renderizable;
}

namespace lib::scn::draw::anim
{

class IAnimation;

// The running animations of one group, stepped each time the group is drawn. A node has at
// most one running animation of each type in one manager: adding another replaces it.
class AnimationManager
{
public:
    AnimationManager();
    virtual ~AnimationManager();

    AnimationManager(const AnimationManager&) = delete;
    AnimationManager& operator=(const AnimationManager&) = delete;

    // Replaces a running animation of the same type on the same node (dropped without any
    // hook) and appends the new one. Called during a step (from a hook), the addition takes
    // effect when the step is over.
    void addAnimation(std::shared_ptr<IAnimation> animation);
    // Steps every running animation once, in order; those that end get onAnimationFinished
    // and are dropped after the loop.
    void updateAnimations();

    std::size_t runningAnimations() const { return m_running.size(); }

    virtual void onAnimationFinished(std::shared_ptr<IAnimation> animation,
                                     std::shared_ptr<Renderizable> node);

private:
    void insert(std::shared_ptr<IAnimation> animation);

    std::vector<std::shared_ptr<IAnimation>> m_running;
    std::vector<std::shared_ptr<IAnimation>> m_finished;
    std::vector<std::shared_ptr<IAnimation>> m_addedWhileStepping;
    bool m_stepping = false;
};

} // namespace lib::scn::draw::anim
