// Opening regular files without blocking, on POSIX systems.
#include "platform/internal/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace uiutil_internal {

namespace {

FileOpen refuse(const struct stat& status) {
    errno = S_ISDIR(status.st_mode) ? EISDIR : ENXIO;
    return FileOpen::NotAFile;
}

FileOpen missing_or_failed(int error) {
    errno = error;
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP
               ? FileOpen::NotFound
               : FileOpen::Failed;
}

} // namespace

FileOpen open_regular_file(const char* path, int* fd, struct stat* status_out) {
    *fd = -1;
    // A look first: a pipe or a device is refused without being opened
    // (opening some devices has effects of its own).
    struct stat status;
    if (::stat(path, &status) != 0)
        return missing_or_failed(errno);
    if (!S_ISREG(status.st_mode))
        return refuse(status);
    // The path may name something else by now: open without blocking and
    // look at what was opened.
    int opened;
    do
        opened = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (opened < 0 && errno == EINTR);
    if (opened < 0)
        return missing_or_failed(errno);
    if (::fstat(opened, &status) != 0) {
        const int error = errno;
        ::close(opened);
        errno = error;
        return FileOpen::Failed;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(opened);
        return refuse(status);
    }
    if (status_out)
        *status_out = status;
    *fd = opened;
    return FileOpen::Opened;
}

long long read_up_to(int fd, char* buffer, std::size_t size) {
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(fd, buffer + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<long long>(total);
}

} // namespace uiutil_internal
