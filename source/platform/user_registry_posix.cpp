// A per-user registry for Linux, kept as plain files so users and scripts can
// write it.
//
// HKEY_CURRENT_USER is the folder $XDG_CONFIG_HOME/uiutil/registry/
// HKEY_CURRENT_USER (XDG_CONFIG_HOME defaults to $HOME/.config when it is
// unset or not absolute). A key path such as
// AppEvents\Schemes\Apps\App\Ev\.current is the folder of the same parts
// below it (AppEvents/Schemes/Apps/App/Ev/.current), and the key's default
// value is the content of the file named "@" in that folder: the bytes up to
// the first NUL or the end, without one final line break ("\n" or "\r\n").
// A key folder without "@" has an empty default value. Names are compared
// exactly (case matters). Key paths with empty, "." or ".." parts name no key.
#include "platform/internal/user_registry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace uiutil_internal {

namespace {

bool is_directory(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The folder of `subkey` below `root`; false for a key path that could leave
// the store or that has empty parts.
bool key_folder(const std::string& root, const char* subkey, std::string& folder) {
    folder = root;
    if (!subkey || !*subkey)
        return true;
    const char* part = subkey;
    for (;;) {
        const char* end = std::strchr(part, '\\');
        const std::string name = end ? std::string(part, end) : std::string(part);
        if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
            return false;
        folder += '/';
        folder += name;
        if (!end)
            return true;
        part = end + 1;
    }
}

// Values up to this size are read whole, so their needed size is exact.
constexpr std::size_t kWholeValue = 64 * 1024;

// Reads at most `limit` bytes of the value file into `text`; false when it
// exists but cannot be read or is not a regular file. The file is opened
// without blocking and checked before any read, so a named pipe, a device or
// a socket is refused at once instead of stalling or never ending. `more` is
// set when the file holds more than was read without a NUL in what was read;
// `file_size` is then its size.
bool read_value_file(const std::string& path, std::size_t limit, std::string& text, bool& more,
                     std::size_t& file_size) {
    text.clear();
    more = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    file_size = static_cast<std::size_t>(status.st_size);
    text.resize(limit < file_size ? limit : file_size);
    std::size_t have = 0;
    bool failed = false;
    while (have < text.size()) {
        const ssize_t got = ::read(fd, &text[have], text.size() - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        have += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failed)
        return false;
    text.resize(have);
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        text.resize(nul); // up to the first NUL
    } else if (file_size > have) {
        more = true; // the rest is not read: its size is all that is needed
        return true;
    }
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
    }
    return true;
}

// The folder that holds HKEY_CURRENT_USER's keys; empty when neither
// XDG_CONFIG_HOME nor HOME gives one.
std::string user_registry_root() {
    std::string config;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        config = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home)
            return std::string();
        config = std::string(home) + "/.config";
    }
    return config + "/uiutil/registry/HKEY_CURRENT_USER";
}

} // namespace

LONG read_user_registry(HKEY key, const char* subkey, char* value, LONG* size) {
    if (!size || *size < 0 || (value && *size == 0))
        return ERROR_INVALID_PARAMETER;
    if (key != HKEY_CURRENT_USER)
        return ERROR_INVALID_HANDLE;
    const std::string root = user_registry_root();
    std::string folder;
    if (root.empty() || !key_folder(root, subkey, folder) || !is_directory(folder))
        return ERROR_FILE_NOT_FOUND;
    // Never more than the caller can take, plus the two bytes of a final
    // line break that is dropped.
    const std::size_t room = value ? static_cast<std::size_t>(*size) : 0;
    const std::size_t limit = (room > kWholeValue ? room : kWholeValue) + 2;
    std::string text;
    bool more = false;
    std::size_t file_size = 0;
    if (!read_value_file(folder + "/@", limit, text, more, file_size))
        return ERROR_ACCESS_DENIED;
    // A value longer than what was read needs at most the file's size and
    // its NUL; the caller's second call with that room reads it exactly.
    const std::size_t length = more ? file_size : text.size();
    constexpr LONG kLargest = std::numeric_limits<LONG>::max();
    const LONG needed =
        length < static_cast<std::size_t>(kLargest) ? static_cast<LONG>(length + 1) : kLargest;
    if (!value || more || needed > *size) {
        *size = needed;
        return value ? ERROR_MORE_DATA : ERROR_SUCCESS;
    }
    std::memcpy(value, text.c_str(), text.size() + 1);
    *size = needed;
    return ERROR_SUCCESS;
}

} // namespace uiutil_internal
