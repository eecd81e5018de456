// Loading a module with the platform's loader: the narrow path converted with
// the thread's code page, then LoadLibraryExW.
#include "platform/internal/code_page.h"
#include "platform/internal/data_module.h"

#include <string>
#include <uiutil/strings.h>

HINSTANCE uiutil_internal::platform_load_library(const char* path, HANDLE reserved, DWORD flags) {
    if (!path)
        return nullptr;
    std::wstring wide;
    try {
        wide = decode_thread_code_page(path);
    } catch (const uiCodePageError&) {
        return nullptr;
    }
    return LoadLibraryExW(wide.c_str(), reserved, flags);
}
