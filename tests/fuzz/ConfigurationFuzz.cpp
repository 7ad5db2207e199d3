// The settings file reader: one line, a number, a whole file's bytes, and a save that must read
// back as the same table.
#include "fuzz/FuzzSupport.hpp"
#include "lib/Configuration.hpp"
#include "support/TempDir.hpp"

#include <cerrno>
#include <climits>
#include <string>

using bexil::fuzz::check;
using lib::Configuration;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto [key, value] = Configuration::parseLine(text);
    check((key + value).find('=') == std::string::npos, "keys and values hold no '='");
    check(text.find('=') == std::string::npos ? key.empty() && value.empty()
                                              : text.rfind(key + "=" + value, 0) == 0,
          "key, '=' and value begin a line; a line without '=' gives nothing");

    // The standard conversion as the reference: blanks, sign and digits, the rest ignored.
    int number = 12345;
    const bool converted = Configuration::toInt(text, number);
    const std::string terminated = text.substr(0, text.find('\0'));
    errno = 0;
    char* end = nullptr;
    const long long expected = std::strtoll(terminated.c_str(), &end, 10);
    check(converted == (end != terminated.c_str() && errno != ERANGE && expected >= INT_MIN &&
                        expected <= INT_MAX),
          "toInt accepts what strtoll accepts within int");
    check(converted ? number == expected : number == 12345,
          "toInt gives strtoll's value, and leaves the result alone when it fails");

    static const bexil::test::TempDir scratch; // the target's only files, removed at exit
    scratch.write("config.cfg", text);
    const std::string path = scratch.file("config.cfg");
    Configuration::reload(path);
    Configuration settings(path);
    Configuration::Table read;
    settings.forEach([&read](const auto& entry) { read.insert(entry); });
    for (const auto& [readKey, readValue] : read)
    {
        check((readKey + readValue).find_first_of("=\n") == std::string::npos,
              "keys and values hold no '=' or line end");
        int readNumber = 0;
        check(settings.getAsInt(readKey, -7) ==
                  (Configuration::toInt(readValue, readNumber) ? readNumber : -7),
              "getAsInt reads what toInt reads");
    }
    check(settings.saveConfig(), "a table read from a file can be saved");
    Configuration::reload(path);
    Configuration::Table reread;
    settings.forEach([&reread](const auto& entry) { reread.insert(entry); });
    // Values lose one carriage return at their end on the way through a file, as every line
    // end does: "k=v\r" is read back as "k=v".
    for (auto& [readKey, readValue] : read)
    {
        if (!readValue.empty() && readValue.back() == '\r')
            readValue.pop_back();
    }
    check(reread == read, "the saved file reads back as the same table");
    return 0;
}
