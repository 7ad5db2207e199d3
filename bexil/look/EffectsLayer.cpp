#include "bexil/look/EffectsLayer.hpp"

#include "bexil/look/AtlasQuads.hpp"
#include "bexil/look/LookAtlas.hpp"
#include "lib/Clock.hpp"
#include "lib/Translation.hpp"
#include "lib/core/Window.hpp"
#include "lib/scn/draw/DrawBatch.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

namespace bexil::look
{

namespace
{

constexpr float TwoPi = 6.2831853f;
constexpr std::size_t ParticlesPerBurst = 8;
// Sizes in the view's units, which are square on screen: 2000 span the window's shorter side.
constexpr float PanelBorder = 40.f;
constexpr float ParticleHalf = 60.f;
constexpr float ParticleSpeed = 600.f;
constexpr float PopupRise = 150.f;
constexpr float BannerPadding = 50.f;
constexpr float FinalScorePadding = 60.f;
// A launch that met nothing: a dull line and dust where it left the board.
const sf::Color DudColour(150, 160, 195);
constexpr std::size_t DustParticles = 8;
constexpr float DustSpeed = 150.f;

constexpr unsigned int PopupSize = 58;
constexpr unsigned int ComboSize = 90;
constexpr unsigned int BannerSize = 120;
constexpr unsigned int FinalScoreSize = 90;
// The banner between the top of the board and the centre square, the final score below it,
// at these shares of the board's height.
constexpr float BannerHeight = 0.2f;
constexpr float FinalScoreHeight = 0.75f;

float secondsSince(sf::Time born, sf::Time now)
{
    return (now - born).asSeconds();
}

sf::Uint8 alphaOf(float opacity)
{
    const float clamped = opacity < 0.f ? 0.f : opacity > 1.f ? 1.f : opacity;
    return static_cast<sf::Uint8>(clamped * 255.f + 0.5f);
}

sf::Color withAlpha(sf::Color colour, float opacity)
{
    colour.a = alphaOf(opacity * static_cast<float>(colour.a) / 255.f);
    return colour;
}

// The panel frame in nine slices: the corners keep their shape on screen, the rest stretches.
void ninePatch(sf::VertexArray& vertices, const sf::FloatRect& to, sf::Vector2f border,
               const sf::Color& colour)
{
    const sf::FloatRect frame = AtlasQuads::texels(LookAtlas::panel());
    const auto b = static_cast<float>(LookAtlas::PanelBorder);
    const float xs[4] = {to.left, to.left + border.x, to.left + to.width - border.x,
                         to.left + to.width};
    const float ys[4] = {to.top, to.top + border.y, to.top + to.height - border.y,
                         to.top + to.height};
    const float us[4] = {frame.left, frame.left + b, frame.left + frame.width - b,
                         frame.left + frame.width};
    const float vs[4] = {frame.top, frame.top + b, frame.top + frame.height - b,
                         frame.top + frame.height};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            AtlasQuads::append(vertices, {xs[i], ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]},
                               {us[i], vs[j], us[i + 1] - us[i], vs[j + 1] - vs[j]}, colour);
}

sf::FloatRect around(sf::Vector2f centre, sf::Vector2f half)
{
    return {centre.x - half.x, centre.y - half.y, half.x * 2.f, half.y * 2.f};
}

sf::FloatRect grown(const sf::FloatRect& r, sf::Vector2f by)
{
    return {r.left - by.x, r.top - by.y, r.width + 2.f * by.x, r.height + 2.f * by.y};
}

sf::Vector2f between(sf::Vector2f a, sf::Vector2f b, float u)
{
    return a + (b - a) * u;
}

sf::Color lighter(const sf::Color& colour)
{
    return {static_cast<sf::Uint8>((colour.r + 255) / 2),
            static_cast<sf::Uint8>((colour.g + 255) / 2),
            static_cast<sf::Uint8>((colour.b + 255) / 2)};
}

// A soft beam `width` across along a row or a column, from the round picture's profile: its two
// halves cap the ends and its middle line stretches between them.
void beam(sf::VertexArray& vertices, sf::Vector2f a, sf::Vector2f b, float width,
          const sf::Color& colour)
{
    const sf::FloatRect f = AtlasQuads::texels(LookAtlas::spark());
    const float h = width * 0.5f, mu = f.left + f.width * 0.5f, mv = f.top + f.height * 0.5f;
    if (std::abs(b.x - a.x) >= std::abs(b.y - a.y))
    {
        const float x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x), top = a.y - h;
        AtlasQuads::append(vertices, {x0 - h, top, h, width},
                           {f.left, f.top, mu - f.left, f.height}, colour);
        AtlasQuads::append(vertices, {x0, top, x1 - x0, width}, {mu, f.top, 0.f, f.height}, colour);
        AtlasQuads::append(vertices, {x1, top, h, width}, {mu, f.top, mu - f.left, f.height},
                           colour);
    }
    else
    {
        const float y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y), left = a.x - h;
        AtlasQuads::append(vertices, {left, y0 - h, width, h}, {f.left, f.top, f.width, mv - f.top},
                           colour);
        AtlasQuads::append(vertices, {left, y0, width, y1 - y0}, {f.left, mv, f.width, 0.f},
                           colour);
        AtlasQuads::append(vertices, {left, y1, width, h}, {f.left, mv, f.width, mv - f.top},
                           colour);
    }
}

