// Demo: switching the current resource module, nested, with a foreign change,
// a library that does not load and one switch too many.
#include "subcommands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::map<HINSTANCE, std::string> g_names;

void show(const char* step) {
    const HINSTANCE current = ui_get_resource_handle();
    const auto found = g_names.find(current);
    std::printf("  %-44s current module: %s\n", step,
                found != g_names.end() ? found->second.c_str() : "(unnamed)");
}

void print_report(const char* file, int line, const char* message, void*) {
    std::printf("  assertion report: %s(%d): %s\n", file, line, message);
}

// Two resource libraries: copies of the library's own module on Windows
// (any module serves as a data file), small data files elsewhere.
void library_paths(std::string& french, std::string& german) {
    const fs::path folder = fs::temp_directory_path() / "uiutil_demo_modules";
    fs::create_directories(folder);
#if defined(_WIN32)
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path library = fs::path(self).parent_path() / "uiutil.dll";
    french = (folder / "french.dll").string();
    german = (folder / "german.dll").string();
    std::error_code error;
    fs::copy_file(library, french, fs::copy_options::overwrite_existing, error);
    fs::copy_file(library, german, fs::copy_options::overwrite_existing, error);
#else
    french = (folder / "french.res").string();
    german = (folder / "german.res").string();
    std::ofstream(french) << "Fichier";
    std::ofstream(german) << "Datei";
#endif
}

void demo_modules() {
    std::string french, german;
    library_paths(french, german);
    ut_set_assert_handler(print_report, nullptr);
    // Where programs have no module handle of their own, a stand-in shows
    // the null handle of a failed load apart from the starting one.
    const HINSTANCE initial = ui_get_resource_handle();
    const HINSTANCE start = initial ? initial : reinterpret_cast<HINSTANCE>(0x1000);
    ui_set_resource_handle(start);
    g_names[start] = initial ? "the program's own" : "the program's own (a stand-in)";
    g_names[nullptr] = "null";
    g_names[LoadLibraryExU(french.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)] = "French";
    g_names[LoadLibraryExU(german.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)] = "German";
    const HINSTANCE other = reinterpret_cast<HINSTANCE>(0x1234);
    g_names[other] = "set by other code";

    show("at start");
    {
        uiResourceDLL a(uiSaveString(french.c_str()));
        show("switch A to French");
        {
            uiSaveString path(german.c_str());
            uiResourceDLL b(&path);
            show("nested switch B to German");
        }
        show("B ended");
        ui_set_resource_handle(other);
        show("other code changes the module");
        {
            uiResourceDLL c(uiSaveString(german.c_str()));
            show("switch C to German");
        }
        show("C ended (re-installs A, the outer switch)");
    }
    show("A ended");
    {
        uiResourceDLL missing(uiSaveString("no-such-library.dll"));
        show("switch to a library that does not load");
    }
    show("that switch ended");
    {
        std::vector<std::unique_ptr<uiResourceDLL>> levels;
        const uiSaveString path(french.c_str());
        for (int i = 0; i < 33; ++i)
            levels.push_back(std::make_unique<uiResourceDLL>(path));
        show("33 nested switches (the last refused)");
        while (!levels.empty())
            levels.pop_back();
    }
    show("all ended");
    ui_set_resource_handle(initial);
    ut_set_assert_handler(nullptr, nullptr);
}

tool::RegisterDemoSection section({90, "Resource modules", demo_modules});

} // namespace
