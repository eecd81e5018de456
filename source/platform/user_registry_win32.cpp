// Reading the default value of a per-user registry key with RegQueryValueW;
// the narrow texts converted with the library's conversion.
//
// The sizes behave as RegQueryValueW's, counted in narrow bytes: with a null
// `value` the call answers ERROR_SUCCESS and sets `*size` to the bytes the
// value needs (NUL included); with a buffer too small (a size of 0 included)
// it answers ERROR_MORE_DATA and sets `*size` the same way. A value the
// thread's code page cannot spell exactly is refused with
// ERROR_NO_UNICODE_TRANSLATION: it is never read back as another name.
#include "platform/internal/code_page.h"
#include "platform/internal/user_registry.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// The key's default value as wide text, read whole (the registry bounds it).
LONG read_wide_value(HKEY key, const wchar_t* subkey, std::wstring& text) {
    LONG bytes = 0;
    LONG status = RegQueryValueW(key, subkey, nullptr, &bytes);
    // A value that grows between the two calls is asked for again.
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < 4; ++attempt) {
        if (bytes < 0)
            return ERROR_INVALID_DATA;
        // Room for the value and one more NUL, whatever the value holds.
        std::wstring buffer(static_cast<std::size_t>(bytes) / sizeof(wchar_t) + 1, L'\0');
        LONG got = static_cast<LONG>(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueW(key, subkey, &buffer[0], &got);
        if (status == ERROR_MORE_DATA) {
            bytes = got;
            status = ERROR_SUCCESS;
            continue;
        }
        if (status != ERROR_SUCCESS)
            return status;
        const std::size_t units =
            std::min(buffer.size(), static_cast<std::size_t>(got < 0 ? 0 : got) / sizeof(wchar_t));
        text.assign(buffer.c_str(), wcsnlen(buffer.c_str(), units)); // up to the first NUL
        return ERROR_SUCCESS;
    }
    return status == ERROR_SUCCESS ? ERROR_MORE_DATA : status;
}

} // namespace

LONG uiutil_internal::read_user_registry(HKEY key, const char* subkey, char* value, LONG* size) {
    if (!size || *size < 0)
        return ERROR_INVALID_PARAMETER;
    std::wstring wide_subkey;
    if (subkey && !decode_thread_code_page(subkey, wide_subkey))
        return ERROR_NO_UNICODE_TRANSLATION;
    std::wstring wide_value;
    const LONG status = read_wide_value(key, subkey ? wide_subkey.c_str() : nullptr, wide_value);
    if (status != ERROR_SUCCESS)
        return status;
    std::string narrow;
    if (!encode_thread_code_page(wide_value.c_str(), wide_value.size(), narrow))
        return ERROR_NO_UNICODE_TRANSLATION;
    if (narrow.size() >= static_cast<std::size_t>(LONG_MAX))
        return ERROR_MORE_DATA;
    const LONG needed = static_cast<LONG>(narrow.size() + 1);
    if (!value || needed > *size) {
        *size = needed;
        return value ? ERROR_MORE_DATA : ERROR_SUCCESS;
    }
    std::memcpy(value, narrow.c_str(), narrow.size() + 1);
    *size = needed;
    return ERROR_SUCCESS;
}
