// `uiutil match [--limit STEPS] PATTERN SUBJECT...`: whether each subject
// matches, and the registers that are set.
#include "common/arguments.h"
#include "program/compile_error.h"
#include "subcommands.h"

#include <cstdio>
#include <uiutil/pattern.h>

namespace {

// The tool's bound on the backtracking work of one match: enough for any
// pattern that does not nest repetitions, and a fraction of a second's work.
const long long default_limit = 10000000;

void print_block(const uiPattern& pattern, const char* subject, int yes, bool gave_up,
                 long long limit) {
    if (gave_up) {
        std::printf("%s: gave up after %lld steps (raise --limit, or --limit 0 for none)\n",
                    tool::visible(subject).c_str(), limit);
        return;
    }
    std::printf("%s: %s\n", tool::visible(subject).c_str(), yes ? "match" : "no match");
    for (int r = 0; yes && r < 10; ++r) {
        if (!pattern.has_register(r))
            continue;
        const uiPattern::PatternRegisters& regs = pattern.registers();
        const uiSaveString& register_text = pattern.get_register(r);
        std::printf("  register %d: %d..%d \"%s\"\n", r, regs.start[r], regs.end[r],
                    register_text ? tool::visible(register_text).c_str() : "");
    }
}

// SUBJECT, match | no match | gave up, then START..END of registers 0 to 9
// (empty when unset), tab-separated.
void print_tsv(const uiPattern& pattern, const char* subject, int yes, bool gave_up) {
    std::printf("%s\t%s", tool::visible(subject).c_str(),
                gave_up ? "gave up"
                : yes   ? "match"
                        : "no match");
    const uiPattern::PatternRegisters& regs = pattern.registers();
    for (int r = 0; r < 10; ++r) {
        if (yes && pattern.has_register(r))
            std::printf("\t%d..%d", regs.start[r], regs.end[r]);
        else
            std::printf("\t");
    }
    std::printf("\n");
}

int run(const tool::Arguments& args) {
    long long limit = default_limit;
    if (const char* text = args.value("--limit")) {
        if (!tool::read_number(text, 0, 1000000000000000000LL, limit))
            return tool::usage_error(args.command(),
                                     "--limit takes a whole number of steps, 0 for no limit: '" +
                                         std::string(text) + "'");
    }
    const char* text = args.operand(0);
    uiPattern pattern{uiSaveString(text)};
    if (pattern.error() != uiPatternNoError) {
        // The library would match everything with the empty program it left.
        std::fprintf(stderr, "uiutil match: %s",
                     tool::describe_compile_error(text, pattern).c_str());
        return tool::exit_usage;
    }
    bool tsv = false;
    if (!tool::read_format(args, tsv))
        return tool::usage_error(args.command(), "--format is text or tsv");
    if (tsv)
        std::printf("subject\tresult\tr0\tr1\tr2\tr3\tr4\tr5\tr6\tr7\tr8\tr9\n");
    pattern.set_work_limit(limit);
    int status = tool::exit_ok;
    for (std::size_t i = 1; i < args.count(); ++i) {
        const char* subject = args.operand(i);
        const int yes = pattern.match(uiSaveString(subject));
        const bool gave_up = pattern.work_exhausted() != 0;
        if (gave_up)
            status = tool::exit_gave_up;
        else if (!yes && status == tool::exit_ok)
            status = tool::exit_not_found;
        if (tsv)
            print_tsv(pattern, subject, yes, gave_up);
        else
            print_block(pattern, subject, yes, gave_up, limit);
    }
    return status;
}

tool::RegisterSubcommand
    reg({"match",
         "match [--limit STEPS] [--format=tsv] PATTERN SUBJECT...",
         "match a pattern against subjects and show the registers",
         "Compiles PATTERN (the library's syntax: \\( \\) groups, \\| alternatives, \\1..\\9\n"
         "back-references; see docs/pattern.md) and searches each SUBJECT for its leftmost\n"
         "match.\n"
         "\n"
         "options:\n"
         "  --limit STEPS  give up on a subject after STEPS returns of the backtracking\n"
         "                 matcher to a resume point (default 10000000; 0: no limit). A\n"
         "                 pattern that nests repetitions, or uses back-references, can\n"
         "                 otherwise take time exponential in the subject's length.\n"
         "  --format=tsv   a header line, then one line per subject of tab-separated\n"
         "                 fields: subject, result (match | no match | gave up), and\n"
         "                 START..END of registers 0 to 9 (empty when unset)\n"
         "\n"
         "output, one block per subject (control characters shown as \\t, \\n, \\xHH):\n"
         "  SUBJECT: match\n"
         "    register N: START..END \"TEXT\"   each register set: 0 the whole match,\n"
         "                                     1..9 the groups; END is one past the last\n"
         "                                     character\n"
         "  SUBJECT: no match\n"
         "  SUBJECT: gave up after STEPS steps\n"
         "A pattern that does not compile is reported on standard error with the place\n"
         "it went wrong, and no subject is tried.\n"
         "\n"
         "exit codes: 0 every subject matched; 1 some subject did not match; 2 usage, or\n"
         "the pattern does not compile; 3 the limit was reached on some subject.\n",
         {{"--limit", "STEPS"}, {"--format", "text|tsv"}},
         2,
         -1,
         run});

} // namespace
