#include "reach_summary.h"
#include "instruction.h"

using namespace uiutil_internal;

namespace {

// What the instruction itself contributes.
unsigned own_bits(const unsigned char* code, int length, const Instruction& in) {
    switch (in.opcode) {
    case op_group_start:
        return in.group < 10 ? 1u << in.group : 0;
    case op_group_end:
        return in.group < 10 ? 1u << (10 + in.group) : 0;
    case op_pop_jump:
    case op_loop_jump:
    case op_backref:
        return ReachSummary::unfollowable;
    case op_push_alternative: {
        // A loop's entry: the closing jump just before the exit jumps back
        // here; the body between them nests a choice when it records resume
        // points of its own.
        const int back = in.target - 3;
        if (back <= in.offset || in.target > length) {
            return 0;
        }
        const Instruction closing = decode(code, back);
        if (!jumps_back(closing) || closing.target != in.offset) {
            return 0;
        }
        for (int at = in.offset + 3; at < back; at += decode(code, at).size) {
            if (code[at] == op_push_alternative || code[at] == op_dummy_jump) {
                return ReachSummary::nested_choice;
            }
        }
        return 0;
    }
    default:
        // (Only the codes the compiler never writes pass as no-ops.)
        return in.info().role == OpcodeRole::no_op ? ReachSummary::unfollowable : 0;
    }
}

// Whether some byte of the subject passes the character test `in` (for
// op_exact: passes each of its bytes).
bool passable(const ProgramRun& run, const Instruction& in, const SubjectBytes& present) {
    const unsigned char* p = run.code + in.offset;
    for (int k = 0; k < (in.opcode == op_exact ? in.count : 1); ++k) {
        bool passed = false;
        for (int i = 0; i < present.count && !passed; ++i) {
            const unsigned char c = present.bytes[i];
            passed = in.opcode == op_exact
                         ? (run.translate ? run.translate[c] : c) == in.bytes[k]
                         : single_character_accepts(p, c, run.translate, run.word);
        }
        if (!passed) {
            return false;
        }
    }
    return true;
}

} // namespace

void ReachSummary::build(const ProgramRun& run, const SubjectBytes& present) {
    const unsigned char* code = run.code;
    const int length = run.length;
    m_reach.assign(static_cast<std::size_t>(length) + 1, unfollowable);
    m_loop_jumps.clear();
    std::vector<int> starts;
    for (int at = 0; at < length; at += decode(code, at).size) {
        if (!fits(code, at, length)) {
            return; // every offset stays unfollowable
        }
        starts.push_back(at);
    }
    std::vector<unsigned> own(starts.size());
    std::vector<Successors> next(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const Instruction in = decode(code, starts[i]);
        own[i] = own_bits(code, length, in);
        next[i] = successors(in);
        if (in.info().role == OpcodeRole::consumes && in.opcode != op_backref &&
            !(in.opcode == op_exact && in.count == 0) && !passable(run, in, present)) {
            next[i].count = 0; // no path of this subject goes on from here
        }
        m_reach[starts[i]] = own[i];
        if (in.opcode == op_loop_jump) {
            m_loop_jumps.push_back(starts[i]);
        }
    }
    m_reach[length] = reaches_end;
    // Offsets inside an instruction stay unfollowable, so a jump into one
    // marks its source as well. Loops need a few rounds to settle.
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = starts.size(); i-- > 0;) {
            unsigned bits = own[i];
            for (int k = 0; k < next[i].count; ++k) {
                bits |= at(next[i].offsets[k]);
            }
            if (bits != m_reach[starts[i]]) {
                m_reach[starts[i]] = bits;
                changed = true;
            }
        }
    }
}
