// Code-page conversion with the thread's code page (CP_THREAD_ACP). Each call
// starts with a buffer that fits any ordinary text and, should the platform
// answer that it is too small, asks for the size needed and tries once more.
#include "platform/internal/code_page.h"

#include <cstring>
#include <uiutil/strings.h>

namespace uiutil_internal {

namespace {

[[noreturn]] void throw_conversion_error(const char* what) {
    throw uiCodePageError(what, static_cast<long>(GetLastError()));
}

} // namespace

std::wstring decode_thread_code_page(const char* text) {
    // One wide character per narrow byte, the terminator included.
    std::wstring wide(std::strlen(text) + 1, L'\0');
    int written =
        MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], static_cast<int>(wide.size()));
    if (written == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
        if (needed > 0) {
            wide.assign(static_cast<std::size_t>(needed), L'\0');
            written = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], needed);
        }
    }
    if (written <= 0)
        throw_conversion_error("text cannot be decoded with the thread's code page");
    wide.resize(static_cast<std::size_t>(written) - 1);
    return wide;
}

std::string encode_thread_code_page(const std::wstring& text) {
    // Four bytes per wide character, the terminator included.
    std::string narrow(4 * (text.size() + 1), '\0');
    int written = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, &narrow[0],
                                      static_cast<int>(narrow.size()), nullptr, nullptr);
    if (written == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed =
            WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        if (needed > 0) {
            narrow.assign(static_cast<std::size_t>(needed), '\0');
            written = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, &narrow[0], needed,
                                          nullptr, nullptr);
        }
    }
    if (written <= 0)
        throw_conversion_error("text cannot be encoded with the thread's code page");
    narrow.resize(static_cast<std::size_t>(written) - 1);
    return narrow;
}

} // namespace uiutil_internal
