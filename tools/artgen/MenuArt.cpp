#include "tools/artgen/MenuArt.hpp"

#include "tools/artgen/Canvas.hpp"

#include <string>

namespace artgen
{

namespace
{

const auto Everywhere = [](Vec) { return -1e9f; };

// The player's triangle piece, bevelled, pointing up inside the box.
void drawTriangle(Canvas& canvas, Box b, Colour base)
{
    const float h = b.y1 - b.y0;
    const Box shadow{b.x0 + h * 0.03f, b.y0 + h * 0.08f, b.x1 + h * 0.03f, b.y1 + h * 0.08f};
    canvas.paint(
        {b.x0 - h * 0.3f, b.y0 - h * 0.3f, b.x1 + h * 0.3f, b.y1 + h * 0.3f},
        [&](Vec p) { return triangleSdf(p, shadow); }, [&](Vec) { return withAlpha(Black, 0.55f); },
        h * 0.12f);
    canvas.paint(
        {b.x0 - 2.f, b.y0 - 2.f, b.x1 + 2.f, b.y1 + 2.f}, [&](Vec p) { return triangleSdf(p, b); },
        [&](Vec p)
        {
            const float t = (p.y - b.y0) / h;
            const float depth = -triangleSdf(p, b) / h;
            Colour col = mix(mix(base, White, 0.45f), scaled(base, 0.62f), t);
            col = mix(col, scaled(base, 0.35f), 1.f - smooth(0.f, 0.035f, depth));
            const float bevel = smooth(0.035f, 0.05f, depth) * (1.f - smooth(0.07f, 0.09f, depth));
            return mix(col, White, bevel * (0.55f - 0.4f * t));
        });
}

// Five-row letters drawn with tokens, one string per row.
struct Letter
{
    const char* rows[5];
    Colour colour;
};

const Letter Word[] = {
    {{"###.", "#..#", "###.", "#..#", "###."}, Red},
    {{"###", "#..", "##.", "#..", "###"}, Green},
    {{"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, Blue},
    {{"#", "#", "#", "#", "#"}, Yellow},
    {{"#..", "#..", "#..", "#..", "###"}, Magenta},
};

} // namespace

// The logo: BEXIL spelt with tokens on a small board, over a lane of tokens marching toward
// the player's triangle. Design space 1600 x 600; the game shows it undistorted.
void drawLogo(Canvas& canvas)
{
    const float cell = 74.f;
    int columns = -1;
    for (const Letter& l : Word)
        columns += static_cast<int>(std::string(l.rows[0]).size()) + 1;
    const float x0 = 800.f - fl(columns) * cell * 0.5f, y0 = 42.f;
    drawPlate(canvas,
              {x0 - 30.f, y0 - 30.f, x0 + fl(columns) * cell + 30.f, y0 + 5.f * cell + 30.f}, 48.f,
              10.f);
    for (int col = 0; col < columns; ++col)
        for (int row = 0; row < 5; ++row)
        {
            const Vec c{x0 + (fl(col) + 0.5f) * cell, y0 + (fl(row) + 0.5f) * cell};
            canvas.paint(
                around(c, cell * 0.45f), [&](Vec p) { return circleSdf(p, c, cell * 0.4f); },
                [&](Vec p) { return withAlpha(Black, 0.25f + 0.25f * (p.y - c.y) / cell); });
        }
    const auto forEachDot = [&](auto draw)
    {
        int col = 0;
        for (const Letter& l : Word)
        {
            const int w = static_cast<int>(std::string(l.rows[0]).size());
            for (int row = 0; row < 5; ++row)
                for (int i = 0; i < w; ++i)
                    if (l.rows[row][i] == '#')
                        draw(Vec{x0 + (fl(col + i) + 0.5f) * cell, y0 + (fl(row) + 0.5f) * cell},
                             l.colour);
            col += w + 1;
        }
    };
    // A haze of each letter's own colour lifts the darker ones (blue) off the plate.
    forEachDot(
        [&](Vec c, Colour colour)
        {
            canvas.paint(
                around(c, cell * 1.2f), [&](Vec p) { return circleSdf(p, c, cell * 0.72f); },
                [&](Vec) { return withAlpha(mix(colour, White, 0.3f), 0.4f); }, cell * 0.6f);
        });
    forEachDot([&](Vec c, Colour colour) { drawToken(canvas, c, cell * 0.47f, colour); });
    // The lane below the word.
    const float laneY = 524.f, laneHalf = 54.f;
    drawPlate(canvas, {390.f, laneY - laneHalf, 1210.f, laneY + laneHalf}, laneHalf, 8.f);
    const Colour lane[6] = {Green, Blue, Yellow, Magenta, Green, Blue};
    for (int i = 0; i < 3; ++i)
    {
        const float r = 32.f - 3.f * fl(2 - i);
        drawToken(canvas, {455.f + fl(i) * 84.f, laneY}, r, lane[i]);
        drawToken(canvas, {1145.f - fl(i) * 84.f, laneY}, r, lane[5 - i]);
    }
    drawTriangle(canvas, {748.f, laneY - 44.f, 852.f, laneY + 38.f}, Red);
}

// The menu background: the 18 x 12 board of square cells, with more cells on either side, under
// a glow from the top. Design space 3840 x 2160, a 16:9 picture as large as a 4K screen, which
// the game crops or extends to the window's shape; tokens drift over it in the game.
void drawBackground(Canvas& canvas)
{
    const float W = 3840.f, H = 2160.f;
    const float cell = H / 12.f, left = (W - 18.f * cell) * 0.5f;
    canvas.paint(canvas.whole(), Everywhere,
                 [&](Vec p)
                 {
                     const float t = p.y / H;
                     Colour c = mix(rgb(34, 26, 86), rgb(14, 12, 40), t);
                     const float gx = (p.x - W * 0.5f) / 1500.f, gy = (p.y - 330.f) / 600.f;
                     return mix(c, rgb(96, 80, 200), 0.55f * std::exp(-(gx * gx + gy * gy)));
                 });
    const int before = static_cast<int>(std::ceil(left / cell));
    for (int r = 0; r < 12; ++r)
        for (int c = -before; c < 18 + before; ++c)
        {
            const float inset = cell * 0.045f;
            const Box b{left + fl(c) * cell + inset, fl(r) * cell + inset,
                        left + fl(c + 1) * cell - inset, fl(r + 1) * cell - inset};
            const bool centre = c >= 7 && c <= 10 && r >= 4 && r <= 7;
            const bool board = c >= 0 && c < 18;
            canvas.paint(
                b, [&](Vec p) { return roundBoxSdf(p, b, cell * 0.14f); },
                [&](Vec p)
                {
                    const float t = (p.y - b.y0) / cell;
                    return withAlpha(White, (centre ? 0.16f : board ? 0.085f : 0.05f) - 0.04f * t);
                });
        }
    canvas.paint(canvas.whole(), Everywhere,
                 [&](Vec p)
                 {
                     const float dx = (p.x - W * 0.5f) / W, dy = (p.y - H * 0.5f) / H;
                     return withAlpha(Black, 0.55f * smooth(0.12f, 0.5f, dx * dx + dy * dy));
                 });
}

// The pale frosted band where the menu's blue and red lines stand, with its shadow and a thin
// light rim, alone on a clear picture: the game lays it across the whole window, however wide,
// from 480 to 1440 of its 2000-unit view height (the band itself from 583 to 1333, every menu
// page's lines). Design space 2000 x 960 in those units.
void drawBand(Canvas& canvas)
{
    const float W = 2000.f;
    const float bandTop = 103.f, bandBottom = 853.f;
    const Box band{-40.f, bandTop, W + 40.f, bandBottom};
    const Box bandShadow{-40.f, bandTop - 6.f, W + 40.f, bandBottom + 22.f};
    canvas.paint(
        {0.f, bandTop - 100.f, W, bandBottom + 105.f},
        [&](Vec p) { return roundBoxSdf(p, bandShadow, 8.f); },
        [&](Vec) { return withAlpha(Black, 0.75f); }, 50.f);
    canvas.paint(
        band, [&](Vec p) { return roundBoxSdf(p, band, 8.f); },
        [&](Vec p)
        {
            const float t = (p.y - bandTop) / (bandBottom - bandTop);
            const float dx = (p.x - W * 0.5f) / W;
            Colour c = mix(rgb(252, 250, 255), rgb(226, 230, 248), t);
            c = mix(c, rgb(214, 216, 240), 0.6f * smooth(0.3f, 0.5f, std::abs(dx)));
            return withAlpha(c, 0.9f);
        });
    for (const float y : {bandTop + 3.f, bandBottom - 3.f})
        canvas.paint(
            {0.f, y - 6.f, W, y + 6.f}, [&](Vec p) { return std::abs(p.y - y) - 2.f; },
            [&](Vec p)
            {
                const float dx = std::abs(p.x - W * 0.5f) / (W * 0.5f);
                return withAlpha(White, 0.95f - 0.5f * dx);
            });
}

// The desktop icon: a small board with the red triangle in the middle and a token on each
// side. Design space 256 x 256.
void drawIcon(Canvas& canvas)
{
    drawPlate(canvas, {12.f, 12.f, 244.f, 238.f}, 48.f, 9.f);
    const Vec centre{128.f, 125.f};
    const float d = 74.f, r = 27.f;
    drawToken(canvas, {centre.x, centre.y - d}, r, Blue);
    drawToken(canvas, {centre.x - d, centre.y}, r, Green);
    drawToken(canvas, {centre.x + d, centre.y}, r, Yellow);
    drawToken(canvas, {centre.x, centre.y + d}, r, Magenta);
    drawTriangle(canvas, {centre.x - 44.f, centre.y - 42.f, centre.x + 44.f, centre.y + 34.f}, Red);
}

} // namespace artgen
