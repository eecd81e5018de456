// Resolving shell shortcut files through the platform's shell-link component.
#include <uiutil/misc.h>

#include "platform/internal/code_page.h"
#include "platform/internal/shell_link.h"

#include <cwchar>
#include <string>

namespace {

// Buffers for the link path and the resolved path, in wide characters; the
// caller's target holds as many bytes.
const int kPathSize = 260;
// Resolve without flags: the shell may search and ask the user.
const DWORD kResolveFlags = 0;

// Converts the resolved wide path to narrow text with the library's one
// conversion into `target` of `size` bytes. Answers S_OK; or, with `target`
// left empty, the failure HRESULT of ERROR_INSUFFICIENT_BUFFER when it does
// not fit (it is never truncated) and of ERROR_NO_UNICODE_TRANSLATION when
// the thread's code page cannot spell it exactly.
HRESULT narrow_path(const wchar_t* path, char* target, int size) {
    target[0] = '\0';
    std::string narrow;
    if (!uiutil_internal::encode_thread_code_page(path, std::wcslen(path), narrow))
        return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
    if (narrow.size() + 1 > static_cast<std::size_t>(size))
        return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    narrow.copy(target, narrow.size());
    target[narrow.size()] = '\0';
    return S_OK;
}

} // namespace

uiShortcutResolver::uiShortcutResolver() : m_shell_link(nullptr), m_persist_file(nullptr) {
    create_file_find_interfaces();
}

uiShortcutResolver::~uiShortcutResolver() {
    destroy_file_find_interfaces();
}

void uiShortcutResolver::create_file_find_interfaces() {
    if (SUCCEEDED(uiutil_internal::shell_link_create(&m_shell_link)) && m_shell_link)
        uiutil_internal::shell_link_query_persist_file(m_shell_link, &m_persist_file);
}

void uiShortcutResolver::destroy_file_find_interfaces() {
    if (m_persist_file) {
        uiutil_internal::persist_file_release(m_persist_file);
        m_persist_file = nullptr;
    }
    if (m_shell_link) {
        uiutil_internal::shell_link_release(m_shell_link);
        m_shell_link = nullptr;
    }
}

long uiShortcutResolver::get_link_info(HWND window, const wchar_t* link_path, char* target) const {
    if (!target)
        return E_POINTER;
    target[0] = '\0';
    if (!link_path)
        return E_POINTER;
    if (!m_shell_link || !m_persist_file)
        return E_NOINTERFACE;

    wchar_t link[kPathSize];
    if (ui_LPCTSTR_to_WCHAR(link_path, link, kPathSize) == 0)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);

    HRESULT hr = uiutil_internal::persist_file_load(m_persist_file, link,
                                                    uiutil_internal::kShellLinkLoadRead);
    if (FAILED(hr))
        return hr;
    hr = uiutil_internal::shell_link_resolve(m_shell_link, window, kResolveFlags);
    if (FAILED(hr))
        return hr;

    wchar_t path[kPathSize];
    path[0] = L'\0';
    hr = uiutil_internal::shell_link_get_path(m_shell_link, path, kPathSize,
                                              uiutil_internal::kShellLinkPathUncPriority);
    if (hr == S_OK) {
        const HRESULT converted = narrow_path(path, target, kPathSize);
        if (FAILED(converted))
            return converted;
    }
    return hr;
}
