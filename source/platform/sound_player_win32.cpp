// Playing sounds with winmm's PlaySoundW; the narrow sound name converted
// with the thread's code page.
#include "platform/internal/code_page.h"
#include "platform/internal/sound_player.h"

#include <mmsystem.h>
#include <string>

BOOL uiutil_internal::platform_play_sound(const char* sound, HMODULE module, DWORD flags) {
    if (!sound)
        return PlaySoundW(nullptr, module, flags);
    std::wstring wide;
    if (!decode_thread_code_page(sound, wide))
        return FALSE;
    return PlaySoundW(wide.c_str(), module, flags);
}
