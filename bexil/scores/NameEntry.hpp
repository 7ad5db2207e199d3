#pragma once

#include <SFML/Config.hpp>

#include <cstddef>
#include <string>

namespace bexil::scores
{

// The name typed for a high score. It is fed SFML's text events, so letters of any script come
// as the player's keyboard layout makes them, and picked letter by letter without a keyboard:
// a cursor stands on a letter, or on the place after the last one, where typing goes. It holds
// at most MaxLength characters; control characters are ignored, Backspace (which SFML sends as
// the character 8) deletes the one before the cursor, and "=" is refused because the high score
// file splits its lines at it. No window or font is involved, so the rules stand on their own.
class NameEntry
{
public:
    using Text = std::basic_string<sf::Uint32>;

    static constexpr std::size_t MaxLength = 12;
    // What picking a letter goes through.
    static constexpr const char* Letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .-";

    NameEntry();

    // Starts again from that UTF-8 name: what the field refuses is dropped, and the rest is cut
    // to MaxLength characters. The cursor stands after the last.
    void reset(const std::string& name);
    // One text event, at the cursor; true when the text changed.
    bool type(sf::Uint32 character);
    // Moves the cursor by one letter (-1 or 1), from the first letter to the place after the
    // last (the last, when the field is full); true when it moved.
    bool moveCursor(int step);
    // Changes the letter at the cursor to the next (1) or the previous (-1) of Letters, around;
    // after the last letter this adds one, the first (or the last) of Letters. A letter that is
    // not one of them goes on as from before the first. True when the text changed.
    bool pickLetter(int step);
    std::size_t cursor() const { return m_cursor; }
    // What the field shows, ready for an sf::Text.
    const Text& text() const { return m_text; }
    // The typed name without spaces at its ends, in UTF-8; empty when nothing else was typed.
    std::string name() const;

    // True for a character that a name may hold.
    static bool accepts(sf::Uint32 character);
    // True for well-formed UTF-8 of 1 to MaxLength characters that the field accepts, with no
    // space at either end: what name() can give.
    static bool isValidName(const std::string& name);

private:
    Text m_text;
    std::size_t m_cursor = 0;
};

} // namespace bexil::scores
