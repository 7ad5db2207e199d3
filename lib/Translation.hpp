#pragma once

#include <SFML/System/String.hpp>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace lib
{

// The program's texts in the player's language, through GNU gettext. Every text is written in
// English where it is used and looked up by that English text; the catalogues are msgfmt's
// DOMAIN.mo files in FOLDER/CODE/LC_MESSAGES, as under share/locale. The program names the
// domain and the folder; until it sets a language, and wherever a catalogue lacks a text, the
// English is shown. Texts are UTF-8 from the catalogue to the screen (toScreen).
// Process-wide, as gettext is; for the main thread only.
class Translation
{
public:
    // The code of the sources' own language.
    static constexpr const char* English = "en";

    // Binds the domain to its folder and notes the locale variables as the program found them
    // (asked() reads those, whatever setLanguage changes since). English until setLanguage.
    static void open(const std::string& domain, const std::string& folder);
    // Every text looked up from now on is in the language of that code ("de"; English is
    // "en"). A catalogue that is missing or damaged leaves English, says so on the error stream
    // in one line (once per language and run), and gives false; so does any language but
    // English before open(), silently.
    static bool setLanguage(const std::string& code);
    // The code of the language shown.
    static const std::string& language();
    // Counts the changes of language, so that what shows texts can tell that they are stale.
    static unsigned int changes();

    // The first of the offered codes (English is always offered) that the locale variables
    // ask for, in gettext's order: the entries of LANGUAGE (a list split by ':'), else the first
    // of LC_ALL, LC_MESSAGES and LANG that is set. "de_AT.UTF-8" asks for "de_AT", then "de";
    // "C" and "POSIX" ask for English. English when nothing offered is asked for.
    static std::string asked(const std::vector<std::string>& offered,
                             const std::function<const char*(const char*)>& variable);
    // The same, from the variables as open() found them.
    static std::string asked(const std::vector<std::string>& offered);

    // The text in the language shown (UTF-8); the English itself when the catalogue lacks it.
    static const char* tr(const char* english);
    // Marks an English text for the catalogue where it is written, when tr looks it up later,
    // where it is shown.
    static constexpr const char* mark(const char* english) { return english; }
    // The pattern with its placeholders replaced by the arguments: %s, %u and %d take the next
    // argument, %N$s (or $u, $d) the Nth, %% is a "%". Translations may reorder them; anything
    // else is kept as it is, so a damaged catalogue can garble a text but never read past the
    // arguments.
    static std::string format(std::string_view pattern,
                              std::initializer_list<std::string_view> arguments);
    // UTF-8 as the screen takes it.
    static sf::String toScreen(std::string_view utf8);
};

} // namespace lib
