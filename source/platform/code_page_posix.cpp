// Code-page conversion with the thread's current locale (LC_CTYPE) in place
// of a Windows code page.
//
// In a single-byte locale every byte converts: a byte the locale does not
// define (bytes 0x80-0xFF in the "C" locale) is carried as the wide value
// 0xDC00 + byte, a lone low surrogate that no real character uses, and
// encodes back to that byte. So 8-bit text survives a round trip unchanged.
// In a multi-byte locale the text is decoded character by character, and an
// invalid or truncated sequence is an error. The C library's conversions
// never substitute look-alikes, so a character the locale cannot spell is an
// error too.
#include "platform/internal/code_page.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace uiutil_internal {

namespace {

constexpr wchar_t kByteEscape = 0xDC00;

bool is_byte_escape(wchar_t c) {
    return c >= kByteEscape + 0x80 && c <= kByteEscape + 0xFF;
}

bool single_byte_locale() {
    return MB_CUR_MAX == 1;
}

bool fail(CodePageFailure* failure, const char* what, std::size_t offset) {
    if (failure) {
        char message[160];
        std::snprintf(message, sizeof message, "%s (at character or byte %zu)", what, offset);
        failure->message = message;
        failure->code = EILSEQ;
    }
    return false;
}

} // namespace

bool decode_thread_code_page(const char* text, std::wstring& wide, CodePageFailure* failure) {
    const std::size_t length = std::strlen(text);
    wide.clear();
    wide.reserve(length);
    if (single_byte_locale()) {
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned char byte = static_cast<unsigned char>(text[i]);
            const wint_t c = std::btowc(byte);
            wide.push_back(c != WEOF ? static_cast<wchar_t>(c)
                                     : static_cast<wchar_t>(kByteEscape + byte));
        }
        return true;
    }
    std::mbstate_t state{};
    std::size_t at = 0;
    while (at < length) {
        wchar_t c = 0;
        const std::size_t used = std::mbrtowc(&c, text + at, length - at, &state);
        if (used == static_cast<std::size_t>(-1))
            return fail(failure, "invalid multi-byte sequence", at);
        if (used == static_cast<std::size_t>(-2))
            return fail(failure, "incomplete multi-byte sequence at the end", at);
        if (used == 0) // cannot happen before `length`; guards against looping
            break;
        wide.push_back(c);
        at += used;
    }
    return true;
}

bool encode_thread_code_page(const wchar_t* text, std::size_t length, std::string& narrow,
                             CodePageFailure* failure) {
    narrow.clear();
    narrow.reserve(length);
    if (single_byte_locale()) {
        for (std::size_t i = 0; i < length; ++i) {
            const int byte = std::wctob(text[i]);
            if (byte != EOF)
                narrow.push_back(static_cast<char>(byte));
            else if (is_byte_escape(text[i]))
                narrow.push_back(static_cast<char>(text[i] - kByteEscape));
            else
                return fail(failure, "character not in the locale's character set", i);
        }
        return true;
    }
    std::mbstate_t state{};
    char bytes[MB_LEN_MAX];
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t used = std::wcrtomb(bytes, text[i], &state);
        if (used == static_cast<std::size_t>(-1))
            return fail(failure, "character not in the locale's character set", i);
        narrow.append(bytes, used);
    }
    // Return a stateful encoding to its initial shift state; drop the NUL.
    const std::size_t used = std::wcrtomb(bytes, L'\0', &state);
    if (used != static_cast<std::size_t>(-1) && used > 1)
        narrow.append(bytes, used - 1);
    return true;
}

} // namespace uiutil_internal
