// Scratch folders for the demo.
#include "scratch_folder.h"

#include <chrono>
#include <string>
#include <system_error>

namespace tool {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const char* prefix) {
    const fs::path temp = fs::temp_directory_path();
    unsigned long long n = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::error_code error;
    // create_directory answers false for a folder that exists already: then
    // another number is tried.
    do {
        m_path = temp / (std::string(prefix) + "-" + std::to_string(n++ % 1000000000ull));
    } while (!fs::create_directory(m_path, error) && !error);
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    fs::remove_all(m_path, error);
}

} // namespace tool
