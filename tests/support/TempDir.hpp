#pragma once

#include <filesystem>
#include <string>

namespace bexil::test
{

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. With enter, the process works inside it until then (settings files are read
// from the working folder).
class TempDir
{
public:
    explicit TempDir(bool enter = false);
    ~TempDir();

    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    void write(const std::string& name, const std::string& contents) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
    bool m_entered;
};

} // namespace bexil::test
