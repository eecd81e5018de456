// Registration of the tool's subcommands and demo sections. Each lives in a
// file of its own and registers itself with a static Registrar object.
#pragma once

#include <string>
#include <vector>

namespace tool {

// Runs a subcommand with its own arguments (argv[0] is the subcommand name);
// returns the process exit code.
using SubcommandMain = int (*)(int argc, char** argv);

struct Subcommand {
    const char* name;
    const char* usage;   // e.g. "match PATTERN SUBJECT..."
    const char* summary; // one line
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
