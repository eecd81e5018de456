// The leftmost tried position from which the program can reach its end, by
// a simulation of its states in which each carries the position it started
// from. States are kept in order of their start, and a state reached from
// two starts keeps the earlier one, so once some start is known to match,
// the states that began later can be dropped, and the scan ends when those
// that began earlier have all died.
#pragma once

#include "nfa.h"
#include "tried_positions.h"

#include <vector>

namespace uiutil_internal {

// Answers the leftmost tried position with a match, or -1. When `earliest`
// is given (one entry per loop jump, initially the subject's size + 1), each
// entry is lowered to the earliest start, among those scanned, from which
// that loop jump is reached.
int leftmost_start(const ProgramNfa& nfa, const unsigned char* text, int size, TriedPositions tried,
                   std::vector<int>* earliest);

} // namespace uiutil_internal
