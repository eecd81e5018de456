// Reading the default value of a per-user registry key with RegQueryValueW;
// the narrow texts converted with the thread's code page.
#include "platform/internal/code_page.h"
#include "platform/internal/user_registry.h"

#include <cstring>
#include <cwchar>
#include <string>

LONG uiutil_internal::read_user_registry(HKEY key, const char* subkey, char* value, LONG* size) {
    std::wstring wide_subkey;
    if (subkey && !decode_thread_code_page(subkey, wide_subkey))
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
    std::string narrow;
    if (!encode_thread_code_page(wide_value.c_str(), std::wcslen(wide_value.c_str()), narrow))
        return ERROR_NO_UNICODE_TRANSLATION;
    if (narrow.size() + 1 > static_cast<std::size_t>(*size))
        return ERROR_MORE_DATA;
    std::memcpy(value, narrow.c_str(), narrow.size() + 1);
    *size = static_cast<LONG>(narrow.size() + 1);
    return ERROR_SUCCESS;
}
