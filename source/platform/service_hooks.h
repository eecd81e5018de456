// Hooks that replace the platform services the library calls: playing sounds,
// reading the per-user registry and querying the status of a file. They let
// a test (or an application that wants to observe or redirect these calls)
// see exactly what the library asks for and decide the answer.
//
// While a hook is installed, every call of the service goes to the hook and
// the platform is not called. Installing a null hook restores the platform.
// The `context` given when installing is passed back on every call. Hooks are
// process-wide and unguarded, like the rest of the library's state: install
// and remove them on the thread that uses the library.
#pragma once

#include <uiutil/export.h>
#include <uiutil/platform.h>

// ---- Sounds: replaces what PlaySoundU does ---------------------------------

// Receives PlaySoundU's arguments unchanged (`sound` null means "stop") and
// answers in its place (1 for success).
typedef BOOL (*ui_play_sound_hook)(const char* sound, HMODULE module, DWORD flags, void* context);
// Installs `hook` for every later PlaySoundU call; null restores the platform.
UIUTIL_API void ui_set_play_sound_hook(ui_play_sound_hook hook, void* context);

// ---- Registry: replaces what RegQueryValueU does ---------------------------

// Receives RegQueryValueU's arguments unchanged and answers in its place:
// 0 (ERROR_SUCCESS) after writing NUL-terminated text into `value` (of
// `*size` bytes), anything else for failure.
typedef LONG (*ui_registry_query_hook)(HKEY key, const char* subkey, char* value, LONG* size,
                                       void* context);
// Installs `hook` for every later RegQueryValueU call; null restores the
// platform.
UIUTIL_API void ui_set_registry_query_hook(ui_registry_query_hook hook, void* context);

// ---- File status: replaces the query behind uiPathList::check_access -------

// What kind of file a successful status query found.
enum uiFileKind { uiFILEREGULAR = 0, uiFILECHARDEVICE = 1, uiFILEDIRECTORY = 2, uiFILEOTHER = 3 };

// Receives the path exactly as it would be queried. Answers 0 and sets
// `*kind` when the file exists, otherwise the platform's errno value for the
// failure (ENOENT, EACCES, EINTR, ...), which is classified as a real
// failure would be.
typedef int (*ui_file_status_hook)(const char* path, uiFileKind* kind, void* context);
// Installs `hook` for every later status query of check_access; null restores
// the platform.
UIUTIL_API void ui_set_file_status_hook(ui_file_status_hook hook, void* context);
