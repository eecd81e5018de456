// Registration of the tool's subcommands and demo sections. Each lives in a
// file of its own and registers itself with a static Registrar object; main
// parses a subcommand's options, answers --help from its reference text and
// reports usage errors before the subcommand runs.
#pragma once

#include <string>
#include <vector>

namespace tool {

// The exit codes of every subcommand.
enum ExitCode {
    exit_ok = 0,        // done; everything asked for was found or matched
    exit_not_found = 1, // done; something was not found, did not match, or failed
    exit_usage = 2,     // the command line was wrong (nothing, or not all, was done)
    exit_gave_up = 3    // a pattern match reached the work limit
};

// An option a subcommand accepts besides --help, -h and --. `value` names its
// argument in messages ("STEPS"); null for an option without one.
struct Option {
    const char* name; // "--limit", "-d"
    const char* value;
};

class Arguments;

// Runs a subcommand on its parsed arguments; returns the process exit code.
using SubcommandMain = int (*)(const Arguments& args);

struct Subcommand {
    const char* name;
    const char* usage;   // e.g. "match [--limit STEPS] PATTERN SUBJECT..."
    const char* summary; // one line for `uiutil --help`
    const char* help;    // the reference printed by `uiutil NAME --help`
    std::vector<Option> options;
    int min_operands;
    int max_operands; // -1: no upper bound
    SubcommandMain run;
};

// One part of `uiutil demo`; sections run in ascending `order`.
struct DemoSection {
    int order;
    const char* title;
    void (*run)();
};

std::vector<Subcommand>& subcommands();
std::vector<DemoSection>& demo_sections();

struct RegisterSubcommand {
    explicit RegisterSubcommand(const Subcommand& s) { subcommands().push_back(s); }
};
struct RegisterDemoSection {
    explicit RegisterDemoSection(const DemoSection& s) { demo_sections().push_back(s); }
};

// Text with control characters made visible: \t, \n, \r, \\ and \xHH.
std::string visible(const char* text);

} // namespace tool
