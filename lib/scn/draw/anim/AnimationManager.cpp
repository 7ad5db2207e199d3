#include "lib/scn/draw/anim/AnimationManager.hpp"

#include "lib/scn/draw/Renderizable.hpp"
#include "lib/scn/draw/anim/IAnimation.hpp"

#include <algorithm>
#include <cassert>
#include <utility>

namespace lib::scn::draw::anim
{

AnimationManager::AnimationManager() = default;

AnimationManager::~AnimationManager() = default;

void AnimationManager::addAnimation(std::shared_ptr<IAnimation> animation)
{
    assert(animation != nullptr);
    // The running list is being walked: the addition waits until the step is over.
    if (m_stepping)
    {
        m_addedWhileStepping.push_back(std::move(animation));
        return;
    }
    insert(std::move(animation));
}

void AnimationManager::updateAnimations()
{
    // A step asked for from one of this manager's own hooks would walk the list twice.
    if (m_stepping || m_running.empty())
        return;

    m_stepping = true;
    for (const std::shared_ptr<IAnimation>& animation : m_running)
    {
        if (!animation->animate())
        {
            onAnimationFinished(animation, animation->node());
            m_finished.push_back(animation);
        }
    }
    for (const std::shared_ptr<IAnimation>& animation : m_finished)
    {
        const auto found = std::find(m_running.begin(), m_running.end(), animation);
        if (found != m_running.end())
            m_running.erase(found);
    }
    m_finished.clear();

    // Additions from the hooks, in the order they were made.
    for (std::shared_ptr<IAnimation>& animation : m_addedWhileStepping)
        insert(std::move(animation));
    m_addedWhileStepping.clear();
    m_stepping = false;
}

void AnimationManager::onAnimationFinished(std::shared_ptr<IAnimation>,
                                           std::shared_ptr<Renderizable>)
{
}

void AnimationManager::insert(std::shared_ptr<IAnimation> animation)
{
    const auto sameTarget = [&animation](const std::shared_ptr<IAnimation>& running)
    {
        return running->node() == animation->node() &&
               running->animationType() == animation->animationType();
    };
    const auto replaced = std::find_if(m_running.begin(), m_running.end(), sameTarget);
    if (replaced != m_running.end())
        m_running.erase(replaced);
    m_running.push_back(std::move(animation));
}

} // namespace lib::scn::draw::anim
