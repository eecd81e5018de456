// Whether a matcher thread at an instruction and a subject position can
// still reach the program's end: a simulation of every path from there at
// once (each choice taken both ways, every loop pass allowed, a loop's
// closing jump also falling through), so that a "cannot" proves that the
// backtracking exploration from there fails, whatever it records on the way.
#pragma once

#include "program_run.h"

#include <vector>

namespace uiutil_internal {

class EndReach {
public:
    explicit EndReach(const ProgramRun& run);

    enum Answer { cannot, may, unknown };
    // From instruction `pc` at position d. `budget` counts the positions the
    // simulation may still look at, down (a run of equal characters passed
    // in one step counts one per 64 of them); unknown when it runs out, or when
    // the way from pc holds an instruction the simulation does not follow
    // (op_backref, an opcode the compiler never writes, a jump out of the
    // program).
    Answer from(int pc, int d, long long& budget);
    // After a `cannot`: the registers whose group marks the paths from there
    // pass (bit r: register r, as in the matcher). No exploration from
    // there writes any other.
    unsigned marks_passed() const { return m_marks; }

private:
    // The closure of m_seeds at d: fills m_consumers; answers may when the
    // end was reached, unknown when the way holds what is not followed.
    Answer close(int d);

    ProgramRun m_run;
    // Per byte offset: 1 at an instruction's start, 2 at the second and later
    // bytes of an op_exact's text (the state that byte is to be read in).
    std::vector<unsigned char> m_kind;
    std::vector<unsigned> m_mark;
    unsigned m_stamp = 0;
    std::vector<int> m_stack;
    std::vector<int> m_seeds;
    std::vector<int> m_next;
    std::vector<int> m_consumers;
    unsigned m_marks = 0;
};

} // namespace uiutil_internal
