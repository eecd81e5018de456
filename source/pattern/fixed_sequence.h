// Programs that test one character after another with nothing to choose: no
// alternative, no loop, no zero-width test, only group marks between the
// tests. Such a program matches at a position exactly when each test accepts
// its character there, and the registers follow from the position alone, so
// the search is the first tried position where the tests pass. Its run
// pushes no resume point and passes no loop jump: nothing else is left for
// the search to keep.
#pragma once

#include "byte_pair_scan.h"
#include "nfa.h"

#include <uiutil/pattern.h>
#include <vector>

namespace uiutil_internal {

class FixedSequence {
public:
    // The longest program taken (characters tested); longer ones are left to
    // the other engines, which need no table per character.
    static const int max_length = 256;

    // Reads the view of a program; false (and no sequence) when the program
    // is not one.
    bool build(const ProgramNfa& nfa, const unsigned char* code);
    bool usable() const { return m_length > 0; }
    // Characters tested.
    int length() const { return m_length; }

    // Whether the first test accepts c.
    bool first_accepts(unsigned char c) const { return m_accepts[c] != 0; }
    // Whether the tests accept the characters from p on (p + length() at
    // most the subject's size).
    bool matches_at(const unsigned char* text, int p) const {
        const unsigned char* accepts = m_accepts.data();
        for (int i = 0; i < m_length; ++i, accepts += 256) {
            if (!accepts[text[p + i]]) {
                return false;
            }
        }
        return true;
    }
    // Whether some test accepts at most two bytes; then next_pair() answers
    // the first position p in [from, last] at which the two such tests the
    // filter holds accept their characters, or -1. Reads the text at
    // [from, last + length()).
    bool has_pair_filter() const { return m_pair.scan != nullptr; }
    int next_pair(const unsigned char* text, int from, int last) const {
        return prepared_pair_scan(text, from, last, m_pair);
    }
    // The registers of the match at p, as the matcher writes them.
    void write_registers(int p, uiPattern::PatternRegisters* registers) const;

private:
    void choose_pair_filter();

    int m_length = 0;
    std::vector<unsigned char> m_accepts; // 256 per character tested: 1 accepted
    // Bit i: group i has both marks, at offsets m_start[i] and m_end[i]
    // from the match's start; the other groups are unset.
    unsigned m_groups = 0;
    int m_start[10] = {};
    int m_end[10] = {};
    PreparedPairFilter m_pair{}; // scan null: no test qualifies
};

} // namespace uiutil_internal
