// Path separators: the platform's backslash and the other convention's slash.
#include <cstring>
#include <uiutil/paths.h>

const char uiPorting::the_NT_slash[2] = "\\";
const char uiPorting::the_UNIX_slash[2] = "/";

char uiPorting::path_slash() {
    return the_NT_slash[0];
}

const char* uiPorting::path_verify(char* path) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPorting::path_verify: null path");
        return nullptr;
    }
    const std::size_t length = std::strlen(path);
    for (std::size_t i = 0; i < length; ++i) {
        if (path[i] == the_NT_slash[0] || path[i] == the_UNIX_slash[0])
            path[i] = the_NT_slash[0];
    }
    return path;
}
