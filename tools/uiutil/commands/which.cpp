// uiutil which: finds a file along a search path list.
#include "common/arguments.h"
#include "common/path_errors.h"
#include "subcommands.h"

#include <cstdio>
#include <memory>
#include <uiutil/uiutil.h>

namespace {

int run_which(const tool::Arguments& args) {
    const char* name = args.operand(0);
    const char* extension = args.count() > 1 ? args.operand(1) : nullptr;
    const char* path = args.value("--path");
    if (!path)
        return tool::usage_error(args.command(), "--path is required");
    const bool reverse = args.has("--reverse");

    uiPathList list;
    const uiPathListError added = list.add(path);
    if (added != uiPATHOK)
        std::fprintf(stderr, "uiutil which: not every directory was added (%s%s)\n",
                     tool::path_error_name(added),
                     added == uiPATHINLIST ? ": one is already an entry" : "");
    std::unique_ptr<char[]> found;
    if (extension)
        found.reset(reverse ? list.search_reverse(name, extension) : list.search(name, extension));
    else
        found.reset(reverse ? list.search_reverse(name) : list.search(name));
    if (!found) {
        if (extension)
            std::fprintf(stderr, "uiutil which: neither %s%s nor %s found along '%s'\n", name,
                         extension, name, path);
        else
            std::fprintf(stderr, "uiutil which: %s not found along '%s'\n", name, path);
        return tool::exit_not_found;
    }
    std::printf("%s\n", found.get());
    return tool::exit_ok;
}

tool::RegisterSubcommand
    reg({"which",
         "which NAME [EXTENSION] --path 'DIR;DIR;...' [--reverse]",
         "find a file along a search path",
         "Searches the directories of a search path for a regular file (or character\n"
         "device) NAME, as uiPathList::search does. With EXTENSION, NAME + EXTENSION is\n"
         "looked for in every directory first, then NAME alone. A leading ~ in a\n"
         "directory stands for $HOME; the entry . tries NAME as it is; an absolute NAME\n"
         "is checked by itself.\n"
         "\n"
         "options:\n"
         "  --path 'DIR;DIR;...'  the directories, separated by ; (required)\n"
         "  --reverse             try the directories from the last to the first\n"
         "\n"
         "output: the full path of the file found, alone on standard output. When none\n"
         "is found, standard output stays empty and standard error says so.\n"
         "\n"
         "exit codes: 0 found; 1 not found; 2 usage.\n",
         {{"--path", "'DIR;DIR;...'"}, {"--reverse", nullptr}},
         1,
         2,
         run_which});

} // namespace
