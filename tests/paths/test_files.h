// Scratch folders and environment settings for tests that touch real files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace test_files {

// A new, empty folder under the system's temporary folder, removed with its
// contents when the object goes.
class ScratchDir {
public:
    ScratchDir() {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int n = 0;; ++n) {
            m_path =
                base / ("uiutil-test-" + std::to_string(std::rand()) + "-" + std::to_string(n));
            if (std::filesystem::create_directory(m_path))
                break;
        }
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The folder, or a name inside it, as generic text (forward slashes).
    std::string path() const { return m_path.generic_string(); }
    std::string operator/(const std::string& name) const { return path() + "/" + name; }

    // Creates a file (and its folders) holding `content`; returns its path.
    std::string file(const std::string& name, const std::string& content = "x") const {
        const std::filesystem::path full = m_path / name;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary) << content;
        return full.generic_string();
    }
    // Creates a folder (and its parents); returns its path.
    std::string dir(const std::string& name) const {
        std::filesystem::create_directories(m_path / name);
        return (m_path / name).generic_string();
    }

private:
    std::filesystem::path m_path;
};

inline void set_env(const char* name, const char* value) {
#if defined(_WIN32)
    _putenv_s(name, value ? value : "");
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

// Sets (or, with null, removes) an environment variable for the object's
// lifetime, then restores the previous state.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        set_env(name, value);
    }
    ~ScopedEnv() { set_env(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// Makes `dir` the current folder for the object's lifetime.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::string& dir) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~ScopedCwd() { std::filesystem::current_path(m_old); }
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    std::filesystem::path m_old;
};

} // namespace test_files
