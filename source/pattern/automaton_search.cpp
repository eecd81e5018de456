// The linear-time search (see automaton_search.h and docs/pattern_engines.md).
#include "automaton_search.h"

#include "leftmost.h"
#include "loop_rewrite.h"
#include "matcher.h"
#include "tried_positions.h"

#include <cstring>

namespace uiutil_internal {

PatternAutomaton::PatternAutomaton(const uiPattern::PatternBuffer& buffer, const char* word_table) {
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer.translate);
    m_has_translate = translate != nullptr;
    for (int c = 0; c < 256; ++c) {
        m_translate[c] = translate ? translate[c] : 0;
        m_word[c] = word_table[c];
    }
    m_program.assign(code, code + buffer.length);
    m_usable = m_nfa.build(code, buffer.length, translate, word_table);
    if (!m_usable) {
        // A program with back-references may still run one way only.
        m_greedy.build(code, buffer.length, translate, word_table);
        return;
    }
    for (int at : m_nfa.loop_offsets()) {
        m_program[at] = op_loop_jump;
    }
    m_dfa = std::make_unique<LazyDfa>(m_nfa, automaton_cache_bytes);
    if (!m_sequence.build(m_nfa, code)) {
        m_greedy.build(code, buffer.length, translate, word_table);
    }
    m_bytes_alone = !m_program.empty() && !m_has_translate && !m_nfa.reads_word_table() &&
                    !m_greedy.reads_word_table();
    m_described.assign(code, code + buffer.length);
}

bool PatternAutomaton::walks(const uiPattern::PatternBuffer& buffer) const {
    return m_greedy.usable() &&
           m_greedy.loops_rewritten(reinterpret_cast<const unsigned char*>(buffer.code));
}

bool PatternAutomaton::describes_in_full(const uiPattern::PatternBuffer& buffer,
                                         const char* word_table) const {
    if (buffer.length != static_cast<int>(m_program.size()) ||
        (buffer.translate != nullptr) != m_has_translate ||
        (m_has_translate && std::memcmp(buffer.translate, m_translate, 256) != 0)) {
        return false;
    }
    // A program without word tests reads no word table, so a changed one
    // leaves it as built.
    if ((m_nfa.reads_word_table() || m_greedy.reads_word_table()) &&
        std::memcmp(word_table, m_word, 256) != 0) {
        return false;
    }
    if (m_program.empty()) {
        return true; // (memcmp must not see the null code of an empty program)
    }
    // The bytes between the loops' closing jumps are as built; each of those
    // is the loop jump or what the matcher rewrites it into.
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    std::size_t from = 0;
    for (int loop : m_nfa.loop_offsets()) {
        const std::size_t at = static_cast<std::size_t>(loop);
        if (std::memcmp(code + from, m_program.data() + from, at - from) != 0 ||
            (code[at] != op_loop_jump && code[at] != op_pop_jump && code[at] != op_jump)) {
            return false;
        }
        from = at + 1;
    }
    if (std::memcmp(code + from, m_program.data() + from, m_program.size() - from) != 0) {
        return false;
    }
    if (m_bytes_alone) {
        m_described.assign(code, code + buffer.length);
    }
    return true;
}

bool PatternAutomaton::has_pending_loops(const uiPattern::PatternBuffer& buffer) const {
    for (int at : m_nfa.loop_offsets()) {
        if (static_cast<unsigned char>(buffer.code[at]) == op_loop_jump) {
            return true;
        }
    }
    return false;
}

namespace {

// The tried positions as any_match's scan takes them: first() the first one
// (-1: none), then at(d) for every position the scan reaches, in ascending
// order, and after(d) the first one beyond a position d that at() refused.
class IteratedStarts {
public:
    explicit IteratedStarts(const TriedPositions& tried) : m_tried(tried) {}
    int first() { return m_next = m_tried.next(); }
    bool at(int d) {
        if (d != m_next) {
            return false;
        }
        m_next = m_tried.next();
        return true;
    }
    int after(int) const { return m_next; }

private:
    TriedPositions m_tried;
    int m_next = -1;
};

} // namespace

