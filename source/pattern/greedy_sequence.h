// Programs that run one way only: one-character tests, loops over one
// character (`X*`, `X+`), zero-width tests and group marks, one after
// another, where whatever follows each loop refuses every character the loop
// takes (`[a-z]+ `, `\([a-zA-Z0-9_]+\)$`, `[0-9]+\.[0-9]*x`); back-references
// may come later, where they compare with the text the walk gave the group
// (`\([a-z]+\) \1`). The matcher's
// first try of such a loop is its longest run; giving characters back leaves
// the next test facing one the loop took, so it fails there. A match at a
// position is therefore the one greedy walk from it, and the registers are
// the positions the walk passes its group marks at. The walk has no choices
// to remember and, once the loop jumps are rewritten, leaves no trace.
#pragma once

#include <uiutil/pattern.h>
#include <vector>

namespace uiutil_internal {

class GreedySequence {
public:
    // The most steps taken (each test of an op_exact counts); longer
    // programs are left to the other engines.
    static const int max_steps = 256;

    // Reads a program (loop jumps rewritten or not); false (and no sequence)
    // when it is not one. The tables are made through `translate` (may be
    // null) and `word` as the matcher reads them.
    bool build(const unsigned char* code, int length, const unsigned char* translate,
               const char* word);
    bool usable() const { return !m_steps.empty(); }
    // Whether the walk stands for the matcher on the program as it now is:
    // none of its loop jumps is left to rewrite.
    bool loops_rewritten(const unsigned char* code) const;
    // Whether the tables or the tests read the word-character table.
    bool reads_word_table() const { return m_reads_word; }

    // The walk from p over the `size` characters of text. On success answers
    // true, sets `end` to where the match ends and `marks` (20 entries) to
    // the position of each group mark passed (starts 0..9, ends 10..19). On
    // failure, `end` is where the walk stopped, and `known_to_fail` is a
    // position below which every later start fails too (p + 1 when nothing
    // more is known): when the first step that consumes is a loop, a start
    // inside its run ends that run where this one did and goes on the same
    // way from there, so it fails where this walk failed unless that step
    // read a mark. At the first back-reference, when it repeats the text
    // from the start, such a start must also begin with the character the
    // repetition was compared with.
    bool walk(const unsigned char* text, int size, int p, int& end, int& known_to_fail,
              int* marks) const {
        // Only a program with back-references narrows what a failure passes
        // over.
        return m_narrows ? walk_steps<true>(text, size, p, end, known_to_fail, marks)
                         : walk_steps<false>(text, size, p, end, known_to_fail, marks);
    }
    // The registers of a match from p to end with those marks, as the
    // matcher writes them.
    void write_registers(int p, int end, const int* marks,
                         uiPattern::PatternRegisters* registers) const;

private:
    enum Kind : unsigned char { test, loop, mark, zero_width, backref, never };
    struct Step {
        Kind kind;
        unsigned char min;  // loop: the characters it needs (0 or 1)
        unsigned char what; // mark: register 0..19; zero_width: its opcode;
                            // backref: the group, both of whose marks come before
        int table;          // test, loop: offset of its 256 entries in m_tables
    };
    // Whether the zero-width test `opcode` holds at d.
    bool holds(unsigned char opcode, const unsigned char* text, int size, int d) const;
    // The back-reference to the text from..to at d, as the matcher compares it.
    bool repeats(const unsigned char* text, int size, int from, int to, int& d) const;
    // Sets m_skip_until and m_first_byte_rule from the steps.
    void plan_skips();
    template <bool Narrows>
    bool walk_steps(const unsigned char* text, int size, int p, int& end, int& known_to_fail,
                    int* marks) const;
    // Narrows known_to_fail, the end of the first loop's run, for a walk
    // from p that failed at step `failed_at` (not before m_skip_until), at d.
    void narrow(const unsigned char* text, int size, int p, int failed_at, int d,
                int& known_to_fail) const;

    std::vector<Step> m_steps;
    std::vector<unsigned char> m_tables; // 1: accepted
    std::vector<int> m_loops;            // offsets of the loops' closing jumps
    char m_word[256] = {};
    bool m_reads_word = false;
    unsigned char m_translate[256] = {}; // the identity without a table
    bool m_skips = false;                // the first step that consumes is a loop
    // With m_skips: the first step that reads a mark (a back-reference; the
    // number of steps when none), else -1; and whether that step repeats
    // the text from the walk's start.
    int m_skip_until = -1;
    bool m_first_byte_rule = false;
    bool m_narrows = false; // m_skip_until is a step's

    unsigned m_groups = 0; // bit i: group i has both marks
};

} // namespace uiutil_internal
