// Registers of a pattern match as the pattern targets compare and report them.
#pragma once

#include <cstring>
#include <string>
#include <uiutil/pattern.h>

namespace fuzz {

// The twenty register values as "start-end " pairs, for a finding's detail.
inline std::string registers_text(const uiPattern::PatternRegisters& r) {
    std::string out;
    for (int i = 0; i < 10; ++i)
        out += std::to_string(r.start[i]) + "-" + std::to_string(r.end[i]) + " ";
    return out;
}

inline bool same_registers(const uiPattern::PatternRegisters& a,
                           const uiPattern::PatternRegisters& b) {
    return std::memcmp(a.start, b.start, sizeof a.start) == 0 &&
           std::memcmp(a.end, b.end, sizeof a.end) == 0;
}

} // namespace fuzz
