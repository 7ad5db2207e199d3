// The difficulty curve: the computer player plays token and time mode from several start levels
// over many seeds, by the game's own rules on the manual time source, in no window. Prints a
// Markdown table of the levels reached, the score and the time survived (median and the range
// of the middle half), and writes a plot of them as SVG. docs/difficulty.md shows both.
//
//   bexil_difficulty [--seeds N] [--svg FILE] [--limit-minutes M]
//
// The scenes' texts need a font's glyph textures, so an X display must be reachable (a virtual
// one will do), though nothing is shown on it.

#include "bexil/GameScene.hpp"
#include "bexil/computer/ComputerPlayer.hpp"
#include "bexil/settings/Settings.hpp"
#include "lib/Clock.hpp"
#include "lib/Configuration.hpp"
#include "lib/Randomizer.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{

constexpr std::array<std::uint32_t, 5> StartLevels{1, 5, 10, 15, 20}; // as shown, from 1
const char* const ModeNames[] = {"token", "time"};
// One frame of a 60 Hz screen, rounded down to whole milliseconds like the game's clocks.
const sf::Time Frame = sf::milliseconds(16);
// The pace of the computer's presses, the same as the demo's.
const sf::Time PressDelay = sf::milliseconds(300);

struct Result
{
    double levels; // levels gained over the start level
    double score;
    double minutes; // time survived
    bool limited;   // still alive when the time limit came
};

// One game: the seed fixes every random choice, the computer player does the rest.
Result play(int mode, std::uint32_t startLevel, std::uint32_t seed, sf::Time limit)
{
    lib::Randomizer::seedProgram(seed);
    lib::Configuration table(":Difficulty");
    bexil::settings::Settings::GameMode.store(table, mode);
    bexil::settings::Settings::StartLevel.store(table, static_cast<int>(startLevel - 1));

    lib::scn::SceneManager manager(std::make_shared<lib::scn::ResourceManager>(""));
    auto game = std::make_shared<bexil::GameScene>("GameScene", ":Difficulty");
    manager.addScenes({game});
    bexil::computer::ComputerPlayer computer(*game, PressDelay);
    const lib::Clock played;
    manager.update();
    while (game->gameState() == bexil::GameScene::GameState::Playing &&
           played.getElapsedTime() < limit)
    {
        lib::Clock::advanceManualTime(Frame);
        manager.update();
        computer.update();
    }
    return {static_cast<double>(game->level() + 1 - startLevel), static_cast<double>(game->score()),
            static_cast<double>(played.getElapsedTime().asMilliseconds()) / 60000.0,
            game->gameState() == bexil::GameScene::GameState::Playing};
}

// The value at that fraction of the sorted values (0.5 the median), between neighbours.
double quantile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const double at = fraction * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

struct Spread
{
    double low;
    double median;
    double high;
};

Spread spread(const std::vector<Result>& results, double Result::*field)
{
    std::vector<double> values;
    for (const Result& result : results)
        values.push_back(result.*field);
    return {quantile(values, 0.25), quantile(values, 0.5), quantile(values, 0.75)};
}

std::string cell(const Spread& s, int decimals)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.*f (%.*f–%.*f)", decimals, s.median, decimals, s.low,
                  decimals, s.high);
    return text;
}

// A round top for an axis from 0, in four equal steps of 1, 2, 2.5 or 5 times a power of ten.
double roundTop(double top)
{
    const double step = top / 4;
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (const double multiple : {1.0, 2.0, 2.5, 5.0})
        if (multiple * power >= step)
            return 4 * multiple * power;
    return 40 * power;
}

