#include "fuzz/FuzzSupport.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace bexil::fuzz
{

namespace
{

std::string& folderPath()
{
    static std::string path;
    return path;
}

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folderPath(), ignored);
}

} // namespace

const std::string& scratchFolder()
{
    std::string& path = folderPath();
    if (path.empty())
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bexil-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        path = pattern;
        std::atexit(removeFolder);
    }
    return path;
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    check(out.good(), "the input could not be written to the scratch folder");
}

void check(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace bexil::fuzz
