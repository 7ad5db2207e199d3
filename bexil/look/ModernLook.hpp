#pragma once

#include "bexil/look/ILook.hpp"
#include "bexil/look/LookAtlas.hpp"

namespace sf
{
class Font;
class Texture;
} // namespace sf

namespace bexil::look
{

class EffectsLayer;
class LaneWarnings;

// The game drawn from the atlas: glossy tokens, the player's arrow, bevelled cells softly tinted
// with the level's colours, the centre square outlined, lighter labels on panels, and feedback:
// a tracer along each launch (a dud and dust for one that met nothing), bursts and "+N" for
// consumed tokens, a combo cue, the colours of a swap crossing, a level banner, the board dimmed
// in pause and darkened at game over with the final score, and a glow pulsing under each lane
// whose next push ends the game. The atlas and the font are borrowed: they must outlive the look
// and every node it dressed.
class ModernLook : public ILook
{
public:
    ModernLook(const sf::Texture& atlas, const sf::Font& font);
    ~ModernLook() override;

    // The effects go into the scene just before the groups over the board, the lane warnings
    // first into the board, under the pieces.
    void begin(const Nodes& nodes) override;
    void end() override;

    void dress(Tile& token) const override;
    void dress(Player& player) const override;
    void dressCell(lib::scn::draw::Renderizable& cell, const sf::Color& levelColour,
                   bool centre) const override;
    sf::Color labelColour() const override;

    void tokenConsumed(const rules::GameData& data, const sf::Vector2u& cell, std::int32_t colour,
                       std::uint32_t points, std::uint32_t inARow) override;
    void launched(const rules::GameData& data, const sf::Vector2u& from, const sf::Vector2u& to,
                  std::int32_t colour, rules::Launch::End end) override;
    void piecesSwapped(const rules::GameData& data, const sf::Vector2u& player,
                       const sf::Vector2u& token, std::int32_t playerColour,
                       std::int32_t tokenColour) override;
    void levelBegan(std::uint32_t levelShown) override;
    void paused(bool paused) override;
    bool hidesBoardInPause() const override { return true; }
    void gameOver(std::uint32_t score, std::uint32_t levelShown) override;
    void lanesChanged(const rules::GameData& data, const lib::board::BoardModel& board) override;

    // The colour a cell of that level colour is tinted with (its face shows LookAtlas::FaceGrey
    // of it): the level colour's hue, softly, on the title screen's night blue, darker in the
    // centre square, so that the level keeps its colours and no token competes with them.
    static sf::Color tint(const sf::Color& levelColour, bool centre);

protected:
    // The atlas frames of a token and of the arrow of a colour (0 red to 4 magenta).
    virtual AtlasFrame tokenFrame(int colour) const;
    virtual AtlasFrame arrowFrame(int colour) const;

private:
    const sf::Texture& m_atlas;
    std::shared_ptr<EffectsLayer> m_effects;
    std::shared_ptr<LaneWarnings> m_laneWarnings;
    // The scene the effects were put into, until end.
    lib::scn::draw::RenderGroup* m_scene = nullptr;
    // The window's width to height over the view's, which is square: the arrow keeps its shape
    // on screen when it turns.
    float m_aspect = 1.f;
};

} // namespace bexil::look
