// File status and the current directory with the Windows runtime library.
// Failures are classified by the runtime's errno numbers.
#include "platform/internal/file_system.h"

#include <cerrno>
#include <direct.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace uiutil_internal {

int platform_file_status(const char* path, uiFileKind* kind) {
    struct _stat status;
    if (_stat(path, &status) != 0)
        return errno != 0 ? errno : EIO;
    const unsigned type = status.st_mode & _S_IFMT;
    if (type == _S_IFREG)
        *kind = uiFILEREGULAR;
    else if (type == _S_IFCHR)
        *kind = uiFILECHARDEVICE;
    else if (type == _S_IFDIR)
        *kind = uiFILEDIRECTORY;
    else
        *kind = uiFILEOTHER;
    return 0;
}

StatusFailure classify_status_error(int error) {
    switch (error) {
    case 2:   // ENOENT
    case 9:   // EBADF
    case 14:  // EFAULT
    case 20:  // ENOTDIR
    case 151: // has no name in the runtime; treated as "not found"
        return StatusFailure::NotFound;
    case 4:  // EINTR
    case 6:  // ENXIO
    case 19: // ENODEV
    case 24: // EMFILE
        return StatusFailure::Transient;
    case 13: // EACCES
        return StatusFailure::NoPermission;
    case 31:  // EMLINK
    case 114: // ELOOP
        return StatusFailure::LinkError;
    case 38: // ENAMETOOLONG
        return StatusFailure::NameTooLong;
    default:
        return StatusFailure::Other;
    }
}

// The runtime allocates at least 512 bytes, more when the directory needs it.
char* current_directory() {
    return _getcwd(nullptr, 512);
}

} // namespace uiutil_internal
