// The search of a program that is a fixed sequence of one-character tests.
#include "fixed_sequence.h"

#include "program.h"

namespace uiutil_internal {

bool FixedSequence::build(const ProgramNfa& nfa, const unsigned char* code) {
    m_length = 0;
    m_accepts.clear();
    // The matcher's registers, relative to the start: each mark writes the
    // position it is reached at, the last write counting.
    int start[10];
    int end[10];
    for (int i = 0; i < 10; ++i) {
        start[i] = end[i] = -1;
    }
    const std::vector<NfaState>& states = nfa.states();
    int length = 0;
    for (int id = nfa.start(); states[id].kind != NfaState::accept; ++id) {
        const NfaState& s = states[id];
        if (s.next != id + 1 || length == max_length) {
            return false;
        }
        if (s.kind >= NfaState::exact_byte) {
            m_accepts.resize(m_accepts.size() + 256);
            unsigned char* accepts = &m_accepts[m_accepts.size() - 256];
            for (int c = 0; c < 256; ++c) {
                accepts[c] = nfa.accepts(s, static_cast<unsigned char>(c)) ? 1 : 0;
            }
            ++length;
            continue;
        }
        const unsigned char* at = code + s.offset;
        if (s.kind != NfaState::epsilon || (*at != op_group_start && *at != op_group_end)) {
            return false; // a choice, a jump, a zero-width test or another code
        }
        if (at[1] < 10) {
            (*at == op_group_start ? start : end)[at[1]] = length;
        }
    }
    if (length == 0) {
        m_accepts.clear();
        return false; // the empty match is the other engines' business
    }
    m_groups = 0;
    for (int i = 1; i < 10; ++i) {
        if (start[i] >= 0 && end[i] >= 0) {
            m_groups |= 1u << i;
            m_start[i] = start[i];
            m_end[i] = end[i];
        }
    }
    m_length = length;
    choose_pair_filter();
    return true;
}

void FixedSequence::choose_pair_filter() {
    // The first two tests that accept at most two bytes each (one of them
    // twice when only one does).
    m_pair.scan = nullptr;
    BytePairFilter pair{};
    int chosen = 0;
    for (int i = 0; i < m_length && chosen < 2; ++i) {
        const unsigned char* accepts = &m_accepts[static_cast<std::size_t>(i) * 256];
        unsigned char bytes[2];
        int count = 0;
        for (int c = 0; c < 256 && count <= 2; ++c) {
            if (accepts[c]) {
                if (count < 2) {
                    bytes[count] = static_cast<unsigned char>(c);
                }
                ++count;
            }
        }
        if (count == 0 || count > 2) {
            continue;
        }
        unsigned char* both = chosen == 0 ? pair.x : pair.y;
        (chosen == 0 ? pair.r1 : pair.r2) = i;
        both[0] = bytes[0];
        both[1] = bytes[count - 1];
        ++chosen;
    }
    if (chosen == 0) {
        return;
    }
    if (chosen == 1) {
        pair.r2 = pair.r1;
        pair.y[0] = pair.x[0];
        pair.y[1] = pair.x[1];
    }
    prepare_pair_filter(pair, m_pair);
}

void FixedSequence::write_registers(int p, uiPattern::PatternRegisters* registers) const {
    registers->start[0] = p;
    registers->end[0] = p + m_length;
    for (int i = 1; i < 10; ++i) {
        registers->start[i] = unset_register;
        registers->end[i] = unset_register;
    }
    for (unsigned groups = m_groups; groups != 0; groups &= groups - 1) {
        int i = __builtin_ctz(groups);
        registers->start[i] = p + m_start[i];
        registers->end[i] = p + m_end[i];
    }
}

} // namespace uiutil_internal
