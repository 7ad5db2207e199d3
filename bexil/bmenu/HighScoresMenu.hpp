#pragma once

#include "bexil/bmenu/MenuPage.hpp"
#include "bexil/scores/HighScores.hpp"

#include <cstddef>
#include <memory>

namespace lib::scn::draw
{
class Renderizable;
}

namespace bexil::scores
{
class HighScoreTableView;
}

namespace bexil::bmenu
{

// The "High scores" page: one game mode's table at a time, token mode first; Left and Right
// switch the mode, and the page's one line, "Back", returns to the main menu, as Back does. The
// tables are read again each time the page is shown.
class HighScoresMenu : public MenuPage
{
public:
    HighScoresMenu();
    ~HighScoresMenu() override;

    void onCreate() override;
    void onShow() override;
    void onAction(const lib::input::ActionEvent& event) override;
    void onBack() override;

    const scores::HighScoreTableView& tableView() const { return *m_table; }

private:
    void showMode(std::size_t gameMode);

    scores::HighScores m_highScores;
    std::size_t m_mode = 0;
    std::shared_ptr<lib::scn::draw::Renderizable> m_title;
    std::shared_ptr<scores::HighScoreTableView> m_table;
};

} // namespace bexil::bmenu
