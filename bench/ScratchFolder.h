#pragma once

#include <filesystem>
#include <string>

// A new, empty folder of its own under the system's temporary folder, removed with everything in
// it when the object goes. Throws std::filesystem::filesystem_error when it cannot be made.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};
