#include "lib/scn/ResourceManager.hpp"

#include "lib/core/ProgramName.hpp"
#include "lib/core/StopSignals.hpp"
#include "lib/scn/Resource.hpp"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace lib::scn
{

namespace
{

const std::string directoryKey = "resources_directory";
const std::string systemFontsKey = "system_fonts_directory";

// By the first letter of the kind alone, as the list has always been read.
std::int32_t kindOf(char letter)
{
    switch (letter)
    {
    case 'f':
    case 'F':
        return Resource::FontKind;
    case 's':
    case 'S':
        return Resource::SoundKind;
    case 'm':
    case 'M':
        return Resource::MusicKind;
    default:
        return Resource::TextureKind;
    }
}

} // namespace

ResourceManager::ResourceManager(const std::string& listFile, bool audible)
    : Configuration(listFile)
{
    if (!listFile.empty() && fileExists(listFile))
    {
        std::vector<Entry> entries = listEntries(*this);
        if (entries.size() > MaxEntries)
        {
            lib::core::ProgramName::errorLine()
                << "the resource list \"" << listFile << "\" has " << entries.size()
                << " entries; only the first " << MaxEntries << " are loaded" << std::endl;
            entries.resize(MaxEntries);
        }
        for (const Entry& entry : entries)
        {
            // A stop request (a logout) ends the start here rather than after every file.
            if (lib::core::StopSignals::requested())
                break;
            m_resources.push_back(
                std::make_shared<Resource>(entry.kind, entry.path, entry.name, audible));
        }
    }
    else if (!listFile.empty())
    {
        // Relative paths are resolved from the working folder, so naming it tells the player
        // what went wrong when the game is started from elsewhere.
        std::error_code error;
        const auto folder = std::filesystem::current_path(error);
        lib::core::ProgramName::errorLine()
            << "cannot read the resource list \"" << listFile << "\" in "
            << (error ? std::string("the working folder") : folder.string())
            << "; start the game from its own folder" << std::endl;
    }

    // A name the list does not hold gets an empty picture, but text in the first font that
    // loaded, so that a misspelt font name still leaves the text readable.
    const auto font =
        std::find_if(m_resources.begin(), m_resources.end(),
                     [](const std::shared_ptr<Resource>& resource)
                     { return resource->kind() == Resource::FontKind && resource->loaded(); });
    m_missing =
        std::make_shared<Resource>(font == m_resources.end() ? nullptr : (*font)->getAsFont());
}

std::vector<ResourceManager::Entry> ResourceManager::listEntries(const lib::Configuration& list)
{
    std::vector<Entry> entries;
    // Relative paths start from the list's own folder (the working folder for a bare name).
    const std::string& listName = list.configName();
    const std::string folder = listName.substr(0, listName.rfind('/') + 1);
    const std::string prefix = list.getValue(directoryKey);
    const std::string systemFonts = list.getValue(systemFontsKey);
    list.forEach(
        [&entries, &folder, &prefix,
         &systemFonts](const std::pair<const std::string, std::string>& item)
        {
            const std::string& key = item.first;
            if (key == directoryKey)
                return;
            const auto at = key.find('@');
            if (at == std::string::npos)
                return;
            const auto nameEnd = key.find('@', at + 1);
            std::string name =
                key.substr(at + 1, nameEnd == std::string::npos ? nameEnd : nameEnd - at - 1);
            if (name.empty())
                return;
            const std::int32_t kind = kindOf(at > 0 ? key[0] : '@');
            std::string path = prefix + item.second;
            if (path.empty() || path[0] != '/')
                path.insert(0, folder);
            // The system's copy of a font wins over the one that comes with the game.
            std::error_code error;
            const std::string system =
                systemFonts + std::filesystem::path(item.second).filename().string();
            if (kind == Resource::FontKind && !systemFonts.empty() &&
                std::filesystem::is_regular_file(system, error))
                path = system;
            entries.push_back({kind, std::move(name), std::move(path)});
        });
    return entries;
}

ResourceManager::~ResourceManager() = default;

const std::shared_ptr<Resource>& ResourceManager::getResource(std::string name) const
{
    for (const auto& resource : m_resources)
    {
        if (resource->name() == name)
            return resource;
    }
    return m_missing;
}

} // namespace lib::scn
