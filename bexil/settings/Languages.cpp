#include "bexil/settings/Languages.hpp"

#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/Translation.hpp"

#include <filesystem>
#include <vector>

namespace bexil::settings
{

namespace
{

const char* const DataFolderKey = "resources_directory";

} // namespace

void Languages::open(const lib::Configuration& resourceList, const lib::Configuration& settings)
{
    // The list names its files from its own folder, after the prefix: the run folder's "res.cfg"
    // with "data/" gives "locale", an installation's "/usr/share/bexil/res.cfg" with none
    // gives "/usr/share/locale".
    const std::filesystem::path data =
        (std::filesystem::path(resourceList.configName()).parent_path() /
         resourceList.getValue(DataFolderKey))
            .lexically_normal();
    const std::filesystem::path folder =
        (data.has_filename() ? data : data.parent_path()).parent_path() / "locale";
    lib::Translation::open(Domain, folder.string());
    apply(stored(settings));
}

std::size_t Languages::stored(const lib::Configuration& settings)
{
    const std::string code = settings.getValue(Settings::Language);
    for (std::size_t i = 0; i < Offered.size(); ++i)
        if (code == Offered[i].code)
            return i + 1;
    return 0;
}

void Languages::apply(std::size_t choice)
{
    if (choice > 0 && choice <= Offered.size())
    {
        lib::Translation::setLanguage(Offered[choice - 1].code);
        return;
    }
    std::vector<std::string> codes;
    for (const Language& language : Offered)
        codes.emplace_back(language.code);
    lib::Translation::setLanguage(lib::Translation::asked(codes));
}

void Languages::store(lib::Configuration& settings, std::size_t choice)
{
    const bool chosen = choice > 0 && choice <= Offered.size();
    if (chosen || !settings.getValue(Settings::Language).empty())
        settings.value(Settings::Language, chosen ? Offered[choice - 1].code : Auto, true);
}

} // namespace bexil::settings
