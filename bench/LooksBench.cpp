// The calm board of the modern looks, measured from the game's own colours and pictures: for
// every level, how far the weakest token stands from the cells (CIEDE2000 between a token's body
// and a cell's face), how far the player's piece stands from the centre cells, and the WCAG
// contrast of the centre square's outline against the cells on both sides of it. Prints the
// table of docs/looks.md; with --check it fails when the file does not hold that table.
//
//   bexil_looks ATLAS.png [--check docs/looks.md]
//
// Needs no display: it reads the atlas as an image.

#include "bexil/GameBaseTile.hpp"
#include "bexil/LevelProperties.hpp"
#include "bexil/look/LaneWarnings.hpp"
#include "bexil/look/LookAtlas.hpp"
#include "bexil/look/ModernLook.hpp"
#include "bexil/rules/GameData.hpp"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using bexil::look::AtlasFrame;
using bexil::look::LookAtlas;
using bexil::look::ModernLook;

constexpr double Pi = 3.14159265358979323846;
const char* const ColourNames[5] = {"red", "green", "blue", "yellow", "magenta"};

struct Lab
{
    double l, a, b;
};

double linear(sf::Uint8 channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const sf::Color& c)
{
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// CIELAB under D65.
Lab lab(const sf::Color& c)
{
    const double r = linear(c.r), g = linear(c.g), b = linear(c.b);
    const double xyz[3] = {(0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047,
                           0.2126 * r + 0.7152 * g + 0.0722 * b,
                           (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883};
    double f[3];
    for (int i = 0; i < 3; ++i)
        f[i] =
            xyz[i] > 216.0 / 24389.0 ? std::cbrt(xyz[i]) : (24389.0 / 27.0 * xyz[i] + 16.0) / 116.0;
    return {116.0 * f[1] - 16.0, 500.0 * (f[0] - f[1]), 200.0 * (f[1] - f[2])};
}

double degrees(double radians)
{
    const double d = radians * 180.0 / Pi;
    return d < 0.0 ? d + 360.0 : d;
}

// CIEDE2000 (Sharma, Wu and Dalal's formulation), with kL = kC = kH = 1.
double deltaE(const Lab& x, const Lab& y)
{
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double c7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(c7 / (c7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * x.a, a2 = (1.0 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    const double h1 = cp1 == 0.0 ? 0.0 : degrees(std::atan2(x.b, a1));
    const double h2 = cp2 == 0.0 ? 0.0 : degrees(std::atan2(y.b, a2));
    const double dl = y.l - x.l, dc = cp2 - cp1;
    double dh = 0.0;
    if (cp1 * cp2 != 0.0)
        dh = std::abs(h2 - h1) <= 180.0 ? h2 - h1
             : h2 - h1 > 180.0          ? h2 - h1 - 360.0
                                        : h2 - h1 + 360.0;
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(dh * Pi / 360.0);
    const double lm = (x.l + y.l) / 2.0, cm = (cp1 + cp2) / 2.0;
    double hm = h1 + h2;
    if (cp1 * cp2 != 0.0)
        hm = std::abs(h1 - h2) <= 180.0 ? hm / 2.0
             : hm < 360.0               ? (hm + 360.0) / 2.0
                                        : (hm - 360.0) / 2.0;
    const double t = 1.0 - 0.17 * std::cos((hm - 30.0) * Pi / 180.0) +
                     0.24 * std::cos(2.0 * hm * Pi / 180.0) +
                     0.32 * std::cos((3.0 * hm + 6.0) * Pi / 180.0) -
                     0.20 * std::cos((4.0 * hm - 63.0) * Pi / 180.0);
    const double sl =
        1.0 + 0.015 * (lm - 50.0) * (lm - 50.0) / std::sqrt(20.0 + (lm - 50.0) * (lm - 50.0));
    const double sc = 1.0 + 0.045 * cm, sh = 1.0 + 0.015 * cm * t;
    const double cm7 = std::pow(cm, 7.0);
    const double rt = -2.0 * std::sqrt(cm7 / (cm7 + std::pow(25.0, 7.0))) *
                      std::sin(60.0 * std::exp(-std::pow((hm - 275.0) / 25.0, 2.0)) * Pi / 180.0);
    return std::sqrt(std::pow(dl / sl, 2.0) + std::pow(dc / sc, 2.0) + std::pow(dH / sh, 2.0) +
                     rt * (dc / sc) * (dH / sh));
}

double contrast(const sf::Color& x, const sf::Color& y)
{
    const double a = luminance(x), b = luminance(y);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// What a picture of the atlas reads as: the mean of its opaque texels that lie well inside it,
// clear of its rim and edge.
sf::Color body(const sf::Image& atlas, const AtlasFrame& f)
{
    constexpr int Inset = 9;
    const auto opaque = [&](int x, int y)
    {
        return x >= f.left && y >= f.top && x < f.left + f.width && y < f.top + f.height &&
               atlas.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a == 255;
    };
    double sum[3] = {0.0, 0.0, 0.0};
    int count = 0;
    for (int y = f.top; y < f.top + f.height; ++y)
        for (int x = f.left; x < f.left + f.width; ++x)
            if (opaque(x - Inset, y) && opaque(x + Inset, y) && opaque(x, y - Inset) &&
                opaque(x, y + Inset))
            {
                const sf::Color c =
                    atlas.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
                sum[0] += c.r;
                sum[1] += c.g;
                sum[2] += c.b;
                ++count;
            }
    const auto mean = [&](int i) { return static_cast<sf::Uint8>(sum[i] / count + 0.5); };
    return {mean(0), mean(1), mean(2)};
}

// A cell's face on screen: the tile's face grey times its tint.
sf::Color face(const sf::Color& levelColour, bool centre)
{
    const sf::Color tint = ModernLook::tint(levelColour, centre);
    const auto grey = [](sf::Uint8 c)
    { return static_cast<sf::Uint8>(c * LookAtlas::FaceGrey + 0.5f); };
    return {grey(tint.r), grey(tint.g), grey(tint.b)};
}

std::string rgb(const sf::Color& c)
{
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

// The weakest pair of a piece and a cell: on which level colour, how far apart.
struct Weakest
{
    double difference = 1e9;
    sf::Color cell;
    std::uint32_t level = 0;

    void consider(double d, const sf::Color& levelColour, std::uint32_t at)
    {
        if (d < difference)
            *this = {d, levelColour, at};
    }
};

// One level's weakest pairs for each colour of piece, and its outline's lowest contrast.
struct Level
{
    std::array<Weakest, 5> tokens, piece;
    double outline = 1e9;
};

// The weakest of the colours, and which colour it is.
std::pair<int, Weakest> weakest(const std::array<Weakest, 5>& byColour)
{
    int colour = 0;
    for (int c = 1; c < 5; ++c)
        if (byColour[static_cast<std::size_t>(c)].difference <
            byColour[static_cast<std::size_t>(colour)].difference)
            colour = c;
    return {colour, byColour[static_cast<std::size_t>(colour)]};
}

Level measure(std::uint32_t level, const std::array<Lab, 5>& tokens,
              const std::array<Lab, 5>& arrows)
{
    const bexil::rules::GameData data({2000.f, 2000.f});
    bexil::LevelProperties properties(1);
    properties.setLevel(level);
    // The level colours of every cell; a level that draws them at random, every sixth value of
    // each channel instead.
    std::vector<std::pair<sf::Color, bool>> cells; // colour, in the centre
    std::vector<sf::Color> besideCentre;
    const bool random = properties.getBackgroundTileColor(0, 0, false) !=
                        properties.getBackgroundTileColor(0, 0, false);
    for (unsigned int y = 0; y < data.size().y; ++y)
        for (unsigned int x = 0; x < data.size().x; ++x)
        {
            const bool centre = data.pointInCenter({x, y});
            const sf::Color colour = properties.getBackgroundTileColor(x, y, centre);
            if (centre || !random)
                cells.emplace_back(colour, centre);
            // The cells that share an edge with the centre square.
            const bool beside =
                !centre && (data.pointInCenter({x + 1, y}) || data.pointInCenter({x - 1, y}) ||
                            data.pointInCenter({x, y + 1}) || data.pointInCenter({x, y - 1}));
            if (beside && !random)
                besideCentre.push_back(colour);
        }
    if (random)
        for (int r = 0; r < 256; r += 6)
            for (int g = 0; g < 256; g += 6)
                for (int b = 0; b < 256; b += 6)
                {
                    const sf::Color colour(static_cast<sf::Uint8>(r), static_cast<sf::Uint8>(g),
                                           static_cast<sf::Uint8>(b));
                    cells.emplace_back(colour, false);
                    besideCentre.push_back(colour);
                }
    Level result;
    const sf::Color outline = bexil::look::LaneWarnings::outlineColour();
    for (const auto& [colour, centre] : cells)
    {
        const Lab cell = lab(face(colour, centre));
        for (std::size_t c = 0; c < 5; ++c)
        {
            result.tokens[c].consider(deltaE(tokens[c], cell), colour, level);
            if (centre)
                result.piece[c].consider(deltaE(arrows[c], cell), colour, level);
        }
        if (centre)
            result.outline = std::min(result.outline, contrast(outline, face(colour, true)));
    }
    for (const sf::Color& colour : besideCentre)
        result.outline = std::min(result.outline, contrast(outline, face(colour, false)));
    return result;
}

std::vector<std::string> table(const sf::Image& atlas)
{
    std::array<Lab, 5> tokens, arrows;
    for (int c = 0; c < 5; ++c)
    {
        tokens[static_cast<std::size_t>(c)] = lab(body(atlas, LookAtlas::token(c)));
        arrows[static_cast<std::size_t>(c)] = lab(body(atlas, LookAtlas::arrow(c)));
    }
    std::vector<std::string> lines = {"| level | weakest token on a cell | ΔE00 | weakest piece on "
                                      "the centre | ΔE00 | outline contrast |",
                                      "| --- | --- | ---: | --- | ---: | ---: |"};
    std::array<Weakest, 5> tokensOverall, pieceOverall;
    char line[256];
    // Level index 26 stands for every level above: they all draw black.
    for (std::uint32_t level = 0; level <= 26; ++level)
    {
        const Level m = measure(level, tokens, arrows);
        for (std::size_t c = 0; c < 5; ++c)
        {
            tokensOverall[c].consider(m.tokens[c].difference, m.tokens[c].cell, level);
            pieceOverall[c].consider(m.piece[c].difference, m.piece[c].cell, level);
        }
        const auto [tokenColour, token] = weakest(m.tokens);
        const auto [pieceColour, piece] = weakest(m.piece);
        std::snprintf(line, sizeof line, "| %s | %s on %s | %.1f | %s on %s | %.1f | %.1f : 1 |",
                      level == 26 ? "27 and above" : std::to_string(level + 1).c_str(),
                      ColourNames[tokenColour], rgb(token.cell).c_str(), token.difference,
                      ColourNames[pieceColour], rgb(piece.cell).c_str(), piece.difference,
                      m.outline);
        lines.emplace_back(line);
    }
    lines.emplace_back("");
    lines.emplace_back(
        "| colour | weakest token on a cell | ΔE00 | weakest piece on the centre | ΔE00 |");
    lines.emplace_back("| --- | --- | ---: | --- | ---: |");
    for (std::size_t c = 0; c < 5; ++c)
    {
        const Weakest& token = tokensOverall[c];
        const Weakest& piece = pieceOverall[c];
        std::snprintf(line, sizeof line, "| %s | level %u, on %s | %.1f | level %u, on %s | %.1f |",
                      ColourNames[c], token.level + 1, rgb(token.cell).c_str(), token.difference,
                      piece.level + 1, rgb(piece.cell).c_str(), piece.difference);
        lines.emplace_back(line);
    }
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    sf::Image atlas;
    if (argc < 2 || !atlas.loadFromFile(argv[1]))
    {
        std::cerr << "usage: bexil_looks ATLAS.png [--check FILE]\n";
        return 2;
    }
    const std::vector<std::string> lines = table(atlas);
    if (argc == 4 && std::string(argv[2]) == "--check")
    {
        std::ifstream in(argv[3]);
        std::stringstream file;
        file << in.rdbuf();
        const std::string text = file.str();
        bool holds = true;
        for (const std::string& line : lines)
            if (text.find(line + "\n") == std::string::npos)
            {
                std::cerr << argv[3] << " lacks the line\n" << line << '\n';
                holds = false;
            }
        return holds ? 0 : 1;
    }
    for (const std::string& line : lines)
        std::cout << line << '\n';
    return 0;
}
