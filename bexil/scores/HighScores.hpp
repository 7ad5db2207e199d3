#pragma once

#include "bexil/scores/HighScoreTable.hpp"
#include "bexil/settings/Folders.hpp"
#include "lib/Configuration.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace bexil::scores
{

// The high score tables of the two game modes and their file. The file is plain text, one entry
// a line: the key names the mode and the rank ("token1" … "token10", "time1" … "time10") and
// the value is "SCORE LEVEL DATE NAME", the name last so that it may hold spaces. A line that
// does not read as an entry is dropped and the others are kept, so damage costs only the
// damaged lines; the next save writes the file whole again without them, best first.
//
// The file is read through the shared settings table of its name, once per run; every
// HighScores on the same file sees what the others saved, even when the file could not be
// written. Another program may save the file meanwhile (a second game of the same player): a
// save puts this run's entries into the tables as the file holds them then.
class HighScores
{
public:
    // Indexed by the game mode of ":NextGame": 0 token mode, 1 time mode.
    static constexpr std::size_t ModeCount = 2;

    explicit HighScores(const std::string& fileName = settings::Folders::highScoresFile());

    // Reads both tables again from the shared table of the file.
    void load();
    // Writes both tables: the entries of the file as it is now, with every entry of these
    // tables that it lacks put in its place; these tables are then the merged ones. False, with
    // one line on the error stream, when the file could not be replaced; it then keeps its old
    // contents.
    bool save();

    HighScoreTable& table(std::size_t gameMode);
    const HighScoreTable& table(std::size_t gameMode) const;

    // The key of the entry of that mode at that place (0 for the best): "token1", "time10".
    static std::string key(std::size_t gameMode, std::size_t rank);
    // Reads the value of one line; none when a field is missing or damaged.
    static std::optional<HighScoreEntry> parseEntry(const std::string& value);
    static std::string formatEntry(const HighScoreEntry& entry);

private:
    using Tables = std::array<HighScoreTable, ModeCount>;

    // The tables that the lines of a file give.
    static Tables read(const lib::Configuration::Table& lines);

    std::string m_fileName;
    Tables m_tables;
};

} // namespace bexil::scores
