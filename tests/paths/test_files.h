// Scratch folders, environment variables and the current folder for tests
// that touch real files; each is restored when its object goes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace test_files {

namespace fs = std::filesystem;

// A new folder under the temporary folder, removed with its contents.
class ScratchDir {
public:
    ScratchDir() {
        for (int n = 0; !fs::create_directory(m_path = fs::temp_directory_path() /
                                                       ("uiutil-test-" + std::to_string(n)));)
            ++n;
    }
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Paths as generic text (forward slashes).
    std::string path() const { return m_path.generic_string(); }
    std::string operator/(const std::string& name) const { return path() + "/" + name; }
    // Creates a file (with its folders) or a folder; answers its path.
    std::string file(const std::string& name, const std::string& content = "x") const {
        fs::create_directories((m_path / name).parent_path());
        std::ofstream(m_path / name, std::ios::binary) << content;
        return *this / name;
    }
    std::string dir(const std::string& name) const {
        fs::create_directories(m_path / name);
        return *this / name;
    }

private:
    fs::path m_path;
};

// Sets (null: removes) an environment variable.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(name, value);
    }
    ~ScopedEnv() { set(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    static void set(const char* name, const char* value) {
#if defined(_WIN32)
        _putenv_s(name, value ? value : ""); // "" removes it
#else
        value ? setenv(name, value, 1) : unsetenv(name);
#endif
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

// Makes `dir` the current folder.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::string& dir) : m_old(fs::current_path()) {
        fs::current_path(dir);
    }
    ~ScopedCwd() { fs::current_path(m_old); }
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    fs::path m_old;
};

} // namespace test_files
