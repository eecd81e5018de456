// The per-user registry behind RegQueryValueU: the registry itself on
// Windows, a store of plain files elsewhere (layout described in
// user_registry_posix.cpp and docs/platform_notes.md).
#pragma once

#include <uiutil/platform.h>

namespace uiutil_internal {

// Reads the default value of `subkey` under `key` as RegQueryValueW would,
// into `value` (`*size` bytes, NUL-terminated narrow text in the thread's
// code page). ERROR_SUCCESS with `*size` the bytes written (NUL included);
// ERROR_MORE_DATA with `*size` the bytes needed when the value does not fit;
// ERROR_FILE_NOT_FOUND for a missing key.
LONG read_user_registry(HKEY key, const char* subkey, char* value, LONG* size);

} // namespace uiutil_internal
