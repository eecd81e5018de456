// A folder of its own under the temporary directory, removed with its
// contents when the object ends.
#pragma once

#include <filesystem>

namespace tool {

class ScratchFolder {
public:
    // Makes "<temp>/<prefix>-<number>", a name no other folder there has.
    explicit ScratchFolder(const char* prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace tool
