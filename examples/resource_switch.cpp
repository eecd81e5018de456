// Switching the current resource module for a stretch of code, with the
// application's own accessors for the current resource handle, and resolving
// a shortcut.
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <uiutil/uiutil.h>

namespace fs = std::filesystem;

// The application's current resource handle (a framework would keep it).
static HINSTANCE current_resources = nullptr;
static HINSTANCE get_resources() {
    return current_resources;
}
static void set_resources(HINSTANCE handle) {
    current_resources = handle;
}

int main() {
    fs::path folder = fs::temp_directory_path() / "uiutil_resource_switch_example";
    fs::create_directories(folder);
    fs::path library = folder / "french.res";
    std::ofstream(library) << "resources";

    // Install the accessors once, at start-up, before the first switch.
    ui_set_resource_handle_accessors(get_resources, set_resources);

    bool switched = false;
    {
        // Loads the library as a data file and makes it current until the
        // object ends; the library itself stays loaded.
        uiResourceDLL french(uiSaveString(library.string().c_str()));
        switched = current_resources != nullptr;
    }
    bool restored = current_resources == nullptr;

    // A shortcut to the resource library (here a symbolic link; on Windows a
    // shell link file) resolves to the library's full path.
    fs::path link = folder / "resources.link";
    fs::create_symlink(library, link);
    uiShortcutResolver resolver;
    char target[MAX_PATH];
    long result = resolver.get_link_info(nullptr, link.wstring().c_str(), target);
    std::cout << "switched: " << switched << ", restored: " << restored << ", link -> " << target
              << "\n";

    bool ok = switched && restored && result == S_OK && library.string() == target;
    fs::remove_all(folder);
    return ok ? 0 : 1;
}