bool PatternAutomaton::any_match(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                                 const unsigned char* text, int size, bool track) {
    if (TriedByByte::applies(buffer, accel)) {
        ByteStarts starts(TriedByByte(buffer, accel), text, size);
        return scan(starts, text, size, track);
    }
    IteratedStarts starts(TriedPositions(buffer, text, size, accel));
    return scan(starts, text, size, track);
}

template <class Starts>
bool PatternAutomaton::scan(Starts& starts, const unsigned char* text, int size, bool track) {
    LazyDfa& dfa = *m_dfa;
    int d = starts.first();
    if (d < 0) {
        return false;
    }
    dfa.begin_scan();
    int state = dfa.empty_state(d == 0 ? 0 : m_nfa.context_of(text[d - 1]));
    for (;;) {
        bool start = starts.at(d);
        if (start && dfa.is_empty(state)) {
            m_floor = d; // every start before this one has failed
            m_floor_alone = m_check_alone;
        } else if (start && m_floor_alone) {
            m_alone_record.tried();
            m_floor_alone = adds_nothing(state, d < size ? text + d : nullptr);
        }
        if (d == size) {
            LazyDfa::Edge edge = dfa.finish(state, start);
            if (track) {
                dfa.collect(edge.loops, m_reached);
            }
            return edge.match;
        }
        if (!start && dfa.is_empty(state)) {
            d = starts.after(d);
            if (d < 0) {
                return false;
            }
            state = dfa.empty_state(m_nfa.context_of(text[d - 1]));
            continue;
        }
        LazyDfa::Edge edge = dfa.step(state, start, text[d]);
        if (edge.match) {
            return true;
        }
        if (track) {
            dfa.collect(edge.loops, m_reached);
        }
        state = edge.next;
        ++d;
    }
}

bool PatternAutomaton::adds_nothing(int state, const unsigned char* c) {
    LazyDfa& dfa = *m_dfa;
    if (!c) {
        return dfa.finish(state, true).match == dfa.finish(state, false).match;
    }
    return dfa.start_adds_nothing(state, *c);
}

int PatternAutomaton::match_from(const unsigned char* text, int size, int from, bool track,
                                 long long& budget) {
    LazyDfa& dfa = *m_dfa;
    dfa.begin_scan();
    int d = from;
    int state = dfa.empty_state(d == 0 ? 0 : m_nfa.context_of(text[d - 1]));
    for (bool start = true;; start = false) {
        if (!start) {
            // An earlier scan of this search was in the same state here and
            // failed: so does this one, passing the same loop jumps.
            if (dfa.flushes() != m_seen_flushes) {
                m_seen_flushes = dfa.flushes();
                ++m_seen_search; // the states seen before have other numbers now
            }
            Seen& seen = m_seen[static_cast<std::size_t>(d) & (kSeenPositions - 1)];
            if (seen.search == m_seen_search && seen.position == d && seen.state == state) {
                return 0;
            }
            seen = {m_seen_search, d, state};
        }
        if (d == size) {
            LazyDfa::Edge edge = dfa.finish(state, start);
            if (edge.match) {
                return 1;
            }
            if (track) {
                dfa.collect(edge.loops, m_scan_reached);
            }
            return 0;
        }
        if (!start && dfa.is_empty(state)) {
            return 0;
        }
        if (--budget < 0) {
            return -1;
        }
        LazyDfa::Edge edge = dfa.step(state, start, text[d]);
        if (edge.match) {
            return 1;
        }
        if (track) {
            dfa.collect(edge.loops, m_scan_reached);
        }
        state = edge.next;
        ++d;
    }
}

