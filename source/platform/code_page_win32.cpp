// Code-page conversion with the thread's code page (CP_THREAD_ACP).
//
// Decoding is MultiByteToWideChar's. Encoding must be exact, which
// WideCharToMultiByte is not by default: it replaces a character the code
// page lacks by a look-alike ("best fit": U+03A9 becomes 'O' in code page
// 1252) or by the default character '?', and reports success. So it is asked
// for no best fit (WC_NO_BEST_FIT_CHARS) and to tell when it used the
// default character. Code pages that take neither (UTF-8 and UTF-7, GB18030,
// the ISO-2022 and ISCII code pages, symbol) refuse the request with
// ERROR_INVALID_FLAGS or ERROR_INVALID_PARAMETER; UTF-8 is then asked to fail
// on what it cannot encode (WC_ERR_INVALID_CHARS), the others convert without
// flags. Whatever the flags, the result is decoded again and must give back
// the text exactly, so no substitution can pass unnoticed.
#include "platform/internal/code_page.h"

#include <climits>
#include <cstring>
#include <uiutil/platform.h>

namespace uiutil_internal {

namespace {

bool fail(CodePageFailure* failure, const char* what, DWORD code) {
    if (failure) {
        failure->message = what;
        failure->code = static_cast<long>(code);
    }
    return false;
}

bool flags_refused(DWORD error) {
    return error == ERROR_INVALID_FLAGS || error == ERROR_INVALID_PARAMETER;
}

// WideCharToMultiByte into `narrow` with `flags`, asking about the default
// character when `used_default` is given; false with the platform's error.
bool encode_with(const wchar_t* text, int length, DWORD flags, BOOL* used_default,
                 std::string& narrow, DWORD& error) {
    error = ERROR_SUCCESS;
    if (length == 0) {
        narrow.clear();
        return true;
    }
    const int needed =
        WideCharToMultiByte(CP_THREAD_ACP, flags, text, length, nullptr, 0, nullptr, used_default);
    if (needed <= 0) {
        error = GetLastError();
        return false;
    }
    narrow.assign(static_cast<std::size_t>(needed), '\0');
    const int written = WideCharToMultiByte(CP_THREAD_ACP, flags, text, length, &narrow[0], needed,
                                            nullptr, used_default);
    if (written != needed) {
        error = GetLastError();
        return false;
    }
    return true;
}

// MultiByteToWideChar of `length` bytes into `wide`.
bool decode_bytes(const char* text, int length, std::wstring& wide, DWORD& error) {
    error = ERROR_SUCCESS;
    wide.clear();
    if (length == 0)
        return true;
    const int needed = MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, nullptr, 0);
    if (needed <= 0) {
        error = GetLastError();
        return false;
    }
    wide.assign(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, &wide[0], needed) != needed) {
        error = GetLastError();
        return false;
    }
    return true;
}

} // namespace

bool decode_thread_code_page(const char* text, std::wstring& wide, CodePageFailure* failure) {
    const std::size_t length = std::strlen(text);
    if (length > static_cast<std::size_t>(INT_MAX))
        return fail(failure, "text too long to convert", ERROR_INSUFFICIENT_BUFFER);
    DWORD error = ERROR_SUCCESS;
    if (!decode_bytes(text, static_cast<int>(length), wide, error))
        return fail(failure, "text cannot be decoded with the thread's code page", error);
    return true;
}

bool encode_thread_code_page(const wchar_t* text, std::size_t length, std::string& narrow,
                             CodePageFailure* failure) {
    const char* const kCannot = "text cannot be encoded exactly with the thread's code page";
    if (length > static_cast<std::size_t>(INT_MAX))
        return fail(failure, "text too long to convert", ERROR_INSUFFICIENT_BUFFER);
    const int count = static_cast<int>(length);
    DWORD error = ERROR_SUCCESS;
    BOOL used_default = FALSE;
    bool done = encode_with(text, count, WC_NO_BEST_FIT_CHARS, &used_default, narrow, error);
    if (!done && flags_refused(error))
        done = encode_with(text, count, WC_ERR_INVALID_CHARS, nullptr, narrow, error);
    if (!done && flags_refused(error))
        done = encode_with(text, count, 0, nullptr, narrow, error);
    // The bytes must read back as the very same text.
    std::wstring again;
    if (done && !used_default &&
        decode_bytes(narrow.data(), static_cast<int>(narrow.size()), again, error) &&
        again.size() == length && again.compare(0, length, text, length) == 0)
        return true;
    narrow.clear();
    return fail(failure, kCannot, ERROR_NO_UNICODE_TRANSLATION);
}

} // namespace uiutil_internal
