#pragma once

#include <functional>
#include <optional>
#include <string>

namespace lib
{

// Replaces the contents of a file whole, so that a failed save, or two programs saving the same
// file at once, leave one complete file: the old one or one of the new ones, never a mix.
//
// Saves of one file take turns: each holds an exclusive lock (flock) on a lock file beside it,
// NAME.lock, from reading what the file holds to the rename of the new contents, so a program
// can merge its changes into what another saved a moment before. A lock that cannot be had
// within a second (a program hung while saving, a folder where no lock file can be made) does
// not stop the save: it goes on without, and one line on the error stream says so. The lock
// ends with the process, so a killed program never blocks the next one.
//
// The new contents go to a temporary file of this save's own beside the file (created new, so
// never through a link someone left there, never over another file), are flushed to disk and
// then renamed over the file, which keeps its permissions. Temporary files that programs no
// longer running left behind (killed in mid-save) are removed at the next save. A file that
// is a link to a file elsewhere is written where the link points; the link stays. Where no new
// file can be made beside it (a read-only folder, a quota of files used up), an existing
// writable file is rewritten in place instead, and one line on the error stream says so.
class SafeSave
{
public:
    // Makes the new contents from what the file holds now: none when there is no file or it
    // cannot be read.
    using Merge = std::function<std::string(const std::optional<std::string>& current)>;

    // True when the file holds the contents. On false the file is as it was; a folder or
    // another special file of that name, and a file that cannot be written, are never replaced.
    static bool write(const std::string& name, const std::string& contents);
    // The same with contents made under the lock from the file's current contents.
    static bool update(const std::string& name, const Merge& merge);
};

} // namespace lib
