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
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sys/stat.h>

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

// Reads the value file; false when it exists but cannot be read.
bool read_value_file(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return errno == ENOENT;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    text.resize(std::strlen(text.c_str())); // up to the first NUL
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
    }
    return true;
}

} // namespace

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

LONG read_user_registry(HKEY key, const char* subkey, char* value, LONG* size) {
    if (!size || *size < 0 || (value && *size == 0))
        return ERROR_INVALID_PARAMETER;
    if (key != HKEY_CURRENT_USER)
        return ERROR_INVALID_HANDLE;
    const std::string root = user_registry_root();
    std::string folder;
    if (root.empty() || !key_folder(root, subkey, folder) || !is_directory(folder))
        return ERROR_FILE_NOT_FOUND;
    std::string text;
    if (!read_value_file(folder + "/@", text))
        return ERROR_ACCESS_DENIED;
    constexpr LONG kLargest = std::numeric_limits<LONG>::max();
    const LONG needed = text.size() < static_cast<std::size_t>(kLargest)
                            ? static_cast<LONG>(text.size() + 1)
                            : kLargest;
    if (!value || needed > *size) {
        *size = needed;
        return value ? ERROR_MORE_DATA : ERROR_SUCCESS;
    }
    std::memcpy(value, text.c_str(), text.size() + 1);
    *size = needed;
    return ERROR_SUCCESS;
}

} // namespace uiutil_internal
