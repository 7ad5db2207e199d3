#pragma once

#include "bexil/scores/HighScoreTable.hpp"
#include "lib/scn/draw/RenderGroup.hpp"

#include <SFML/Graphics/Color.hpp>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace sf
{
class Font;
}

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::scores
{

// One mode's high score table as aligned columns under a heading: rank, name, score, level and
// date. One line may stand out in its own colour (the game that just entered). A table without
// entries shows, instead, a line that says so. The group's origin is the top of the heading, at the
// middle of the columns. The font must outlive the view.
class HighScoreTableView : public lib::scn::draw::RenderGroup
{
public:
    struct Colours
    {
        sf::Color heading;
        sf::Color entry;
        sf::Color highlighted;
    };

    HighScoreTableView(const std::string& name, const sf::Font& font, unsigned int characterSize,
                       const Colours& colours);
    ~HighScoreTableView() override;

    void show(const HighScoreTable& table, std::optional<std::size_t> highlighted = std::nullopt);

    // The text of a cell in UTF-8, for checks: row 0 is the heading, column 0 the rank.
    std::string cellText(std::size_t row, std::size_t column) const;
    const sf::Color& cellColour(std::size_t row, std::size_t column) const;
    // The line shown in place of an empty table.
    const std::shared_ptr<lib::scn::draw::Renderizable>& emptyLine() const { return m_empty; }

    static constexpr std::size_t ColumnCount = 5;

private:
    using Row = std::array<std::shared_ptr<lib::scn::draw::Renderizable>, ColumnCount>;

    void setRow(Row& row, const std::array<std::string, ColumnCount>& texts,
                const sf::Color& colour);

    Colours m_colours;
    float m_columnUnit;
    std::array<Row, HighScoreTable::Size + 1> m_rows; // the heading, then the entries
    std::shared_ptr<lib::scn::draw::Renderizable> m_empty;
};

} // namespace bexil::scores
