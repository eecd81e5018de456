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
//
// The value file must be a regular file of at most kMaxValueFile bytes (the
// largest value the registry's standard format holds). A pipe, a device, a
// socket or a folder named "@" is refused at once, unread
// (ERROR_ACCESS_DENIED), and so is a larger file (ERROR_FILE_TOO_LARGE,
// judged by its size, unread). A link to nothing is a missing "@". A value is
// read in small pieces, up to its end: only the part the caller's buffer can
// take is kept.
#include "platform/internal/regular_file.h"
#include "platform/internal/user_registry.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace uiutil_internal {

namespace {

// Value files larger than this are no registry values.
constexpr std::size_t kMaxValueFile = 1 << 20;

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

// A value as read from its file: its length (before the NUL, after the final
// line break is taken off) and its first `kept.size()` bytes.
struct ValueText {
    std::size_t length = 0;
    std::string kept;
};

// Reads the value file `path`, keeping at most `keep` bytes of the value.
// ERROR_SUCCESS, or the failure to answer.
LONG read_value_file(const std::string& path, std::size_t keep, ValueText& value) {
    value = ValueText();
    int fd = -1;
    struct stat status;
    switch (open_regular_file(path.c_str(), &fd, &status)) {
    case FileOpen::Opened:
        break;
    case FileOpen::NotFound:
        // No "@" (or a link to nothing): the key has an empty default value.
        return ERROR_SUCCESS;
    case FileOpen::NotAFile:
    case FileOpen::Failed:
        return ERROR_ACCESS_DENIED;
    }
    if (static_cast<unsigned long long>(status.st_size) > kMaxValueFile) {
        ::close(fd);
        return ERROR_FILE_TOO_LARGE;
    }
    // Read up to the first NUL or the end, and no further than the largest
    // value (the file may have grown since it was looked at).
    char chunk[4096];
    std::size_t total = 0;
    char last[2] = {0, 0}; // the value's last two bytes, for the line break
    bool ended = false;
    while (!ended && total <= kMaxValueFile) {
        const long long got = read_up_to(fd, chunk, sizeof chunk);
        if (got < 0) {
            ::close(fd);
            return ERROR_ACCESS_DENIED;
        }
        if (got == 0)
            break;
        std::size_t used = static_cast<std::size_t>(got);
        if (const void* nul = std::memchr(chunk, '\0', used)) {
            used = static_cast<std::size_t>(static_cast<const char*>(nul) - chunk);
            ended = true;
        }
        if (value.kept.size() < keep)
            value.kept.append(chunk, std::min(used, keep - value.kept.size()));
        for (std::size_t i = 0; i < used; ++i) {
            last[0] = last[1];
            last[1] = chunk[i];
        }
        total += used;
    }
    ::close(fd);
    if (total > kMaxValueFile)
        return ERROR_FILE_TOO_LARGE;
    value.length = total;
    if (value.length > 0 && last[1] == '\n') {
        --value.length;
        if (value.length > 0 && last[0] == '\r')
            --value.length;
    }
    if (value.kept.size() > value.length)
        value.kept.resize(value.length);
    return ERROR_SUCCESS;
}

} // namespace

LONG read_user_registry(HKEY key, const char* subkey, char* value, LONG* size) {
    if (!size || *size < 0)
        return ERROR_INVALID_PARAMETER;
    if (key != HKEY_CURRENT_USER)
        return ERROR_INVALID_HANDLE;
    const std::string root = user_registry_root();
    std::string folder;
    if (root.empty() || !key_folder(root, subkey, folder) || !is_directory(folder))
        return ERROR_FILE_NOT_FOUND;
    // Only what the caller's buffer can take is kept.
    const std::size_t room = value ? static_cast<std::size_t>(*size) : 0;
    ValueText text;
    const LONG status = read_value_file(folder + "/@", room, text);
    if (status != ERROR_SUCCESS)
        return status;
    const LONG needed = static_cast<LONG>(text.length + 1); // at most kMaxValueFile + 1
    if (!value || needed > *size) {
        *size = needed;
        return value ? ERROR_MORE_DATA : ERROR_SUCCESS;
    }
    std::memcpy(value, text.kept.data(), text.length);
    value[text.length] = '\0';
    *size = needed;
    return ERROR_SUCCESS;
}

} // namespace uiutil_internal
