// Demo: resolving shortcut files made on the spot.
#include "subcommands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <uiutil/uiutil.h>

#if defined(_WIN32)
#include <objbase.h>
#include <shobjidl.h>
#endif

namespace {

namespace fs = std::filesystem;

void show(const uiShortcutResolver& resolver, const fs::path& folder, const char* name) {
    char target[MAX_PATH];
    const long hr = resolver.get_link_info(nullptr, (folder / name).wstring().c_str(), target);
    if (hr == S_OK)
        std::printf("  %-22s -> %s\n", name, target);
    else if (hr == S_FALSE)
        std::printf("  %-22s no file path (S_FALSE)\n", name);
    else
        std::printf("  %-22s failed 0x%08lX\n", name,
                    static_cast<unsigned long>(hr) & 0xFFFFFFFFul);
}

#if defined(_WIN32)
void save_link(const fs::path& link, const fs::path& target) {
    IShellLinkW* shell_link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell_link))))
        return;
    IPersistFile* file = nullptr;
    shell_link->SetPath(target.wstring().c_str());
    if (SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        file->Save(link.wstring().c_str(), TRUE);
        file->Release();
    }
    shell_link->Release();
}
#endif

void demo_shortcuts() {
    const fs::path folder = fs::temp_directory_path() / "uiutil_demo_shortcuts";
    fs::remove_all(folder);
    fs::create_directories(folder / "docs");
    const fs::path report = folder / "docs" / "report.txt";
    std::ofstream(report.string()) << "quarterly figures\n";
    std::ofstream((folder / "notes.txt").string()) << "not a link\n";
    std::printf("  (in %s)\n", folder.string().c_str());
#if defined(_WIN32)
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    save_link(folder / "report.lnk", report);
    {
        uiShortcutResolver resolver;
        show(resolver, folder, "report.lnk");
        show(resolver, folder, "notes.txt");
        show(resolver, folder, "missing.lnk");
    }
    CoUninitialize();
#else
    std::error_code error;
    fs::create_symlink(report, folder / "report-absolute", error);
    fs::create_symlink("docs/report.txt", folder / "report-relative", error);
    fs::create_symlink("docs/moved-away.txt", folder / "dangling", error);
    std::ofstream((folder / "report.desktop").string())
        << "[Desktop Entry]\nType=Link\nName=Report\nURL=file://"
        << (folder / "docs" / "report%20copy.txt").string() << "\n";
    std::ofstream((folder / "website.desktop").string())
        << "[Desktop Entry]\nType=Link\nName=Web site\nURL=https://example.org/\n";
    uiShortcutResolver resolver;
    for (const char* name : {"report-absolute", "report-relative", "dangling", "report.desktop",
                             "website.desktop", "notes.txt", "missing.lnk"})
        show(resolver, folder, name);
#endif
}

tool::RegisterDemoSection section({95, "Shortcuts", demo_shortcuts});

} // namespace
