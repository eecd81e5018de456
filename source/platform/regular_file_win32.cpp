// Opening regular files without blocking, with the Win32 file services.
#include "platform/internal/regular_file.h"

namespace uiutil_internal {

namespace {

bool is_missing(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_FILENAME_EXCED_RANGE:
        return true;
    default:
        return false;
    }
}

// A pipe whose instances are all taken, or one that is closing, answers so
// instead of opening.
bool is_busy_pipe(DWORD error) {
    return error == ERROR_PIPE_BUSY || error == ERROR_PIPE_NOT_CONNECTED || error == ERROR_BAD_PIPE;
}

bool is_disk_file(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information;
    return GetFileType(handle) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(handle, &information) &&
           !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// What a path that does not open for reading is: opened again for its
// attributes only (folders included), it tells a folder, a pipe that takes
// no readers or a device from a file that only refuses to be read.
bool is_no_file(const wchar_t* path) {
    const HANDLE probe = CreateFileW(path, FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return is_busy_pipe(GetLastError());
    const bool no_file = !is_disk_file(probe);
    CloseHandle(probe);
    return no_file;
}

} // namespace

FileOpen open_regular_file(const wchar_t* path, DWORD share, HANDLE* file) {
    *file = INVALID_HANDLE_VALUE;
    // CreateFileW returns at once for pipes and devices too (it connects to a
    // pipe's free instance or fails with ERROR_PIPE_BUSY; it does not wait
    // for one).
    // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS.
    const HANDLE opened = CreateFileW(path, GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (is_missing(error))
            return FileOpen::NotFound;
        const bool not_a_file = is_busy_pipe(error) || is_no_file(path);
        SetLastError(error);
        return not_a_file ? FileOpen::NotAFile : FileOpen::Failed;
    }
    if (!is_disk_file(opened)) {
        CloseHandle(opened);
        SetLastError(ERROR_BAD_FILE_TYPE);
        return FileOpen::NotAFile;
    }
    *file = opened;
    return FileOpen::Opened;
}

bool file_size(HANDLE file, unsigned long long* size) {
    LARGE_INTEGER bytes;
    if (!GetFileSizeEx(file, &bytes) || bytes.QuadPart < 0)
        return false;
    *size = static_cast<unsigned long long>(bytes.QuadPart);
    return true;
}

} // namespace uiutil_internal
