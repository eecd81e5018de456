// Text subcommands: escape sequences, line breaks and value parsing.
//   uiutil escape TEXT        backslash sequences in TEXT into control characters
//   uiutil unescape TEXT      control characters in TEXT into backslash sequences
//   uiutil crlf TEXT          line breaks into carriage return + line feed
//   uiutil lf TEXT            carriage returns into line feeds
//   uiutil strip-zeros NUMBER...
//   uiutil bool WORD...
//   uiutil name-check WORD...
// Results are printed with control characters made visible (\t, \n, \r, \\,
// \xHH), in double quotes. Text is read in the environment's locale.
#include "subcommands.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace {

bool one_text_argument(int argc, const char* usage) {
    if (argc == 2)
        return true;
    std::fprintf(stderr, "usage: uiutil %s\n", usage);
    return false;
}

void print_text(const char* text) {
    std::printf("\"%s\"\n", tool::visible(text).c_str());
}

// Runs one of the buffer-producing conversions and prints its output and
// answer; a code-page failure is reported on standard error.
template <typename Convert>
int run_conversion(int argc, char** argv, const char* usage, Convert convert) {
    if (!one_text_argument(argc, usage))
        return 2;
    std::setlocale(LC_CTYPE, "");
    try {
        char* out = nullptr;
        const int answer = convert(argv[1], &out);
        print_text(out);
        std::printf("answer: %d\n", answer);
        delete[] out;
    } catch (const uiCodePageError& e) {
        std::fprintf(stderr, "uiutil %s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}

int run_escape(int argc, char** argv) {
    if (!one_text_argument(argc, "escape TEXT"))
        return 2;
    std::setlocale(LC_CTYPE, "");
    std::vector<char> buffer(argv[1], argv[1] + std::string(argv[1]).size() + 1);
    try {
        print_text(ui_escape_chars(buffer.data()));
    } catch (const uiCodePageError& e) {
        std::fprintf(stderr, "uiutil escape: %s\n", e.what());
        return 1;
    }
    return 0;
}

int run_unescape(int argc, char** argv) {
    return run_conversion(argc, argv, "unescape TEXT", [](const char* text, char** out) {
        return ui_unescape_chars(text, out);
    });
}

int run_crlf(int argc, char** argv) {
    return run_conversion(argc, argv, "crlf TEXT", [](const char* text, char** out) {
        return ui_expand_NT_escape_chars(text, out, nullptr);
    });
}

int run_lf(int argc, char** argv) {
    return run_conversion(argc, argv, "lf TEXT", [](const char* text, char** out) {
        return ui_substitute_NT_return_chars(text, out);
    });
}

int run_strip_zeros(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: uiutil strip-zeros NUMBER...\n");
        return 2;
    }
    for (int k = 1; k < argc; ++k) {
        std::vector<char> number(argv[k], argv[k] + std::string(argv[k]).size() + 1);
        ui_strip_trailing_zeros(number.data());
        std::printf("%s -> %s\n", argv[k], number.data());
    }
    return 0;
}

int run_bool(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: uiutil bool WORD...\n");
        return 2;
    }
    for (int k = 1; k < argc; ++k)
        std::printf("%s -> %d\n", argv[k], ui_evalbool(argv[k]));
    return 0;
}

int run_name_check(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: uiutil name-check WORD...\n");
        return 2;
    }
    for (int k = 1; k < argc; ++k) {
        const int valid = ui_name_check(argv[k]);
        std::printf("%s -> %d (%s)\n", argv[k], valid, valid ? "a name" : "not a name");
    }
    return 0;
}

tool::RegisterSubcommand escape_command({"escape", "escape TEXT",
                                         "read \\n, \\r, \\t in TEXT as control characters",
                                         run_escape});
tool::RegisterSubcommand unescape_command({"unescape", "unescape TEXT",
                                           "write control characters as \\n, \\r, \\t",
                                           run_unescape});
tool::RegisterSubcommand crlf_command({"crlf", "crlf TEXT",
                                       "turn every line break into carriage return + line feed",
                                       run_crlf});
tool::RegisterSubcommand lf_command({"lf", "lf TEXT", "turn carriage returns into line feeds",
                                     run_lf});
tool::RegisterSubcommand strip_zeros_command({"strip-zeros", "strip-zeros NUMBER...",
                                              "drop trailing zeros after the decimal separator",
                                              run_strip_zeros});
tool::RegisterSubcommand bool_command({"bool", "bool WORD...", "read words as booleans", run_bool});
tool::RegisterSubcommand name_check_command({"name-check", "name-check WORD...",
                                             "check words are plain names (letters, digits, _)",
                                             run_name_check});

} // namespace
