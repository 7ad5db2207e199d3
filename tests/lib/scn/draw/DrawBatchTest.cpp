#include "lib/scn/draw/DrawBatch.hpp"

#include "lib/scn/draw/NodeShape.hpp"
#include "lib/scn/draw/RenderGroup.hpp"
#include "lib/scn/draw/Renderizable.hpp"
#include "support/Printers.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace draw = lib::scn::draw;

namespace
{

// A node that draws by itself, straight to the window, as the looks' layers may, in a view of
// its own.
struct SelfDrawn : draw::RenderGroup
{
    SelfDrawn()
        : RenderGroup("self")
    {
    }
    unsigned int draw(lib::core::Window* window, sf::RenderStates& states) override
    {
        const sf::View kept = window->getView();
        window->setView(sf::View({100.f, 100.f, 512.f, 384.f}));
        window->draw(rectangle, states);
        window->setView(kept);
        return 1;
    }
    sf::RectangleShape rectangle{{120.f, 60.f}};
};

} // namespace

TEST(DrawBatch, ATreeGoesToSfmlInOneArrayPerRunOfStatesAndLooksAsSfmlDrawsItsObjects)
{
    auto controller = bexil::test::openTestWindow({});
    lib::core::Window& window = *controller->window();
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(BEXIL_DATA_DIR "fonts/DejaVuSans-Bold.ttf"));
    const sf::Uint8 pixels[] = {255, 0, 0, 255, 0, 0, 255, 255, 0, 255, 0, 255, 255, 255, 255, 255};
    sf::Texture texture;
    ASSERT_TRUE(texture.create(2, 2));
    texture.update(pixels);
    texture.setSmooth(true);

    // What SFML draws of each object, one by one, in the tree's order, with its world transform.
    std::vector<std::function<void(const sf::Transform&)>> direct;
    draw::RenderGroup root("root");
    const auto shape = [&](draw::RenderGroup& group, bool sprite, sf::Vector2f at)
    {
        auto leaf = sprite ? group.createSpriteShape("s", {150.f, 110.f})
                           : group.createShape("e", {170.f, 90.f});
        leaf->setPositionWithAlignment(at, draw::Alignment::Left);
        draw::NodeShape* object = leaf->getAsNodeShape();
        direct.push_back(
            [&group, object, &window](const sf::Transform& t)
            { static_cast<sf::RenderTarget&>(window).draw(*object, t * group.getTransform()); });
        return object;
    };
    const auto text =
        [&](draw::RenderGroup& group, const sf::String& string, unsigned int size, sf::Vector2f at)
    {
        sf::Text& object = *group.createText("t")->getAsText();
        object.setFont(font);
        object.setString(string);
        object.setCharacterSize(size);
        object.setPosition(at);
        direct.push_back(
            [&group, &object, &window](const sf::Transform& t)
            { static_cast<sf::RenderTarget&>(window).draw(object, t * group.getTransform()); });
        return &object;
    };
    shape(root, true, {20.f, 20.f})->setTexture(&texture);
    auto turned = root.createNewRenderGroup("turned");
    turned->setPosition(430.f, 90.f);
    turned->setRotation(20.f);
    turned->setScale(1.5f, 1.25f);
    shape(*turned, false, {0.f, 0.f})->setTexture(&texture);
    draw::NodeShape* outlined = shape(*turned, false, {60.f, 120.f});
    outlined->setFillColor({40, 90, 200, 180});
    outlined->setOutlineThickness(6.f);
    sf::Text* lines = text(*turned, "Wave\tAV\r\nTo: 90", 40, {10.f, 30.f});
    lines->setStyle(sf::Text::Italic);
    lines->setOutlineThickness(3.f);
    lines->setOutlineColor({250, 200, 0, 200});
    sf::Text* spaced = text(root, "Level 12  x", 40, {40.f, 500.f});
    spaced->setLetterSpacing(1.6f);
    spaced->setFillColor({255, 255, 255, 160});
    text(root, "Bold 7", 28, {730.f, 540.f})->setStyle(sf::Text::Bold);
    auto self = std::make_shared<SelfDrawn>();
    self->rectangle.setPosition(400.f, 350.f); // over the bold text, under the last shape
    self->rectangle.setFillColor({255, 255, 0, 200});
    root.addRenderGroup(self);
    root.addRenderGroup(std::make_shared<draw::RenderGroup>("empty"));
    root.createText("fontless")->getAsText()->setString("nothing to draw it with");
    root.createSpriteShape("hidden", {900.f, 900.f})->setVisible(false);
    // Outside a walk the window draws at once, as SFML does.
    direct.push_back(
        [&self, &window](const sf::Transform& t)
        {
            sf::RenderStates states(t);
            self->draw(&window, states);
        });
    shape(root, true, {560.f, 500.f})->setTexture(&texture);

    for (int round = 0; round < 2; ++round)
    {
        window.clear();
        window.resetDrawCalls();
        sf::RenderStates states;
        EXPECT_EQ(9u, root.draw(&window, states)) << "the fontless text is a leaf drawn";
        // The two textured shapes; the plain ellipse and its outline; the two texts of size 40
        // (the outline under the fill); the bold one of size 28; the node drawn by itself; the
        // last shape.
        EXPECT_EQ(6u, window.drawCalls());
        const sf::Image batched = bexil::test::capture(window);
        window.clear();
        for (const auto& drawOne : direct)
            drawOne(sf::Transform::Identity);
        const sf::Image byObject = bexil::test::capture(window);
        EXPECT_EQ(7u, window.drawCalls()) << "the count runs on; a draw at once is one";
        // Where the two ways of moving a vertex (in the batch, or by the driver with the
        // transform) round apart, a smoothed edge may land one step away.
        std::size_t differing = 0;
        int most = 0;
        for (unsigned int y = 0; y < 768; ++y)
            for (unsigned int x = 0; x < 1024; ++x)
            {
                const sf::Color a = batched.getPixel(x, y), b = byObject.getPixel(x, y);
                const int d =
                    std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
                differing += d > 0 ? 1u : 0u;
                most = std::max(most, d);
            }
        EXPECT_LE(most, 1) << "round " << round << ", " << differing << " pixels differ";
        EXPECT_LT(differing, 400u) << "round " << round;
        // A text laid out again, a recoloured one, a group moved: the batch follows.
        lines->setString("Tokens:\n 1234");
        spaced->setFillColor(sf::Color::Green);
        turned->move(-40.f, 30.f);
    }

    window.clear();
    sf::RenderStates states;
    root.children().front()->draw(&window, states);
    EXPECT_EQ(sf::Color::Red, bexil::test::capture(window).getPixel(22, 22))
        << "a leaf drawn outside any walk goes at once";
}
