// Word subcommands: value parsing, one answer per word.
//   uiutil strip-zeros NUMBER...
//   uiutil bool WORD...
//   uiutil name-check WORD...
#include "common/arguments.h"
#include "subcommands.h"

#include <cstdio>
#include <cstring>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

int run_strip_zeros(const tool::Arguments& args) {
    for (const char* text : args.operands()) {
        std::vector<char> number(text, text + std::strlen(text) + 1);
        ui_strip_trailing_zeros(number.data());
        std::printf("%s -> %s\n", text, number.data());
    }
    return tool::exit_ok;
}

int run_bool(const tool::Arguments& args) {
    for (const char* word : args.operands()) {
        const int value = ui_evalbool(word);
        std::printf("%s -> %d (%s)\n", word, value, value ? "true" : "false");
    }
    return tool::exit_ok;
}

int run_name_check(const tool::Arguments& args) {
    int status = tool::exit_ok;
    for (const char* word : args.operands()) {
        const int valid = ui_name_check(word);
        std::printf("%s -> %d (%s)\n", word, valid, valid ? "a name" : "not a name");
        if (!valid)
            status = tool::exit_not_found;
    }
    return status;
}

tool::RegisterSubcommand strip_zeros_command(
    {"strip-zeros",
     "strip-zeros NUMBER...",
     "drop trailing zeros after the decimal separator",
     "Shortens each decimal NUMBER (\".\" or \",\" as separator) by cutting the zeros\n"
     "at its end after the separator, keeping one right after it: 1.500 -> 1.5,\n"
     "1.000 -> 1.0. Text with other characters (1.5e10, +1.50) is left as it is.\n"
     "A negative number such as -1.50 is an operand, not an option.\n"
     "\n"
     "output: NUMBER -> SHORTENED, one line each.\n"
     "\n"
     "exit codes: 0 done; 2 usage.\n",
     {},
     1,
     -1,
     run_strip_zeros});
tool::RegisterSubcommand
    bool_command({"bool",
                  "bool WORD...",
                  "read words as booleans",
                  "Reads each WORD as the library's settings do: 1 for a word starting with 1, T,\n"
                  "S, or O followed by N (either case), 0 for anything else: TRUE, 1abc and on\n"
                  "give 1; YES, off and the empty word give 0.\n"
                  "\n"
                  "output: WORD -> 1 (true) | WORD -> 0 (false), one line each.\n"
                  "\n"
                  "exit codes: 0 every word was read (whatever its value); 2 usage.\n",
                  {},
                  1,
                  -1,
                  run_bool});
tool::RegisterSubcommand name_check_command(
    {"name-check",
     "name-check WORD...",
     "check words are plain names (letters, digits, _)",
     "Checks each WORD is a plain name: not empty, only the ASCII letters, digits\n"
     "and the underscore (it may begin with a digit).\n"
     "\n"
     "output: WORD -> 1 (a name) | WORD -> 0 (not a name), one line each.\n"
     "\n"
     "exit codes: 0 every word is a name; 1 some word is not; 2 usage.\n",
     {},
     1,
     -1,
     run_name_check});

} // namespace
