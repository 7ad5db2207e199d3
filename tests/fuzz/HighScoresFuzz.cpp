// The high score file reader: any bytes as the file give two tables of good entries only, best
// first, with every good line kept, and a save that reads back as the same tables.
#include "bexil/scores/HighScores.hpp"
#include "fuzz/FuzzSupport.hpp"
#include "lib/Configuration.hpp"
#include "support/TempDir.hpp"

#include <string>

namespace
{

using bexil::fuzz::check;
using bexil::scores::HighScores;

std::size_t entryCount(const HighScores& scores)
{
    return scores.table(0).entries().size() + scores.table(1).entries().size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bexil::test::TempDir scratch; // the target's only files, removed at exit
    scratch.write("highscores.cfg", std::string(reinterpret_cast<const char*>(data), size));
    const std::string path = scratch.file("highscores.cfg");
    lib::Configuration::reload(path);
    const lib::Configuration file(path);
    HighScores scores(path);

    std::size_t good = 0;
    for (std::size_t mode = 0; mode < HighScores::ModeCount; ++mode)
    {
        for (std::size_t rank = 0; rank < bexil::scores::HighScoreTable::Size; ++rank)
        {
            if (HighScores::parseEntry(file.getValue(HighScores::key(mode, rank))))
                ++good;
        }
        const auto& entries = scores.table(mode).entries();
        for (std::size_t i = 0; i < entries.size(); ++i)
        {
            const auto& entry = entries[i];
            check(HighScores::parseEntry(HighScores::formatEntry(entry)) == entry,
                  "an entry reads back as itself");
            check(i == 0 || entries[i - 1].score >= entry.score, "best first");
        }
    }
    check(entryCount(scores) == good, "every good line gives an entry");

    check(scores.save(), "the tables can be saved");
    lib::Configuration::reload(path);
    std::size_t lines = 0;
    file.forEach([&lines](const auto&) { ++lines; });
    check(lines == good, "the saved file holds the entries and nothing else");
    const HighScores again(path);
    for (std::size_t mode = 0; mode < HighScores::ModeCount; ++mode)
        check(again.table(mode).entries() == scores.table(mode).entries(),
              "the saved file reads back as the same tables");
    return 0;
}
