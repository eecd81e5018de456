// The leftmost start by a simulation of the program's states (see leftmost.h).
#include "leftmost.h"

#include "closure.h"

#include <utility>

namespace uiutil_internal {

namespace {

struct Thread {
    int state;
    int start;
};

} // namespace

int leftmost_start(const ProgramNfa& nfa, const unsigned char* text, int size, TriedPositions tried,
                   std::vector<int>* earliest) {
    const std::vector<NfaState>& states = nfa.states();
    Closure closure(nfa);
    std::vector<Thread> current;
    std::vector<Thread> following;
    int best = -1;
    int next_start = tried.next();
    if (next_start < 0) {
        return -1;
    }
    int d = next_start;
    for (;;) {
        bool inject = best < 0 && d == next_start;
        if (inject) {
            current.push_back({nfa.start(), d});
            next_start = tried.next();
        }
        int prev = d == 0 ? 0 : nfa.context_of(text[d - 1]);
        int next = d == size ? 0 : nfa.context_of(text[d]);
        closure.begin();
        following.clear();
        for (const Thread& t : current) {
            auto consumer = [&](int id) {
                if (d < size && nfa.accepts(states[id], text[d])) {
                    following.push_back({states[id].next, t.start});
                }
            };
            auto loop = [&](int index) {
                if (earliest && t.start < (*earliest)[index]) {
                    (*earliest)[index] = t.start;
                }
            };
            if (closure.walk(t.state, prev, next, consumer, loop)) {
                best = t.start; // the states after this one started no earlier
                break;
            }
        }
        if (d == size) {
            return best;
        }
        std::swap(current, following);
        ++d;
        if (current.empty()) {
            if (best >= 0 || next_start < 0) {
                return best;
            }
            d = next_start;
        }
    }
}

} // namespace uiutil_internal
