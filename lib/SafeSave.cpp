#include "lib/SafeSave.hpp"

#include "lib/core/ProgramName.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <ostream>
#include <sys/stat.h>
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
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && (!S_ISREG(target.st_mode) || ::access(path.c_str(), W_OK) != 0))
        return false;

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
