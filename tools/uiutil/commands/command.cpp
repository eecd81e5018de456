// `uiutil command`: composes a command text from a template, a value and
// optional user data, and prints it with control characters made visible.
#include "subcommands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <uiutil/uiutil.h>

namespace {

// The carriage-return flag is reachable through a derived class only.
struct CommandSettings : uiCommand {
    static void add_carriage_return(int on) { the_cr_add_flag = on; }
};

void print_usage(FILE* out) {
    std::fprintf(out,
                 "usage: uiutil command [OPTIONS] TEMPLATE VALUE [USERDATA]\n"
                 "  TEMPLATE may hold %%s (the value) and %%u (the user data).\n"
                 "  Without USERDATA the four-argument form composes the command,\n"
                 "  with it the five-argument form.\n"
                 "options:\n"
                 "  -d SET   value delimiters: 2 or 4 characters, \"\" for none (default \"\")\n"
                 "  -u SET   class-wide user-data delimiters (default \"\")\n"
                 "  -f N     force flag (default 0)\n"
                 "  --no-cr  do not end the command with a carriage return\n");
}

// A delimiter set as the library takes it; refuses lengths it would ignore.
bool read_set(const char* text, uiDelimiter& d) {
    const std::size_t n = std::strlen(text);
    if (n != 0 && n != 2 && n != 4) {
        std::fprintf(stderr, "uiutil command: a delimiter set has 0, 2 or 4 characters: '%s'\n",
                     text);
        return false;
    }
    d.set_delimiters(text);
    return true;
}

int run_command(int argc, char** argv) {
    uiDelimiter value_delimiter("\"\"");
    uiDelimiter user_delimiter("\"\"");
    int force = 0;
    int cr = 1;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] != '\0'; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--") == 0) {
            ++i;
            break;
        }
        if (std::strcmp(option, "-h") == 0 || std::strcmp(option, "--help") == 0) {
            print_usage(stdout);
            return 0;
        }
        if (std::strcmp(option, "--no-cr") == 0) {
            cr = 0;
            continue;
        }
        const bool takes_value = std::strcmp(option, "-d") == 0 || std::strcmp(option, "-u") == 0 ||
                                 std::strcmp(option, "-f") == 0;
        if (!takes_value || i + 1 >= argc) {
            std::fprintf(stderr, "uiutil command: %s '%s'\n",
                         takes_value ? "missing argument for" : "unknown option", option);
            print_usage(stderr);
            return 2;
        }
        const char* argument = argv[++i];
        if (option[1] == 'f') {
            force = std::atoi(argument);
        } else if (!read_set(argument, option[1] == 'd' ? value_delimiter : user_delimiter)) {
            return 2;
        }
    }
    const int positional = argc - i;
    if (positional < 2 || positional > 3) {
        print_usage(stderr);
        return 2;
    }

    CommandSettings::add_carriage_return(cr);
    uiUserData::delimiter(user_delimiter);
    const uiSaveString name(argv[i]);
    const uiSaveString value(argv[i + 1]);
    if (positional == 3) {
        const uiUserData user_data(argv[i + 2]);
        const uiCommand command(name, value_delimiter, value, &user_data, force);
        std::printf("%s\n", tool::visible(command).c_str());
    } else {
        const uiCommand command(name, value, value_delimiter, force);
        std::printf("%s\n", tool::visible(command).c_str());
    }
    return 0;
}

tool::RegisterSubcommand reg({"command", "command [OPTIONS] TEMPLATE VALUE [USERDATA]",
                              "compose a command text (options: command --help)", run_command});

} // namespace
