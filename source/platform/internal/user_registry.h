// The per-user registry store behind RegQueryValueU on platforms without a
// registry (layout described in user_registry_posix.cpp and docs).
#pragma once

#include <string>
#include <uiutil/platform.h>

namespace uiutil_internal {

// Reads the default value of `subkey` under `key` as RegQueryValueW would,
// into `value` (`*size` bytes, NUL-terminated). ERROR_SUCCESS with `*size`
// the bytes written (NUL included); ERROR_MORE_DATA with `*size` the bytes
// needed when the value does not fit; ERROR_FILE_NOT_FOUND for a missing key.
LONG read_user_registry(HKEY key, const char* subkey, char* value, LONG* size);

// The folder that holds HKEY_CURRENT_USER's keys; empty when neither
// XDG_CONFIG_HOME nor HOME gives one.
std::string user_registry_root();

} // namespace uiutil_internal
