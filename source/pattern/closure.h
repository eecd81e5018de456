// The epsilon closure of program states at one subject position: follows
// jumps, alternatives and no-ops, and passes a zero-width test only when it
// holds between the contexts before and after the position. Each state is
// visited at most once per position (between two begin() calls), so walks
// from several seeds share the work and the first seed to reach a state
// owns it.
#pragma once

#include "nfa.h"

#include <algorithm>
#include <vector>

namespace uiutil_internal {

class Closure {
public:
    explicit Closure(const ProgramNfa& nfa) : m_nfa(nfa), m_mark(nfa.states().size(), 0) {}

    // Starts a new position: every state may be visited again.
    void begin() {
        if (++m_stamp == 0) {
            std::fill(m_mark.begin(), m_mark.end(), 0u);
            m_stamp = 1;
        }
    }

    // Walks from `seed`; calls consumer(id) for each consuming state reached
    // and loop(index) for each loop jump passed. Answers whether the end of
    // the program was reached.
    template <class Consumer, class Loop>
    bool walk(int seed, int prev, int next, Consumer consumer, Loop loop) {
        const std::vector<NfaState>& states = m_nfa.states();
        bool accepted = false;
        m_stack.clear();
        m_stack.push_back(seed);
        while (!m_stack.empty()) {
            int id = m_stack.back();
            m_stack.pop_back();
            if (m_mark[id] == m_stamp) {
                continue;
            }
            m_mark[id] = m_stamp;
            const NfaState& s = states[id];
            switch (s.kind) {
            case NfaState::accept:
                accepted = true;
                break;
            case NfaState::epsilon:
                m_stack.push_back(s.next);
                break;
            case NfaState::loop_jump:
                loop(s.alt);
                m_stack.push_back(s.next);
                break;
            case NfaState::split:
                m_stack.push_back(s.alt);
                m_stack.push_back(s.next);
                break;
            case NfaState::assertion:
                if (ProgramNfa::assertion_holds(s.op, prev, next)) {
                    m_stack.push_back(s.next);
                }
                break;
            default:
                consumer(id);
                break;
            }
        }
        return accepted;
    }

private:
    const ProgramNfa& m_nfa;
    std::vector<unsigned> m_mark;
    unsigned m_stamp = 0;
    std::vector<int> m_stack;
};

} // namespace uiutil_internal
