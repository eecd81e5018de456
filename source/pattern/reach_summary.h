// What the instructions that can run after each instruction of a program may
// do, over every path through the program that a subject's bytes can take:
// which registers they may write, whether they may enter a loop whose body
// holds a choice of its own (the shape that makes a backtracking run explore
// many ways of splitting a subject), whether they may reach an instruction
// that the failed-branch shortcut (failed_branch.h) cannot follow, and
// whether they may reach the end at all.
#pragma once

#include "program_run.h"

#include <vector>

namespace uiutil_internal {

class ReachSummary {
public:
    // Bits 0..19: the registers (0..9 group starts, 10..19 group ends).
    static constexpr unsigned register_bits = (1u << 20) - 1;
    static constexpr unsigned nested_choice = 1u << 20;
    // op_pop_jump, op_loop_jump not yet rewritten, op_backref, an opcode the
    // compiler never writes, or a jump out of the program.
    static constexpr unsigned unfollowable = 1u << 21;
    // Some path reaches the program's end, where a run succeeds.
    static constexpr unsigned reaches_end = 1u << 22;

    // Summarises the program as it is now; rebuild after a loop jump is
    // rewritten. A program whose instructions do not fit makes every offset
    // unfollowable. A character test that none of the subject's bytes
    // (`present`) passes ends the paths through it.
    void build(const ProgramRun& run, const SubjectBytes& present);
    // The summary of what may run from `offset` on (an instruction's offset,
    // or the program's end).
    unsigned at(int offset) const {
        return offset >= 0 && offset < static_cast<int>(m_reach.size()) ? m_reach[offset]
                                                                        : unfollowable;
    }
    // Whether a loop jump the summary saw unrewritten has been rewritten since.
    bool stale(const unsigned char* code) const {
        for (int at : m_loop_jumps) {
            if (code[at] != op_loop_jump) {
                return true;
            }
        }
        return false;
    }

private:
    std::vector<unsigned> m_reach; // per byte offset, length + 1 entries
    std::vector<int> m_loop_jumps; // offsets of the op_loop_jump instructions
};

} // namespace uiutil_internal
