// Loading a module as the platform's LoadLibraryExW does: the service behind
// LoadLibraryExU.
#pragma once

#include <uiutil/platform.h>

namespace uiutil_internal {

// Loads the module `path` names (narrow text in the thread's code page) with
// LoadLibraryExW's flags; null when it does not load. On Windows this is
// LoadLibraryExW itself; elsewhere only data-file loads
// (LOAD_LIBRARY_AS_DATAFILE) are possible: the file is mapped read-only and
// stays mapped while the process runs (see ui_data_module_bytes).
HINSTANCE platform_load_library(const char* path, HANDLE reserved, DWORD flags);

} // namespace uiutil_internal
