// Narrow to wide text with the current locale's LC_CTYPE standing in for the
// thread's code page.
#include <uiutil/support.h>

#include <cstdlib>

int ub_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size) {
    if (!source || size < 0)
        return 0;
    const std::size_t needed = std::mbstowcs(nullptr, source, 0);
    if (needed == static_cast<std::size_t>(-1))
        return 0;
    if (size == 0)
        return static_cast<int>(needed + 1);
    if (needed + 1 > static_cast<std::size_t>(size))
        return 0;
    std::mbstowcs(target, source, needed + 1);
    return static_cast<int>(needed + 1);
}
