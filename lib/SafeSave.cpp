#include "lib/SafeSave.hpp"

#include "lib/core/ProgramName.hpp"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace lib
{

namespace
{

bool writeAll(int fd, const std::string& contents)
{
    std::size_t done = 0;
    while (done < contents.size())
    {
        const ssize_t written =
            ::pwrite(fd, contents.data() + done, contents.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A name of this save's own: the process id keeps two programs apart, the count two saves of
// one program. O_EXCL never opens what is already there, a link someone planted or the
// leftover of a save that crashed: that name is passed over and left alone.
int createTemporary(const std::string& path, std::string& temporary)
{
    static unsigned long saves = 0;
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        temporary =
            path + "." + std::to_string(::getpid()) + "-" + std::to_string(saves++) + ".tmp";
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Room for the file to grow to size is taken before a byte of it is overwritten, so a full disk
// fails while the old contents are still whole. On failure the file keeps its old size.
bool reserve(int fd, off_t oldSize, off_t size)
{
    if (size <= oldSize || ::posix_fallocate(fd, oldSize, size - oldSize) == 0)
        return true;
    while (::ftruncate(fd, oldSize) != 0 && errno == EINTR)
    {
    }
    return false;
}

// Held for one save: the lock ends when its descriptor closes, also when the process dies.
class SaveLock
{
public:
    explicit SaveLock(const std::string& path)
    {
        const std::string name = path + ".lock";
        m_fd = ::open(name.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        {
            if (errno != EINTR &&
                (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline))
            {
                ::close(m_fd);
                m_fd = -1;
            }
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (m_fd < 0)
            lib::core::ProgramName::errorLine()
                << name << " cannot be locked; saving " << path << " without the lock\n";
    }
    ~SaveLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

private:
    int m_fd;
};

// The temporaries of saves whose program is gone: PATH.PID-N.tmp with no process PID. Those of
// running programs (this one too) are theirs to finish.
void removeStaleTemporaries(const std::filesystem::path& path)
{
    namespace fs = std::filesystem;
    const std::string prefix = path.filename().string() + ".";
    std::error_code error;
    for (fs::directory_iterator it(path.parent_path().empty() ? "." : path.parent_path(), error),
         end;
         !error && it != end; it.increment(error))
    {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        const auto dash = middle.find('-');
        if (dash == 0 || dash == std::string::npos || dash > 9 ||
            middle.find_first_not_of("0123456789", 0) != dash ||
            middle.find_first_not_of("0123456789", dash + 1) != std::string::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(middle.substr(0, dash)));
        struct stat file = {};
        if (::kill(pid, 0) != 0 && errno == ESRCH && ::lstat(it->path().c_str(), &file) == 0 &&
            S_ISREG(file.st_mode))
            ::unlink(it->path().c_str());
    }
}

// What the file holds; none when it cannot be read.
std::optional<std::string> readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return contents.str();
}

bool writeInPlace(const std::string& path, const std::string& contents)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat before = {};
    const off_t size = static_cast<off_t>(contents.size());
    const bool written = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode) &&
                         reserve(fd, before.st_size, size) && writeAll(fd, contents) &&
                         ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

} // namespace

bool SafeSave::write(const std::string& name, const std::string& contents)
{
    return update(name, [&contents](const std::optional<std::string>&) { return contents; });
}

bool SafeSave::update(const std::string& name, const Merge& merge)
{
    namespace fs = std::filesystem;
    std::error_code error;
    // A working link is written where it points, so the link stays. A broken link is replaced
    // by the file instead, rather than losing the contents.
    std::string path = name;
    if (fs::is_symlink(fs::symlink_status(name, error)) && fs::exists(name, error))
    {
        const fs::path resolved = fs::canonical(name, error);
        if (!error)
            path = resolved.string();
    }
    struct stat target = {};
    const auto refused = [&path, &target]
    {
        return ::stat(path.c_str(), &target) == 0 &&
               (!S_ISREG(target.st_mode) || ::access(path.c_str(), W_OK) != 0);
    };
    // Checked before the lock, so that no lock file is left beside what is never replaced, and
    // again under it: another program may have made the file meanwhile.
    if (refused())
        return false;
    const SaveLock lock(path);
    if (refused())
        return false;
    const bool exists = ::stat(path.c_str(), &target) == 0;
    removeStaleTemporaries(path);
    const std::string contents = merge(exists ? readWhole(path) : std::nullopt);

    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
    {
        if (!exists)
            return false;
        lib::core::ProgramName::errorLine()
            << "no new file can be made beside " << path << "; writing it in place\n";
        return writeInPlace(path, contents);
    }
    // The new file gets the mode of the file it replaces, or the usual mode of a new file.
    bool written = (!exists || ::fchmod(fd, target.st_mode & 07777) == 0) &&
                   writeAll(fd, contents) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace lib
