// What the tool must set up, or can only do, on one platform. The one place
// of the tool where Windows and other systems differ.
#pragma once

#include <filesystem>
#include <string>
#include <uiutil/uiutil.h>

namespace tool {

// Initialises COM for the calling thread (a single-threaded apartment, as
// the shell-link component needs) for its lifetime, on Windows; nothing
// elsewhere.
class ComSession {
public:
    ComSession();
    ~ComSession();
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool m_initialised = false;
};

// Sends standard error to the null device for its lifetime (when `quiet`),
// so that a sound system's console messages do not bury the tool's answer.
class QuietStandardError {
public:
    explicit QuietStandardError(bool quiet);
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int m_saved = -1;
};

// Saves a shell link at `link` pointing at `target` through the platform's
// shell-link component (inside a ComSession); false where there is none.
bool save_shell_link(const std::filesystem::path& link, const std::filesystem::path& target);

// A resource library for the resource-module demo, answered as its path.
// On Windows any module serves as a data file: library 0 is the library's own
// DLL and library 1 the system's kernel32.dll, both loaded already, so nothing
// is copied and loading them again answers the handle the process holds.
// Elsewhere a small data file `name`.res holding `text` is made in `folder`.
std::string make_resource_library(const std::filesystem::path& folder, int index, const char* name,
                                  const char* text);

// Gives back a load of LoadLibraryExU, on Windows; nothing elsewhere, where
// a data module stays mapped.
void free_library(HINSTANCE module);

} // namespace tool
