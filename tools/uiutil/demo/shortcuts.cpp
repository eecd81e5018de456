// Demo: resolving shortcut files made on the spot.
#include "common/hresult_names.h"
#include "common/platform_setup.h"
#include "common/scratch_folder.h"
#include "subcommands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

void show(const uiShortcutResolver& resolver, const fs::path& folder, const char* name) {
    char target[MAX_PATH];
    const long hr = resolver.get_link_info(nullptr, (folder / name).wstring().c_str(), target);
    std::printf("  %-22s %s\n", name, tool::describe_link_result(hr, target).c_str());
}

// Symbolic links and desktop entries, where there are no shell links.
void make_posix_samples(const fs::path& folder, const fs::path& report) {
    std::error_code error;
    fs::create_symlink(report, folder / "report-absolute", error);
    fs::create_symlink("docs/report.txt", folder / "report-relative", error);
    fs::create_symlink("docs/moved-away.txt", folder / "dangling", error);
    std::ofstream((folder / "report.desktop").string())
        << "[Desktop Entry]\nType=Link\nName=Report\nURL=file://"
        << (folder / "docs" / "report%20copy.txt").string() << "\n";
    std::ofstream((folder / "website.desktop").string())
        << "[Desktop Entry]\nType=Link\nName=Web site\nURL=https://example.org/\n";
}

void demo_shortcuts() {
    const tool::ScratchFolder scratch("uiutil-demo-shortcuts");
    const fs::path& folder = scratch.path();
    fs::create_directories(folder / "docs");
    const fs::path report = folder / "docs" / "report.txt";
    std::ofstream(report.string()) << "quarterly figures\n";
    std::ofstream((folder / "notes.txt").string()) << "not a link\n";
    std::printf("  (in %s)\n", folder.string().c_str());
    const tool::ComSession com;
    std::vector<const char*> names = {"report.lnk", "notes.txt", "missing.lnk"};
    if (!tool::save_shell_link(folder / "report.lnk", report)) {
        make_posix_samples(folder, report);
        names = {"report-absolute", "report-relative", "dangling",   "report.desktop",
                 "website.desktop", "notes.txt",       "missing.lnk"};
    }
    uiShortcutResolver resolver;
    for (const char* name : names)
        show(resolver, folder, name);
}

tool::RegisterDemoSection section({95, "Shortcuts", demo_shortcuts});

} // namespace
