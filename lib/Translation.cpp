#include "lib/Translation.hpp"

#include "lib/core/ProgramName.hpp"

#include <array>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <libintl.h>
#include <optional>
#include <set>

// glibc's count of loaded catalogues: raising it makes gettext look again, which is how the
// gettext manual says to change the language while the program runs.
extern "C" int _nl_msg_cat_cntr;

namespace lib
{

namespace
{

constexpr std::array<const char*, 4> LocaleVariables = {"LANGUAGE", "LC_ALL", "LC_MESSAGES",
                                                        "LANG"};
// A catalogue is a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t LargestCatalogue = 16u << 20;

struct State
{
    std::string domain;
    std::string folder;
    std::string language = Translation::English;
    unsigned int changes = 0;
    std::array<std::optional<std::string>, LocaleVariables.size()> found;
    std::set<std::string> warned;
};

State& state()
{
    static State instance;
    return instance;
}

std::uint32_t word(const std::string& bytes, std::size_t at, bool swapped)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
    {
        const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
        value |= byte << (swapped ? 8 * (3 - i) : 8 * i);
    }
    return value;
}

// glibc takes the offsets of a catalogue on trust; one that is cut short or scribbled over
// would have it read outside the file. So the game reads it first: the magic number, then every
// string of both tables inside the file and ended by a NUL.
bool wellFormed(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > LargestCatalogue)
        return false;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::ifstream file(path, std::ios::binary);
    if (!file.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return false;
    constexpr std::size_t HeaderSize = 28;
    if (bytes.size() < HeaderSize)
        return false;
    const std::uint32_t magic = word(bytes, 0, false);
    const bool swapped = magic == 0xde120495u;
    if (magic != 0x950412deu && !swapped)
        return false;
    const std::uint64_t count = word(bytes, 8, swapped);
    for (const std::size_t table : {std::size_t{12}, std::size_t{16}})
    {
        const std::uint64_t start = word(bytes, table, swapped);
        if (start + count * 8 > bytes.size())
            return false;
        for (std::uint64_t i = 0; i < count; ++i)
        {
            const std::uint64_t length = word(bytes, start + i * 8, swapped);
            const std::uint64_t offset = word(bytes, start + i * 8 + 4, swapped);
            if (offset + length >= bytes.size() || bytes[offset + length] != '\0')
                return false;
        }
    }
    return true;
}

// "de_AT.UTF-8@euro" asks for "de_AT", then "de".
std::optional<std::string> offeredFor(std::string entry, const std::vector<std::string>& offered)
{
    entry = entry.substr(0, entry.find_first_of(".@"));
    if (entry.empty() || entry == "C" || entry == "POSIX")
        return std::string(Translation::English);
    for (const std::string& candidate : {entry, entry.substr(0, entry.find('_'))})
    {
        if (candidate == Translation::English)
            return candidate;
        for (const std::string& code : offered)
            if (code == candidate)
                return code;
    }
    return std::nullopt;
}

} // namespace

void Translation::open(const std::string& domain, const std::string& folder)
{
    State& s = state();
    // Only the first call notes them: later ones would find the LANGUAGE that setLanguage set.
    for (std::size_t i = 0; i < LocaleVariables.size() && s.domain.empty(); ++i)
        if (const char* value = std::getenv(LocaleVariables[i]))
            s.found[i] = value;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    s.domain = domain;
    s.folder = error ? folder : absolute.string();
    // gettext ignores LANGUAGE in the "C" locale, the only one a fresh system may have; C.UTF-8
    // is always there and lets it read LANGUAGE, which setLanguage sets.
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (messages == nullptr || std::strcmp(messages, "C") == 0 ||
        std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    bindtextdomain(s.domain.c_str(), s.folder.c_str());
    bind_textdomain_codeset(s.domain.c_str(), "UTF-8");
    s.language = English;
    ++s.changes;
}

bool Translation::setLanguage(const std::string& code)
{
    State& s = state();
    const std::string before = s.language;
    s.language = English;
    // Before open() there are no catalogues to say anything about: the program asks again then.
    bool shown = code == English;
    if (!shown && !s.domain.empty())
    {
        const std::filesystem::path file =
            std::filesystem::path(s.folder) / code / "LC_MESSAGES" / (s.domain + ".mo");
        shown = wellFormed(file);
        if (shown)
        {
            setenv("LANGUAGE", code.c_str(), 1);
            ++_nl_msg_cat_cntr;
            // The header entry, which every catalogue has: empty when gettext could not use it.
            shown = *dgettext(s.domain.c_str(), "") != '\0';
        }
        if (shown)
            s.language = code;
        else if (s.warned.insert(code).second)
            lib::core::ProgramName::errorLine()
                << "the texts of language \"" << code << "\" (" << file.string()
                << ") are missing or damaged; they are shown in English" << std::endl;
    }
    if (s.language != before)
        ++s.changes;
    return shown;
}

const std::string& Translation::language()
{
    return state().language;
}

unsigned int Translation::changes()
{
    return state().changes;
}

std::string Translation::asked(const std::vector<std::string>& offered,
                               const std::function<const char*(const char*)>& variable)
{
    const char* list = variable(LocaleVariables[0]);
    if (list != nullptr && *list != '\0')
    {
        std::string entries = list;
        for (std::size_t start = 0; start <= entries.size();)
        {
            const std::size_t end = std::min(entries.find(':', start), entries.size());
            if (end > start)
                if (const auto code = offeredFor(entries.substr(start, end - start), offered))
                    return *code;
            start = end + 1;
        }
        return English;
    }
    for (std::size_t i = 1; i < LocaleVariables.size(); ++i)
    {
        const char* value = variable(LocaleVariables[i]);
        if (value != nullptr && *value != '\0')
            return offeredFor(value, offered).value_or(English);
    }
    return English;
}

std::string Translation::asked(const std::vector<std::string>& offered)
{
    const State& s = state();
    return asked(offered,
                 [&s](const char* name) -> const char*
                 {
                     for (std::size_t i = 0; i < LocaleVariables.size(); ++i)
                         if (std::strcmp(name, LocaleVariables[i]) == 0 && s.found[i])
                             return s.found[i]->c_str();
                     return nullptr;
                 });
}

const char* Translation::tr(const char* english)
{
    const State& s = state();
    // The empty text would give the catalogue's header.
    if (s.language == English || *english == '\0')
        return english;
    return dgettext(s.domain.c_str(), english);
}

std::string Translation::format(std::string_view pattern,
                                std::initializer_list<std::string_view> arguments)
{
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i)
    {
        if (pattern[i] != '%' || i + 1 >= pattern.size())
        {
            text += pattern[i];
            continue;
        }
        if (pattern[i + 1] == '%')
        {
            text += '%';
            ++i;
            continue;
        }
        std::size_t at = i + 1;
        std::size_t index = next;
        if (pattern[at] >= '1' && pattern[at] <= '9' && at + 1 < pattern.size() &&
            pattern[at + 1] == '$')
        {
            index = static_cast<std::size_t>(pattern[at] - '1');
            at += 2;
        }
        else
        {
            ++next;
        }
        const bool conversion =
            at < pattern.size() && (pattern[at] == 's' || pattern[at] == 'u' || pattern[at] == 'd');
        if (!conversion || index >= arguments.size())
        {
            text += pattern[i];
            continue;
        }
        text += *(arguments.begin() + index);
        i = at;
    }
    return text;
}

sf::String Translation::toScreen(std::string_view utf8)
{
    return sf::String::fromUtf8(utf8.begin(), utf8.end());
}

} // namespace lib
