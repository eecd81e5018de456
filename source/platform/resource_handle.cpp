// The current resource handle and the accessor pair that reaches it.
#include <uiutil/resource_handle.h>

#include "internal/main_module.h"

namespace {

// The library's own store, made on first use so that the main program's
// handle is known by then.
HINSTANCE& own_handle() {
    static HINSTANCE handle = uiutil_internal::main_module_handle();
    return handle;
}

HINSTANCE own_get() {
    return own_handle();
}
void own_set(HINSTANCE handle) {
    own_handle() = handle;
}

ui_resource_handle_getter g_getter = own_get;
ui_resource_handle_setter g_setter = own_set;

} // namespace

HINSTANCE ui_get_resource_handle() {
    return g_getter();
}

void ui_set_resource_handle(HINSTANCE handle) {
    g_setter(handle);
}

void ui_set_resource_handle_accessors(ui_resource_handle_getter getter,
                                      ui_resource_handle_setter setter) {
    if (getter && setter) {
        g_getter = getter;
        g_setter = setter;
    } else {
        g_getter = own_get;
        g_setter = own_set;
    }
}
