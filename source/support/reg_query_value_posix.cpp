// Reading per-user settings: the installed hook, or the per-user registry
// store kept under the XDG configuration folder (see user_registry_posix.cpp).
#include <uiutil/support.h>

#include "platform/internal/service_hooks_state.h"
#include "platform/internal/user_registry.h"

LONG RegQueryValueU(HKEY key, const char* subkey, char* value, LONG* size) {
    LONG answer = ERROR_FILE_NOT_FOUND;
    if (uiutil_internal::call_registry_query_hook(key, subkey, value, size, &answer))
        return answer;
    return uiutil_internal::read_user_registry(key, subkey, value, size);
}
