// `uiutil compile --dot`: the program as a graph of instructions.
#include "program_dot.h"

#include "compile_error.h"
#include "pattern_listing.h"
#include "program_view.h"
#include "subcommands.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace tool {

namespace {

using uiutil_internal::Instruction;
using uiutil_internal::ProgramView;

// The label of a jump's edge to its target.
const char* jump_label(unsigned char opcode) {
    switch (opcode) {
    case uiutil_internal::op_pop_jump:
        return "pop, jump";
    case uiutil_internal::op_loop_jump:
        return "loop";
    case uiutil_internal::op_dummy_jump:
        return "empty point, jump";
    default:
        return "jump";
    }
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
    const ProgramView program(buffer.code, buffer.length);
    std::vector<std::string> labels = listing_lines(buffer);
    std::ostringstream out;
    out << "digraph program {\n"
        << "  label=\"" << quoted(title ? title : "") << "\";\n"
        << "  labelloc=t;\n"
        << "  node [shape=box, fontname=\"monospace\", fontsize=11];\n"
        << "  edge [fontname=\"monospace\", fontsize=9];\n";
    std::size_t line = 0;
    for (const Instruction in : program) {
        std::string label = line < labels.size() ? labels[line] : std::to_string(in.offset);
        ++line;
        out << "  n" << in.offset << " [label=\"" << quoted(label) << "\"];\n";
    }
    out << "  n" << program.length() << " [label=\"" << program.length()
        << "  end (match)\", peripheries=2];\n";
    for (const Instruction in : program) {
        const int next = in.offset + in.size;
        if (in.opcode == uiutil_internal::op_push_alternative) {
            out << "  n" << in.offset << " -> n" << next << ";\n";
            out << "  n" << in.offset << " -> n" << in.target
                << " [style=dashed, label=\"resume\"];\n";
        } else if (in.is_jump()) {
            out << "  n" << in.offset << " -> n" << in.target << " [label=\""
                << jump_label(in.opcode) << "\"];\n";
        } else {
            out << "  n" << in.offset << " -> n" << next << ";\n";
        }
    }
    out << "}\n";
    return out.str();
}

int compile_dot(const char* pattern) {
    uiPattern compiled{uiSaveString(pattern)};
    if (compiled.error() != uiPatternNoError) {
        std::fprintf(stderr, "uiutil compile: %s",
                     describe_compile_error(pattern, compiled).c_str());
        return exit_not_found;
    }
    std::fputs(pattern_dot(compiled.buffer(), pattern).c_str(), stdout);
    return 0;
}

} // namespace tool
