// uiutil which: finds a file along a search path list.
#include "subcommands.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <uiutil/uiutil.h>

namespace {

int usage() {
    std::fprintf(stderr, "usage: uiutil which NAME [EXTENSION] --path 'DIR;DIR;...' [--reverse]\n");
    return 2;
}

int run_which(int argc, char** argv) {
    const char* name = nullptr;
    const char* extension = nullptr;
    const char* path = nullptr;
    bool reverse = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--path") == 0 && i + 1 < argc)
            path = argv[++i];
        else if (std::strcmp(argv[i], "--reverse") == 0)
            reverse = true;
        else if (!name)
            name = argv[i];
        else if (!extension)
            extension = argv[i];
        else
            return usage();
    }
    if (!name || !path)
        return usage();

    uiPathList list;
    if (list.add(path) != uiPATHOK)
        std::fprintf(stderr, "uiutil which: some directories of the path were not added\n");
    std::unique_ptr<char[]> found;
    if (extension)
        found.reset(reverse ? list.search_reverse(name, extension) : list.search(name, extension));
    else
        found.reset(reverse ? list.search_reverse(name) : list.search(name));
    if (!found)
        return 1;
    std::printf("%s\n", found.get());
    return 0;
}

tool::RegisterSubcommand reg({"which", "which NAME [EXTENSION] --path 'DIR;...' [--reverse]",
                              "find a file along a search path (exit 1 when not found)",
                              run_which});

} // namespace
