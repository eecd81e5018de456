// Storage of the service hooks and the calls through them.
#include "platform/internal/service_hooks_state.h"

namespace {

template <typename Hook> struct Installed {
    Hook hook = nullptr;
    void* context = nullptr;
};

Installed<ui_play_sound_hook> g_play_sound;
Installed<ui_registry_query_hook> g_registry_query;
Installed<ui_file_status_hook> g_file_status;

} // namespace

void ui_set_play_sound_hook(ui_play_sound_hook hook, void* context) {
    g_play_sound.hook = hook;
    g_play_sound.context = context;
}

void ui_set_registry_query_hook(ui_registry_query_hook hook, void* context) {
    g_registry_query.hook = hook;
    g_registry_query.context = context;
}

void ui_set_file_status_hook(ui_file_status_hook hook, void* context) {
    g_file_status.hook = hook;
    g_file_status.context = context;
}

namespace uiutil_internal {

bool call_play_sound_hook(const char* sound, HMODULE module, DWORD flags, BOOL* answer) {
    if (!g_play_sound.hook)
        return false;
    *answer = g_play_sound.hook(sound, module, flags, g_play_sound.context);
    return true;
}

bool call_registry_query_hook(HKEY key, const char* subkey, char* value, LONG* size, LONG* answer) {
    if (!g_registry_query.hook)
        return false;
    *answer = g_registry_query.hook(key, subkey, value, size, g_registry_query.context);
    return true;
}

bool call_file_status_hook(const char* path, uiFileKind* kind, int* answer) {
    if (!g_file_status.hook)
        return false;
    *answer = g_file_status.hook(path, kind, g_file_status.context);
    return true;
}

} // namespace uiutil_internal
