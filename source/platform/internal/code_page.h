// The library's one conversion between narrow text in the calling thread's
// code page and wide text. On Windows the code page is the thread's
// (CP_THREAD_ACP) and the wide text is UTF-16; elsewhere the thread's current
// locale (LC_CTYPE) stands in for it and each wchar_t holds one character.
// The escape and line-break functions, the narrow-text wrappers and both
// shortcut readers convert through it, so a text converts the same way
// everywhere in the library.
//
// Decoding takes the bytes as the code page reads them. Encoding is exact or
// fails: a character the code page cannot spell exactly (one it has no byte
// sequence for, or one the platform would replace by a look-alike or by the
// default character) makes the conversion fail, so a text is never replaced
// by another one.
#pragma once

#include <cstddef>
#include <string>

namespace uiutil_internal {

// Why a conversion failed.
struct CodePageFailure {
    std::string message; // what failed, and where
    long code = 0;       // errno (EILSEQ) elsewhere, GetLastError() on Windows
};

// The characters of the NUL-terminated `text` (the NUL not included) into
// `wide`; false, with `failure` filled when given, for text the code page
// cannot read (an invalid or truncated multi-byte sequence).
bool decode_thread_code_page(const char* text, std::wstring& wide,
                             CodePageFailure* failure = nullptr);

// The narrow form of the `length` wide characters at `text` (no terminating
// NUL in the result) into `narrow`; false, with `failure` filled when given,
// when a character has no exact narrow form.
bool encode_thread_code_page(const wchar_t* text, std::size_t length, std::string& narrow,
                             CodePageFailure* failure = nullptr);

// The same two conversions, throwing uiCodePageError when they fail.
std::wstring decode_thread_code_page(const char* text);
std::string encode_thread_code_page(const std::wstring& text);

} // namespace uiutil_internal
