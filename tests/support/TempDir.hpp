#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace bexil::test
{

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. With enter, the process works inside it until then (settings files are read
// from the working folder).
class TempDir
{
public:
    explicit TempDir(bool enter = false)
        : m_previous(enter ? std::filesystem::current_path() : std::filesystem::path())
    {
        std::string name = (std::filesystem::temp_directory_path() / "bexil-test-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = name;
        if (enter)
            std::filesystem::current_path(m_path);
    }
    ~TempDir()
    {
        std::error_code ignored;
        if (!m_previous.empty())
            std::filesystem::current_path(m_previous, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    void write(const std::string& name, const std::string& contents) const
    {
        std::ofstream(m_path / name, std::ios::binary) << contents;
    }
    std::string read(const std::string& name) const
    {
        std::ostringstream contents;
        contents << std::ifstream(m_path / name, std::ios::binary).rdbuf();
        return contents.str();
    }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

} // namespace bexil::test
