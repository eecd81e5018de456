// `uiutil match PATTERN SUBJECT...`: whether each subject matches, and the
// registers that are set.
#include "subcommands.h"

#include <cstdio>
#include <uiutil/pattern.h>

namespace {

int run(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: uiutil match PATTERN SUBJECT...\n");
        return 2;
    }
    uiPattern pattern{uiSaveString(argv[1])};
    if (pattern.error() != uiPatternNoError) {
        std::printf("compile result: %d \"%s\" (the program is empty)\n",
                    static_cast<int>(pattern.error()), pattern.error_text());
    }
    int matched = 0;
    for (int i = 2; i < argc; ++i) {
        uiSaveString subject(argv[i]);
        int yes = pattern.match(subject);
        matched += yes;
        std::printf("%s: %s\n", tool::visible(argv[i]).c_str(), yes ? "match" : "no match");
        for (int r = 0; yes && r < 10; ++r) {
            if (!pattern.has_register(r)) {
                continue;
            }
            const uiPattern::PatternRegisters& regs = pattern.registers();
            const uiSaveString& text = pattern.get_register(r);
            std::printf("  register %d: %d..%d \"%s\"\n", r, regs.start[r], regs.end[r],
                        text ? tool::visible(text).c_str() : "");
        }
    }
    return matched == argc - 2 ? 0 : 1;
}

tool::RegisterSubcommand reg({"match", "match PATTERN SUBJECT...",
                              "match a pattern against subjects and show the registers", run});

} // namespace
