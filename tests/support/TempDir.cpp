#include "support/TempDir.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace bexil::test
{

TempDir::TempDir(bool enter)
    : m_entered(enter)
{
    std::string name = (std::filesystem::temp_directory_path() / "bexil-test-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_path = name;
    if (m_entered)
    {
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_path);
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    if (m_entered)
        std::filesystem::current_path(m_previous, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TempDir::write(const std::string& name, const std::string& contents) const
{
    std::ofstream out(m_path / name, std::ios::binary);
    out << contents;
}

std::string TempDir::read(const std::string& name) const
{
    std::ifstream in(m_path / name, std::ios::binary | std::ios::ate);
    std::string contents(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
    return contents;
}

} // namespace bexil::test
