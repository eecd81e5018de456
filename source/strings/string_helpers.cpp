// Small exported helpers beside the shared string, and the warning report.
#include <uiutil/strings.h>

#include <cstring>

void ui_report_warning(const char* file, int line, const char* message) {
    // A null text prints as "(null)" rather than reaching printf.
    apprintf("%s%s\n                   File: %s   Line: %d\n",
             "\n*** UI-Warning ***: ", message ? message : "(null)", file ? file : "(null)", line);
}

int mca_strlen(const char* s) {
    if (!s) {
        ut_report_assert_failure(__FILE__, __LINE__, "mca_strlen: null text");
        return 0;
    }
    return static_cast<int>(std::strlen(s));
}

int mca_ptrdiff(int d) {
    return d;
}

#if !defined(__CORRECT_ISO_CPP_STRING_H_PROTO)
char* strstr(char* haystack, const char* needle) {
    return const_cast<char*>(std::strstr(static_cast<const char*>(haystack), needle));
}
#endif

void uiSaveString_junk() {
    uiSaveString* pair = new uiSaveString[2];
    delete[] pair;
}
