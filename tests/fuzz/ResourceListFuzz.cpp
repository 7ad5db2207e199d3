// The resource list reader: a list file of any bytes turned into the entries the manager would
// load. Only the list is read; no font or texture is loaded, so no display and no file outside
// the target's temporary folder is touched.
#include "fuzz/FuzzSupport.hpp"
#include "lib/Configuration.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "support/TempDir.hpp"

#include <string>
#include <vector>

using bexil::fuzz::check;
using lib::scn::Resource;
using lib::scn::ResourceManager;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bexil::test::TempDir scratch; // the target's only files, removed at exit
    scratch.write("res.cfg", std::string(reinterpret_cast<const char*>(data), size));
    const std::string path = scratch.file("res.cfg");
    lib::Configuration::reload(path);
    const lib::Configuration list(path);
    const std::vector<ResourceManager::Entry> entries = ResourceManager::listEntries(list);

    // Walks the table beside the entries: each key that names a resource must meet its entry,
    // in the same order.
    const std::string prefix = list.getValue("resources_directory");
    std::size_t next = 0;
    list.forEach(
        [&](const std::pair<const std::string, std::string>& item)
        {
            const std::string& key = item.first;
            const auto at = key.find('@');
            const std::string name =
                at == std::string::npos ? "" : key.substr(at + 1, key.find('@', at + 1) - at - 1);
            if (key == "resources_directory" || name.empty())
                return;
            check(next < entries.size(), "every key with a name gives an entry");
            const ResourceManager::Entry& entry = entries[next++];
            check(entry.name == name, "the name is the text between the first two '@'");
            const std::string joined = prefix + item.second;
            const bool relative = joined.empty() || joined[0] != '/';
            check(entry.path == (relative ? scratch.file("") : "") + joined ||
                      list.getValue("system_fonts_directory") != "",
                  "the path is the prefix and the value, from the list's folder");
            const char kind = at > 0 ? static_cast<char>(key[0] | 0x20) : '@'; // lower case
            check(entry.kind == (kind == 'f'   ? Resource::FontKind
                                 : kind == 's' ? Resource::SoundKind
                                 : kind == 'm' ? Resource::MusicKind
                                               : Resource::TextureKind),
                  "the kind follows the key's first character");
        });
    check(next == entries.size(), "no entry without its key");
    return 0;
}
