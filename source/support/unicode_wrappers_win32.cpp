// Narrow-text wrappers around the wide Win32 services: each converts its
// narrow arguments with the thread's code page and calls the W function.
#include <uiutil/support.h>

#include "platform/internal/service_hooks_state.h"

#include <mmsystem.h>
#include <string>

namespace {

// Narrow text (thread code page) as wide text; null stays null.
bool to_wide(const char* text, std::wstring& wide) {
    const int needed = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (needed <= 0)
        return false;
    wide.assign(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], needed) != needed)
        return false;
    wide.resize(static_cast<std::size_t>(needed) - 1);
    return true;
}

} // namespace

HINSTANCE LoadLibraryExU(const char* path, HANDLE reserved, DWORD flags) {
    std::wstring wide;
    if (!path || !to_wide(path, wide))
        return nullptr;
    return LoadLibraryExW(wide.c_str(), reserved, flags);
}

BOOL PlaySoundU(const char* sound, HMODULE module, DWORD flags) {
    BOOL hooked = FALSE;
    if (uiutil_internal::call_play_sound_hook(sound, module, flags, &hooked))
        return hooked;
    if (!sound)
        return PlaySoundW(nullptr, module, flags);
    std::wstring wide;
    if (!to_wide(sound, wide))
        return FALSE;
    return PlaySoundW(wide.c_str(), module, flags);
}

LONG RegQueryValueU(HKEY key, const char* subkey, char* value, LONG* size) {
    LONG hooked = ERROR_FILE_NOT_FOUND;
    if (uiutil_internal::call_registry_query_hook(key, subkey, value, size, &hooked))
        return hooked;
    std::wstring wide_subkey;
    if (subkey && !to_wide(subkey, wide_subkey))
        return ERROR_INVALID_PARAMETER;
    if (!size || *size <= 0)
        return ERROR_INVALID_PARAMETER;
    // Room for as many wide characters as the caller has bytes.
    std::wstring wide_value(static_cast<std::size_t>(*size), L'\0');
    LONG wide_bytes = static_cast<LONG>(wide_value.size() * sizeof(wchar_t));
    const LONG status =
        RegQueryValueW(key, subkey ? wide_subkey.c_str() : nullptr, &wide_value[0], &wide_bytes);
    if (status != ERROR_SUCCESS)
        return status;
    const int written = WideCharToMultiByte(CP_THREAD_ACP, 0, wide_value.c_str(), -1, value,
                                            static_cast<int>(*size), nullptr, nullptr);
    if (written <= 0)
        return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? ERROR_MORE_DATA
                                                           : static_cast<LONG>(GetLastError());
    *size = written;
    return ERROR_SUCCESS;
}

int ub_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size) {
    return MultiByteToWideChar(CP_THREAD_ACP, 0, source, -1, target, size);
}
