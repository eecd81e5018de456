// The backtracking matcher's entry for the library's own searches.
#pragma once

#include "program.h"
#include "search_accel.h"

#include <memory>
#include <uiutil/pattern.h>

namespace uiutil_internal {

class BranchShortcut;

// What the matcher runs of one pattern keep from one match to the next: the
// tables of the shortcut past failed first ways, made again when the program,
// its tables or the subject's bytes are no longer those they describe.
struct MatcherScratch {
    MatcherScratch();
    ~MatcherScratch();
    std::unique_ptr<BranchShortcut> shortcut;
    // The op_push_alternative the program begins with (after group marks),
    // -1 for none, -2 before the first run looked; and the byte its first
    // way needs (needed_byte.h), -1 for none.
    int first_way = -2;
    int first_way_needs = -1;
};

// Runs the program of `buffer` at `pos` of text[0, size), as re_match_2 does
// for a single text that may be consumed to its end, and answers the same
// length or -1. `word_chars` is the shared word-character table (null: the
// C locale's letters and digits). `budget`, when given, bounds the resume
// points the run may go back to; a run that reaches the bound answers -1
// with budget->exhausted set. `scratch`, when given, is the pattern's own.
int run_matcher(uiPattern::PatternBuffer* buffer, const char* text, int size, int pos,
                uiPattern::PatternRegisters* registers, const char* word_chars, WorkBudget* budget,
                MatcherScratch* scratch = nullptr);

// The backtracking search: the matcher at each tried position in turn (see
// tried_positions.h), with `accel` the program's acceleration data; answers
// the first position where it succeeds, or -1 (also when it gave up at the
// budget's bound).
int backtracking_search(uiPattern::PatternBuffer* buffer, const char* text, int size,
                        const PatternAccel& accel, uiPattern::PatternRegisters* registers,
                        const char* word_chars, WorkBudget* budget);

} // namespace uiutil_internal
