// artgen: draws the game's menu pictures and desktop icons with plain pixel maths (no window,
// no GPU, no fonts) and writes them as PNG files. Shapes are signed distance functions, so every
// edge is antialiased by its exact coverage. Usage: artgen DATA_FOLDER
#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace
{

struct Vec
{
    float x, y;
};

// Straight (not premultiplied) colour, every channel 0..1.
struct Colour
{
    float r, g, b, a = 1.f;
};

struct Box
{
    float x0, y0, x1, y1;
};

float clamp01(float v)
{
    return std::min(1.f, std::max(0.f, v));
}
float smooth(float e0, float e1, float v)
{
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.f - 2.f * t);
}
float length(Vec v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}
Vec sub(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}
Colour rgb(int r, int g, int b, float a = 1.f)
{
    return {r / 255.f, g / 255.f, b / 255.f, a};
}
Colour mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}
Colour scaled(Colour c, float k)
{
    return {c.r * k, c.g * k, c.b * k, c.a};
}
Colour withAlpha(Colour c, float a)
{
    return {c.r, c.g, c.b, a};
}

const Colour White = rgb(255, 255, 255);
const Colour Black = rgb(0, 0, 0);
// The tokens' colours, as the game draws them.
const Colour Red = rgb(255, 0, 0), Green = rgb(0, 255, 0), Blue = rgb(0, 0, 255),
             Yellow = rgb(255, 255, 0), Magenta = rgb(255, 0, 255);
const Colour TokenColours[5] = {Red, Green, Blue, Yellow, Magenta};

// A repeatable pseudo-random number in [0, 1) for a cell and a purpose: the pictures must come
// out the same on every machine, which the standard distributions do not promise.
float hash01(int a, int b, int salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(a) * 73856093u ^
                      static_cast<std::uint32_t>(b) * 19349663u ^
                      static_cast<std::uint32_t>(salt) * 83492791u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFFu) / 16777216.f;
}

float circleSdf(Vec p, Vec c, float r)
{
    return length(sub(p, c)) - r;
}

float roundBoxSdf(Vec p, Box b, float radius)
{
    const Vec c{(b.x0 + b.x1) * 0.5f, (b.y0 + b.y1) * 0.5f};
    const float qx = std::abs(p.x - c.x) - ((b.x1 - b.x0) * 0.5f - radius);
    const float qy = std::abs(p.y - c.y) - ((b.y1 - b.y0) * 0.5f - radius);
    return length({std::max(qx, 0.f), std::max(qy, 0.f)}) + std::min(std::max(qx, qy), 0.f) -
           radius;
}

// Distance to a triangle pointing up, inscribed in the box like the player's piece.
float triangleSdf(Vec p, Box b)
{
    const Vec v[3] = {{(b.x0 + b.x1) * 0.5f, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}};
    float d = 1e9f;
    float inside = 1.f;
    for (int i = 0; i < 3; ++i)
    {
        const Vec a = v[i], e = sub(v[(i + 1) % 3], a), w = sub(p, a);
        const float t = clamp01((w.x * e.x + w.y * e.y) / (e.x * e.x + e.y * e.y));
        d = std::min(d, length({w.x - e.x * t, w.y - e.y * t}));
        if (e.x * w.y - e.y * w.x < 0.f)
            inside = -1.f;
    }
    return inside > 0.f ? -d : d;
}

// A picture drawn in design units, which map to pixels by a per-axis scale. The logo's design
// space is squashed vertically so that its tokens look round once the game stretches the
// square menu view over a 4:3 window.
class Canvas
{
public:
    Canvas(unsigned width, unsigned height, Vec designSize)
        : m_width(width)
        , m_height(height)
        , m_unitX(designSize.x / static_cast<float>(width))
        , m_unitY(designSize.y / static_cast<float>(height))
        , m_pixels(static_cast<std::size_t>(width) * height, Colour{0.f, 0.f, 0.f, 0.f})
    {
    }

