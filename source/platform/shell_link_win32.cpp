// The COM shell-link component behind uiShortcutResolver.
#include "internal/regular_file.h"
#include "internal/shell_link.h"

#include <objbase.h>
#include <shobjidl.h>

namespace {

// The platform's published identifiers, spelled out so that no import
// library has to supply them.
const CLSID kClsidShellLink = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidShellLinkW = {
    0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidPersistFile = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

} // namespace

namespace uiutil_internal {

HRESULT shell_link_create(IShellLinkW** link) {
    void* object = nullptr;
    const HRESULT hr =
        CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkW, &object);
    *link = SUCCEEDED(hr) ? static_cast<IShellLinkW*>(object) : nullptr;
    return hr;
}

HRESULT shell_link_query_persist_file(IShellLinkW* link, IPersistFile** file) {
    void* object = nullptr;
    const HRESULT hr = link->QueryInterface(kIidPersistFile, &object);
    *file = SUCCEEDED(hr) ? static_cast<IPersistFile*>(object) : nullptr;
    return hr;
}

void shell_link_release(IShellLinkW* link) {
    link->Release();
}

void persist_file_release(IPersistFile* file) {
    file->Release();
}

HRESULT persist_file_load(IPersistFile* file, const wchar_t* path, DWORD mode) {
    // The shell reads what it is given. Look first: a pipe, a device or a
    // folder is refused at once, and so is a file too large to be a link
    // (judged by its size, unread). The look keeps the file open, shared for
    // reading only, until the shell has read it, so it cannot be replaced in
    // between.
    HANDLE opened = INVALID_HANDLE_VALUE;
    switch (open_regular_file(path, FILE_SHARE_READ, &opened)) {
    case FileOpen::Opened:
        break;
    case FileOpen::NotAFile:
        return GetLastError() == ERROR_ACCESS_DENIED ? HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)
                                                     : E_FAIL;
    case FileOpen::NotFound:
    case FileOpen::Failed:
        return HRESULT_FROM_WIN32(GetLastError());
    }
    unsigned long long size = 0;
    HRESULT hr = E_FAIL;
    if (file_size(opened, &size) && size <= kMaxLinkFileSize)
        hr = file->Load(path, mode);
    CloseHandle(opened);
    return hr;
}

HRESULT shell_link_resolve(IShellLinkW* link, HWND window, DWORD flags) {
    return link->Resolve(window, flags);
}

HRESULT shell_link_get_path(IShellLinkW* link, wchar_t* path, int size, DWORD flags) {
    WIN32_FIND_DATAW find_data;
    return link->GetPath(path, size, &find_data, flags);
}

} // namespace uiutil_internal
