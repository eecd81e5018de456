// Programs here have no module handle of their own: the main program's is null.
#include "internal/main_module.h"

namespace uiutil_internal {

HINSTANCE main_module_handle() {
    return nullptr;
}

} // namespace uiutil_internal
