#include "tools/soundgen/Score.hpp"

#include <sstream>

namespace soundgen
{

Score::Score(double beatsPerMinute)
    : m_beat(60.0 / beatsPerMinute)
{
}

void Score::melody(Wave& wave, const Instrument& instrument, double firstBar,
                   const std::string& text, double level, double legato, double pan) const
{
    double at = firstBar * bar();
    for (const std::string& word : words(text))
    {
        const std::size_t colon = word.find(':');
        const double beats = std::stod(word.substr(colon + 1));
        const std::string name = word.substr(0, colon);
        if (name != "r")
            instrument.play(wave, {at, beats * m_beat * legato, pitch(name), level, 0.0, pan});
        at += beats * m_beat;
    }
}

std::array<int, 3> Score::triad(const std::string& name)
{
    const bool minor = name.size() > 1 && name.back() == 'm';
    const int root = into(noteNumber(name.substr(0, name.size() - (minor ? 1 : 0)) + "4"), 60);
    return {root, root + (minor ? 3 : 4), root + 7};
}

int Score::into(int note, int lowest)
{
    while (note < lowest)
        note += 12;
    while (note >= lowest + 12)
        note -= 12;
    return note;
}

std::vector<std::string> Score::words(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> result;
    for (std::string word; stream >> word;)
        result.push_back(word);
    return result;
}

} // namespace soundgen
