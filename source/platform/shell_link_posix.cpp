// The library's link reader, standing in for the shell-link component.
//
// Load reads the link file: a symbolic link (its target, made absolute
// against the link's folder), a desktop entry file of Type=Link (its file:
// URL's path), or a Windows shell link file (the local path of its LinkInfo,
// its network path, and its relative path joined to the link's folder with
// '/' separators). Resolve picks the first of the shell link's paths that
// exists here, preferring the relative one, so that a shortcut copied from
// Windows along with its target resolves; nothing is searched beyond that,
// and no user interface is shown. GetPath gives the picked path or, when
// none exists, the path as recorded (the network path first when asked for
// it), which for a Windows-made link is a Windows path.
//
// A folder answers ERROR_ACCESS_DENIED, as the shell does; a pipe, a device
// or a socket is no link file (E_FAIL) and is neither opened nor read, and a
// file larger than 1 MiB is no link file either (judged by its size, unread).
//
// Paths are converted between wide and narrow text with the library's one
// conversion: the current locale's character set (LC_CTYPE), every byte kept
// in a single-byte locale.
#include "internal/code_page.h"
#include "internal/regular_file.h"
#include "internal/shell_link.h"
#include "internal/shell_link_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// The object behind both interfaces; IPersistFile is a view of IShellLinkW.
struct IShellLinkW;
struct IPersistFile {
    IShellLinkW* object;
};
struct IShellLinkW {
    int references;
    IPersistFile persist_file;
    bool loaded;
    uiutil_internal::LinkFileTarget target; // relative_path made absolute
    std::wstring resolved;                  // the path Resolve found, if any
};

