// The narrow-text wrappers of the Unicode wrapper library. Each entry point
// dispatches in this one place: to the installed service hook when there is
// one (see <uiutil/service_hooks.h>), otherwise to the platform's service
// behind its internal header in source/platform.
#include <uiutil/support.h>

#include "platform/internal/code_page.h"
#include "platform/internal/module_loader.h"
#include "platform/internal/service_hooks_state.h"
#include "platform/internal/sound_player.h"
#include "platform/internal/user_registry.h"

#include <cwchar>
#include <string>

HINSTANCE LoadLibraryExU(const char* path, HANDLE reserved, DWORD flags) {
    return uiutil_internal::platform_load_library(path, reserved, flags);
}

BOOL PlaySoundU(const char* sound, HMODULE module, DWORD flags) {
    BOOL answer = FALSE;
    if (uiutil_internal::call_play_sound_hook(sound, module, flags, &answer))
        return answer;
    return uiutil_internal::platform_play_sound(sound, module, flags);
}

LONG RegQueryValueU(HKEY key, const char* subkey, char* value, LONG* size) {
    LONG answer = ERROR_FILE_NOT_FOUND;
    if (uiutil_internal::call_registry_query_hook(key, subkey, value, size, &answer))
        return answer;
    return uiutil_internal::read_user_registry(key, subkey, value, size);
}

// MultiByteToWideChar's conventions over the library's one conversion.
int ub_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size) {
    if (!source || size < 0)
        return 0;
    std::wstring wide;
    if (!uiutil_internal::decode_thread_code_page(source, wide))
        return 0;
    const std::size_t needed = wide.size() + 1;
    if (size == 0)
        return static_cast<int>(needed);
    if (!target || needed > static_cast<std::size_t>(size))
        return 0;
    std::wmemcpy(target, wide.c_str(), needed);
    return static_cast<int>(needed);
}
