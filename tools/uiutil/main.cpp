// uiutil: a command-line window onto the library. Reads the subcommand's
// options, answers --help and --version, and runs the subcommand.
#include "common/arguments.h"
#include "subcommands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <uiutil/version.h>

namespace tool {

std::vector<Subcommand>& subcommands() {
    static std::vector<Subcommand> all;
    return all;
}

std::vector<DemoSection>& demo_sections() {
    static std::vector<DemoSection> all;
    return all;
}

} // namespace tool

namespace {

void print_help(FILE* out) {
    std::fprintf(out,
                 "usage: uiutil SUBCOMMAND [OPTIONS] [ARGUMENTS]\n"
                 "       uiutil --help | --version\n"
                 "\n"
                 "A command-line window onto the uiutil library %s.\n"
                 "\n"
                 "subcommands (uiutil SUBCOMMAND --help is the reference of each):\n",
                 UIUTIL_VERSION);
    std::vector<tool::Subcommand> all = tool::subcommands();
    std::sort(all.begin(), all.end(), [](const tool::Subcommand& a, const tool::Subcommand& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    for (const tool::Subcommand& s : all)
        std::fprintf(out, "  %-12s %s\n", s.name, s.summary);
    std::fprintf(out, "\n"
                      "options:\n"
                      "  -h, --help   this text\n"
                      "  --version    the library version, as \"uiutil VERSION\"\n"
                      "Every subcommand takes --help, and -- before operands that begin with -.\n"
                      "\n"
                      "exit codes (the same for every subcommand):\n"
                      "  0  done: everything asked for was found, matched or made\n"
                      "  1  done, but something was not found, did not match or failed\n"
                      "  2  usage: the command line was wrong (an unknown option, a missing or\n"
                      "     malformed argument, a pattern for match that does not compile)\n"
                      "  3  gave up: a pattern match reached its work limit (see match --help)\n");
}

const tool::Subcommand* find_subcommand(const char* name) {
    for (const tool::Subcommand& s : tool::subcommands()) {
        if (std::strcmp(s.name, name) == 0)
            return &s;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        print_help(stderr);
        return tool::exit_usage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        print_help(stdout);
        return tool::exit_ok;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("uiutil %s\n", UIUTIL_VERSION);
        return tool::exit_ok;
    }
    const tool::Subcommand* command = find_subcommand(argv[1]);
    if (!command) {
        std::fprintf(stderr, "uiutil: unknown subcommand '%s' (uiutil --help lists them)\n",
                     argv[1]);
        return tool::exit_usage;
    }
    const tool::Arguments args(*command, argc - 1, argv + 1);
    if (args.wants_help()) {
        std::printf("usage: uiutil %s\n\n%s", command->usage, command->help);
        return tool::exit_ok;
    }
    if (!args.error().empty())
        return tool::usage_error(*command, args.error());
    return command->run(args);
}