namespace uiutil_internal {

namespace {

const HRESULT kNotALinkFile = E_FAIL;

// Paths convert with the library's one conversion (platform/internal/
// code_page.h), as every other text of the library does.
bool to_narrow(const std::wstring& wide, std::string& narrow) {
    return encode_thread_code_page(wide.c_str(), wide.size(), narrow);
}

bool to_wide(const std::string& narrow, std::wstring& wide) {
    return decode_thread_code_page(narrow.c_str(), wide);
}

HRESULT from_errno(int error) {
    switch (error) {
    case ENOENT:
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    case ENOTDIR:
        return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    case EACCES:
    case EPERM:
        return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    case ENAMETOOLONG:
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    case ENOMEM:
        return E_OUTOFMEMORY;
    default:
        return E_FAIL;
    }
}

// A file that is not there: "path not found" when its folder is missing too,
// as the shell tells the two apart.
HRESULT missing_file_error(const std::string& path, int error) {
    if (error != ENOENT)
        return from_errno(error);
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
        return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
}

std::string absolute_beside(const std::string& link_path, const std::string& target) {
    namespace fs = std::filesystem;
    fs::path path(target);
    if (path.is_relative()) {
        std::error_code error;
        const fs::path folder = fs::absolute(fs::path(link_path), error).parent_path();
        path = folder / path;
    }
    return path.lexically_normal().string();
}

HRESULT read_symbolic_link(const std::string& link_path, LinkFileTarget& target) {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink(link_path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return from_errno(errno);
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string text(buffer.data(), static_cast<std::size_t>(length));
            return to_wide(absolute_beside(link_path, text), target.local_path)
                       ? S_OK
                       : HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Reads a link file whole: it must be a regular file of at most
// kMaxLinkFileSize bytes (judged by its size before anything is read; a
// pipe, a device or a socket put in its place is refused unread).
HRESULT read_file(const std::string& path, std::vector<char>& bytes) {
    int fd = -1;
    struct stat status;
    switch (open_regular_file(path.c_str(), &fd, &status)) {
    case FileOpen::Opened:
        break;
    case FileOpen::NotAFile:
        return errno == EISDIR ? HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED) : kNotALinkFile;
    case FileOpen::NotFound:
    case FileOpen::Failed:
        return missing_file_error(path, errno);
    }
    if (static_cast<unsigned long long>(status.st_size) > kMaxLinkFileSize) {
        close(fd);
        return kNotALinkFile;
    }
    // One byte more than its size tells a file that is still being written:
    // that is no link file yet.
    bytes.assign(static_cast<std::size_t>(status.st_size) + 1, '\0');
    const long long got = read_up_to(fd, bytes.data(), bytes.size());
    const int error = errno;
    close(fd);
    if (got < 0)
        return from_errno(error);
    if (static_cast<std::size_t>(got) == bytes.size())
        return kNotALinkFile;
    bytes.resize(static_cast<std::size_t>(got));
    return S_OK;
}

// A shell link's relative path, joined to the link's folder.
bool relative_beside(const std::string& link_path, std::wstring& relative) {
    std::string narrow;
    if (!to_narrow(relative, narrow))
        return false;
    for (char& c : narrow)
        if (c == '\\')
            c = '/';
    return to_wide(absolute_beside(link_path, narrow), relative);
}

HRESULT read_link_file(const std::string& link_path, LinkFileTarget& target) {
    std::vector<char> bytes;
    const HRESULT hr = read_file(link_path, bytes);
    if (FAILED(hr))
        return hr;
    const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data());
    if (is_shell_link_file(raw, bytes.size())) {
        if (!read_shell_link_file(raw, bytes.size(), target))
            return kNotALinkFile;
        if (!target.relative_path.empty() && !relative_beside(link_path, target.relative_path))
            target.relative_path.clear();
        return S_OK;
    }
    if (is_desktop_entry_file(bytes.data(), bytes.size())) {
        std::string path;
        if (!read_desktop_link(bytes.data(), bytes.size(), path))
            return kNotALinkFile;
        if (!to_wide(path, target.local_path))
            return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
        return S_OK;
    }
    return kNotALinkFile;
}

bool exists_here(const std::wstring& path) {
    std::string narrow;
    struct stat status;
    return !path.empty() && to_narrow(path, narrow) && stat(narrow.c_str(), &status) == 0;
}

} // namespace

HRESULT shell_link_create(IShellLinkW** link) {
    *link = new IShellLinkW{1, {nullptr}, false, LinkFileTarget(), std::wstring()};
    (*link)->persist_file.object = *link;
    return S_OK;
}

HRESULT shell_link_query_persist_file(IShellLinkW* link, IPersistFile** file) {
    ++link->references;
    *file = &link->persist_file;
    return S_OK;
}

void shell_link_release(IShellLinkW* link) {
    if (--link->references == 0)
        delete link;
}

void persist_file_release(IPersistFile* file) {
    shell_link_release(file->object);
}

HRESULT persist_file_load(IPersistFile* file, const wchar_t* path, DWORD) {
    IShellLinkW* link = file->object;
    link->loaded = false;
    link->target = LinkFileTarget();
    link->resolved.clear();
    std::string link_path;
    if (!to_narrow(path, link_path))
        return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
    struct stat status;
    if (lstat(link_path.c_str(), &status) != 0)
        return missing_file_error(link_path, errno);
    HRESULT hr = kNotALinkFile;
    if (S_ISDIR(status.st_mode))
        hr = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED); // as the shell answers for a folder
    else if (S_ISLNK(status.st_mode))
        hr = read_symbolic_link(link_path, link->target);
    else if (S_ISREG(status.st_mode))
        hr = read_link_file(link_path, link->target);
    if (FAILED(hr)) {
        link->target = LinkFileTarget();
        return hr;
    }
    link->loaded = true;
    return S_OK;
}

HRESULT shell_link_resolve(IShellLinkW* link, HWND, DWORD) {
    if (!link->loaded)
        return E_FAIL;
    link->resolved.clear();
    const LinkFileTarget& target = link->target;
    for (const std::wstring* path :
         {&target.relative_path, &target.local_path, &target.network_path}) {
        if (exists_here(*path)) {
            link->resolved = *path;
            break;
        }
    }
    return S_OK;
}

HRESULT shell_link_get_path(IShellLinkW* link, wchar_t* path, int size, DWORD flags) {
    if (size < 1)
        return E_INVALIDARG;
    path[0] = L'\0';
    const LinkFileTarget& target = link->target;
    const std::wstring* chosen = &link->resolved;
    if (chosen->empty() && (flags & kShellLinkPathUncPriority) && !target.network_path.empty())
        chosen = &target.network_path;
    for (const std::wstring* recorded :
         {&target.local_path, &target.network_path, &target.relative_path}) {
        if (chosen->empty())
            chosen = recorded;
    }
    if (chosen->empty())
        return S_FALSE;
    if (chosen->size() + 1 > static_cast<std::size_t>(size))
        return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    chosen->copy(path, chosen->size());
    path[chosen->size()] = L'\0';
    return S_OK;
}

} // namespace uiutil_internal
