// Path lists: absolute paths, file status, the current directory and the
// drive-colon check.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <uiutil/paths.h>

#include "platform/internal/file_system.h"

namespace {

// Transient status failures are retried this often before giving up.
constexpr int kMaxStatusRetries = 15;

// The text of the last cwd(), owned here (released with std::free).
char* g_current_directory = nullptr;

bool is_separator(char c) {
    return c == '\\' || c == '/';
}

bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

uiPathListError classify_kind(uiFileKind kind) {
    switch (kind) {
    case uiFILEREGULAR:
    case uiFILECHARDEVICE:
        return uiPATHOK;
    case uiFILEDIRECTORY:
        return uiPATHISDIRECTORY;
    default:
        return uiPATHNOTFILE;
    }
}

} // namespace

int uiPathList::absolute_path(const char* path) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList::absolute_path: null path");
        return 0;
    }
    std::string copy(path);
    uiPorting::path_verify(&copy[0]);
    const char* tested = copy.c_str();
    if (is_letter(tested[0])) {
        if (tested[1] != ':')
            return 0;
        tested += 2;
    }
    return tested[0] == uiPorting::path_slash() || tested[0] == '~' ? 1 : 0;
}

uiPathListError uiPathList::check_access(const char* path) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList::check_access: null path");
        return uiPATHNOTFOUND;
    }
    using uiutil_internal::StatusFailure;
    std::string copy(path);
    // Each retry runs the whole check again on the shortened copy, so every
    // attempt cuts one more trailing separator. A lone separator (the root)
    // is kept.
    for (int retries = 0;; ++retries) {
        if (copy.size() > 1 && is_separator(copy.back()))
            copy.pop_back();
        uiFileKind kind = uiFILEOTHER;
        const int error = uiutil_internal::query_file_status(copy.c_str(), &kind);
        if (error == 0)
            return classify_kind(kind);
        switch (uiutil_internal::classify_status_error(error)) {
        case StatusFailure::NotFound:
            return uiPATHNOTFOUND;
        case StatusFailure::Transient:
            if (retries < kMaxStatusRetries)
                continue;
            return uiPATHRETRYLIMIT;
        case StatusFailure::NoPermission:
            return uiPATHNOPERMISSION;
        case StatusFailure::LinkError:
            return uiPATHLINKERROR;
        case StatusFailure::NameTooLong:
            return uiPATHNAMETOOLONG;
        default:
            return uiPATHSTATFAILED;
        }
    }
}

const char* uiPathList::cwd() {
    std::free(g_current_directory);
    g_current_directory = uiutil_internal::current_directory();
    if (!g_current_directory) {
        std::perror("uiPathList::cwd() - getcwd() ");
        return nullptr;
    }
    return g_current_directory;
}

void uiPathList::prepend_cwd(uiSaveString* path) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList::prepend_cwd: null string");
        return;
    }
    const char* directory = cwd();
    if (!directory || !*directory)
        return;
    *path = uiSaveString(uiClaimOwnership,
                         apconcat(3, directory, "/", static_cast<const char*>(*path)));
}

void uiPathList::expand_to_absolute_paths() {
    reset();
    while (forwards()) {
        uiSaveString* entry = read();
        if (!absolute_path(*entry))
            prepend_cwd(entry);
    }
}

int uiPathList::valid_colon_check(const char* sequence) {
    if (sequence[0] == ':')
        return 0;
    for (const char* p = sequence; *p; ++p) {
        if (*p != ':')
            continue;
        // p > sequence here: a leading colon was refused above.
        const char* letter = p - 1;
        if (!is_letter(*letter))
            return 0;
        if (letter != sequence && letter[-1] != the_delimiter)
            return 0;
    }
    return 1;
}
