#pragma once
// An empty folder of this test process under the system's temporary folder,
// removed with everything in it when the test ends.

#include <filesystem>
#include <string>

#include <unistd.h>

namespace vendrix::test {

class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string &purpose)
        : m_path(std::filesystem::temp_directory_path()
                 / ("vendrix_" + purpose + "_" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string file(const char *name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace vendrix::test
