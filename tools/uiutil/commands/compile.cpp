// `uiutil compile PATTERN`: the compile result and the program listing;
// `uiutil compile --dot PATTERN`: the program as a Graphviz graph.
#include "program/pattern_listing.h"
#include "program/program_dot.h"
#include "subcommands.h"

#include <cstdio>
#include <cstring>

namespace {

int run(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--dot") == 0) {
        return tool::compile_dot(argv[2]);
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: uiutil compile [--dot] PATTERN\n");
        return 2;
    }
    uiPattern pattern{uiSaveString(argv[1])};
    std::printf("pattern: %s\n", tool::visible(argv[1]).c_str());
    std::printf("result: %d \"%s\"\n", static_cast<int>(pattern.error()), pattern.error_text());
    const uiPattern::PatternBuffer& buffer = pattern.buffer();
    std::printf("length: %d bytes\n", buffer.length);
    std::printf("bytes:");
    for (int i = 0; i < buffer.length; ++i) {
        std::printf(" %d", static_cast<unsigned char>(buffer.code[i]));
    }
    std::printf("\n%s", tool::pattern_listing(buffer).c_str());
    return pattern.error() == uiPatternNoError ? 0 : 1;
}

tool::RegisterSubcommand reg({"compile", "compile [--dot] PATTERN",
                              "compile a pattern and list its program (--dot: as a Graphviz graph)",
                              run});

} // namespace
