// The settings file reader: one line, a number, a whole file's bytes, and a save that must read
// back as the same table.
#include "fuzz/FuzzSupport.hpp"
#include "lib/Configuration.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace
{

using bexil::fuzz::check;
using lib::Configuration;

void checkLine(const std::string& line)
{
    const auto [key, value] = Configuration::parseLine(line);
    check(key.find('=') == std::string::npos, "a key holds no '='");
    check(value.find('=') == std::string::npos, "a value holds no '='");
    if (line.find('=') == std::string::npos)
        check(key.empty() && value.empty(), "a line without '=' gives an empty key and value");
    else
        check(line.compare(0, key.size() + 1 + value.size(), key + "=" + value) == 0,
              "key, '=' and value begin the line");
}

// The standard conversion as the reference: blanks, sign and digits, the rest ignored.
void checkNumber(const std::string& text)
{
    int result = 12345;
    const bool converted = Configuration::toInt(text, result);
    const std::string terminated = text.substr(0, text.find('\0'));
    errno = 0;
    char* end = nullptr;
    const long long expected = std::strtoll(terminated.c_str(), &end, 10);
    const bool expectConverted =
        end != terminated.c_str() && errno != ERANGE && expected >= INT_MIN && expected <= INT_MAX;
    check(converted == expectConverted, "toInt accepts what strtoll accepts within int");
    check(!converted || result == expected, "toInt gives the value strtoll gives");
    check(converted || result == 12345, "a failed toInt leaves the result alone");
}

// Values lose one carriage return at their end on the way through a file, as every line end
// does: "k=v\r" is read back as "k=v".
std::string afterReadingBack(std::string value)
{
    if (!value.empty() && value.back() == '\r')
        value.pop_back();
    return value;
}

void checkFile(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = bexil::fuzz::scratchFolder() + "/config.cfg";
    bexil::fuzz::writeFile(path, data, size);
    Configuration::reload(path);
    Configuration settings(path);

    Configuration::Table read;
    settings.forEach([&read](const auto& entry) { read.insert(entry); });
    for (const auto& [key, value] : read)
    {
        check(key.find_first_of("=\n") == std::string::npos, "keys hold no '=' or line end");
        check(value.find_first_of("=\n") == std::string::npos, "values hold no '=' or line end");
        int number = 0;
        const int expected = Configuration::toInt(value, number) ? number : -7;
        check(settings.getAsInt(key, -7) == expected, "getAsInt reads what toInt reads");
    }

    check(settings.saveConfig(), "a table read from a file can be saved");
    Configuration::reload(path);
    Configuration::Table reread;
    settings.forEach([&reread](const auto& entry) { reread.insert(entry); });
    check(reread.size() == read.size(), "the saved file holds every key once");
    for (const auto& [key, value] : read)
    {
        const auto found = reread.find(key);
        check(found != reread.end(), "every key comes back");
        check(found->second == afterReadingBack(value), "every value comes back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkLine(text);
    checkNumber(text);
    checkFile(data, size);
    return 0;
}
