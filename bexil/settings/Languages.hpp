#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace lib
{
class Configuration;
}

namespace bexil::settings
{

// The languages the game's texts come in, and the player's choice among them: "Language" in
// config.cfg holds the code of one, or "auto" (the default, also for a missing or unknown
// value) for the one the locale asks for. The catalogues are msgfmt's "bexil.mo" files, in the
// folder "locale" beside the data folder of the resource list: the run folder's locale/, or
// share/locale/ for the data of an installation in share/bexil/.
class Languages
{
public:
    struct Language
    {
        const char* code;
        // As its speakers write it, shown so in every language.
        const char* name;
    };

    static constexpr const char* Domain = "bexil";
    static constexpr const char* Auto = "auto";
    // English first: the texts of the sources.
    static constexpr std::array<Language, 3> Offered{
        {{"en", "English"}, {"de", "Deutsch"}, {"fr", "Fran\u00e7ais"}}};
    // The choices of the options line: Auto, then the languages in the order above.
    static constexpr std::size_t ChoiceCount = Offered.size() + 1;

    // Binds the game's catalogues, from the folder beside the resource list's data, and shows
    // the texts in the language the settings choose.
    static void open(const lib::Configuration& resourceList, const lib::Configuration& settings);
    // The choice the settings hold: 0 for Auto, else 1 + the index in Offered.
    static std::size_t stored(const lib::Configuration& settings);
    // Shows the texts in the language of that choice.
    static void apply(std::size_t choice);
    // Keeps the choice in the settings; Auto is written only over another choice, so a file that
    // never had one stays as it was.
    static void store(lib::Configuration& settings, std::size_t choice);
};

} // namespace bexil::settings
