#include "support/TempDir.hpp"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace bexil::test
{

TempDir::TempDir(bool enter) : m_entered(enter)
{
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("bexil-test-" + std::to_string(device()));
        if (std::filesystem::create_directory(candidate))
        {
            m_path = candidate;
            break;
        }
    }
    if (m_path.empty())
        throw std::runtime_error("cannot create a temporary folder");
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
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

} // namespace bexil::test
