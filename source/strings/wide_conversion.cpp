// Narrow and wide text into the caller's wide buffer.
#include <uiutil/strings.h>

#include <cwchar>

int ui_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size) {
    return ub_LPCSTR_to_TCHAR(source, target, size);
}

int ui_LPCTSTR_to_WCHAR(const wchar_t* source, wchar_t* target, int size) {
    if (!source) {
        ut_report_assert_failure(__FILE__, __LINE__, "ui_LPCTSTR_to_WCHAR: null source");
        return 0;
    }
    const std::size_t needed = std::wcslen(source) + 1;
    if (size == 0)
        return static_cast<int>(needed);
    if (!target && size > 0) {
        ut_report_assert_failure(__FILE__, __LINE__, "ui_LPCTSTR_to_WCHAR: null target");
        return 0;
    }
    if (size < 0 || needed > static_cast<std::size_t>(size))
        return 0;
    std::wmemcpy(target, source, needed);
    return static_cast<int>(needed);
}
