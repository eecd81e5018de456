// A readable listing of a compiled pattern program.
#pragma once

#include <string>
#include <uiutil/pattern.h>

namespace tool {

// One line per instruction: offset, opcode name, operands, and for jumps the
// target offset.
std::string pattern_listing(const uiPattern::PatternBuffer& buffer);

} // namespace tool
