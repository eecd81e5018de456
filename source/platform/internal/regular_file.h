// Opening a file to read it without ever blocking: the one way the library
// opens files. What a path names is looked at before it is read: a regular
// (disk) file opens; a pipe, a device, a socket or a folder is refused at
// once, without being read (and, where the platform allows telling before
// opening, without being opened). Readers then read no more of the file than
// they can use.
#pragma once

#include <cstddef>
#include <uiutil/platform.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace uiutil_internal {

// What opening a path found.
enum class FileOpen {
    Opened,   // a regular file, open for reading
    NotFound, // nothing there (a dangling link included), or the name cannot be a file's
    NotAFile, // a pipe, a device, a socket or a folder: refused, not read
    Failed    // there, but it cannot be opened (no permission, ...)
};

#if defined(_WIN32)

// Opens the existing file `path` for reading with CreateFileW, sharing
// `share` (FILE_SHARE_ flags), and keeps it only when GetFileType answers
// FILE_TYPE_DISK and it is no folder. `*file` is the open handle for Opened
// and INVALID_HANDLE_VALUE otherwise; GetLastError() gives the reason (a
// folder, or a pipe that takes no readers: ERROR_ACCESS_DENIED; a pipe, a
// device or a console: ERROR_BAD_FILE_TYPE; a pipe with no free instance:
// ERROR_PIPE_BUSY). A path that does not open for reading is opened again
// for its attributes only, to tell what it is.
FileOpen open_regular_file(const wchar_t* path, DWORD share, HANDLE* file);

// The size of an open file in bytes; false when it cannot be had.
bool file_size(HANDLE file, unsigned long long* size);

#else

// Opens `path` for reading without blocking (O_NONBLOCK, O_NOCTTY) after
// stat shows a regular file, and checks the opened file again with fstat, so
// that a file replaced in between is still refused. `*fd` is the open
// descriptor for Opened and -1 otherwise; `*status` is the opened file's
// status when given. errno gives the reason (a folder: EISDIR; a pipe, a
// device or a socket: ENXIO).
FileOpen open_regular_file(const char* path, int* fd, struct stat* status = nullptr);

// Reads up to `size` bytes into `buffer`, repeating short and interrupted
// reads; stops at the end of the file. Answers the bytes read, or -1 with
// errno on a read error.
long long read_up_to(int fd, char* buffer, std::size_t size);

#endif

} // namespace uiutil_internal
