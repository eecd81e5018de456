// `uiutil compile PATTERN`: the compile result and the program listing;
// `uiutil compile --dot PATTERN`: the program as a Graphviz graph.
#include "common/arguments.h"
#include "program/compile_error.h"
#include "program/pattern_listing.h"
#include "program/program_dot.h"
#include "subcommands.h"

#include <cstdio>

namespace {

int run(const tool::Arguments& args) {
    const char* text = args.operand(0);
    if (args.has("--dot"))
        return tool::compile_dot(text);
    uiPattern pattern{uiSaveString(text)};
    std::printf("pattern: %s\n", tool::visible(text).c_str());
    std::printf("result: %d \"%s\"\n", static_cast<int>(pattern.error()), pattern.error_text());
    const uiPattern::PatternBuffer& buffer = pattern.buffer();
    std::printf("length: %d bytes\n", buffer.length);
    std::printf("bytes:");
    for (int i = 0; i < buffer.length; ++i) {
        std::printf(" %d", static_cast<unsigned char>(buffer.code[i]));
    }
    std::printf("\n%s", tool::pattern_listing(buffer).c_str());
    if (pattern.error() == uiPatternNoError)
        return tool::exit_ok;
    std::fprintf(stderr, "uiutil compile: %s", tool::describe_compile_error(text, pattern).c_str());
    return tool::exit_not_found;
}

tool::RegisterSubcommand
    reg({"compile",
         "compile [--dot] PATTERN",
         "compile a pattern and list its program (--dot: as a Graphviz graph)",
         "Compiles PATTERN and shows the program the matcher runs (docs/pattern.md).\n"
         "\n"
         "options:\n"
         "  --dot  write the program as a Graphviz graph instead (uiutil compile --dot P |\n"
         "         dot -Tsvg -o p.svg): one node per instruction, solid edges for\n"
         "         fall-through and jumps, dashed ones to the resume point a\n"
         "         push_alternative records\n"
         "\n"
         "output:\n"
         "  pattern: PATTERN            control characters shown as \\t, \\n, \\xHH\n"
         "  result: N \"TEXT\"            the compile result; 0 \"\" when it compiled\n"
         "  length: N bytes\n"
         "  bytes: B...                 the program's bytes in decimal\n"
         "  OFFSET  OPCODE  OPERANDS    one line per instruction, from the engine's\n"
         "                              opcode table; jumps show displacement -> target\n"
         "  OFFSET  end                 where a match succeeds\n"
         "A pattern that does not compile leaves the empty program (which matches\n"
         "everything); the place it went wrong is told on standard error.\n"
         "\n"
         "exit codes: 0 the pattern compiled; 1 it did not (--dot then draws nothing);\n"
         "2 usage.\n",
         {{"--dot", nullptr}},
         1,
         1,
         run});

} // namespace
