// Control characters written as backslash sequences, and read back.
#include "platform/internal/code_page.h"

#include <cstring>
#include <string>
#include <uiutil/strings.h>

int ui_unescape_chars(const char* source, char** out) {
    if (!source || !out) {
        ut_report_assert_failure(__FILE__, __LINE__, "ui_unescape_chars: null source or out");
        if (out)
            *out = nullptr;
        return 0;
    }
    const std::size_t length = std::strlen(source);
    char* result = new char[2 * length + 1];
    std::size_t written = 0;
    // A byte that completed a carriage return + line feed pair never starts
    // another one.
    bool may_pair = true;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = source[i];
        bool paired = false;
        const bool after_backslash = written >= 2 && result[written - 2] == '\\';
        if (c == '\t') {
            result[written++] = '\\';
            result[written++] = 't';
        } else if (c == '\n') {
            if (may_pair && after_backslash && result[written - 1] == 'r') {
                result[written - 1] = 'n';
                paired = true;
            } else {
                result[written++] = '\\';
                result[written++] = 'n';
            }
        } else if (c == '\r') {
            if (may_pair && after_backslash && result[written - 1] == 'n') {
                paired = true;
            } else {
                result[written++] = '\\';
                result[written++] = 'r';
            }
        } else {
            result[written++] = c;
        }
        may_pair = !paired;
    }
    result[written] = '\0';
    *out = result;
    return written != length ? 1 : 0;
}

char* ui_escape_chars(char* text) {
    if (!text)
        return nullptr;
    std::wstring chars = uiutil_internal::decode_thread_code_page(text);
    std::size_t read = 0;
    std::size_t written = 0;
    while (read < chars.size()) {
        const wchar_t c = chars[read];
        if (c != L'\\') {
            chars[written++] = c;
            ++read;
            continue;
        }
        if (read + 1 == chars.size()) // a trailing backslash is dropped
            break;
        const wchar_t next = chars[read + 1];
        chars[written++] = next == L'n'   ? L'\n'
                           : next == L'r' ? L'\r'
                           : next == L't' ? L'\t'
                                          : next;
        read += 2;
    }
    chars.resize(written);

    const std::string result = uiutil_internal::encode_thread_code_page(chars);
    // Shorter text re-encodes into no more bytes with every code page that
    // maps text byte for byte; guard the caller's buffer against one that
    // does not.
    if (result.size() > std::strlen(text))
        throw uiCodePageError("the rewritten text does not fit the caller's buffer", 0);
    std::memcpy(text, result.c_str(), result.size() + 1);
    return text;
}