int PatternAutomaton::leftmost(uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                               const unsigned char* text, int size, MatcherRun* run) {
    if (m_sequence.usable()) {
        return sequence_start(buffer, accel, text, size, run);
    }
    if (walks(buffer)) {
        const int found = greedy_start(buffer, accel, text, size, run);
        if (found != walk_gave_up) {
            return found;
        }
        // (Only a program the automaton takes gives up; the walks left no trace.)
    }
    const std::vector<int>& loops = m_nfa.loop_offsets();
    bool track = has_pending_loops(buffer);
    if (!track && run) {
        // Most often a pattern matched line after line either matches
        // where the search first tries or not at all: a bounded run there
        // answers before any scan. No earlier start exists, so a success
        // is the match; a failure leaves no trace.
        const int first = first_tried(buffer, accel, text, size);
        if (first < 0) {
            return -1;
        }
        if (m_first_record.worth_trying(2)) {
            m_first_record.tried();
            m_floor = first;
            if (run_floor(buffer, text, size, *run)) {
                m_first_record.won();
                return first;
            }
        }
    }
    m_reached.assign(track ? loops.size() : 0, 0);
    // Checking that a later start adds nothing costs two table lookups; a
    // win saves a scan, which costs as much as a few checks. A pattern for
    // which checks rarely win (one that starts at every character of a
    // word, say) stops paying for them.
    m_check_alone = !track && m_alone_record.worth_trying(4);
    if (!any_match(buffer, accel, text, size, track)) {
        // Every tried position fails: each failing run has run exactly the
        // loop jumps reachable from its start.
        rewrite_reached(buffer);
        return -1;
    }
    if (m_check_alone && m_floor_alone) {
        m_alone_record.won();
        return m_floor; // the match found came from it
    }
    if (!track && run && try_floor(buffer, text, size, *run)) {
        return m_floor;
    }
    // The match starts at the first tried position from which a scan of its
    // own finds one, most often the first or one soon after. Such scans run
    // while their total stays within a bound linear in the subject; the
    // failing ones have run the loop jumps their scans pass.
    m_reached.assign(track ? loops.size() : 0, 0);
    if (m_seen.empty()) {
        m_seen.resize(kSeenPositions);
    }
    ++m_seen_search;
    long long budget = 4LL * size + 256;
    TriedPositions tried(buffer, text, size, accel);
    for (int from = track ? tried.next() : tried.resume_at(m_floor); from >= 0;
         from = tried.next()) {
        if (track) {
            m_scan_reached.assign(loops.size(), 0);
        }
        const int found = match_from(text, size, from, track, budget);
        if (found < 0) {
            break;
        }
        if (found == 1) {
            rewrite_reached(buffer);
            return from;
        }
        for (std::size_t i = 0; track && i < loops.size(); ++i) {
            m_reached[i] |= m_scan_reached[i];
        }
    }
    // Beyond the bound, one simulation of every start at once settles it.
    if (track) {
        m_earliest.assign(loops.size(), size + 1);
    }
    int found = leftmost_start(m_nfa, text, size, TriedPositions(buffer, text, size, accel),
                               track ? &m_earliest : nullptr);
    for (std::size_t i = 0; track && i < loops.size(); ++i) {
        if (m_earliest[i] < found) {
            rewrite_loop_jump(buffer, loops[i]);
        }
    }
    return found;
}

int PatternAutomaton::sequence_start(const uiPattern::PatternBuffer& buffer,
                                     const PatternAccel* accel, const unsigned char* text, int size,
                                     MatcherRun* run) const {
    // The first tried position where the tests pass is the search's.
    const int last = size - m_sequence.length();
    int found = -1;
    if (TriedByByte::applies(buffer, accel)) {
        const TriedByByte tried(buffer, accel);
        if (m_sequence.has_pair_filter()) {
            // Two tests that accept few bytes find the candidates, many
            // starts per instruction.
            for (int p = 0; p <= last; ++p) {
                p = m_sequence.next_pair(text, p, last);
                if (p < 0) {
                    break;
                }
                if (tried.at(text[p]) && m_sequence.matches_at(text, p)) {
                    found = p;
                    break;
                }
            }
        } else {
            for (int p = 0; p <= last; ++p) {
                if (m_sequence.first_accepts(text[p]) && tried.at(text[p]) &&
                    m_sequence.matches_at(text, p)) {
                    found = p;
                    break;
                }
            }
        }
    } else {
        TriedPositions tried(buffer, text, size, accel);
        for (int p = tried.next(); p >= 0 && p <= last; p = tried.next()) {
            if (m_sequence.matches_at(text, p)) {
                found = p;
                break;
            }
        }
    }
    if (found >= 0 && run) {
        m_sequence.write_registers(found, run->registers);
        run->matched = true;
    }
    return found;
}

