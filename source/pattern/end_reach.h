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
    // The same program over another subject.
    void rebind(const ProgramRun& run) { m_run = run; }

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

    // What the simulation does at a state: a byte offset of the program, an
    // instruction's start or, for the second and later bytes of an
    // op_exact's text, the place that byte is read.
    struct Node {
        enum Kind : unsigned char {
            not_followed, // inside an instruction, or one the simulation leaves alone
            consumer,     // reads a character, then goes on at next[0]
            zero_width,   // goes on at next[0] when the test `op` holds
            passage       // goes on at next[0..count)
        };
        Kind kind = not_followed;
        unsigned char op = 0;
        unsigned char count = 0;
        unsigned marks = 0; // a group mark: the register it writes
        int next[2] = {0, 0};
    };

    ProgramRun m_run;
    std::vector<Node> m_nodes; // per byte offset
    std::vector<unsigned> m_mark;
    unsigned m_stamp = 0;
    std::vector<int> m_stack;
    std::vector<int> m_seeds;
    std::vector<int> m_next;
    std::vector<int> m_consumers;
    unsigned m_marks = 0;
};

} // namespace uiutil_internal
