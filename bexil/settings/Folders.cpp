#include "bexil/settings/Folders.hpp"

#include "bexil/settings/Settings.hpp"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bexil::settings
{

namespace
{

namespace fs = std::filesystem;

std::string& resourceListName()
{
    static std::string name = Settings::ResourceFile;
    return name;
}

std::string& highScoresName()
{
    static std::string name = Settings::HighScoresFile;
    return name;
}

// An XDG base folder: the variable when it holds an absolute path (a relative one is to be
// ignored), else the folder under the home folder; empty when there is no absolute home either.
fs::path baseFolder(const char* variable, const char* underHome)
{
    const char* chosen = std::getenv(variable);
    if (chosen != nullptr && chosen[0] == '/')
        return chosen;
    std::string home;
    if (const char* set = std::getenv("HOME"); set != nullptr && set[0] == '/')
        home = set;
    else if (const passwd* user = ::getpwuid(::getuid());
             user && user->pw_dir && user->pw_dir[0] == '/')
        home = user->pw_dir;
    return home.empty() ? fs::path() : fs::path(home) / underHome;
}

// Makes the folder and its missing parents, private to the player as the base folders should be.
bool makeFolder(const fs::path& folder)
{
    std::error_code error;
    fs::path made;
    for (const fs::path& part : folder)
    {
        made /= part;
        if (!fs::is_directory(made, error) && ::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return folder.is_absolute() && fs::is_directory(folder, error);
}

// The high scores were kept beside the settings before; they move once to their new folder.
void moveHighScores(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(from, error)) ||
        fs::exists(fs::symlink_status(to, error)))
        return;
    fs::rename(from, to, error);
    if (error && fs::copy_file(from, to, error))
        fs::remove(from, error);
    if (error)
        std::cerr << "bexil: cannot move " << from.string() << " to " << to.string()
                  << "; the high scores start from it there" << std::endl;
}

} // namespace

bool Folders::choose()
{
    std::error_code error;
    // A folder or a pipe of that name is no list: an installed game started there still finds
    // its own.
    if (fs::is_regular_file(Settings::ResourceFile, error))
        return true;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    const fs::path data = (program.parent_path() / BEXIL_DATA_FROM_PROGRAM).lexically_normal();
    if (error || !fs::is_regular_file(data / Settings::ResourceFile, error))
        return true;

    const fs::path settings = baseFolder("XDG_CONFIG_HOME", ".config") / "bexil";
    const fs::path scores = baseFolder("XDG_DATA_HOME", ".local/share") / "bexil";
    if (!makeFolder(settings) || !makeFolder(scores))
    {
        std::cerr << "bexil: cannot make the folders for the settings and the high scores, "
                  << settings.string() << " and " << scores.string() << std::endl;
        return false;
    }
    fs::current_path(settings, error);
    if (error)
    {
        std::cerr << "bexil: cannot work in the settings folder " << settings.string() << std::endl;
        return false;
    }
    moveHighScores(settings / Settings::HighScoresFile, scores / Settings::HighScoresFile);
    resourceListName() = (data / Settings::ResourceFile).string();
    highScoresName() = (scores / Settings::HighScoresFile).string();
    return true;
}

const std::string& Folders::resourceList()
{
    return resourceListName();
}

const std::string& Folders::highScoresFile()
{
    return highScoresName();
}

} // namespace bexil::settings
