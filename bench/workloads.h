// The workloads of the side-by-side pattern benchmark: each pattern in every
// engine's syntax, with its subjects.
#pragma once

#include <string>
#include <vector>

namespace bench {

// A peer that cannot run a workload safely, and why.
struct Skip {
    std::string engine;
    std::string reason;
};

// One workload: the pattern in each engine's syntax ("" where an engine has
// no such construct) and the subjects.
struct Workload {
    std::string name;
    std::string ours;    // this engine's syntax
    std::string ere;     // POSIX extended
    std::string perl;    // std::regex (ECMAScript), RE2 and PCRE2
    bool multiline;      // ^ and $ at line ends for the peers
    bool re2_supported;  // RE2 has no back-references
    std::string literal; // for the memchr/memmem rows, "" for none
    std::vector<std::string> subjects;
    // This engine compares through this 256-byte table (null: none); the
    // peers then match without regard to case, with their own flags.
    const unsigned char* translate = nullptr;
    std::vector<Skip> skips = {};
    // Also report the peak memory that one match of a fresh uiPattern adds.
    bool measure_peak = false;
};

std::vector<Workload> workloads();

} // namespace bench
