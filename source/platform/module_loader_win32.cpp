// Loading a module with the platform's loader: the narrow path converted with
// the thread's code page, then LoadLibraryExW.
#include "platform/internal/code_page.h"
#include "platform/internal/module_loader.h"

#include <string>

HINSTANCE uiutil_internal::platform_load_library(const char* path, HANDLE reserved, DWORD flags) {
    if (!path)
        return nullptr;
    std::wstring wide;
    if (!decode_thread_code_page(path, wide))
        return nullptr;
    return LoadLibraryExW(wide.c_str(), reserved, flags);
}
