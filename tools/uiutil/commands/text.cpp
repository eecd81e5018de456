// Text subcommands: escape sequences and line breaks.
//   uiutil escape TEXT        backslash sequences in TEXT into control characters
//   uiutil unescape TEXT      control characters in TEXT into backslash sequences
//   uiutil crlf TEXT          line breaks into carriage return + line feed
//   uiutil lf TEXT            carriage returns into line feeds
// Text is read in the environment's locale. The given text and the result are
// both shown with control characters made visible, so that the change shows.
#include "common/arguments.h"
#include "subcommands.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

// What the answer of a conversion means: [0] for 0, [1] for 1.
struct AnswerMeaning {
    const char* no;
    const char* yes;
};

// Prints the given text and the result (or, with --raw, the result's bytes
// alone), then the answer with its meaning when there is one.
void show(const tool::Arguments& args, const char* result, const int* answer,
          const AnswerMeaning& meaning) {
    if (args.has("--raw")) {
        std::fwrite(result, 1, std::strlen(result), stdout);
        return;
    }
    std::printf("given:  \"%s\"\n", tool::visible(args.operand(0)).c_str());
    std::printf("result: \"%s\"\n", tool::visible(result).c_str());
    if (answer)
        std::printf("answer: %d (%s)\n", *answer, *answer ? meaning.yes : meaning.no);
}

// Runs one of the buffer-producing conversions; a code-page failure is
// reported on standard error.
template <typename Convert>
int run_conversion(const tool::Arguments& args, const AnswerMeaning& meaning, Convert convert) {
    std::setlocale(LC_CTYPE, "");
    try {
        char* out = nullptr;
        const int answer = convert(args.operand(0), &out);
        show(args, out, &answer, meaning);
        delete[] out;
    } catch (const uiCodePageError& e) {
        std::fprintf(stderr, "uiutil %s: %s\n", args.command().name, e.what());
        return tool::exit_not_found;
    }
    return tool::exit_ok;
}

int run_escape(const tool::Arguments& args) {
    std::setlocale(LC_CTYPE, "");
    const char* text = args.operand(0);
    std::vector<char> buffer(text, text + std::strlen(text) + 1);
    try {
        show(args, ui_escape_chars(buffer.data()), nullptr, {"", ""});
    } catch (const uiCodePageError& e) {
        std::fprintf(stderr, "uiutil escape: %s\n", e.what());
        return tool::exit_not_found;
    }
    return tool::exit_ok;
}

int run_unescape(const tool::Arguments& args) {
    return run_conversion(
        args, {"the length is unchanged", "the length changed"},
        [](const char* text, char** out) { return ui_unescape_chars(text, out); });
}

int run_crlf(const tool::Arguments& args) {
    return run_conversion(
        args, {"no lone line break was lengthened", "a lone line break was lengthened"},
        [](const char* text, char** out) { return ui_expand_NT_escape_chars(text, out, nullptr); });
}

int run_lf(const tool::Arguments& args) {
    return run_conversion(
        args, {"the text held no carriage return", "the text held a carriage return"},
        [](const char* text, char** out) { return ui_substitute_NT_return_chars(text, out); });
}

#define TEXT_OUTPUT_HELP                                                                           \
    "\n"                                                                                           \
    "options:\n"                                                                                   \
    "  --raw  write the result's bytes alone, with no quotes and no line break\n"                  \
    "\n"                                                                                           \
    "output: the text as given and the result, each in double quotes with its\n"                   \
    "backslashes shown as \\\\ and control characters as \\t, \\n, \\r, \\xHH:\n"                  \
    "  given:  \"TEXT\"\n"                                                                         \
    "  result: \"TEXT\"\n"

#define TEXT_EXIT_HELP                                                                             \
    "\n"                                                                                           \
    "exit codes: 0 converted; 1 the text is not valid in the locale's character set;\n"            \
    "2 usage.\n"

// unescape and lf work on bytes: they cannot fail.
#define BYTES_EXIT_HELP                                                                            \
    "\n"                                                                                           \
    "exit codes: 0 converted; 2 usage.\n"

const std::vector<tool::Option> raw_option = {{"--raw", nullptr}};

tool::RegisterSubcommand escape_command(
    {"escape", "escape [--raw] TEXT", "read \\n, \\r, \\t in TEXT as control characters",
     "Reads the backslash sequences \\n, \\r and \\t of TEXT as line feed, carriage\n"
     "return and tab; a backslash before any other character is dropped and that\n"
     "character kept (\\\\ gives one backslash); a trailing backslash is dropped.\n"
     "In a shell, quote TEXT so that the shell leaves its backslashes alone:\n"
     "uiutil escape 'a\\tb' shows given \"a\\\\tb\", result \"a\\tb\" (a, tab, "
     "b).\n" TEXT_OUTPUT_HELP TEXT_EXIT_HELP,
     raw_option, 1, 1, run_escape});
tool::RegisterSubcommand unescape_command(
    {"unescape", "unescape [--raw] TEXT", "write control characters as \\n, \\r, \\t",
     "Writes the tab, line feed and carriage return of TEXT as \\t, \\n and \\r; a\n"
     "carriage return + line feed pair gives one \\n; backslashes are not "
     "doubled.\n" TEXT_OUTPUT_HELP
     "  answer: 1 (the length changed) | 0 (the length is unchanged)\n" BYTES_EXIT_HELP,
     raw_option, 1, 1, run_unescape});
tool::RegisterSubcommand crlf_command(
    {"crlf", "crlf [--raw] TEXT", "turn every line break into carriage return + line feed",
     "Turns every line break of TEXT (carriage return, line feed, or a pair of them\n"
     "in either order) into carriage return + line feed.\n" TEXT_OUTPUT_HELP
     "  answer: 1 (a lone line break was lengthened) | 0 (none was)\n" TEXT_EXIT_HELP,
     raw_option, 1, 1, run_crlf});
tool::RegisterSubcommand lf_command(
    {"lf", "lf [--raw] TEXT", "turn carriage returns into line feeds",
     "Turns every carriage return of TEXT, alone or followed by a line feed, into\n"
     "one line feed.\n" TEXT_OUTPUT_HELP
     "  answer: 1 (the text held a carriage return) | 0 (it held none)\n" BYTES_EXIT_HELP,
     raw_option, 1, 1, run_lf});

} // namespace
