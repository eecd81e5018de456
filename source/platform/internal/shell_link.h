// The platform's shell-link component, as uiShortcutResolver drives it.
//
// On Windows these calls are the COM shell link's own (IShellLinkW and
// IPersistFile of one CLSID_ShellLink object). Elsewhere the library's link
// reader stands in with the same calls and answers; it reads symbolic links,
// desktop-entry files of Type=Link with a file: URL, and Windows shell link
// (.lnk) files.
#pragma once

#include <uiutil/platform.h>

struct IShellLinkW;
struct IPersistFile;

namespace uiutil_internal {

// Mode of persist_file_load: read only (STGM_READ).
const DWORD kShellLinkLoadRead = 0;
// Flags of shell_link_get_path: prefer the network (UNC) form of the path
// (SLGP_UNCPRIORITY).
const DWORD kShellLinkPathUncPriority = 2;

// Link files larger than this are no link files: they are refused by their
// size, unread.
const unsigned long long kMaxLinkFileSize = 1 << 20;

// Creates a shell-link object in-process and answers its IShellLinkW
// interface in `link` (null on failure, with the failure answered).
HRESULT shell_link_create(IShellLinkW** link);
// The same object's IPersistFile interface, or null.
HRESULT shell_link_query_persist_file(IShellLinkW* link, IPersistFile** file);
void shell_link_release(IShellLinkW* link);
void persist_file_release(IPersistFile* file);

// Loads the link file `path` into the object. A folder answers the failure
// of ERROR_ACCESS_DENIED; a pipe, a device, a socket or a file larger than
// kMaxLinkFileSize answers E_FAIL, without being read.
HRESULT persist_file_load(IPersistFile* file, const wchar_t* path, DWORD mode);
// Finds the loaded link's target, searching for it when it has moved; the
// platform may ask the user, with `window` as the parent window.
HRESULT shell_link_resolve(IShellLinkW* link, HWND window, DWORD flags);
// The target's path into `path` (`size` wide characters). S_FALSE with an
// empty `path` when the link holds no file path.
HRESULT shell_link_get_path(IShellLinkW* link, wchar_t* path, int size, DWORD flags);

} // namespace uiutil_internal
