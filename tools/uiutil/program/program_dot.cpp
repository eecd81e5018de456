// `uiutil compile --dot`: the program as a graph of instructions.
#include "program_dot.h"

#include "pattern_listing.h"
#include "subcommands.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace tool {

namespace {

enum Opcode {
    exact = 1,
    jump = 4,
    push_alternative = 5,
    pop_jump = 6,
    loop_jump = 7,
    dummy_jump = 8,
    char_set = 10,
    char_set_not = 11,
    group_start = 12,
    group_end = 13,
    backref = 14
};

int size_of(const unsigned char* p) {
    switch (p[0]) {
    case exact:
    case char_set:
    case char_set_not:
        return 2 + p[1];
    case jump:
    case push_alternative:
    case pop_jump:
    case loop_jump:
    case dummy_jump:
        return 3;
    case group_start:
    case group_end:
    case backref:
        return 2;
    default:
        return 1;
    }
}

int target_of(const unsigned char* code, int at) {
    const unsigned char* p = code + at;
    return at + 3 + static_cast<short>(p[1] | (p[2] << 8));
}

// Text for a double-quoted DOT string.
std::string quoted(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// The listing's lines, one per instruction plus the closing "end" line, with
// the padding of its columns reduced to two blanks.
std::vector<std::string> listing_lines(const uiPattern::PatternBuffer& buffer) {
    std::vector<std::string> lines;
    std::istringstream in(pattern_listing(buffer));
    std::string line;
    while (std::getline(in, line)) {
        // The literal text of an exact instruction, from its quote on, stays
        // as it is.
        std::string::size_type quote = line.find('"');
        std::string label;
        for (std::size_t i = line.find_first_not_of(' '); i < line.size(); ++i) {
            bool padding =
                i < quote && line.compare(i, 2, "  ") == 0 && !label.empty() && label.back() == ' ';
            if (!padding) {
                label += line[i];
            }
        }
        while (!label.empty() && label.back() == ' ') {
            label.pop_back();
        }
        lines.push_back(label);
    }
    return lines;
}

} // namespace

std::string pattern_dot(const uiPattern::PatternBuffer& buffer, const char* title) {
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    const int length = buffer.length;
    std::vector<std::string> labels = listing_lines(buffer);
    std::ostringstream out;
    out << "digraph program {\n"
        << "  label=\"" << quoted(title ? title : "") << "\";\n"
        << "  labelloc=t;\n"
        << "  node [shape=box, fontname=\"monospace\", fontsize=11];\n"
        << "  edge [fontname=\"monospace\", fontsize=9];\n";
    std::vector<int> offsets;
    for (int at = 0; at < length; at += size_of(code + at)) {
        offsets.push_back(at);
    }
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        std::string label = i < labels.size() ? labels[i] : std::to_string(offsets[i]);
        out << "  n" << offsets[i] << " [label=\"" << quoted(label) << "\"];\n";
    }
    out << "  n" << length << " [label=\"" << length << "  end (match)\", peripheries=2];\n";
    for (int at : offsets) {
        const unsigned char op = code[at];
        const int next = at + size_of(code + at);
        switch (op) {
        case jump:
        case pop_jump:
        case loop_jump:
        case dummy_jump:
            out << "  n" << at << " -> n" << target_of(code, at) << " [label=\""
                << (op == jump        ? "jump"
                    : op == pop_jump  ? "pop, jump"
                    : op == loop_jump ? "loop"
                                      : "empty point, jump")
                << "\"];\n";
            break;
        case push_alternative:
            out << "  n" << at << " -> n" << next << ";\n";
            out << "  n" << at << " -> n" << target_of(code, at)
                << " [style=dashed, label=\"resume\"];\n";
            break;
        default:
            out << "  n" << at << " -> n" << next << ";\n";
            break;
        }
    }
    out << "}\n";
    return out.str();
}

int compile_dot(const char* pattern) {
    uiPattern compiled{uiSaveString(pattern)};
    if (compiled.error() != uiPatternNoError) {
        std::fprintf(stderr, "uiutil compile: %s: %s\n", visible(pattern).c_str(),
                     compiled.error_text());
        return 1;
    }
    std::fputs(pattern_dot(compiled.buffer(), pattern).c_str(), stdout);
    return 0;
}

} // namespace tool
