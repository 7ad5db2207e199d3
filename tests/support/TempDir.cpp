#include "support/TempDir.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
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
    std::ifstream in(m_path / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace bexil::test
