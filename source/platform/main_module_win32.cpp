// The main program's module handle on Windows.
#include "internal/main_module.h"

namespace uiutil_internal {

HINSTANCE main_module_handle() {
    return GetModuleHandleW(nullptr);
}

} // namespace uiutil_internal
