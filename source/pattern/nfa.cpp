// Builds the automaton view of a compiled program (see nfa.h).
#include "nfa.h"
#include "instruction.h"

namespace uiutil_internal {

namespace {

// Whether the op_push_alternative at `push` opens the loop whose closing jump
// is at `jump`: its alternative is the instruction after that jump.
bool closes_loop(const unsigned char* code, int push, int jump) {
    const Instruction opener = decode(code, push);
    return opener.opcode == op_push_alternative && opener.target == jump + 3;
}

} // namespace

bool ProgramNfa::build(const unsigned char* code, int length, const unsigned char* translate,
                       const char* word) {
    m_states.clear();
    m_sets.clear();
    m_loops.clear();
    m_reads_word = false;
    m_has_translate = translate != nullptr;
    for (int c = 0; c < 256; ++c) {
        m_translate[c] = translate ? translate[c] : static_cast<unsigned char>(c);
        m_word[c] = word[c] ? 1 : 0;
    }
    // First pass: the state of each instruction's offset (-1 inside one).
    std::vector<int> state_at(static_cast<std::size_t>(length) + 1, -1);
    int count = 0;
    for (int at = 0; at < length;) {
        if (code[at] == op_backref || !fits(code, at, length)) {
            return false;
        }
        const Instruction in = decode(code, at);
        state_at[at] = count;
        count += in.opcode == op_exact && in.count > 0 ? in.count : 1;
        at += in.size;
    }
    state_at[length] = count; // the end of the program
    m_states.resize(static_cast<std::size_t>(count) + 1);
    m_states[count] = {NfaState::accept, 0, -1, -1, -1, length};

    for (int at = 0; at < length;) {
        const Instruction in = decode(code, at);
        int id = state_at[at];
        int next = state_at[at + in.size];
        NfaState s{NfaState::epsilon, 0, -1, next, -1, at};
        if (in.is_jump()) {
            if (in.target < 0 || in.target > length || state_at[in.target] < 0) {
                return false;
            }
            s.next = state_at[in.target];
            if (in.opcode == op_push_alternative) {
                s.kind = NfaState::split;
                s.next = next;
                s.alt = state_at[in.target];
            } else if (in.opcode == op_loop_jump || (in.opcode != op_dummy_jump && in.target < at &&
                                                     closes_loop(code, in.target, at))) {
                // A loop's closing jump, as compiled or as rewritten.
                s.kind = NfaState::loop_jump;
                s.alt = static_cast<int>(m_loops.size());
                m_loops.push_back(at);
            }
        }
        switch (in.opcode) {
        case op_exact:
            for (int i = 0; i < in.count; ++i) {
                m_states[id + i] = {NfaState::exact_byte,
                                    in.bytes[i],
                                    -1,
                                    i + 1 < in.count ? id + i + 1 : next,
                                    -1,
                                    at};
            }
            if (in.count > 0) {
                at += in.size;
                continue;
            }
            break; // nothing to compare
        case op_word_start:
        case op_word_end:
        case op_word_bound:
        case op_not_word_bound:
            m_reads_word = true;
            s.kind = NfaState::assertion;
            s.op = in.opcode;
            break;
        case op_line_start:
        case op_line_end:
        case op_buffer_start:
        case op_buffer_end:
            s.kind = NfaState::assertion;
            s.op = in.opcode;
            break;
        case op_any_char:
            s.kind = NfaState::any_char;
            break;
        case op_char_set:
        case op_char_set_not: {
            s.kind = in.opcode == op_char_set ? NfaState::char_set : NfaState::char_set_not;
            std::bitset<256> members;
            for (unsigned c = 0; c < 256; ++c) {
                members[c] = in.set_has(c);
            }
            s.set = static_cast<int>(m_sets.size());
            m_sets.push_back(members);
            break;
        }
        case op_word_char:
            m_reads_word = true;
            s.kind = NfaState::word_char;
            break;
        case op_not_word_char:
            m_reads_word = true;
            s.kind = NfaState::not_word_char;
            break;
        default: // jumps set above; groups, reserved and unknown codes pass
            break;
        }
        m_states[id] = s;
        at += in.size;
    }
    m_start = state_at[0];
    classify();
    return true;
}

bool ProgramNfa::accepts(const NfaState& s, unsigned char c) const {
    switch (s.kind) {
    case NfaState::exact_byte:
        return m_translate[c] == s.op;
    case NfaState::any_char:
        return m_translate[c] != newline;
    case NfaState::char_set:
        return m_sets[s.set][m_translate[c]];
    case NfaState::char_set_not:
        return !m_sets[s.set][m_translate[c]];
    case NfaState::word_char:
        return m_word[c] != 0;
    case NfaState::not_word_char:
        return m_word[c] == 0;
    default:
        return false;
    }
}

bool ProgramNfa::assertion_holds(unsigned char op, int prev, int next) {
    bool prev_word = prev != 0 && ((prev - 1) & 2);
    bool next_word = next != 0 && ((next - 1) & 2);
    switch (op) {
    case op_line_start:
        return prev == 0 || ((prev - 1) & 1);
    case op_line_end:
        return next == 0 || ((next - 1) & 1);
    case op_buffer_start:
        return prev == 0;
    case op_buffer_end:
        return next == 0;
    case op_word_start:
        return next_word && !prev_word;
    case op_word_end:
        return prev_word && !next_word;
    case op_word_bound:
        return prev == 0 || next == 0 || prev_word != next_word;
    default: // op_not_word_bound
        return prev != 0 && next != 0 && prev_word == next_word;
    }
}

// Refines the partition of the 256 bytes, starting from their contexts, by
// every consumer's answer.
void ProgramNfa::classify() {
    int cls[256];
    for (int c = 0; c < 256; ++c) {
        cls[c] = context_of(static_cast<unsigned char>(c));
    }
    for (const NfaState& s : m_states) {
        if (s.kind < NfaState::exact_byte) {
            continue;
        }
        int renumber[512];
        for (int& r : renumber) {
            r = -1;
        }
        int classes = 0;
        for (int c = 0; c < 256; ++c) {
            int key = cls[c] * 2 + (accepts(s, static_cast<unsigned char>(c)) ? 1 : 0);
            if (renumber[key] < 0) {
                renumber[key] = classes++;
            }
            cls[c] = renumber[key];
        }
    }
    int renumber[256];
    for (int& r : renumber) {
        r = -1;
    }
    m_class_count = 0;
    for (int c = 0; c < 256; ++c) {
        if (renumber[cls[c]] < 0) {
            m_class_byte[m_class_count] = static_cast<unsigned char>(c);
            renumber[cls[c]] = m_class_count++;
        }
        m_class[c] = static_cast<unsigned char>(renumber[cls[c]]);
    }
}

} // namespace uiutil_internal