// Two panels side by side, time survived and levels gained against the start level, a line per
// mode through the medians and a bar over the middle half.
void writeSvg(const std::string& file, const std::vector<std::vector<Result>>& results)
{
    constexpr double Width = 420, Height = 300, Left = 60, Top = 40, Plot = 320, PlotHeight = 200;
    const char* const colours[] = {"#d04020", "#2060c0"};
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << 2 * Width << "\" height=\""
        << Height << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    const struct
    {
        double Result::*field;
        const char* title;
    } panels[] = {{&Result::minutes, "time survived (minutes)"},
                  {&Result::levels, "levels gained"}};
    for (std::size_t p = 0; p < 2; ++p)
    {
        double top = 0;
        for (const auto& games : results)
            top = std::max(top, spread(games, panels[p].field).high);
        top = roundTop(top > 0 ? top : 1);
        const double x0 = static_cast<double>(p) * Width + Left;
        const auto x = [&](std::size_t level)
        { return x0 + Plot * static_cast<double>(level) / (StartLevels.size() - 1); };
        const auto y = [&](double value) { return Top + PlotHeight * (1 - value / top); };
        svg << "<text x=\"" << x0 << "\" y=\"" << Top - 15 << "\">" << panels[p].title
            << "</text>\n<line x1=\"" << x0 << "\" y1=\"" << y(0) << "\" x2=\"" << x0 + Plot
            << "\" y2=\"" << y(0) << "\" stroke=\"black\"/>\n<line x1=\"" << x0 << "\" y1=\"" << Top
            << "\" x2=\"" << x0 << "\" y2=\"" << y(0) << "\" stroke=\"black\"/>\n";
        for (int tick = 0; tick <= 4; ++tick)
            svg << "<text x=\"" << x0 - 6 << "\" y=\"" << y(top * tick / 4) + 4
                << "\" text-anchor=\"end\">" << top * tick / 4 << "</text>\n";
        for (std::size_t l = 0; l < StartLevels.size(); ++l)
            svg << "<text x=\"" << x(l) << "\" y=\"" << y(0) + 16 << "\" text-anchor=\"middle\">"
                << StartLevels[l] << "</text>\n";
        svg << "<text x=\"" << x0 + Plot / 2 << "\" y=\"" << y(0) + 34
            << "\" text-anchor=\"middle\">start level</text>\n";
        for (std::size_t mode = 0; mode < 2; ++mode)
        {
            std::string points;
            for (std::size_t l = 0; l < StartLevels.size(); ++l)
            {
                const Spread s = spread(results[mode * StartLevels.size() + l], panels[p].field);
                const double at = x(l) + (mode == 0 ? -3 : 3);
                svg << "<line x1=\"" << at << "\" y1=\"" << y(s.low) << "\" x2=\"" << at
                    << "\" y2=\"" << y(s.high) << "\" stroke=\"" << colours[mode]
                    << "\" stroke-width=\"3\" opacity=\"0.5\"/>\n";
                points += std::to_string(at) + "," + std::to_string(y(s.median)) + " ";
            }
            svg << "<polyline fill=\"none\" stroke=\"" << colours[mode] << "\" points=\"" << points
                << "\"/>\n<text x=\"" << x0 + Plot - 80 << "\" y=\""
                << Top + 15.0 * static_cast<double>(mode) << "\" fill=\"" << colours[mode] << "\">"
                << ModeNames[mode] << " mode</text>\n";
        }
    }
    svg << "</svg>\n";
    std::ofstream(file) << svg.str();
}

} // namespace

int main(int argc, char** argv)
{
    std::uint32_t seeds = 20;
    std::string svgFile;
    double limitMinutes = 60;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        if (option == "--seeds")
            seeds = static_cast<std::uint32_t>(std::max(1, std::atoi(argv[i + 1])));
        else if (option == "--svg")
            svgFile = argv[i + 1];
        else if (option == "--limit-minutes")
            limitMinutes = std::max(1.0, std::atof(argv[i + 1]));
    }
    lib::Clock::useManualTime(true);
    const sf::Time limit = sf::seconds(static_cast<float>(limitMinutes * 60));

    std::vector<std::vector<Result>> results;
    std::cout << "| mode | start level | levels gained | score | minutes survived | games at the "
              << "limit |\n|---|---|---|---|---|---|\n";
    for (int mode = 0; mode < 2; ++mode)
    {
        for (const std::uint32_t level : StartLevels)
        {
            std::vector<Result> games;
            int limited = 0;
            for (std::uint32_t seed = 1; seed <= seeds; ++seed)
            {
                games.push_back(play(mode, level, seed, limit));
                limited += games.back().limited ? 1 : 0;
            }
            std::cout << "| " << ModeNames[mode] << " | " << level << " | "
                      << cell(spread(games, &Result::levels), 1) << " | "
                      << cell(spread(games, &Result::score), 0) << " | "
                      << cell(spread(games, &Result::minutes), 1) << " | " << limited << " of "
                      << seeds << " |" << std::endl;
            results.push_back(std::move(games));
        }
    }
    if (!svgFile.empty())
        writeSvg(svgFile, results);
    return 0;
}