void setUp(sf::Text& text, const sf::Font& font, unsigned int size, const sf::Color& colour)
{
    text.setFont(font);
    text.setCharacterSize(size);
    text.setFillColor(colour);
    text.setOutlineColor(sf::Color(14, 10, 30));
    text.setOutlineThickness(static_cast<float>(size) * 0.06f);
}

// Centres the text's box on the point.
void centre(sf::Text& text, sf::Vector2f at)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width * 0.5f, bounds.top + bounds.height * 0.5f);
    text.setPosition(at);
}

} // namespace

EffectsLayer::EffectsLayer(const sf::Texture& atlas, const sf::Font& font)
    : RenderGroup("effects")
    , m_atlas(atlas)
    , m_shaded(sf::Triangles)
    , m_glowing(sf::Triangles)
{
    for (Popup& popup : m_popups)
        setUp(popup.text, font, PopupSize, sf::Color(255, 240, 140));
    setUp(m_combo.text, font, ComboSize, sf::Color(255, 170, 60));
    setUp(m_banner.text, font, BannerSize, sf::Color::White);
    setUp(m_finalScore, font, FinalScoreSize, sf::Color::White);
    // Room for everything at once, so that no frame grows the arrays.
    const std::size_t quads = 2 * m_flashes.size() + m_particles.size() + 4 * 9 + 1 +
                              6 * m_tracers.size() + m_crossings.size();
    m_shaded.resize(quads * 6);
    m_shaded.clear();
    m_glowing.resize(quads * 6);
    m_glowing.clear();
}

void EffectsLayer::setLayout(const sf::FloatRect& board, const sf::FloatRect& visible,
                             const sf::FloatRect& leftPanel, const sf::FloatRect& rightPanel)
{
    m_board = board;
    m_visible = visible;
    m_leftPanel = leftPanel;
    m_rightPanel = rightPanel;
}

void EffectsLayer::tracer(sf::Vector2f from, sf::Vector2f to, float width, const sf::Color& colour,
                          bool dud)
{
    const sf::Time now = lib::Clock::now();
    Tracer& tracer = m_tracers[m_nextTracer];
    m_nextTracer = (m_nextTracer + 1) % m_tracers.size();
    tracer = {now, from, to, width * (dud ? 0.8f : 1.f), dud ? DudColour : lighter(colour),
              dud, true};
    if (!dud)
        return;
    // The dust rises just inside the board's edge, as the head gets there.
    const sf::Time there = now + sf::seconds(TracerSeconds / 3.f);
    const sf::Vector2f way = to - from;
    const sf::Vector2f dust = to - way * (width / std::max(std::abs(way.x) + std::abs(way.y), 1.f));
    flash({dust.x - width, dust.y - width, 2.f * width, 2.f * width}, DudColour, false, there);
    particles(dust, DudColour, DustParticles, DustSpeed, there);
}

void EffectsLayer::flash(const sf::FloatRect& cell, const sf::Color& colour, bool star,
                         sf::Time from)
{
    Flash& flash = m_flashes[m_nextFlash];
    m_nextFlash = (m_nextFlash + 1) % m_flashes.size();
    flash = {from, cell, colour, star, true};
}

