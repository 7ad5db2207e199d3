#pragma once

#include <string>

namespace lib
{

// Replaces the contents of a file whole, so that a failed save, or two programs saving the same
// file at once, leave one complete file: the old one or one of the new ones, never a mix.
//
// The new contents go to a temporary file of this save's own beside the file (created new, so
// never through a link someone left there, never over another file), are flushed to disk and
// then renamed over the file, which keeps its permissions. A file that is a link to a file
// elsewhere is written where the link points; the link stays. Where no new file can be made
// beside it (a read-only folder, a quota of files used up), an existing writable file is
// rewritten in place instead, and one line on the error stream says so.
class SafeSave
{
public:
    // True when the file holds the contents. On false the file is as it was; a folder or
    // another special file of that name, and a file that cannot be written, are never replaced.
    static bool write(const std::string& name, const std::string& contents);
};

} // namespace lib
