// A compiled pattern program as a Graphviz graph.
#pragma once

#include <string>
#include <uiutil/pattern.h>

namespace tool {

// The program of `buffer` as a directed graph in the DOT language: one node
// per instruction (labelled as in the program listing) and one for the end of
// the program, where a match succeeds. Solid edges are fall-through and
// jumps; a dashed edge leads from an op_push_alternative to the resume point
// it records. `title` (the pattern) labels the graph.
std::string pattern_dot(const uiPattern::PatternBuffer& buffer, const char* title);

// `uiutil compile --dot PATTERN`: writes the graph to standard output;
// answers the exit code (1 when the pattern does not compile).
int compile_dot(const char* pattern);

} // namespace tool
