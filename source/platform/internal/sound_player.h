// The sound service behind PlaySoundU: winmm's PlaySoundW on Windows, the
// library's player (libcanberra, when built in) elsewhere.
#pragma once

#include <uiutil/platform.h>

namespace uiutil_internal {

// Plays `sound` as PlaySoundW would with these SND_ flags (a file with
// SND_FILENAME, an alias with SND_ALIAS, asynchronously with SND_ASYNC,
// repeated with SND_LOOP), or stops the current sound when `sound` is null.
// `module` is PlaySoundW's resource module (not needed where there are no
// resource modules). TRUE on success; FALSE when nothing can be played (no
// sound back end built in, no sound device, an unknown sound).
BOOL platform_play_sound(const char* sound, HMODULE module, DWORD flags);

#if !defined(_WIN32)

// The sound-theme event names to try, in order, for a Windows system sound
// alias (compared without regard to case), ending with a null pointer; null
// when the alias is not one the table knows.
const char* const* sound_theme_names(const char* alias);

#endif // !_WIN32

} // namespace uiutil_internal
