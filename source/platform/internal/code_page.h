// Narrow text in the calling thread's code page, decoded into wide characters
// and encoded back. On Windows the code page is the thread's (CP_THREAD_ACP)
// and the wide text is UTF-16; elsewhere the thread's current locale
// (LC_CTYPE) stands in for it and each wchar_t holds one character.
//
// Both throw uiCodePageError when the text cannot be converted.
#pragma once

#include <string>

namespace uiutil_internal {

// The characters of the NUL-terminated `text` (the NUL not included).
std::wstring decode_thread_code_page(const char* text);

// The narrow form of `text` (no terminating NUL in the result).
std::string encode_thread_code_page(const std::wstring& text);

} // namespace uiutil_internal
