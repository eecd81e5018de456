// `uiutil command`: composes a command text from a template, a value and
// optional user data, and prints it with control characters made visible.
#include "common/arguments.h"
#include "subcommands.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <uiutil/uiutil.h>

namespace {

// The carriage-return flag is reachable through a derived class only.
struct CommandSettings : uiCommand {
    static void add_carriage_return(int on) { the_cr_add_flag = on; }
};

// A delimiter set as the library takes it; refuses lengths it would ignore.
bool read_set(const tool::Arguments& args, const char* option, uiDelimiter& d) {
    const char* text = args.value(option);
    if (!text)
        return true;
    const std::size_t n = std::strlen(text);
    if (n != 0 && n != 2 && n != 4)
        return false;
    d.set_delimiters(text);
    return true;
}

int run_command(const tool::Arguments& args) {
    uiDelimiter value_delimiter("\"\"");
    uiDelimiter user_delimiter("\"\"");
    for (const char* option : {"-d", "-u"}) {
        if (!read_set(args, option, option[1] == 'd' ? value_delimiter : user_delimiter))
            return tool::usage_error(args.command(),
                                     std::string("a delimiter set has 0, 2 or 4 characters: ") +
                                         option + " '" + args.value(option) + "'");
    }
    long long force = 0;
    if (const char* text = args.value("-f")) {
        if (!tool::read_number(text, INT_MIN, INT_MAX, force))
            return tool::usage_error(args.command(),
                                     "-f takes a whole number: '" + std::string(text) + "'");
    }

    CommandSettings::add_carriage_return(args.has("--no-cr") ? 0 : 1);
    uiUserData::delimiter(user_delimiter);
    const uiSaveString name(args.operand(0));
    const uiSaveString value(args.operand(1));
    const int flag = static_cast<int>(force);
    if (args.count() == 3) {
        const uiUserData user_data(args.operand(2));
        const uiCommand command(name, value_delimiter, value, &user_data, flag);
        std::printf("%s\n", tool::visible(command).c_str());
    } else {
        const uiCommand command(name, value, value_delimiter, flag);
        std::printf("%s\n", tool::visible(command).c_str());
    }
    return tool::exit_ok;
}

tool::RegisterSubcommand
    reg({"command",
         "command [OPTIONS] TEMPLATE VALUE [USERDATA]",
         "compose a command text from a template, a value and user data",
         "Composes the command text an application would send: TEMPLATE with %s\n"
         "replaced by VALUE and %u by USERDATA, each in its delimiters. Without USERDATA\n"
         "the four-argument form of the library's uiCommand composes it, with it the\n"
         "five-argument form (docs/commands.md).\n"
         "\n"
         "options:\n"
         "  -d SET   the value's delimiters: 2 characters (left, right) or 4 (two on each\n"
         "           side); an empty argument ('') for none. Default: the two characters\n"
         "           \"\" (double quote on each side).\n"
         "  -u SET   the class-wide user-data delimiters, as -d. Default: the two\n"
         "           characters \"\".\n"
         "  -f N     the force flag, a whole number (default 0)\n"
         "  --no-cr  do not end the command with a carriage return\n"
         "\n"
         "output: the command text on one line, control characters shown as \\r, \\n, \\t,\n"
         "\\xHH and backslashes as \\\\.\n"
         "\n"
         "exit codes: 0 composed; 2 usage (a delimiter set of another length, -f not a\n"
         "number).\n",
         {{"-d", "SET"}, {"-u", "SET"}, {"-f", "N"}, {"--no-cr", nullptr}},
         2,
         3,
         run_command});

} // namespace