void EffectsLayer::particles(sf::Vector2f from, const sf::Color& colour, std::size_t count,
                             float speed, sf::Time born)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        Particle& particle = m_particles[m_nextParticle];
        m_nextParticle = (m_nextParticle + 1) % m_particles.size();
        // Evenly round, each burst turned a little from the last.
        const float angle = TwoPi *
                            (static_cast<float>(i) + 0.37f * static_cast<float>(m_nextFlash)) /
                            static_cast<float>(count);
        const float v = speed * (0.75f + 0.25f * static_cast<float>(i % 3));
        particle = {born, from, {std::cos(angle) * v, std::sin(angle) * v}, colour, true};
    }
}

void EffectsLayer::burst(const sf::FloatRect& cell, const sf::Color& colour, std::uint32_t points)
{
    const sf::Time now = lib::Clock::now();
    flash(cell, colour, true, now);
    const sf::Vector2f middle(cell.left + cell.width * 0.5f, cell.top + cell.height * 0.5f);
    // Lighter than the token, so that dark colours still spark on dark cells.
    particles(middle, lighter(colour), ParticlesPerBurst, ParticleSpeed, now);
    char string[16];
    std::snprintf(string, sizeof string, "+%u", static_cast<unsigned int>(points));
    Popup& popup = m_popups[m_nextPopup];
    m_nextPopup = (m_nextPopup + 1) % m_popups.size();
    startPopup(popup, middle, string, now);
}

void EffectsLayer::combo(const sf::FloatRect& cell, std::uint32_t inARow, sf::Vector2i side)
{
    using lib::Translation;
    const sf::String string = Translation::toScreen(
        Translation::format(Translation::tr("COMBO x%u"), {std::to_string(inARow)}));
    m_combo.text.setString(string);
    const sf::FloatRect box = m_combo.text.getGlobalBounds();
    // The points rise straight up from the middle of each cell, none wider than 0.9 of a cell.
    const sf::Vector2f middle(cell.left + cell.width * 0.5f, cell.top + cell.height * 0.5f);
    const sf::Vector2f away(static_cast<float>(side.x) * (cell.width * 0.9f + box.width * 0.5f),
                            static_cast<float>(side.y) * (cell.height * 0.6f + box.height * 0.5f));
    startPopup(m_combo, middle + away, string, lib::Clock::now());
}

void EffectsLayer::cross(const sf::FloatRect& a, const AtlasFrame& fromA, const sf::FloatRect& b,
                         const AtlasFrame& fromB)
{
    const sf::Time now = lib::Clock::now();
    for (const auto& [from, to, picture] : {std::tuple{a, b, fromA}, std::tuple{b, a, fromB}})
    {
        m_crossings[m_nextCrossing] = {now, from, to, picture, true};
        m_nextCrossing = (m_nextCrossing + 1) % m_crossings.size();
        flash(to, sf::Color::White, false, now + sf::seconds(CrossSeconds * 0.8f));
    }
}

void EffectsLayer::banner(std::uint32_t levelShown)
{
    using lib::Translation;
    startPopup(m_banner,
               {m_board.left + m_board.width * 0.5f, m_board.top + m_board.height * BannerHeight},
               Translation::toScreen(
                   Translation::format(Translation::tr("Level %u"), {std::to_string(levelShown)})),
               lib::Clock::now());
}

void EffectsLayer::startPopup(Popup& popup, sf::Vector2f at, const sf::String& string, sf::Time now)
{
    if (!m_textsShown)
        return;
    popup.text.setString(string);
    centre(popup.text, at);
    popup.at = at;
    popup.born = now;
    popup.live = true;
}

void EffectsLayer::setPaused(bool paused)
{
    m_paused = paused;
}

void EffectsLayer::showGameOver(std::uint32_t score, std::uint32_t levelShown)
{
    using lib::Translation;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05u", static_cast<unsigned int>(score));
    // TRANSLATORS: the final score (five digits or more) and level, under GAME OVER.
    m_finalScore.setString(Translation::toScreen(Translation::format(
        Translation::tr("Score %1$s  Level %2$u"), {digits, std::to_string(levelShown)})));
    centre(m_finalScore,
           {m_board.left + m_board.width * 0.5f, m_board.top + m_board.height * FinalScoreHeight});
    m_gameOver = true;
}

