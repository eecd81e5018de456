// The lazily built automaton (see dfa.h).
#include "dfa.h"

#include <algorithm>
#include <iterator>

namespace uiutil_internal {

std::size_t LazyDfa::Hash::operator()(const std::vector<int>& key) const {
    std::size_t h = key.size();
    for (int v : key) {
        h = h * 1000003u ^ static_cast<std::size_t>(v);
    }
    return h;
}

LazyDfa::LazyDfa(const ProgramNfa& nfa, std::size_t memory_limit)
    : m_nfa(nfa), m_closure(nfa), m_limit(memory_limit), m_stride(2 * nfa.class_count() + 2),
      m_state_cost_bound(state_cost(nfa.states().size() + 1)) {}

std::size_t LazyDfa::state_cost(std::size_t key_size) const {
    return 2 * (key_size * sizeof(int) + 64) + m_stride * sizeof(Edge);
}

int LazyDfa::empty_state(int prev) {
    int& known = m_empty[prev];
    if (known < 0) {
        m_key.assign(1, prev);
        known = intern(m_key);
    }
    return known;
}

bool LazyDfa::compare_start_edges(int state, unsigned char c) {
    if (!has_room(2)) {
        return false; // building the edges could renumber `state`
    }
    const Edge without = step(state, false, c);
    const Edge with = step(state, true, c);
    bool same = with.next == without.next && with.match == without.match;
    slot(state, 2 * m_nfa.byte_class(c) + 1).same_without_start = same ? 1 : 0;
    return same;
}

void LazyDfa::flush() {
    m_sets.clear();
    m_empty_set.clear();
    m_edges.clear();
    m_index.clear();
    m_loop_sets.clear();
    m_loop_seen.clear();
    m_loop_index.clear();
    m_used = 0;
    std::fill(std::begin(m_empty), std::end(m_empty), -1);
    ++m_flushes;
}

int LazyDfa::intern(std::vector<int>& key) {
    auto found = m_index.find(key);
    if (found != m_index.end()) {
        return found->second;
    }
    std::size_t cost = state_cost(key.size());
    if (m_used + cost > m_limit && !m_sets.empty()) {
        flush();
    }
    m_used += cost;
    int id = static_cast<int>(m_sets.size());
    m_sets.push_back(key);
    m_empty_set.push_back(key.size() == 1 ? 1 : 0);
    m_edges.resize(m_edges.size() + m_stride);
    m_index.emplace(key, id);
    return id;
}

int LazyDfa::intern_loops() {
    if (m_loops.empty()) {
        return -1;
    }
    std::sort(m_loops.begin(), m_loops.end());
    m_loops.erase(std::unique(m_loops.begin(), m_loops.end()), m_loops.end());
    auto found = m_loop_index.find(m_loops);
    if (found != m_loop_index.end()) {
        return found->second;
    }
    m_used += 2 * (m_loops.size() * sizeof(int) + 64);
    int id = static_cast<int>(m_loop_sets.size());
    m_loop_sets.push_back(m_loops);
    m_loop_seen.push_back(0);
    m_loop_index.emplace(m_loops, id);
    return id;
}

bool LazyDfa::close(int state, bool start, int next, int& loops) {
    const std::vector<int>& set = m_sets[state];
    int prev = set[0];
    m_consumers.clear();
    m_loops.clear();
    m_closure.begin();
    bool accepted = false;
    auto consumer = [this](int id) { m_consumers.push_back(id); };
    auto loop = [this](int index) { m_loops.push_back(index); };
    for (std::size_t i = 1; i < set.size(); ++i) {
        accepted |= m_closure.walk(set[i], prev, next, consumer, loop);
    }
    if (start) {
        accepted |= m_closure.walk(m_nfa.start(), prev, next, consumer, loop);
    }
    loops = intern_loops();
    return accepted;
}

LazyDfa::Edge LazyDfa::build_step(int state, bool start, unsigned char c) {
    int column = 2 * m_nfa.byte_class(c) + (start ? 1 : 0);
    int context = m_nfa.context_of(c);
    Edge edge;
    edge.match = close(state, start, context, edge.loops);
    const std::vector<NfaState>& states = m_nfa.states();
    m_key.assign(1, context);
    for (int id : m_consumers) {
        if (m_nfa.accepts(states[id], c)) {
            m_key.push_back(states[id].next);
        }
    }
    std::sort(m_key.begin() + 1, m_key.end());
    m_key.erase(std::unique(m_key.begin() + 1, m_key.end()), m_key.end());
    int flushes = m_flushes;
    std::vector<int> loops;
    if (edge.loops >= 0) {
        loops = m_loop_sets[edge.loops]; // survives a flush in intern
    }
    edge.next = intern(m_key);
    if (flushes != m_flushes) {
        // The cache was emptied: the edge's loop set is interned again, and
        // the old state no longer exists to keep the edge.
        m_loops = loops;
        edge.loops = intern_loops();
        return edge;
    }
    slot(state, column) = edge;
    return edge;
}

LazyDfa::Edge LazyDfa::finish(int state, bool start) {
    int column = 2 * m_nfa.class_count() + (start ? 1 : 0);
    if (slot(state, column).next >= 0) {
        return slot(state, column);
    }
    Edge edge;
    edge.match = close(state, start, 0, edge.loops);
    edge.next = state;
    slot(state, column) = edge;
    return edge;
}

} // namespace uiutil_internal
