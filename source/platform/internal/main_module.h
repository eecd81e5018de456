// The handle of the process's main program, as the platform names modules.
#pragma once

#include <uiutil/platform.h>

namespace uiutil_internal {

// The main program's module handle on Windows; null where modules have no
// such handle.
HINSTANCE main_module_handle();

} // namespace uiutil_internal