std::size_t EffectsLayer::liveParticles() const
{
    const sf::Time now = lib::Clock::now();
    std::size_t count = 0;
    for (const Particle& particle : m_particles)
    {
        const float t = secondsSince(particle.born, now);
        count += particle.live && t >= 0.f && t < BurstSeconds ? 1u : 0u;
    }
    return count;
}

bool EffectsLayer::bannerShowing() const
{
    return m_banner.live && secondsSince(m_banner.born, lib::Clock::now()) < BannerSeconds;
}

void EffectsLayer::build(sf::Time now)
{
    m_shaded.clear();
    m_glowing.clear();
    const sf::FloatRect white = AtlasQuads::texels(LookAtlas::white());
    if (m_paused || m_gameOver)
        AtlasQuads::append(m_shaded, m_visible, white, sf::Color(0, 0, 10, m_gameOver ? 180 : 140));
    const sf::Vector2f border(PanelBorder, PanelBorder);
    for (const sf::FloatRect* panel : {&m_leftPanel, &m_rightPanel})
        if (panel->width > 0.f)
            ninePatch(m_shaded, *panel, border, sf::Color::White);
    if (m_banner.live)
    {
        const float age = secondsSince(m_banner.born, now);
        m_banner.live = age < BannerSeconds;
        const float opacity = std::min(age / 0.15f, (BannerSeconds - age) / 0.3f);
        m_banner.text.setFillColor(withAlpha(sf::Color::White, opacity));
        m_banner.text.setOutlineColor(withAlpha(sf::Color(14, 10, 30), opacity));
        if (m_banner.live)
            ninePatch(m_shaded,
                      grown(m_banner.text.getGlobalBounds(), {BannerPadding, BannerPadding}),
                      border, withAlpha(sf::Color::White, opacity));
    }
    if (m_gameOver)
        ninePatch(m_shaded,
                  grown(m_finalScore.getGlobalBounds(), {FinalScorePadding, FinalScorePadding}),
                  border, sf::Color::White);
    for (Crossing& crossing : m_crossings)
    {
        if (!crossing.live)
            continue;
        const float u = secondsSince(crossing.born, now) / CrossSeconds;
        crossing.live = u < 1.f;
        if (!crossing.live)
            continue;
        // Eased in and out, a little smaller in flight, so the two pass each other.
        const float eased = u * u * (3.f - 2.f * u), scale = 1.f - 0.3f * std::sin(3.14159265f * u);
        const sf::Vector2f at = between({crossing.from.left, crossing.from.top},
                                        {crossing.to.left, crossing.to.top}, eased);
        const sf::Vector2f half(crossing.from.width * 0.5f, crossing.from.height * 0.5f);
        AtlasQuads::append(m_shaded, around(at + half, half * scale),
                           AtlasQuads::texels(crossing.picture), sf::Color::White);
    }

    buildTracers(now);
    for (Flash& flash : m_flashes)
    {
        if (!flash.live)
            continue;
        const float u = secondsSince(flash.born, now) / FlashSeconds;
        flash.live = u < 1.f;
        if (!flash.live || u < 0.f)
            continue;
        const sf::Vector2f middle(flash.cell.left + flash.cell.width * 0.5f,
                                  flash.cell.top + flash.cell.height * 0.5f);
        const sf::Vector2f half(flash.cell.width, flash.cell.height);
        if (flash.star)
            AtlasQuads::append(m_glowing, around(middle, half * (0.6f + 0.6f * u)),
                               AtlasQuads::texels(LookAtlas::flash()),
                               withAlpha(sf::Color(255, 255, 230), (1.f - u) * (1.f - u)));
        AtlasQuads::append(m_glowing, around(middle, half * 0.55f),
                           AtlasQuads::texels(LookAtlas::spark()),
                           withAlpha(flash.star ? sf::Color::White : flash.colour, 1.f - u));
    }
    for (Particle& particle : m_particles)
    {
        if (!particle.live)
            continue;
        const float t = secondsSince(particle.born, now);
        particle.live = t < BurstSeconds;
        if (!particle.live || t < 0.f)
            continue;
        // Slowing to a stop at the end of the burst.
        const float travel = t - t * t / (2.f * BurstSeconds);
        const sf::Vector2f at = particle.from + particle.velocity * travel;
        const float u = t / BurstSeconds;
        const float half = ParticleHalf * (1.f - 0.5f * u);
        AtlasQuads::append(m_glowing, around(at, {half, half}),
                           AtlasQuads::texels(LookAtlas::spark()),
                           withAlpha(particle.colour, 1.f - u * u));
    }
}

