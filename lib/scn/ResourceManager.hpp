#pragma once

#include "lib/Configuration.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lib::scn
{

class Resource;

// Loads every font, texture and sound that a resource list names, once, and finds them by name.
// List entries: "resources_directory" gives a prefix put before every path (relative ones start
// from the list's folder); "system_fonts_directory" a folder whose font of the same file name,
// where there is one, is loaded instead of the listed one; every other key is kind@name (kind
// "f"/"F..." a font, "s"/"S..." a sound, "m"/"M..." a music track, anything else a texture)
// with the path as value.
class ResourceManager : public lib::Configuration
{
public:
    // What one list entry asks for: the kind (a Resource::Kind), the name
    // and the path with the prefix already in front.
    struct Entry
    {
        std::int32_t kind;
        std::string name;
        std::string path;
    };

    // A game needs a few dozen; a list of more loads only the first ones (in key order), so
    // that no list can take the memory or the files the rest of the program needs.
    static constexpr std::size_t MaxEntries = 1000;

    // Sounds and tracks are loaded only when `audible` (see Resource). Loading stops early when
    // a stop signal has come (StopSignals).
    explicit ResourceManager(const std::string& listFile, bool audible = false);
    ~ResourceManager() override;

    // The entries of a list, in key order, without loading anything: keys without "@" or with
    // an empty name are skipped. The constructor loads exactly these.
    static std::vector<Entry> listEntries(const lib::Configuration& list);

    // The first resource of that name. An unknown name gives an empty resource (an empty font
    // or texture, whichever is asked of it), never another resource.
    const std::shared_ptr<Resource>& getResource(std::string name) const;
    const std::vector<std::shared_ptr<Resource>>& resources() const { return m_resources; }

private:
    std::vector<std::shared_ptr<Resource>> m_resources;
    std::shared_ptr<Resource> m_missing;
};

} // namespace lib::scn
