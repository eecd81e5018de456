// uiutil resolve: the target path of each shortcut (link) file.
#include "common/arguments.h"
#include "common/hresult_names.h"
#include "common/platform_setup.h"
#include "subcommands.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

// A path as it is, unless it holds control characters (then made visible);
// backslashes of Windows paths stay single.
std::string shown(const char* path) {
    for (const char* p = path; *p; ++p)
        if (static_cast<unsigned char>(*p) < 0x20 || *p == 0x7F)
            return tool::visible(path);
    return path;
}

// Prints one line for `link`; answers whether it gave a file path.
bool resolve_one(const uiShortcutResolver& resolver, const char* link) {
    const int size = ui_LPCSTR_to_TCHAR(link, nullptr, 0);
    std::vector<wchar_t> wide(size > 0 ? static_cast<std::size_t>(size) : 1, L'\0');
    if (size <= 0 || ui_LPCSTR_to_TCHAR(link, wide.data(), size) == 0) {
        std::printf("%s: cannot convert the path to wide text\n", shown(link).c_str());
        return false;
    }
    char target[MAX_PATH];
    const long hr = resolver.get_link_info(nullptr, wide.data(), target);
    const std::string result = tool::describe_link_result(hr, shown(target).c_str());
    std::printf("%s%s %s\n", shown(link).c_str(), hr == S_OK ? "" : ":", result.c_str());
    return hr == S_OK;
}

int run_resolve(const tool::Arguments& args) {
    std::setlocale(LC_CTYPE, ""); // paths in the user's character set
    const tool::ComSession com;
    const uiShortcutResolver resolver;
    bool all_resolved = true;
    for (const char* link : args.operands())
        all_resolved = resolve_one(resolver, link) && all_resolved;
    return all_resolved ? tool::exit_ok : tool::exit_not_found;
}

tool::RegisterSubcommand
    reg({"resolve",
         "resolve LINK...",
         "print the target of each shortcut file, or why there is none",
         "Reads each LINK with the library's shortcut resolver: on Windows a shell link\n"
         "(.lnk) through the shell; elsewhere a symbolic link, a desktop entry\n"
         "(Type=Link) or a .lnk file, by the library's own reader.\n"
         "\n"
         "output, one line per link:\n"
         "  LINK -> TARGET\n"
         "  LINK: no file path (S_FALSE: ...)       the link points at a web address or\n"
         "                                          another item that is not a file\n"
         "  LINK: failed 0xHRESULT NAME: MEANING    the HRESULT, its name and meaning\n"
         "The first field is always the link as given; the code stays the third field\n"
         "of a failure line.\n"
         "\n"
         "exit codes: 0 every link gave a file path; 1 some did not; 2 usage.\n",
         {},
         1,
         -1,
         run_resolve});

} // namespace
