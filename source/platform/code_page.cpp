// The throwing forms of the code-page conversion, over the platform's own.
#include "platform/internal/code_page.h"

#include <uiutil/strings.h>

namespace uiutil_internal {

std::wstring decode_thread_code_page(const char* text) {
    std::wstring wide;
    CodePageFailure failure;
    if (!decode_thread_code_page(text, wide, &failure))
        throw uiCodePageError(failure.message.c_str(), failure.code);
    return wide;
}

std::string encode_thread_code_page(const std::wstring& text) {
    std::string narrow;
    CodePageFailure failure;
    if (!encode_thread_code_page(text.c_str(), text.size(), narrow, &failure))
        throw uiCodePageError(failure.message.c_str(), failure.code);
    return narrow;
}

} // namespace uiutil_internal
