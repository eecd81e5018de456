// The tool's platform set-up: COM on Windows, shell links, resource library
// samples.
#include "platform_setup.h"

#include <cstdio>
#include <fstream>

#include <fcntl.h>
#if defined(_WIN32)
#include <io.h>
#include <objbase.h>
#include <shobjidl.h>
#define UIUTIL_TOOL_NULL_DEVICE "NUL"
#else
#include <unistd.h>
#define UIUTIL_TOOL_NULL_DEVICE "/dev/null"
#endif

namespace tool {

namespace fs = std::filesystem;

// (The Windows runtime has open, dup, dup2 and close too, in <io.h>.)
QuietStandardError::QuietStandardError(bool quiet) {
    const int null_device = quiet ? open(UIUTIL_TOOL_NULL_DEVICE, O_WRONLY) : -1;
    if (null_device < 0)
        return;
    std::fflush(stderr);
    m_saved = dup(2);
    dup2(null_device, 2);
    close(null_device);
}

QuietStandardError::~QuietStandardError() {
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    dup2(m_saved, 2);
    close(m_saved);
}

#if defined(_WIN32)

ComSession::ComSession()
    : m_initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComSession::~ComSession() {
    if (m_initialised)
        CoUninitialize();
}

bool save_shell_link(const fs::path& link, const fs::path& target) {
    IShellLinkW* shell_link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell_link))))
        return false;
    bool saved = false;
    IPersistFile* file = nullptr;
    shell_link->SetPath(target.wstring().c_str());
    if (SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(link.wstring().c_str(), TRUE));
        file->Release();
    }
    shell_link->Release();
    return saved;
}

std::string make_resource_library(const fs::path&, int index, const char*, const char*) {
    wchar_t path[MAX_PATH] = L"";
    if (index == 0) {
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        return (fs::path(path).parent_path() / "uiutil.dll").string();
    }
    GetSystemDirectoryW(path, MAX_PATH);
    return (fs::path(path) / "kernel32.dll").string();
}

void free_library(HINSTANCE module) {
    if (module)
        FreeLibrary(module);
}

#else

ComSession::ComSession() {}

ComSession::~ComSession() {}

bool save_shell_link(const fs::path&, const fs::path&) {
    return false;
}

std::string make_resource_library(const fs::path& folder, int, const char* name, const char* text) {
    const fs::path file = folder / (std::string(name) + ".res");
    std::ofstream(file.string()) << text;
    return file.string();
}

void free_library(HINSTANCE) {}

#endif

} // namespace tool
