#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bexil::fuzz
{

// A private folder under the system's temporary folder, made on first use and removed at exit.
// The fuzz targets write and read their files only there.
const std::string& scratchFolder();
// Writes the bytes as the whole contents of the file.
void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size);
// Ends the run with the message when the condition is false; unlike assert, it also holds in
// release builds, where the corpus is replayed as a test.
void check(bool condition, const char* what);

} // namespace bexil::fuzz
