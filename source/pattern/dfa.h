// A lazily built deterministic automaton over sets of program states. A
// state is the set of program states that the characters read so far lead
// to (before the closure at the current position) together with the
// context of the character before the position; its transitions, built on
// first use, depend on the class of the next character and on whether a
// match starts at the position. The cache of states has a fixed ceiling:
// when it is full it is emptied and the scan goes on from the current set,
// so the time stays linear in the subject (in the worst case one closure
// per character, as a plain simulation of the program's states).
#pragma once

#include "closure.h"
#include "nfa.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace uiutil_internal {

class LazyDfa {
public:
    // What a transition does: the state it leads to, whether the end of the
    // program was reached at the position (a match ends there), and the set
    // of loop jumps passed (an index for loop_set, -1 for none).
    struct Edge {
        int next = -1;
        int loops = -1;
        bool match = false;
        // Kept on the edges with the start: whether the edge without the
        // start has the same next state and match (-1: not known yet).
        signed char same_without_start = -1;
    };

    LazyDfa(const ProgramNfa& nfa, std::size_t memory_limit);

    // The state with no program state, after a character of context prev.
    int empty_state(int prev);
    bool is_empty(int state) const { return m_empty_set[state] != 0; }
    // Reads the character c at a position; `start` adds the program's first
    // state there. May empty the cache: only the returned edge stays valid.
    Edge step(int state, bool start, unsigned char c) {
        const Edge& known = slot(state, 2 * m_nfa.byte_class(c) + (start ? 1 : 0));
        return known.next >= 0 ? known : build_step(state, start, c);
    }
    // Whether adding the start before reading c changes neither the next
    // state nor the match; remembered per state and character class. Answers
    // false without building anything when building the two edges could
    // empty the cache.
    bool start_adds_nothing(int state, unsigned char c) {
        const Edge& with = slot(state, 2 * m_nfa.byte_class(c) + 1);
        if (with.next >= 0 && with.same_without_start >= 0) {
            return with.same_without_start != 0;
        }
        return compare_start_edges(state, c);
    }
    // The closure at the subject's end.
    Edge finish(int state, bool start);
    // Whether `states` more states fit in the cache without emptying it, so
    // that the state numbers in hand stay valid meanwhile.
    bool has_room(int states) const {
        return m_used + static_cast<std::size_t>(states) * m_state_cost_bound <= m_limit;
    }
    // Starts a scan that gathers the loop jumps its transitions pass.
    void begin_scan() { ++m_scan; }
    // Marks in `reached` (by loop-jump index) the loops of an edge, once per
    // set and scan.
    void collect(int loops, std::vector<char>& reached) {
        if (loops >= 0 && m_loop_seen[loops] != m_scan) {
            m_loop_seen[loops] = m_scan;
            for (int i : m_loop_sets[loops]) {
                reached[i] = 1;
            }
        }
    }
    // How often the cache was emptied (for tests and benchmarks).
    int flushes() const { return m_flushes; }

private:
    struct Hash {
        std::size_t operator()(const std::vector<int>& key) const;
    };
    // Closure of a state's set (plus the start) under (prev, next); fills
    // m_consumers, answers whether the end was reached, interns the loops.
    bool close(int state, bool start, int next, int& loops);
    Edge build_step(int state, bool start, unsigned char c);
    bool compare_start_edges(int state, unsigned char c);
    int intern(std::vector<int>& key);
    std::size_t state_cost(std::size_t key_size) const;
    int intern_loops();
    void flush();
    Edge& slot(int state, int column) { return m_edges[state * m_stride + column]; }

    const ProgramNfa& m_nfa;
    Closure m_closure;
    std::size_t m_limit;
    std::size_t m_used = 0;
    int m_stride;
    std::size_t m_state_cost_bound; // what interning the largest possible state costs
    int m_flushes = 0;
    // Per state: key = [prev context, program states...], and its edges:
    // 2 * classes columns (without and with the start), then two for finish.
    std::vector<std::vector<int>> m_sets;
    std::vector<unsigned char> m_empty_set; // per state: no program state in it
    // The state without program states after each context (-1: not yet
    // made), looked up at every start of a scan.
    int m_empty[5] = {-1, -1, -1, -1, -1};
    std::vector<Edge> m_edges;
    std::unordered_map<std::vector<int>, int, Hash> m_index;
    std::vector<std::vector<int>> m_loop_sets;
    std::vector<unsigned> m_loop_seen;
    unsigned m_scan = 0;
    std::unordered_map<std::vector<int>, int, Hash> m_loop_index;
    // Scratch.
    std::vector<int> m_consumers;
    std::vector<int> m_loops;
    std::vector<int> m_key;
};

} // namespace uiutil_internal
