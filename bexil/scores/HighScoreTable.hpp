#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bexil::scores
{

// One game in a high score table.
struct HighScoreEntry
{
    std::uint32_t score = 0;
    std::uint32_t level = 0; // as the player saw it: the first level is 1
    std::string date;        // YYYY-MM-DD
    std::string name;        // UTF-8

    bool operator==(const HighScoreEntry& other) const
    {
        return score == other.score && level == other.level && date == other.date &&
               name == other.name;
    }
};

// The best games of one mode, best first, at most Size of them. A score equal to one already in
// the table ranks below it: the older game keeps its place.
class HighScoreTable
{
public:
    static constexpr std::size_t Size = 10;

    // The place (0 for the best) that a game with this score would take; none for a score of 0
    // or one that does not beat the last entry of a full table.
    std::optional<std::size_t> rankFor(std::uint32_t score) const;
    // Puts the entry in its place and drops what falls beyond Size. The place, or none when the
    // entry does not enter.
    std::optional<std::size_t> add(HighScoreEntry entry);
    void clear() { m_entries.clear(); }

    const std::vector<HighScoreEntry>& entries() const { return m_entries; }

private:
    std::vector<HighScoreEntry> m_entries;
};

} // namespace bexil::scores
