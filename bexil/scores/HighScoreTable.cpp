#include "bexil/scores/HighScoreTable.hpp"

#include <algorithm>
#include <iterator>

namespace bexil::scores
{

std::optional<std::size_t> HighScoreTable::rankFor(std::uint32_t score) const
{
    if (score == 0)
        return std::nullopt;
    const auto below =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [score](const HighScoreEntry& entry) { return entry.score < score; });
    const auto rank = static_cast<std::size_t>(std::distance(m_entries.begin(), below));
    if (rank >= Size)
        return std::nullopt;
    return rank;
}

std::optional<std::size_t> HighScoreTable::add(HighScoreEntry entry)
{
    const std::optional<std::size_t> rank = rankFor(entry.score);
    if (!rank)
        return std::nullopt;
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(*rank), std::move(entry));
    if (m_entries.size() > Size)
        m_entries.pop_back();
    return rank;
}

} // namespace bexil::scores
