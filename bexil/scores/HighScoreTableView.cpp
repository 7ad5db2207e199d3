#include "bexil/scores/HighScoreTableView.hpp"

#include "lib/Translation.hpp"
#include "lib/scn/draw/Renderizable.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

namespace bexil::scores
{

namespace
{

using lib::scn::draw::Alignment;
using lib::scn::draw::Renderizable;

// Where each column stands, in character sizes from the middle of the table, and which side
// of its text that is: numbers line up on their right, words on their left.
struct Column
{
    float at;
    Alignment alignment;
};

// A name of twelve of the widest letters still ends before the widest scores, and the headings
// of score and level stand apart in every language.
constexpr Column Columns[HighScoreTableView::ColumnCount] = {{-14.6f, Alignment::Right},
                                                             {-14.0f, Alignment::Left},
                                                             {3.5f, Alignment::Right},
                                                             {7.9f, Alignment::Right},
                                                             {8.7f, Alignment::Left}};
constexpr float LineSpacing = 1.25f;

} // namespace

HighScoreTableView::HighScoreTableView(const std::string& name, const sf::Font& font,
                                       unsigned int characterSize, const Colours& colours)
    : RenderGroup(name)
    , m_colours(colours)
    , m_columnUnit(static_cast<float>(characterSize))
{
    const auto makeText = [this, &font, characterSize](const std::string& leafName)
    {
        std::shared_ptr<Renderizable> leaf = createText(leafName);
        leaf->getAsText()->setFont(font);
        leaf->getAsText()->setCharacterSize(characterSize);
        return leaf;
    };
    for (std::size_t row = 0; row < m_rows.size(); ++row)
    {
        for (std::size_t column = 0; column < ColumnCount; ++column)
        {
            m_rows[row][column] = makeText("highScoreCell");
            m_rows[row][column]->transformable()->setPosition(0.f, static_cast<float>(row) *
                                                                       LineSpacing * m_columnUnit);
        }
    }
    m_empty = makeText("highScoreEmpty");
    m_empty->getAsText()->setFillColor(m_colours.entry);
}

HighScoreTableView::~HighScoreTableView() = default;

void HighScoreTableView::show(const HighScoreTable& table, std::optional<std::size_t> highlighted)
{
    using lib::Translation;
    setRow(m_rows[0],
           {"#", Translation::tr("Name"), Translation::tr("Score"), Translation::tr("Level"),
            Translation::tr("Date")},
           m_colours.heading);
    m_empty->getAsText()->setString(Translation::toScreen(Translation::tr("No high scores yet")));
    // About the middle of where the table would stand.
    m_empty->setPositionWithAlignment({0.f, 4.f * LineSpacing * m_columnUnit}, Alignment::Center);

    const auto& entries = table.entries();
    for (std::size_t rank = 0; rank < HighScoreTable::Size; ++rank)
    {
        Row& row = m_rows[rank + 1];
        if (rank >= entries.size())
        {
            setRow(row, {}, m_colours.entry);
            continue;
        }
        const HighScoreEntry& entry = entries[rank];
        setRow(row,
               {std::to_string(rank + 1), entry.name, std::to_string(entry.score),
                std::to_string(entry.level), entry.date},
               rank == highlighted ? m_colours.highlighted : m_colours.entry);
    }
    m_empty->setVisible(entries.empty());
    for (const auto& heading : m_rows[0])
        heading->setVisible(!entries.empty());
}

std::string HighScoreTableView::cellText(std::size_t row, std::size_t column) const
{
    const auto utf8 = m_rows[row][column]->getAsText()->getString().toUtf8();
    return std::string(utf8.begin(), utf8.end());
}

const sf::Color& HighScoreTableView::cellColour(std::size_t row, std::size_t column) const
{
    return m_rows[row][column]->getAsText()->getFillColor();
}

void HighScoreTableView::setRow(Row& row, const std::array<std::string, ColumnCount>& texts,
                                const sf::Color& colour)
{
    for (std::size_t column = 0; column < ColumnCount; ++column)
    {
        Renderizable& cell = *row[column];
        // Names and headings are UTF-8.
        cell.getAsText()->setString(lib::Translation::toScreen(texts[column]));
        cell.getAsText()->setFillColor(colour);
        cell.setPositionX(Columns[column].at * m_columnUnit, Columns[column].alignment);
    }
}

} // namespace bexil::scores
