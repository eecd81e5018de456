// Playing sounds with winmm's PlaySoundW; a narrow sound name converted with
// the library's conversion.
//
// A sound that may be a file (SND_FILENAME, or neither SND_ALIAS nor a
// resource nor a memory image) is looked at first: a pipe, a device or a
// folder is refused at once (FALSE), so the player never waits on one. A
// name that names nothing here goes to PlaySoundW, which searches for it or
// plays the default sound as it always does. A memory image (SND_MEMORY)
// and a resource given by number are passed on unchanged, as PlaySoundA
// passes them.
#include "platform/internal/code_page.h"
#include "platform/internal/regular_file.h"
#include "platform/internal/sound_player.h"

#include <mmsystem.h>
#include <string>

namespace {

// SND_RESOURCE holds the SND_MEMORY bit; SND_ALIAS_ID the SND_ALIAS bit.
bool is_memory_image(DWORD flags) {
    return (flags & SND_RESOURCE) == SND_MEMORY;
}

bool may_be_file(DWORD flags) {
    if (flags & SND_FILENAME)
        return true;
    return !(flags & (SND_ALIAS | SND_MEMORY | SND_RESOURCE));
}

} // namespace

BOOL uiutil_internal::platform_play_sound(const char* sound, HMODULE module, DWORD flags) {
    if (!sound)
        return PlaySoundW(nullptr, module, flags);
    if (is_memory_image(flags) || ((flags & SND_RESOURCE) == SND_RESOURCE && IS_INTRESOURCE(sound)))
        return PlaySoundW(reinterpret_cast<LPCWSTR>(sound), module, flags);
    std::wstring wide;
    if (!decode_thread_code_page(sound, wide))
        return FALSE;
    if (may_be_file(flags)) {
        HANDLE file = INVALID_HANDLE_VALUE;
        const FileOpen found = open_regular_file(
            wide.c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &file);
        if (found == FileOpen::Opened)
            CloseHandle(file);
        else if (found == FileOpen::NotAFile)
            return FALSE;
    }
    return PlaySoundW(wide.c_str(), module, flags);
}
