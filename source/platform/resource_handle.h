// The current resource module: the module from which the application loads
// its dialogs, strings and other resources. uiResourceDLL switches it.
//
// The library reads and writes it only through one accessor pair. Until the
// application installs a pair of its own, the library's pair serves: it keeps
// the handle in a process-wide variable that starts as the handle of the
// process's main program on Windows and as null elsewhere, and the
// application reads it with ui_get_resource_handle() when it loads resources.
//
// An application built on a framework that keeps its own current resource
// handle installs the framework's getter and setter once, at start-up,
// before the first switch; for example, with a framework that offers
// FrameworkGetResourceHandle / FrameworkSetResourceHandle:
//
//     static HINSTANCE get() { return FrameworkGetResourceHandle(); }
//     static void set(HINSTANCE h) { FrameworkSetResourceHandle(h); }
//     ...
//     ui_set_resource_handle_accessors(get, set);
//
// Like the rest of the library the accessors take no locks: switching belongs
// to the user-interface thread.
#pragma once

#include <cstddef>
#include <uiutil/export.h>
#include <uiutil/platform.h>

// Answers the application's current resource handle.
typedef HINSTANCE (*ui_resource_handle_getter)();
// Makes `handle` the application's current resource handle.
typedef void (*ui_resource_handle_setter)(HINSTANCE handle);

// The current resource handle, through the installed getter.
UIUTIL_API HINSTANCE ui_get_resource_handle();

// Makes `handle` the current resource handle, through the installed setter.
UIUTIL_API void ui_set_resource_handle(HINSTANCE handle);

// Installs the application's accessor pair. Passing null for either restores
// the library's own pair (whose variable keeps the value it last held).
UIUTIL_API void ui_set_resource_handle_accessors(ui_resource_handle_getter getter,
                                                 ui_resource_handle_setter setter);

#if !defined(_WIN32)

// The bytes of a module that LoadLibraryExU loaded as a data file (the file's
// contents, mapped read-only; they stay mapped while the process runs).
// Answers 1 and fills `data` and `size` for such a handle; answers 0 and
// leaves them unchanged for null or any other handle. An empty file gives a
// null `data` and a `size` of 0.
UIUTIL_API int ui_data_module_bytes(HINSTANCE module, const void** data, std::size_t* size);

#endif // !_WIN32
