// How often the matcher failed at a start a pattern's automaton gave: the
// search then falls back to the backtracking search, so the answer is still
// right and only this count shows that the engines disagreed. For tests and
// fuzz targets.
#pragma once

#include "automaton_search.h"

#include <uiutil/pattern.h>

namespace {

// The automaton a pattern keeps is private to uiPattern: naming the member
// in an explicit instantiation is the one place the language lets a test
// reach it without widening the installed interface.
using AutomatonMember = uiutil_internal::PatternAutomaton* uiPattern::*;
AutomatonMember automaton_member();

template <AutomatonMember Member> struct AutomatonAccess {
    friend AutomatonMember automaton_member() { return Member; }
};
template struct AutomatonAccess<&uiPattern::m_automaton>;

// Starts the automaton gave at which the matcher then failed.
inline int automaton_misses(const uiPattern& pattern) {
    const uiutil_internal::PatternAutomaton* automaton = pattern.*automaton_member();
    return automaton ? automaton->misses() : 0;
}

} // namespace
