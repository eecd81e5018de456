// `uiutil demo`: runs the registered demo sections in order.
#include "common/arguments.h"
#include "subcommands.h"

#include <algorithm>
#include <cstdio>

namespace {

int run_demo(const tool::Arguments&) {
    std::vector<tool::DemoSection> sections = tool::demo_sections();
    std::stable_sort(
        sections.begin(), sections.end(),
        [](const tool::DemoSection& a, const tool::DemoSection& b) { return a.order < b.order; });
    for (const tool::DemoSection& s : sections) {
        std::printf("== %s ==\n", s.title);
        s.run();
        std::printf("\n");
    }
    return tool::exit_ok;
}

tool::RegisterSubcommand demo_command(
    {"demo",
     "demo",
     "walk through what the library does on built-in samples",
     "Runs every part of the library on samples built into the tool: strings, lists,\n"
     "text, patterns, commands, accelerators, search paths, sounds, resource modules\n"
     "and shortcuts, one section (\"== TITLE ==\") each. Files it needs are made in a\n"
     "scratch folder under the temporary directory, removed when the demo ends.\n"
     "\n"
     "exit codes: 0 always (each section reports its own outcomes in its text).\n",
     {},
     0,
     0,
     run_demo});

} // namespace
