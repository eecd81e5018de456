// Playing sounds: the installed hook, or the platform's sound service.
#include <uiutil/support.h>

#include "platform/internal/service_hooks_state.h"
#include "platform/internal/sound_player.h"

BOOL PlaySoundU(const char* sound, HMODULE module, DWORD flags) {
    BOOL answer = FALSE;
    if (uiutil_internal::call_play_sound_hook(sound, module, flags, &answer))
        return answer;
    // There are no resource modules to take a sound from here: `module` is
    // not needed.
    return uiutil_internal::platform_play_sound(sound, flags);
}
