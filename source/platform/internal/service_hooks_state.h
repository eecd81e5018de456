// The installed service hooks, as the platform wrappers consult them.
#pragma once

#include <uiutil/service_hooks.h>

namespace uiutil_internal {

// Each answers false when no hook is installed; otherwise calls the hook,
// stores its answer and answers true.
bool call_play_sound_hook(const char* sound, HMODULE module, DWORD flags, BOOL* answer);
bool call_registry_query_hook(HKEY key, const char* subkey, char* value, LONG* size, LONG* answer);
bool call_file_status_hook(const char* path, uiFileKind* kind, int* answer);

} // namespace uiutil_internal
