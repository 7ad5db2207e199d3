#include "bexil/look/ILook.hpp"

namespace bexil::look
{

ILook::~ILook() = default;

void ILook::decorateCell(lib::scn::draw::RenderGroup&, const sf::FloatRect&) const {}

void ILook::tokenConsumed(const rules::GameData&, const sf::Vector2u&, std::int32_t, std::uint32_t,
                          std::uint32_t)
{
}

void ILook::launched(const rules::GameData&, const sf::Vector2u&, const sf::Vector2u&, std::int32_t,
                     rules::Launch::End)
{
}

void ILook::piecesSwapped(const rules::GameData&, const sf::Vector2u&, const sf::Vector2u&,
                          std::int32_t, std::int32_t)
{
}

void ILook::levelBegan(std::uint32_t) {}

void ILook::paused(bool) {}

bool ILook::hidesBoardInPause() const
{
    return false;
}

void ILook::gameOver(std::uint32_t, std::uint32_t) {}

void ILook::lanesChanged(const rules::GameData&, const lib::board::BoardModel&) {}

} // namespace bexil::look
