// Loading a module with the platform's loader: the narrow path converted with
// the library's conversion, then LoadLibraryExW.
//
// Before the loader opens the path, the library looks at what it names: a
// pipe, a device or a folder is refused at once (null, with GetLastError()
// giving the reason) instead of being handed to the loader. The look keeps
// the file open, shared for reading only, until the loader has mapped it, so
// the file cannot be replaced in between. A path that names nothing here is
// left to the loader, which searches its own path for a bare or relative
// name. A large file costs the loader's mapping, not a read.
#include "platform/internal/code_page.h"
#include "platform/internal/module_loader.h"
#include "platform/internal/regular_file.h"

#include <string>

HINSTANCE uiutil_internal::platform_load_library(const char* path, HANDLE reserved, DWORD flags) {
    if (!path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::wstring wide;
    if (!decode_thread_code_page(path, wide)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return nullptr;
    }
    HANDLE file = INVALID_HANDLE_VALUE;
    switch (open_regular_file(wide.c_str(), FILE_SHARE_READ, &file)) {
    case FileOpen::NotAFile:
        return nullptr;
    case FileOpen::NotFound:
    case FileOpen::Failed:
        return LoadLibraryExW(wide.c_str(), reserved, flags);
    case FileOpen::Opened:
        break;
    }
    HINSTANCE module = LoadLibraryExW(wide.c_str(), reserved, flags);
    const DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return module;
}
