#pragma once

#include "bexil/look/LookAtlas.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/TextGeometry.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Time.hpp>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace sf
{
class Font;
class Texture;
} // namespace sf

namespace bexil::look
{

// What the modern looks draw over the board: the score panels, the launches' tracers, the
// bursts of consumed tokens with their "+N", the combo cue, the colours of a swap crossing, the
// level banner, the pause dimming and the game over screen. ModernLook puts it into the game scene
// under its texts, one layer per game, and tells it what happened; every effect takes a slot of a
// fixed pool and is timed by lib::Clock, so frames allocate nothing. The atlas and the font are
// borrowed: they must outlive the layer. Coordinates are the game view's (2000 × 2000).
class EffectsLayer : public lib::scn::draw::RenderGroup
{
public:
    // How long the feedback lasts.
    static constexpr float BurstSeconds = 0.45f;
    static constexpr float PopupSeconds = 0.9f;
    static constexpr float FlashSeconds = 0.3f;
    static constexpr float BannerSeconds = 1.5f;
    static constexpr float TracerSeconds = 0.3f;
    static constexpr float CrossSeconds = 0.25f;

    EffectsLayer(const sf::Texture& atlas, const sf::Font& font);

    // The two groups of score texts, each drawn on a panel that fits its texts as they change;
    // they must outlive the layer's drawing (null: no panel).
    void setPanelGroups(const lib::scn::draw::RenderGroup* left,
                        const lib::scn::draw::RenderGroup* right);
    // A launch's line, `width` across, shooting from one point to the other in the colour of
    // the launch and fading back to where it stopped; a dud, grey, ends in a puff of dust.
    void tracer(sf::Vector2f from, sf::Vector2f to, float width, const sf::Color& colour, bool dud);
    // A token consumed in that cell: a flash, particles of its colour and the points rising.
    void burst(const sf::FloatRect& cell, const sf::Color& colour, std::uint32_t points);
    // The cue of a run of three or more at the cell of its last token, beside the run's line
    // where the rising points never reach.
    // side: (0, 1) under a row's run, (-1, 0) or (1, 0) beside a column's.
    void combo(const sf::FloatRect& cell, std::uint32_t inARow, sf::Vector2i side);
    // The two cells of a swap trading colours: the picture of each one's former colour flies to
    // the other, and each cell flashes as it lands.
    void cross(const sf::FloatRect& a, const AtlasFrame& fromA, const sf::FloatRect& b,
               const AtlasFrame& fromB);
    // "Level N" over the board for BannerSeconds.
    void banner(std::uint32_t levelShown);
    void setPaused(bool paused);
    // Darkens the board and shows the final score and level under "GAME OVER".
    void showGameOver(std::uint32_t score, std::uint32_t levelShown);

    // What is showing now, for tests and the benchmark.
    std::size_t liveParticles() const;
    bool bannerShowing() const;
    const sf::Text& popupText(std::size_t slot) const { return m_popups[slot].text; }
    const sf::Text& comboText() const { return m_combo.text; }

    // What the last frame drew, in order, with the states it drew each part with: for the
    // benchmark's copy of the frame drawn without the engine.
    using DrawnParts = std::vector<std::pair<const sf::Drawable*, sf::RenderStates>>;
    void lastFrame(DrawnParts& parts) const;

    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override;

private:
    struct Particle
    {
        sf::Time born;
        sf::Vector2f from, velocity;
        sf::Color colour;
        bool live = false;
    };
    struct Flash
    {
        sf::Time born; // may lie ahead: it shows from then
        sf::FloatRect cell;
        sf::Color colour;
        bool star = false;
        bool live = false;
    };
    struct Tracer
    {
        sf::Time born;
        sf::Vector2f from, to;
        float width;
        sf::Color colour;
        bool dud = false;
        bool live = false;
    };
    struct Crossing
    {
        sf::Time born;
        sf::FloatRect from, to;
        AtlasFrame picture;
        bool live = false;
    };
    struct Popup
    {
        sf::Time born;
        sf::Vector2f at;
        sf::Text text;
        // Its glyphs as the batch last drew them; a cache, so drawing may renew it.
        mutable lib::scn::draw::TextGeometry geometry;
        bool live = false;
    };

    void build(sf::Time now, sf::Vector2f pixel);
    // The pop-ups rise and fade; those past their time end.
    void moveTexts(sf::Time now);
    // The vertex arrays and texts to draw now, in order, each with its states (and a text with
    // its geometry).
    template <class Visit>
    void forEachPart(const sf::RenderStates& states, Visit visit) const;
    void startPopup(Popup& popup, sf::Vector2f at, const sf::String& string, sf::Time now);
    void flash(const sf::FloatRect& cell, const sf::Color& colour, bool star, sf::Time from);
    void particles(sf::Vector2f from, const sf::Color& colour, std::size_t count, float speed,
                   sf::Time born);
    void buildTracers(sf::Time now);

    const sf::Texture& m_atlas;
    sf::VertexArray m_shaded;  // alpha blended: panels and dimming
    sf::VertexArray m_glowing; // added: flashes, particles, glows
    std::array<Particle, 64> m_particles;
    std::array<Flash, 24> m_flashes;
    std::array<Tracer, 4> m_tracers;
    std::array<Crossing, 4> m_crossings;
    std::array<Popup, 8> m_popups;
    Popup m_combo;
    Popup m_banner;
    sf::Text m_finalScore;
    mutable lib::scn::draw::TextGeometry m_finalScoreGeometry;
    const lib::scn::draw::RenderGroup* m_leftTexts = nullptr;
    const lib::scn::draw::RenderGroup* m_rightTexts = nullptr;
    std::size_t m_nextParticle = 0, m_nextFlash = 0, m_nextPopup = 0, m_nextTracer = 0,
                m_nextCrossing = 0;
    bool m_paused = false, m_gameOver = false;
};

} // namespace bexil::look
