// Demo: switching the current resource module, nested, with a foreign change,
// a library that does not load and one switch too many.
#include "common/platform_setup.h"
#include "common/scratch_folder.h"
#include "subcommands.h"

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

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

void demo_modules() {
    // Two resource libraries (see make_resource_library); the folder is
    // removed at the end.
    const tool::ScratchFolder folder("uiutil-demo-modules");
    const std::string french = tool::make_resource_library(folder.path(), 0, "french", "Fichier");
    const std::string german = tool::make_resource_library(folder.path(), 1, "german", "Datei");
    ut_set_assert_handler(print_report, nullptr);
    // Where programs have no module handle of their own, a stand-in shows
    // the null handle of a failed load apart from the starting one.
    const HINSTANCE initial = ui_get_resource_handle();
    const HINSTANCE start = initial ? initial : reinterpret_cast<HINSTANCE>(0x1000);
    ui_set_resource_handle(start);
    g_names[start] = initial ? "the program's own" : "the program's own (a stand-in)";
    g_names[nullptr] = "null";
    const HINSTANCE french_module =
        LoadLibraryExU(french.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HINSTANCE german_module =
        LoadLibraryExU(german.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    g_names[french_module] = "French";
    g_names[german_module] = "German";
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
    tool::free_library(french_module);
    tool::free_library(german_module);
    g_names.clear();
}

tool::RegisterDemoSection section({90, "Resource modules", demo_modules});

} // namespace
