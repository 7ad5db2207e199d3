#include "lib/Configuration.hpp"

#include "lib/SafeSave.hpp"

#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

namespace lib
{

namespace
{

struct Stored
{
    Configuration::Table table;
    Configuration::Table saved;
};

// Every table of the run, by name. Entries are never erased, and std::map never moves its
// elements, so the table pointers handed to objects stay valid until exit.
std::map<std::string, Stored>& registry()
{
    static std::map<std::string, Stored> tables;
    return tables;
}

bool isMemoryOnly(const std::string& name)
{
    return !name.empty() && name[0] == ':';
}

// Only regular files (or links to them) are read: a link to /dev/zero would be an endless
// line, and opening a named pipe would wait for a writer forever.
bool isRegularFile(const std::string& name)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(name, ignored);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

Configuration::Configuration(const std::string& name)
    : m_name(name)
    , m_table(nullptr)
    , m_saved(nullptr)
{
    auto& tables = registry();
    auto found = tables.find(name);
    if (found == tables.end())
    {
        Stored stored;
        load(name, stored.table);
        stored.saved = stored.table;
        found = tables.emplace(name, std::move(stored)).first;
    }
    m_table = &found->second.table;
    m_saved = &found->second.saved;
}

Configuration::~Configuration() = default;

std::string Configuration::value(const std::string& key, const std::string& def, bool overwrite)
{
    if (!overwrite)
    {
        const auto found = m_table->find(key);
        if (found != m_table->end())
            return found->second;
        // A default filled in is no change of this run's: another program's value for the key
        // wins at the next save.
        m_saved->emplace(key, def);
    }
    (*m_table)[key] = def;
    return def;
}

int Configuration::valueAsInt(const std::string& key, int def, bool overwrite)
{
    const std::string defText = std::to_string(def);
    int result = 0;
    if (toInt(value(key, defText, overwrite), result))
        return result;
    // Damaged text is replaced, so the next save writes a number again.
    (*m_table)[key] = defText;
    return def;
}

std::string Configuration::getValue(const std::string& key) const
{
    const auto found = m_table->find(key);
    return found == m_table->end() ? std::string() : found->second;
}

int Configuration::getAsInt(const std::string& key, int def) const
{
    const auto found = m_table->find(key);
    int result = 0;
    if (found == m_table->end() || !toInt(found->second, result))
        return def;
    return result;
}

void Configuration::forEach(
    const std::function<void(const std::pair<const std::string, std::string>&)>& action) const
{
    for (const auto& entry : *m_table)
        action(entry);
}

bool Configuration::saveConfig() const
{
    if (m_name.empty() || isMemoryOnly(m_name))
        return false;
    Table merged;
    const auto merge = [this, &merged](const std::optional<std::string>& current)
    {
        merged = *m_table;
        if (current)
        {
            for (auto& [key, text] : parseText(*current))
            {
                const auto saved = m_saved->find(key);
                const auto mine = m_table->find(key);
                const bool changed = mine != m_table->end() &&
                                     (saved == m_saved->end() || saved->second != mine->second);
                if (!changed)
                    merged[key] = std::move(text);
            }
        }
        std::string contents;
        for (const auto& [key, text] : merged)
        {
            contents += key;
            contents += '=';
            contents += text;
            contents += '\n';
        }
        return contents;
    };
    if (!SafeSave::update(m_name, merge))
        return false;
    *m_table = merged;
    *m_saved = std::move(merged);
    return true;
}

bool Configuration::fileExists(const std::string& name)
{
    if (name.empty() || !isRegularFile(name))
        return false;
    std::ifstream in(name);
    return in.is_open();
}

void Configuration::reload(const std::string& name)
{
    Stored& stored = registry()[name];
    stored.table.clear();
    load(name, stored.table);
    stored.saved = stored.table;
}

Configuration::Table Configuration::parseText(const std::string& text)
{
    std::istringstream in(text);
    Table table;
    parse(in, table);
    return table;
}

std::pair<std::string, std::string> Configuration::parseLine(const std::string& line)
{
    // Pieces are the texts around each "=": the key is the first, the value the second (empty
    // when the line ends at the second "=" or has only one), and the rest is dropped.
    const auto first = line.find('=');
    if (first == std::string::npos)
        return {std::string(), std::string()};
    const auto second = line.find('=', first + 1);
    const auto valueLength = second == std::string::npos ? std::string::npos : second - first - 1;
    return {line.substr(0, first), line.substr(first + 1, valueLength)};
}

bool Configuration::toInt(const std::string& text, int& result)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    // The magnitude may reach INT_MAX + 1 for the negative limit; anything above is rejected
    // before it could overflow the accumulator.
    const long long limit = static_cast<long long>(INT_MAX) + (negative ? 1 : 0);
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            return false;
    }
    if (i == digitsStart)
        return false;
    result = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

void Configuration::load(const std::string& name, Table& table)
{
    if (name.empty() || isMemoryOnly(name) || !isRegularFile(name))
        return;
    std::ifstream in(name);
    parse(in, table);
}

void Configuration::parse(std::istream& in, Table& table)
{
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        auto [key, text] = parseLine(line);
        table[key] = std::move(text);
    }
}

} // namespace lib
