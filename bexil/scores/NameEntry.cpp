#include "bexil/scores/NameEntry.hpp"

#include <SFML/System/Utf.hpp>

#include <iterator>
#include <string_view>

namespace bexil::scores
{

namespace
{

constexpr sf::Uint32 Backspace = 8;
constexpr sf::Uint32 Invalid = 0xFFFFFFFF;

// The lead byte of a sequence of continuation bytes: its fixed high bits, how many bytes follow,
// and the smallest character it may encode (anything below is an overlong form).
struct SequenceForm
{
    sf::Uint32 mask;
    sf::Uint32 bits;
    std::size_t following;
    sf::Uint32 smallest;
};

constexpr SequenceForm SequenceForms[] = {
    {0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}};

// Reads the character that starts at `at` and moves past it. A byte that starts no well-formed
// sequence (overlong forms and surrogates included) gives Invalid and is skipped.
sf::Uint32 nextCharacter(const std::string& text, std::size_t& at)
{
    const sf::Uint32 lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    for (const SequenceForm& form : SequenceForms)
    {
        if ((lead & form.mask) != form.bits)
            continue;
        if (text.size() - at < form.following)
            return Invalid;
        sf::Uint32 value = lead & ~form.mask & 0xFF;
        for (std::size_t i = 0; i < form.following; ++i)
        {
            const sf::Uint32 next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return Invalid;
            value = (value << 6) | (next & 0x3F);
        }
        at += form.following;
        const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
        return value < form.smallest || value > 0x10FFFF || surrogate ? Invalid : value;
    }
    return Invalid;
}

} // namespace

NameEntry::NameEntry()
{
    // Typing then never allocates.
    m_text.reserve(MaxLength);
}

void NameEntry::reset(const std::string& name)
{
    m_text.clear();
    for (std::size_t at = 0; at < name.size() && m_text.size() < MaxLength;)
    {
        const sf::Uint32 character = nextCharacter(name, at);
        if (accepts(character))
            m_text.push_back(character);
    }
    m_cursor = m_text.size();
}

bool NameEntry::type(sf::Uint32 character)
{
    if (character == Backspace)
    {
        if (m_cursor == 0)
            return false;
        m_text.erase(--m_cursor, 1);
        return true;
    }
    if (!accepts(character) || m_text.size() >= MaxLength)
        return false;
    m_text.insert(m_cursor++, 1, character);
    return true;
}

bool NameEntry::moveCursor(int step)
{
    const std::size_t last = m_text.size() < MaxLength ? m_text.size() : MaxLength - 1;
    if ((step < 0 && m_cursor == 0) || (step > 0 && m_cursor >= last))
        return false;
    m_cursor = step < 0 ? m_cursor - 1 : m_cursor + 1;
    return true;
}

bool NameEntry::pickLetter(int step)
{
    const std::basic_string_view<char> letters(Letters);
    if (m_cursor == m_text.size())
    {
        if (m_text.size() >= MaxLength)
            return false;
        m_text.push_back(0); // of no place among the letters, so the step gives the first
    }
    sf::Uint32& letter = m_text[m_cursor];
    const std::size_t found =
        letter < 0x80 ? letters.find(static_cast<char>(letter)) : letters.npos;
    // A letter of no place goes on as from before the first: to the first, or back to the last.
    const std::size_t next = found == letters.npos ? (step > 0 ? 0 : letters.size() - 1)
                             : step > 0            ? (found + 1) % letters.size()
                                                   : (found + letters.size() - 1) % letters.size();
    letter = static_cast<sf::Uint32>(letters[next]);
    return true;
}

std::string NameEntry::name() const
{
    const auto first = m_text.find_first_not_of(' ');
    if (first == Text::npos)
        return std::string();
    const auto last = m_text.find_last_not_of(' ');
    std::string utf8;
    sf::Utf32::toUtf8(m_text.begin() + static_cast<std::ptrdiff_t>(first),
                      m_text.begin() + static_cast<std::ptrdiff_t>(last + 1),
                      std::back_inserter(utf8));
    return utf8;
}

bool NameEntry::accepts(sf::Uint32 character)
{
    const bool control = character < 0x20 || (character >= 0x7F && character <= 0x9F);
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    return !control && !surrogate && character <= 0x10FFFF && character != '=';
}

bool NameEntry::isValidName(const std::string& name)
{
    if (name.empty() || name.front() == ' ' || name.back() == ' ')
        return false;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++characters)
    {
        if (characters == MaxLength || !accepts(nextCharacter(name, at)))
            return false;
    }
    return true;
}

} // namespace bexil::scores
