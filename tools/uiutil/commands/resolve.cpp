// uiutil resolve: the target path of each shortcut (link) file.
#include "subcommands.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

#if defined(_WIN32)
#include <objbase.h>
#endif

namespace {

// A path as it is, unless it holds control characters (then made visible);
// backslashes of Windows paths stay single.
std::string shown(const char* path) {
    for (const char* p = path; *p; ++p)
        if (static_cast<unsigned char>(*p) < 0x20 || *p == 0x7F)
            return tool::visible(path);
    return path;
}

// Prints "LINK -> TARGET", "LINK: no file path (S_FALSE)" or
// "LINK: failed 0xHRESULT"; answers whether the link was read.
bool resolve_one(const uiShortcutResolver& resolver, const char* link) {
    const int size = ui_LPCSTR_to_TCHAR(link, nullptr, 0);
    std::vector<wchar_t> wide(size > 0 ? static_cast<std::size_t>(size) : 1, L'\0');
    if (size <= 0 || ui_LPCSTR_to_TCHAR(link, wide.data(), size) == 0) {
        std::printf("%s: cannot convert the path to wide text\n", shown(link).c_str());
        return false;
    }
    char target[MAX_PATH];
    const long hr = resolver.get_link_info(nullptr, wide.data(), target);
    if (hr == S_OK)
        std::printf("%s -> %s\n", shown(link).c_str(), shown(target).c_str());
    else if (hr == S_FALSE)
        std::printf("%s: no file path (S_FALSE)\n", shown(link).c_str());
    else
        std::printf("%s: failed 0x%08lX\n", shown(link).c_str(),
                    static_cast<unsigned long>(hr) & 0xFFFFFFFFul);
    return SUCCEEDED(hr);
}

int run_resolve(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: uiutil resolve LINK...\n");
        return 2;
    }
    std::setlocale(LC_CTYPE, ""); // paths in the user's character set
#if defined(_WIN32)
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
#endif
    bool all_read = true;
    {
        uiShortcutResolver resolver;
        for (int i = 1; i < argc; ++i)
            all_read = resolve_one(resolver, argv[i]) && all_read;
    }
#if defined(_WIN32)
    CoUninitialize();
#endif
    return all_read ? 0 : 1;
}

tool::RegisterSubcommand reg({"resolve", "resolve LINK...",
                              "print the target of each shortcut file, or the failure code",
                              run_resolve});

} // namespace