    // Blends shade(p) over every pixel inside sdf, with the shape's edge coverage; a feather
    // wider than a pixel gives a soft edge (shadows, glows).
    template <class Sdf, class Shade>
    void paint(Box box, Sdf sdf, Shade shade, float feather = 0.f)
    {
        const float aa = std::sqrt(m_unitX * m_unitY);
        const float width = std::max(aa, feather);
        const int px0 = std::max(0, static_cast<int>(std::floor(box.x0 / m_unitX)));
        const int py0 = std::max(0, static_cast<int>(std::floor(box.y0 / m_unitY)));
        const int px1 = std::min<int>(m_width, static_cast<int>(std::ceil(box.x1 / m_unitX)));
        const int py1 = std::min<int>(m_height, static_cast<int>(std::ceil(box.y1 / m_unitY)));
        for (int py = py0; py < py1; ++py)
            for (int px = px0; px < px1; ++px)
            {
                const Vec p{(px + 0.5f) * m_unitX, (py + 0.5f) * m_unitY};
                float cover = clamp01(0.5f - sdf(p) / width);
                if (feather > aa)
                    cover = smooth(0.f, 1.f, cover);
                if (cover <= 0.f)
                    continue;
                const Colour s = shade(p);
                const float a = clamp01(s.a) * cover;
                Colour& d = m_pixels[static_cast<std::size_t>(py) * m_width + px];
                d = {s.r * a + d.r * (1.f - a), s.g * a + d.g * (1.f - a),
                     s.b * a + d.b * (1.f - a), a + d.a * (1.f - a)};
            }
    }

    Box whole() const { return {0.f, 0.f, m_width * m_unitX, m_height * m_unitY}; }

    bool save(const std::string& path) const
    {
        sf::Image image;
        image.create(m_width, m_height);
        const auto byte = [](float v) { return static_cast<sf::Uint8>(clamp01(v) * 255.f + .5f); };
        for (unsigned y = 0; y < m_height; ++y)
            for (unsigned x = 0; x < m_width; ++x)
            {
                const Colour& c = m_pixels[static_cast<std::size_t>(y) * m_width + x];
                const float k = c.a > 0.f ? 1.f / c.a : 0.f;
                image.setPixel(x, y, {byte(c.r * k), byte(c.g * k), byte(c.b * k), byte(c.a)});
            }
        return image.saveToFile(path);
    }

private:
    unsigned m_width, m_height;
    float m_unitX, m_unitY;
    std::vector<Colour> m_pixels; // premultiplied
};

const auto Everywhere = [](Vec) { return -1e9f; };

Box around(Vec c, float r)
{
    return {c.x - r, c.y - r, c.x + r, c.y + r};
}

// A glossy round token: a lit sphere with a rim, a glassy top reflection and a soft shadow.
void drawToken(Canvas& canvas, Vec c, float r, Colour base, float opacity = 1.f)
{
    const Vec shadowAt{c.x + r * 0.06f, c.y + r * 0.14f};
    canvas.paint(
        around(shadowAt, r * 1.4f), [&](Vec p) { return circleSdf(p, shadowAt, r * 0.98f); },
        [&](Vec) { return withAlpha(Black, 0.55f * opacity); }, r * 0.25f);
    canvas.paint(
        around(c, r + 2.f), [&](Vec p) { return circleSdf(p, c, r); },
        [&](Vec p)
        {
            const float ux = (p.x - c.x) / r, uy = (p.y - c.y) / r;
            const float rr = std::min(1.f, ux * ux + uy * uy);
            const float nz = std::sqrt(1.f - rr);
            const float diffuse = std::max(0.f, -0.42f * ux - 0.56f * uy + 0.71f * nz);
            const float highlight =
                std::pow(std::max(0.f, -0.22f * ux - 0.30f * uy + 0.93f * nz), 60.f);
            Colour col = scaled(base, 0.28f + 0.8f * diffuse);
            col = mix(col, scaled(base, 0.3f), 0.7f * smooth(0.78f, 1.f, std::sqrt(rr)));
            col = mix(col, base, 0.35f * smooth(0.2f, 0.85f, uy) * (1.f - smooth(0.85f, 1.f, rr)));
            // The glass reflection: an ellipse on the upper half fading downward.
            const float gx = ux / 0.64f, gy = (uy + 0.42f) / 0.42f;
            const float gloss = (1.f - smooth(0.8f, 1.f, gx * gx + gy * gy)) *
                                (0.65f - 0.45f * smooth(-0.85f, -0.1f, uy));
            col = mix(col, White, gloss + 0.9f * highlight);
            return withAlpha(col, opacity);
        });
}

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

