// The memory baseline: a bare SFML loop, without the engine, that loads the fonts and pictures
// of the game's resource list and draws frames like the game's (the main menu, then a game
// with its board, tokens and texts) in a 1024 × 768 window, then exits. Its peak resident
// memory is what the game's would be without the engine.
//
//   bexil_bare_loop RESOURCE_LIST   (the run folder's res.cfg, read from the run folder)

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/Window/Event.hpp>

#include <fstream>
#include <iostream>
#include <list>
#include <map>
#include <string>
#include <vector>

namespace
{

constexpr int MenuFrames = 120;
constexpr int GameFrames = 240;

struct Resources
{
    std::list<sf::Font> fonts;       // a list: the texts keep pointers to them
    std::list<sf::Texture> textures; // likewise for the shapes
    std::map<std::string, const sf::Font*> fontByName;
    std::map<std::string, const sf::Texture*> textureByName;
};

// Reads "kind@name=path" lines and the "resources_directory" prefix, as the game does.
bool load(const std::string& listFile, Resources& resources)
{
    std::ifstream list(listFile);
    if (!list)
        return false;
    std::string prefix;
    std::vector<std::pair<std::string, std::string>> entries;
    std::string line;
    while (std::getline(list, line))
    {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        if (key == "resources_directory")
            prefix = line.substr(equals + 1);
        else
            entries.emplace_back(key, line.substr(equals + 1));
    }
    for (const auto& [key, path] : entries)
    {
        const auto at = key.find('@');
        if (at == std::string::npos)
            continue;
        const std::string name = key.substr(at + 1);
        if (key.rfind("font", 0) == 0)
        {
            resources.fonts.emplace_back();
            if (!resources.fonts.back().loadFromFile(prefix + path))
                return false;
            resources.fontByName[name] = &resources.fonts.back();
        }
        else
        {
            resources.textures.emplace_back();
            if (!resources.textures.back().loadFromFile(prefix + path))
                return false;
            resources.textures.back().setSmooth(true);
            resources.textureByName[name] = &resources.textures.back();
        }
    }
    return true;
}

sf::Text text(const sf::Font& font, const char* string, unsigned int size, sf::Color color,
              sf::Vector2f position, sf::Vector2f scale = {1.f, 1.f})
{
    sf::Text result(string, font, size);
    result.setFillColor(color);
    result.setPosition(position);
    result.setScale(scale);
    return result;
}

sf::RectangleShape picture(const sf::Texture& texture, sf::Vector2f size, sf::Vector2f position)
{
    sf::RectangleShape shape(size);
    shape.setTexture(&texture);
    shape.setPosition(position);
    return shape;
}

// Runs frames until the count is reached or the window is closed.
bool run(sf::RenderWindow& window, int frames, const std::vector<const sf::Drawable*>& items)
{
    for (int i = 0; i < frames; ++i)
    {
        sf::Event event;
        while (window.pollEvent(event))
        {
            if (event.type == sf::Event::Closed)
                return false;
        }
        window.clear(sf::Color::Black);
        for (const sf::Drawable* item : items)
            window.draw(*item);
        window.display();
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: bexil_bare_loop RESOURCE_LIST\n";
        return 2;
    }
    sf::RenderWindow window(sf::VideoMode(1024, 768), "Bexil bare loop",
                            sf::Style::Titlebar | sf::Style::Close);
    window.setView(sf::View(sf::FloatRect(0.f, 0.f, 2000.f, 2000.f)));
    Resources resources;
    if (!load(argv[1], resources) || resources.fontByName.size() < 2 ||
        resources.textureByName.size() < 2)
    {
        std::cerr << "bexil_bare_loop: cannot load the resources of " << argv[1] << '\n';
        return 1;
    }
    const sf::Font& menuFont = *resources.fontByName.at("game_menu.mainFont");
    const sf::Font& gameFont = *resources.fontByName.at("game_scene.scoreFont");

    // The main menu: background, four lines, the cursor, the logo.
    std::vector<sf::Text> menuTexts;
    const char* const lines[] = {"Play token mode", "Play time mode", "Options", "Exit"};
    for (int i = 0; i < 4; ++i)
        menuTexts.push_back(text(menuFont, lines[i], 90, i == 0 ? sf::Color::Red : sf::Color::Blue,
                                 {650.f, 700.f + 91.f * static_cast<float>(i)}));
    sf::CircleShape cursor(45.f, 3);
    cursor.setFillColor(sf::Color::Red);
    cursor.setPosition(560.f, 700.f);
    const sf::RectangleShape background =
        picture(*resources.textureByName.at("game_menu.background"), {2000.f, 2000.f}, {0.f, 0.f});
    const sf::RectangleShape logo =
        picture(*resources.textureByName.at("game_menu.logo"), {800.f, 400.f}, {600.f, 100.f});
    std::vector<const sf::Drawable*> menu{&background};
    for (const sf::Text& line : menuTexts)
        menu.push_back(&line);
    menu.push_back(&cursor);
    menu.push_back(&logo);

    // A game: 18 × 12 cells with a dot each, 72 tokens in the lanes, the player, the texts.
    const sf::Vector2f cell(2000.f / 18.f, 2000.f / 12.f);
    std::vector<sf::RectangleShape> cells;
    std::vector<sf::CircleShape> dots;
    std::vector<sf::CircleShape> tokens;
    for (int y = 0; y < 12; ++y)
    {
        for (int x = 0; x < 18; ++x)
        {
            const sf::Vector2f corner(cell.x * static_cast<float>(x),
                                      cell.y * static_cast<float>(y));
            cells.emplace_back(cell);
            cells.back().setPosition(corner);
            cells.back().setFillColor(sf::Color(100, 128, 255));
            dots.emplace_back(5.f, 30);
            dots.back().setPosition(corner + cell * 0.5f);
            const bool lane = (y >= 4 && y < 8) != (x >= 7 && x < 11);
            if (lane && (x > 0 && x < 17 && y > 0 && y < 11))
            {
                tokens.emplace_back(cell.x / 2.f, 30);
                tokens.back().setScale(1.f, cell.y / cell.x);
                tokens.back().setPosition(corner);
                tokens.back().setFillColor(sf::Color::Green);
            }
        }
    }
    sf::CircleShape player(cell.x / 2.f, 3);
    player.setPosition(cell.x * 7.f, cell.y * 4.f);
    std::vector<sf::Text> gameTexts{
        text(gameFont, "Score: ", 90, sf::Color::Blue, {50.f, 50.f}, {1.f, 2.f}),
        text(gameFont, "00000", 90, sf::Color::White, {430.f, 50.f}, {1.f, 2.f}),
        text(gameFont, "Level: ", 90, sf::Color::Blue, {50.f, 250.f}),
        text(gameFont, "1", 90, sf::Color::White, {430.f, 250.f}),
        text(gameFont, "Tokens: ", 90, sf::Color::Blue, {1250.f, 50.f}, {1.f, 2.f}),
        text(gameFont, "0", 90, sf::Color::White, {1680.f, 50.f}, {1.f, 2.f}),
        text(gameFont, "Goal: ", 90, sf::Color::Blue, {1250.f, 250.f}, {1.f, 2.f}),
        text(gameFont, "25", 90, sf::Color::White, {1570.f, 250.f}, {1.f, 2.f}),
        text(gameFont, "GAME", 360, sf::Color::White, {600.f, 600.f}),
        text(gameFont, "OVER", 360, sf::Color::White, {600.f, 1000.f}),
        text(gameFont, "PAUSE", 180, sf::Color::White, {750.f, 900.f})};
    std::vector<const sf::Drawable*> game;
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        game.push_back(&cells[i]);
        game.push_back(&dots[i]);
    }
    for (const sf::CircleShape& token : tokens)
        game.push_back(&token);
    game.push_back(&player);
    for (const sf::Text& line : gameTexts)
        game.push_back(&line);

    if (run(window, MenuFrames, menu) && run(window, GameFrames, game))
        run(window, MenuFrames, menu);
    window.close();
    return 0;
}
