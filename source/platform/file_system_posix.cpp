// File status and the current directory on POSIX systems. Failures are
// classified by what their errno names mean.
#include "platform/internal/file_system.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace uiutil_internal {

int platform_file_status(const char* path, uiFileKind* kind) {
    struct stat status;
    if (::stat(path, &status) != 0)
        return errno != 0 ? errno : EIO;
    if (S_ISREG(status.st_mode))
        *kind = uiFILEREGULAR;
    else if (S_ISCHR(status.st_mode))
        *kind = uiFILECHARDEVICE;
    else if (S_ISDIR(status.st_mode))
        *kind = uiFILEDIRECTORY;
    else
        *kind = uiFILEOTHER;
    return 0;
}

StatusFailure classify_status_error(int error) {
    switch (error) {
    case ENOENT:
    case EBADF:
    case EFAULT:
    case ENOTDIR:
        return StatusFailure::NotFound;
    case EINTR:
    case ENXIO:
    case ENODEV:
    case EMFILE:
        return StatusFailure::Transient;
    case EACCES:
        return StatusFailure::NoPermission;
    case EMLINK:
    case ELOOP:
        return StatusFailure::LinkError;
    case ENAMETOOLONG:
        return StatusFailure::NameTooLong;
    default:
        return StatusFailure::Other;
    }
}

// A size of 0 lets the runtime allocate as much as the directory needs, so a
// directory longer than any fixed request is still returned.
char* current_directory() {
    return ::getcwd(nullptr, 0);
}

} // namespace uiutil_internal
