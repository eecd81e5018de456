// Whether a matcher thread at an instruction and a subject position can
// still reach the program's end: a simulation of every path from there at
// once (each choice taken both ways, every loop pass allowed, a loop's
// closing jump also falling through), so that a "cannot" proves that the
// backtracking exploration from there fails, whatever it records on the way.
#pragma once

#include "program.h"

#include <vector>

namespace uiutil_internal {

// Whether the zero-width test `op` holds at position d of text[0, size), as
// the matcher decides it (word tests on the raw bytes through `word`).
inline bool zero_width_holds(unsigned char op, const unsigned char* text, int size, int d,
                             const char* word) {
    auto w = [&](int i) { return word[text[i]] != 0; };
    switch (op) {
    case op_line_start:
        return d == 0 || text[d - 1] == newline;
    case op_line_end:
        return d == size || text[d] == newline;
    case op_buffer_start:
        return d == 0;
    case op_buffer_end:
        return d == size;
    case op_word_start:
        return d < size && w(d) && (d == 0 || !w(d - 1));
    case op_word_end:
        return d > 0 && w(d - 1) && (d == size || !w(d));
    case op_word_bound:
        return d == 0 || d == size || w(d - 1) != w(d);
    default: // op_not_word_bound
        return d != 0 && d != size && w(d - 1) == w(d);
    }
}

class EndReach {
public:
    // The program and the subject text[0, size), which may be consumed to
    // its end; translate as the matcher's (may be null), word its word table.
    EndReach(const unsigned char* code, int length, const unsigned char* translate,
             const char* word, const unsigned char* text, int size);

    enum Answer { cannot, may, unknown };
    // From instruction `pc` at position d. `budget` counts the positions the
    // simulation may still look at, down; unknown when it runs out, or when
    // the way from pc holds an instruction the simulation does not follow
    // (op_backref, an opcode the compiler never writes, a jump out of the
    // program).
    Answer from(int pc, int d, long long& budget);

private:
    // The closure of m_seeds at d: fills m_consumers; answers may when the
    // end was reached, unknown when the way holds what is not followed.
    Answer close(int d);

    const unsigned char* m_code;
    int m_length;
    const unsigned char* m_translate;
    const char* m_word;
    const unsigned char* m_text;
    int m_size;
    // Per byte offset: 1 at an instruction's start, 2 at the second and later
    // bytes of an op_exact's text (the state that byte is to be read in).
    std::vector<unsigned char> m_kind;
    std::vector<unsigned> m_mark;
    unsigned m_stamp = 0;
    std::vector<int> m_stack;
    std::vector<int> m_seeds;
    std::vector<int> m_next;
    std::vector<int> m_consumers;
};

} // namespace uiutil_internal
