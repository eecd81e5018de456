// Conversion between the two line-break conventions.
#include "platform/internal/code_page.h"

#include <cstring>
#include <string>
#include <uiutil/strings.h>

int ui_substitute_NT_return_chars(const char* source, char** out) {
    if (!source || !out) {
        ut_report_assert_failure(__FILE__, __LINE__,
                                 "ui_substitute_NT_return_chars: null source or out");
        if (out)
            *out = nullptr;
        return 0;
    }
    const std::size_t length = std::strlen(source);
    char* result = new char[length + 1];
    std::size_t written = 0;
    int saw_return = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = source[i];
        if (c == '\r') {
            result[written++] = '\n';
            saw_return = 1;
        } else if (c != '\n' || i == 0 || source[i - 1] != '\r') {
            result[written++] = c;
        }
    }
    result[written] = '\0';
    *out = result;
    return saw_return;
}

int ui_expand_NT_escape_chars(const char* source, char** out, int* length) {
    if (!source || !out) {
        ut_report_assert_failure(__FILE__, __LINE__,
                                 "ui_expand_NT_escape_chars: null source or out");
        if (out)
            *out = nullptr;
        if (length)
            *length = 0;
        return 0;
    }
    const std::wstring chars = uiutil_internal::decode_thread_code_page(source);
    std::wstring expanded;
    expanded.reserve(2 * chars.size() + 1);
    // Set when the last pair written came from a line feed (a carriage
    // return may complete it) or from a carriage return (a line feed may).
    bool pair_from_line_feed = false;
    bool pair_from_return = false;
    for (const wchar_t c : chars) {
        if (c == L'\n') {
            if (pair_from_return) {
                pair_from_return = false;
            } else {
                expanded += L"\r\n";
                pair_from_line_feed = true;
            }
        } else if (c == L'\r') {
            if (pair_from_line_feed) {
                pair_from_line_feed = false;
            } else {
                expanded += L"\r\n";
                pair_from_return = true;
            }
        } else {
            expanded += c;
            pair_from_line_feed = false;
            pair_from_return = false;
        }
    }

    const std::string bytes = uiutil_internal::encode_thread_code_page(expanded);
    char* result = new char[bytes.size() + 1];
    std::memcpy(result, bytes.c_str(), bytes.size() + 1);
    *out = result;
    if (length)
        *length = static_cast<int>(bytes.size());
    return expanded.size() != chars.size() ? 1 : 0;
}
