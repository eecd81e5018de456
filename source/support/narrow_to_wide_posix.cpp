// Narrow to wide text with the thread's current locale (LC_CTYPE) standing
// in for the thread's code page, with MultiByteToWideChar's conventions.
#include "platform/internal/code_page.h"

#include <cwchar>
#include <string>
#include <uiutil/strings.h>
#include <uiutil/support.h>

int ub_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size) {
    if (!source || size < 0)
        return 0;
    std::wstring wide;
    try {
        wide = uiutil_internal::decode_thread_code_page(source);
    } catch (const uiCodePageError&) {
        return 0;
    }
    const std::size_t needed = wide.size() + 1;
    if (size == 0)
        return static_cast<int>(needed);
    if (!target || needed > static_cast<std::size_t>(size))
        return 0;
    std::wmemcpy(target, wide.c_str(), needed);
    return static_cast<int>(needed);
}
