#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <utility>

namespace lib
{

// A named key/value table. Every Configuration opened on the same name shares one table for
// the whole run: a file name is read once, by the first object opened on it, and every later
// object sees and changes that same table; saveConfig writes whatever the table holds then.
// Names beginning with ":" are tables that live in memory only.
//
// Another program may save the same file meanwhile (a second game in the same settings
// folder): a save writes the keys this run changed onto what the file holds at that moment,
// and the table takes on what the other program saved.
//
// File format: one key=value per line, split at "=" (see the source), nothing trimmed, line
// ends (LF or CR LF) dropped; saving writes one line per key in key order.
class Configuration
{
public:
    using Table = std::map<std::string, std::string>;

    explicit Configuration(const std::string& name);
    virtual ~Configuration();

    Configuration(const Configuration&) = default;
    Configuration& operator=(const Configuration&) = default;

    // overwrite false: the stored value, or the default (added to the table) when the key is
    // missing. overwrite true: the default is stored and returned.
    std::string value(const std::string& key, const std::string& def, bool overwrite = false);
    // value() with a number. Stored text that is not a number (or is out of the range of int)
    // is replaced by the default, so a hand-damaged file is repaired at the next save.
    int valueAsInt(const std::string& key, int def, bool overwrite = false);
    // The stored value, or "" when absent; never adds.
    std::string getValue(const std::string& key) const;
    // The stored value as a number; the default when absent, empty or not a number. Never adds.
    int getAsInt(const std::string& key, int def) const;
    void forEach(
        const std::function<void(const std::pair<const std::string, std::string>&)>& action) const;
    // Writes the table to the file of this object's name with SafeSave: a failed save keeps the
    // old file intact, and two programs saving at once leave one whole table. The keys this run
    // changed (since the file was read or last saved; a default filled in by value() is no
    // change) are written onto the file as it is now; every other key takes the file's value,
    // and one that the file lacks keeps the table's.
    // True when the file holds the merged table, which the table then is; always false for a
    // ":" table.
    bool saveConfig() const;

    const std::string& configName() const { return m_name; }

    // True when a file of that name can be opened for reading.
    static bool fileExists(const std::string& name);
    // Empties the shared table of that name and reads its file again. Every object keeps its
    // pointer to the table; used when a test or a restart needs the file's current contents.
    static void reload(const std::string& name);

    // Reads the text of a settings file into a table, line by line as the file is read.
    static Table parseText(const std::string& text);
    // Parses one line of a settings file into key and value (exposed for tests and fuzzing).
    static std::pair<std::string, std::string> parseLine(const std::string& line);
    // Converts setting text to a number the way the settings table does: leading blanks, an
    // optional sign and digits, anything after them ignored. False when there is no number
    // or it does not fit in an int.
    static bool toInt(const std::string& text, int& result);

private:
    static void load(const std::string& name, Table& table);
    static void parse(std::istream& in, Table& table);

    std::string m_name;
    // Shared, owned by the process-wide registry, live until exit: the table, and the table as
    // the file held it when it was read or last saved.
    Table* m_table;
    Table* m_saved;
};

} // namespace lib
