// What the instructions that can run after each instruction of a program may
// do, over every path through the program whatever the subject: which
// registers they may write, whether they may enter a loop whose body holds a
// choice of its own (the shape that makes a backtracking run explore many
// ways of splitting a subject), and whether they may reach an instruction
// that the failed-branch shortcut (failed_branch.h) cannot follow.
#pragma once

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

    // Summarises the program as it is now; rebuild after a loop jump is
    // rewritten. A program whose instructions do not fit makes every offset
    // unfollowable.
    void build(const unsigned char* code, int length);
    // The summary of what may run from `offset` on (an instruction's offset,
    // or the program's end).
    unsigned at(int offset) const {
        return offset >= 0 && offset < static_cast<int>(m_reach.size()) ? m_reach[offset]
                                                                        : unfollowable;
    }
    // Whether the summary saw an op_loop_jump, which may be rewritten since.
    bool saw_loop_jump() const { return m_saw_loop_jump; }

private:
    std::vector<unsigned> m_reach; // per byte offset, length + 1 entries
    bool m_saw_loop_jump = false;
};

} // namespace uiutil_internal