// A framed plate: drop shadow, light bezel, dark body with a glow at the top.
void drawPlate(Canvas& canvas, Box b, float radius, float bezel)
{
    const Box shadow{b.x0, b.y0 + bezel * 1.5f, b.x1, b.y1 + bezel * 1.5f};
    canvas.paint(
        {b.x0 - 60.f, b.y0 - 60.f, b.x1 + 60.f, b.y1 + 80.f},
        [&](Vec p) { return roundBoxSdf(p, shadow, radius); },
        [&](Vec) { return withAlpha(Black, 0.6f); }, bezel * 2.f);
    canvas.paint(
        b, [&](Vec p) { return roundBoxSdf(p, b, radius); },
        [&](Vec p)
        {
            const float t = (p.y - b.y0) / (b.y1 - b.y0);
            return mix(rgb(250, 250, 255), rgb(150, 160, 205), t);
        });
    const Box inner{b.x0 + bezel, b.y0 + bezel, b.x1 - bezel, b.y1 - bezel};
    canvas.paint(
        inner, [&](Vec p) { return roundBoxSdf(p, inner, radius - bezel); },
        [&](Vec p)
        {
            const float t = (p.y - inner.y0) / (inner.y1 - inner.y0);
            const float dx = (p.x - (inner.x0 + inner.x1) * 0.5f) / (inner.x1 - inner.x0);
            const float glow = std::exp(-(dx * dx * 6.f + t * t * 5.f));
            return mix(mix(rgb(24, 22, 70), rgb(10, 10, 34), t), rgb(70, 60, 150), 0.6f * glow);
        });
}

// The logo: BEXIL spelt with tokens on a small board, over a lane of tokens marching toward
// the player's triangle. Design space 1600 x 600; the game shows it 800 x 400 units wide in a
// square view on a 4:3 window, hence the vertical factor of 0.75.
void drawLogo(Canvas& canvas)
{
    const float cell = 74.f;
    int columns = -1;
    for (const Letter& l : Word)
        columns += static_cast<int>(std::string(l.rows[0]).size()) + 1;
    const float x0 = 800.f - columns * cell * 0.5f, y0 = 42.f;
    drawPlate(canvas, {x0 - 30.f, y0 - 30.f, x0 + columns * cell + 30.f, y0 + 5 * cell + 30.f},
              48.f, 10.f);
    for (int col = 0; col < columns; ++col)
        for (int row = 0; row < 5; ++row)
        {
            const Vec c{x0 + (col + 0.5f) * cell, y0 + (row + 0.5f) * cell};
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
                        draw(Vec{x0 + (col + i + 0.5f) * cell, y0 + (row + 0.5f) * cell}, l.colour);
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
        const float r = 32.f - 3.f * (2 - i);
        drawToken(canvas, {455.f + i * 84.f, laneY}, r, lane[i]);
        drawToken(canvas, {1145.f - i * 84.f, laneY}, r, lane[5 - i]);
    }
    drawTriangle(canvas, {748.f, laneY - 44.f, 852.f, laneY + 38.f}, Red);
}