int PatternAutomaton::greedy_start(const uiPattern::PatternBuffer& buffer,
                                   const PatternAccel* accel, const unsigned char* text, int size,
                                   MatcherRun* run) const {
    // The first tried position where the walk succeeds is the search's;
    // a failed walk may say that the starts up to some position fail too.
    // Walks from one start after another can read the same run again and
    // again (`[a-z][a-z]*;` against a long word), so for a program the automaton can
    // take, they stop once the bytes read pass a bound linear in the
    // subject. The matcher would read at least as much, so a program with
    // back-references walks on.
    long long budget = m_usable ? 4LL * size + 256 : -1;
    int marks[20];
    int end = 0;
    int fails_below = 0;
    int found = -1;
    auto walk = [&](int p) {
        if (m_greedy.walk(text, size, p, end, fails_below, marks)) {
            found = p;
            return true;
        }
        return budget >= 0 && (budget -= end - p + 1) < 0;
    };
    if (TriedByByte::applies(buffer, accel)) {
        const ByteStarts starts(TriedByByte(buffer, accel), text, size);
        for (int p = starts.first(); p >= 0;
             p = starts.after(fails_below > p + 1 ? fails_below - 1 : p)) {
            if (walk(p)) {
                break;
            }
        }
    } else {
        TriedPositions tried(buffer, text, size, accel);
        for (int p = tried.next(); p >= 0; p = tried.next()) {
            if (p >= fails_below && walk(p)) {
                break;
            }
        }
    }
    if (found < 0 && budget < 0 && m_usable) {
        return walk_gave_up;
    }
    if (found >= 0 && run) {
        m_greedy.write_registers(found, end, marks, run->registers);
        run->matched = true;
    }
    return found;
}

bool PatternAutomaton::try_floor(uiPattern::PatternBuffer& buffer, const unsigned char* text,
                                 int size, MatcherRun& run) {
    // Every tried position before m_floor fails, so a success there is the
    // search's. With no loop jump left to rewrite, a run that fails or gives
    // up at its bound leaves no trace (the matcher writes the registers only
    // when it succeeds), and a bounded run that succeeds leaves the registers
    // an unbounded one would. The bound keeps a failing run as cheap as the
    // scans it stands in for; runs that mostly fail are left out.
    if (!m_floor_record.worth_trying(2)) {
        return false;
    }
    m_floor_record.tried();
    if (!run_floor(buffer, text, size, run)) {
        return false;
    }
    m_floor_record.won();
    return true;
}

bool PatternAutomaton::run_floor(uiPattern::PatternBuffer& buffer, const unsigned char* text,
                                 int size, MatcherRun& run) {
    WorkBudget bound{64 + 2LL * (size - m_floor), 0, false, false};
    // m_word holds what the shared word table holds wherever the program
    // reads it (see describes()).
    if (run_matcher(&buffer, reinterpret_cast<const char*>(text), size, m_floor, run.registers,
                    m_word, &bound, &m_scratch) < 0) {
        return false;
    }
    run.matched = true;
    return true;
}

int PatternAutomaton::first_tried(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                                  const unsigned char* text, int size) {
    if (TriedByByte::applies(buffer, accel)) {
        return ByteStarts(TriedByByte(buffer, accel), text, size).first();
    }
    return TriedPositions(buffer, text, size, accel).next();
}

void PatternAutomaton::rewrite_reached(uiPattern::PatternBuffer& buffer) {
    const std::vector<int>& loops = m_nfa.loop_offsets();
    for (std::size_t i = 0; i < m_reached.size() && i < loops.size(); ++i) {
        if (m_reached[i]) {
            rewrite_loop_jump(buffer, loops[i]);
        }
    }
}

} // namespace uiutil_internal