void EffectsLayer::buildTracers(sf::Time now)
{
    for (Tracer& tracer : m_tracers)
    {
        if (!tracer.live)
            continue;
        const float t = secondsSince(tracer.born, now) / TracerSeconds;
        tracer.live = t < 1.f;
        if (!tracer.live)
            continue;
        // The head shoots out in the first third; the tail follows it to where the launch
        // stopped.
        const sf::Vector2f head = between(tracer.from, tracer.to, std::min(1.f, 3.f * t));
        const sf::Vector2f tail =
            between(tracer.from, tracer.to, std::max(0.f, (3.f * t - 1.f) * 0.5f));
        const float opacity = 1.f - 0.6f * std::max(0.f, 1.5f * t - 0.5f);
        beam(m_glowing, tail, head, tracer.width, withAlpha(tracer.colour, opacity));
        if (!tracer.dud)
            beam(m_glowing, tail, head, tracer.width * 0.4f, withAlpha(sf::Color::White, opacity));
    }
}

void EffectsLayer::moveTexts(sf::Time now)
{
    const auto rising = [now](Popup& popup, float seconds, float rise)
    {
        if (!popup.live)
            return;
        const float u = secondsSince(popup.born, now) / seconds;
        popup.live = u < 1.f;
        const float opacity = u < 0.5f ? 1.f : 2.f * (1.f - u);
        popup.text.setPosition(popup.at.x, popup.at.y - rise * u);
        const sf::Color fill = popup.text.getFillColor();
        popup.text.setFillColor(withAlpha(sf::Color(fill.r, fill.g, fill.b), opacity));
        popup.text.setOutlineColor(withAlpha(sf::Color(14, 10, 30), opacity));
    };
    for (Popup& popup : m_popups)
        rising(popup, PopupSeconds, PopupRise);
    // The cue stays where it was put, clear of the rising points.
    rising(m_combo, PopupSeconds * 1.2f, 0.f);
}

template <class Visit>
void EffectsLayer::forEachPart(const sf::RenderStates& states, Visit visit) const
{
    sf::RenderStates local = states;
    local.texture = &m_atlas;
    if (m_shaded.getVertexCount() > 0)
        visit(m_shaded, local);
    local.blendMode = sf::BlendAdd;
    if (m_glowing.getVertexCount() > 0)
        visit(m_glowing, local);
    for (const Popup& popup : m_popups)
        if (popup.live)
            visit(popup.text, states, popup.sharp);
    if (m_combo.live)
        visit(m_combo.text, states, m_combo.sharp);
    if (m_banner.live)
        visit(m_banner.text, states, m_banner.sharp);
    if (m_gameOver && m_textsShown)
        visit(m_finalScore, states, m_finalScoreSharp);
}

void EffectsLayer::lastFrame(DrawnParts& parts) const
{
    forEachPart(sf::RenderStates::Default,
                [&parts](const sf::Drawable& part, const sf::RenderStates& states, auto&...)
                { parts.emplace_back(&part, states); });
}

unsigned int EffectsLayer::draw(lib::core::Window* window, sf::RenderStates& states)
{
    if (!isVisible())
        return 0;
    const sf::Time now = lib::Clock::now();
    build(now);
    moveTexts(now);
    unsigned int drawn = 0;
    lib::scn::draw::DrawBatch& batch = window->batch();
    forEachPart(states,
                [&batch, window, &drawn](const auto& part, const sf::RenderStates& partStates,
                                         auto&... sharp)
                {
                    if constexpr (sizeof...(sharp) == 0)
                        batch.draw(part, partStates);
                    else
                        (sharp.draw(batch, *window, part, partStates), ...);
                    ++drawn;
                });
    return drawn;
}

} // namespace bexil::look