// The menu background: the 18 x 12 board with tokens arriving along its four lanes, under a
// pale frosted band where the menu's blue and red lines stand. Design space 2048 x 1536, a
// 4:3 picture, so the game's stretch to a 4:3 window keeps circles round.
void drawBackground(Canvas& canvas)
{
    const float W = 2048.f, H = 1536.f;
    const float cw = W / 18.f, ch = H / 12.f;
    // The band covers 583 to 1333 of the game's 2000-unit view height: every menu page's lines.
    const float bandTop = 448.f, bandBottom = 1024.f;
    canvas.paint(canvas.whole(), Everywhere,
                 [&](Vec p)
                 {
                     const float t = p.y / H;
                     Colour c = mix(rgb(34, 26, 86), rgb(14, 12, 40), t);
                     const float gx = (p.x - W * 0.5f) / 900.f, gy = (p.y - 230.f) / 420.f;
                     return mix(c, rgb(96, 80, 200), 0.55f * std::exp(-(gx * gx + gy * gy)));
                 });
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 18; ++c)
        {
            const Box b{c * cw + 5.f, r * ch + 5.f, (c + 1) * cw - 5.f, (r + 1) * ch - 5.f};
            const bool centre = c >= 7 && c <= 10 && r >= 4 && r <= 7;
            canvas.paint(
                b, [&](Vec p) { return roundBoxSdf(p, b, 16.f); },
                [&](Vec p)
                {
                    const float t = (p.y - b.y0) / ch;
                    return withAlpha(White, (centre ? 0.16f : 0.085f) - 0.05f * t);
                });
        }
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 18; ++c)
        {
            const bool across = r >= 4 && r <= 7, down = c >= 7 && c <= 10;
            const Vec at{(c + 0.5f) * cw, (r + 0.5f) * ch};
            // The centre square stays empty, and the logo gets a clear field to stand on.
            if ((across && down) || (at.x > 560.f && at.x < 1490.f && at.y < 420.f))
                continue;
            // Lanes fill from the edge of the board; cells off the lanes hold a few strays.
            const int fromEdge = across ? std::min(c, 17 - c) : down ? std::min(r, 11 - r) : 9;
            const float chance = fromEdge < 9 ? 0.95f - 0.2f * fromEdge : 0.2f;
            if (hash01(c, r, 1) >= chance)
                continue;
            const Colour colour = TokenColours[static_cast<int>(hash01(c, r, 2) * 5.f)];
            const float opacity = fromEdge < 9 ? 1.f : 0.55f;
            drawToken(canvas, at, cw * 0.4f, colour, opacity);
        }
    // The frosted band with its shadow and a thin light rim.
    const Box band{-40.f, bandTop, W + 40.f, bandBottom};
    const Box bandShadow{-40.f, bandTop - 6.f, W + 40.f, bandBottom + 22.f};
    canvas.paint(
        {0.f, bandTop - 80.f, W, bandBottom + 100.f},
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
    canvas.paint(canvas.whole(), Everywhere,
                 [&](Vec p)
                 {
                     const float dx = (p.x - W * 0.5f) / W, dy = (p.y - H * 0.5f) / H;
                     return withAlpha(Black, 0.55f * smooth(0.12f, 0.5f, dx * dx + dy * dy));
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

bool write(const Canvas& canvas, const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!canvas.save(path.string()))
    {
        std::cerr << "artgen: cannot write " << path.string() << '\n';
        return false;
    }
    std::cout << "artgen: wrote " << path.string() << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: artgen DATA_FOLDER\n";
        return 2;
    }
    const std::filesystem::path data = argv[1];
    Canvas logo(1600, 800, {1600.f, 600.f});
    drawLogo(logo);
    Canvas background(2048, 1536, {2048.f, 1536.f});
    drawBackground(background);
    Canvas icon64(64, 64, {256.f, 256.f}), icon256(256, 256, {256.f, 256.f});
    drawIcon(icon64);
    drawIcon(icon256);
    const bool ok = write(logo, data / "images" / "logo.png") &&
                    write(background, data / "images" / "background.png") &&
                    write(icon64, data / "icons" / "bexil-64.png") &&
                    write(icon256, data / "icons" / "bexil-256.png");
    return ok ? 0 : 1;
}
