// The command line of one subcommand: its options and operands.
#pragma once

#include "subcommands.h"

#include <string>
#include <utility>
#include <vector>

namespace tool {

class Arguments {
public:
    // Reads argv[1..argc) for `command` (argv[0] is the subcommand's name).
    // Options may stand anywhere before a "--"; everything after it is an
    // operand. A word is an option when it begins with "-" and a letter or a
    // second "-" ("-" alone and "-1.5" are operands). A long option takes its
    // value as "--name=VALUE" or as the next word, a short one as the next
    // word. On a mistake, error() says what was wrong.
    Arguments(const Subcommand& command, int argc, char** argv);

    const Subcommand& command() const { return *m_command; }
    // The mistake in the command line; empty when there is none.
    const std::string& error() const { return m_error; }
    bool wants_help() const { return m_help; }
    // Whether option `name` was given; its last value, or null.
    bool has(const char* name) const;
    const char* value(const char* name) const;
    const std::vector<const char*>& operands() const { return m_operands; }
    const char* operand(std::size_t i) const { return m_operands[i]; }
    std::size_t count() const { return m_operands.size(); }

private:
    const Subcommand* m_command;
    std::vector<std::pair<std::string, const char*>> m_given;
    std::vector<const char*> m_operands;
    std::string m_error;
    bool m_help = false;
};

// Prints "uiutil NAME: MESSAGE", the usage line and where the reference is,
// on standard error; answers exit_usage.
int usage_error(const Subcommand& command, const std::string& message);

// The --format option of a subcommand that has one: sets `tsv` for
// "--format=tsv"; false for a value other than "text" and "tsv".
bool read_format(const Arguments& args, bool& tsv);

// Reads a whole decimal number in [low, high]; false for anything else.
bool read_number(const char* text, long long low, long long high, long long& out);

} // namespace tool
