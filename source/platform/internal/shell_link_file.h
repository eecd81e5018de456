// Readers of the link-file formats the library's link reader understands,
// working on the file's bytes.
#pragma once

#include <cstddef>
#include <string>

namespace uiutil_internal {

// What a link file says about its target. Empty texts are absent.
struct LinkFileTarget {
    // The target's local path (a Windows path for a shell link file).
    std::wstring local_path;
    // The target's network (UNC) path, from a shell link file.
    std::wstring network_path;
    // The target's path relative to the link's folder, with the separators
    // as the file gives them, from a shell link file.
    std::wstring relative_path;
};

// True when `bytes` start with the header of a Windows shell link (.lnk).
bool is_shell_link_file(const unsigned char* bytes, std::size_t size);

// Reads a Windows shell link file: the LinkInfo structure's local base path
// and common path suffix (or its network share name and the suffix) and the
// relative path string. Strings stored in the code page are read as
// Windows-1252. False when the file is malformed (a structure or string
// reaching past its bounds).
bool read_shell_link_file(const unsigned char* bytes, std::size_t size, LinkFileTarget& target);

// True when the text starts (after blank and comment lines) with the
// "[Desktop Entry]" group of a desktop entry file.
bool is_desktop_entry_file(const char* text, std::size_t size);

// Reads a desktop entry file. False when it is not of Type=Link; otherwise
// true, with `path` the local file path of its URL (percent-decoded), or
// empty when the URL is missing or names no local file.
bool read_desktop_link(const char* text, std::size_t size, std::string& path);

} // namespace uiutil_internal
