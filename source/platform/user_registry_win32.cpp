// Reading the default value of a per-user registry key with RegQueryValueW;
// the narrow texts converted with the thread's code page.
#include "platform/internal/code_page.h"
#include "platform/internal/user_registry.h"

#include <string>
#include <uiutil/strings.h>

LONG uiutil_internal::read_user_registry(HKEY key, const char* subkey, char* value, LONG* size) {
    std::wstring wide_subkey;
    if (subkey) {
        try {
            wide_subkey = decode_thread_code_page(subkey);
        } catch (const uiCodePageError&) {
            return ERROR_INVALID_PARAMETER;
        }
    }
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
