#include "bexil/scores/HighScores.hpp"

#include "bexil/scores/NameEntry.hpp"
#include "lib/Configuration.hpp"
#include "lib/SafeSave.hpp"

#include <algorithm>
#include <cassert>
#include <iostream>
#include <limits>
#include <vector>

namespace bexil::scores
{

namespace
{

constexpr const char* ModeKeys[HighScores::ModeCount] = {"token", "time"};

// A whole field of decimal digits, from 1 to the largest 32-bit value; no sign, no blanks.
std::optional<std::uint32_t> readCount(const std::string& text)
{
    constexpr std::uint64_t largest = std::numeric_limits<std::uint32_t>::max();
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t number = 0;
    for (const char digit : text)
    {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        number = number * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    if (number == 0 || number > largest)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

// YYYY-MM-DD with a month from 01 to 12 and a day from 01 to 31.
bool isDate(const std::string& text)
{
    if (text.size() != 10)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const bool dash = i == 4 || i == 7;
        if (dash ? text[i] != '-' : text[i] < '0' || text[i] > '9')
            return false;
    }
    const int month = (text[5] - '0') * 10 + (text[6] - '0');
    const int day = (text[8] - '0') * 10 + (text[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

} // namespace

HighScores::HighScores(const std::string& fileName)
    : m_fileName(fileName)
{
    load();
}

void HighScores::load()
{
    lib::Configuration::Table lines;
    lib::Configuration(m_fileName).forEach([&lines](const auto& line) { lines.insert(line); });
    m_tables = read(lines);
}

HighScores::Tables HighScores::read(const lib::Configuration::Table& lines)
{
    Tables tables;
    for (std::size_t mode = 0; mode < ModeCount; ++mode)
    {
        // Best first, so that an entry meets the ones ranked above it and a tie keeps the order
        // of the file.
        for (std::size_t rank = 0; rank < HighScoreTable::Size; ++rank)
        {
            const auto line = lines.find(key(mode, rank));
            if (line == lines.end())
                continue;
            if (auto entry = parseEntry(line->second))
                tables[mode].add(std::move(*entry));
        }
    }
    return tables;
}

bool HighScores::save()
{
    const auto merge = [this](const std::optional<std::string>& current)
    {
        if (current)
        {
            Tables merged = read(lib::Configuration::parseText(*current));
            for (std::size_t mode = 0; mode < ModeCount; ++mode)
            {
                std::vector<HighScoreEntry> theirs = merged[mode].entries();
                for (const HighScoreEntry& entry : m_tables[mode].entries())
                {
                    const auto found = std::find(theirs.begin(), theirs.end(), entry);
                    if (found != theirs.end())
                        theirs.erase(found);
                    else
                        merged[mode].add(entry);
                }
            }
            m_tables = std::move(merged);
        }
        std::string contents;
        for (std::size_t mode = 0; mode < ModeCount; ++mode)
        {
            const auto& entries = m_tables[mode].entries();
            for (std::size_t rank = 0; rank < entries.size(); ++rank)
                contents += key(mode, rank) + '=' + formatEntry(entries[rank]) + '\n';
        }
        return contents;
    };
    const bool saved = lib::SafeSave::update(m_fileName, merge);
    // The shared table gets every rank, an empty value where a table is short, so the run's
    // other readers see exactly these tables.
    lib::Configuration file(m_fileName);
    for (std::size_t mode = 0; mode < ModeCount; ++mode)
    {
        const auto& entries = m_tables[mode].entries();
        for (std::size_t rank = 0; rank < HighScoreTable::Size; ++rank)
            file.value(key(mode, rank), rank < entries.size() ? formatEntry(entries[rank]) : "",
                       true);
    }
    if (saved)
        return true;
    std::cerr << "bexil: cannot write the high scores to " << m_fileName
              << "; it keeps its old contents\n";
    return false;
}

HighScoreTable& HighScores::table(std::size_t gameMode)
{
    assert(gameMode < ModeCount);
    return m_tables[gameMode];
}

const HighScoreTable& HighScores::table(std::size_t gameMode) const
{
    assert(gameMode < ModeCount);
    return m_tables[gameMode];
}

std::string HighScores::key(std::size_t gameMode, std::size_t rank)
{
    return ModeKeys[gameMode] + std::to_string(rank + 1);
}

std::optional<HighScoreEntry> HighScores::parseEntry(const std::string& value)
{
    const auto afterScore = value.find(' ');
    const auto afterLevel = value.find(' ', afterScore + 1);
    const auto afterDate = value.find(' ', afterLevel + 1);
    if (afterScore == std::string::npos || afterLevel == std::string::npos ||
        afterDate == std::string::npos)
        return std::nullopt;

    HighScoreEntry entry;
    const auto score = readCount(value.substr(0, afterScore));
    const auto level = readCount(value.substr(afterScore + 1, afterLevel - afterScore - 1));
    entry.date = value.substr(afterLevel + 1, afterDate - afterLevel - 1);
    // Spaces a hand edit left around the name are forgiven.
    const auto nameStart = value.find_first_not_of(' ', afterDate);
    if (nameStart != std::string::npos)
        entry.name = value.substr(nameStart, value.find_last_not_of(' ') + 1 - nameStart);
    if (!score || !level || !isDate(entry.date) || !NameEntry::isValidName(entry.name))
        return std::nullopt;
    entry.score = *score;
    entry.level = *level;
    return entry;
}

std::string HighScores::formatEntry(const HighScoreEntry& entry)
{
    return std::to_string(entry.score) + ' ' + std::to_string(entry.level) + ' ' + entry.date +
           ' ' + entry.name;
}

} // namespace bexil::scores
