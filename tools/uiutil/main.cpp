// uiutil: a command-line window onto the library.
#include "subcommands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tool {

std::vector<Subcommand>& subcommands() {
    static std::vector<Subcommand> all;
    return all;
}

std::vector<DemoSection>& demo_sections() {
    static std::vector<DemoSection> all;
    return all;
}

std::string visible(const char* text) {
    if (!text)
        return "(null)";
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        switch (*p) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (*p < 0x20 || *p == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", *p);
                out += hex;
            } else {
                out += static_cast<char>(*p);
            }
        }
    }
    return out;
}

} // namespace tool

namespace {

void print_help() {
    std::printf("usage: uiutil SUBCOMMAND [ARGUMENTS]\n\nsubcommands:\n");
    std::vector<tool::Subcommand> all = tool::subcommands();
    std::sort(all.begin(), all.end(), [](const tool::Subcommand& a, const tool::Subcommand& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    for (const tool::Subcommand& s : all)
        std::printf("  %-44s %s\n", s.usage, s.summary);
    std::printf("  %-44s %s\n", "--help", "this list");
}

int run_demo(int, char**) {
    std::vector<tool::DemoSection> sections = tool::demo_sections();
    std::stable_sort(
        sections.begin(), sections.end(),
        [](const tool::DemoSection& a, const tool::DemoSection& b) { return a.order < b.order; });
    for (const tool::DemoSection& s : sections) {
        std::printf("== %s ==\n", s.title);
        s.run();
        std::printf("\n");
    }
    return 0;
}

tool::RegisterSubcommand demo_command({"demo", "demo",
                                       "walk through what the library does on built-in samples",
                                       run_demo});

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        print_help();
        return argc < 2 ? 2 : 0;
    }
    for (const tool::Subcommand& s : tool::subcommands()) {
        if (std::strcmp(s.name, argv[1]) == 0)
            return s.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "uiutil: unknown subcommand '%s' (see uiutil --help)\n", argv[1]);
    return 2;
}
