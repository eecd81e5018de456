// The search for programs without back-references, in time linear in the
// subject: finds the position at which the backtracking search's first
// successful matcher run happens, and leaves the program bytes as the
// search's failing runs before it would have left them.
#pragma once

#include "dfa.h"
#include "fixed_sequence.h"
#include "greedy_sequence.h"
#include "matcher.h"
#include "nfa.h"
#include "search_accel.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <uiutil/pattern.h>
#include <vector>

namespace uiutil_internal {

// The ceiling of one pattern's state cache.
const std::size_t automaton_cache_bytes = std::size_t(4) << 20;

// The caller's matcher run at the start leftmost() answers. leftmost() may
// make that run itself when it suspects a start before it has proved it
// (`matched` then says the registers hold the match), so that the run is not
// made twice.
struct MatcherRun {
    uiPattern::PatternRegisters* registers;
    bool matched = false;
};

// The tries and wins of a shortcut that costs a little and sometimes saves
// more, recent ones counting most, so that a pattern for which it rarely wins
// stops paying for it and tries again now and then.
class ShortcutRecord {
public:
    // Whether to take the shortcut now: during its first 256 tries, while at
    // least one try in `share` wins, and otherwise once in 1024 asks.
    bool worth_trying(unsigned share) {
        if (m_tries > (1u << 16)) {
            m_tries >>= 1;
            m_wins >>= 1;
        }
        return m_tries < 256 || share * m_wins >= m_tries || (++m_skipped & 1023) == 0;
    }
    void tried() { ++m_tries; }
    void won() { ++m_wins; }

private:
    unsigned m_tries = 0;
    unsigned m_wins = 0;
    unsigned m_skipped = 0;
};

class PatternAutomaton {
public:
    // Builds the automaton of the buffer's program; usable() answers false
    // when the program has a back-reference.
    PatternAutomaton(const uiPattern::PatternBuffer& buffer, const char* word_table);

    // What the matcher runs of this program keep between matches.
    MatcherScratch& scratch() { return m_scratch; }

    bool usable() const { return m_usable; }
    // Whether leftmost() answers for the program as it now is by the greedy
    // walk of a program that runs one way only, back-references or not.
    bool walks(const uiPattern::PatternBuffer& buffer) const;
    // Whether this automaton still describes the buffer's program (only loop
    // jumps rewritten since), translation table and word table.
    bool describes(const uiPattern::PatternBuffer& buffer, const char* word_table) const {
        // Checked here for a program that reads neither table: bytes equal
        // to those it was last found to describe.
        if (m_bytes_alone && !buffer.translate &&
            buffer.length == static_cast<int>(m_described.size()) &&
            std::memcmp(buffer.code, m_described.data(), m_described.size()) == 0) {
            return true;
        }
        return describes_in_full(buffer, word_table);
    }

    // The leftmost position from which the search's matcher run succeeds, or
    // -1 (only when usable() or walks()). Every op_loop_jump that the search's failing runs at
    // earlier positions would have run is rewritten as the matcher rewrites it. `accel` (may be
    // null) is the program's acceleration data, which passes over positions where the search would
    // not run the matcher either. With `run`, the answer may come with the matcher's run there
    // made.
    int leftmost(uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                 const unsigned char* text, int size, MatcherRun* run = nullptr);

    // The cache's flush count, for tests and benchmarks.
    int cache_flushes() const { return m_dfa ? m_dfa->flushes() : 0; }
    // How often the matcher failed at a start this automaton gave (the
    // search then falls back to trying every position); zero unless the
    // engines disagree, for tests.
    int misses() const { return m_misses; }
    void note_miss() { ++m_misses; }

private:
    // Scans forward with a match starting at every tried position; answers
    // whether one ends anywhere, and marks in m_reached the loop jumps passed
    // (when `track`). m_floor becomes a tried position at or before the
    // leftmost start of a match: every start before it has failed. When
    // m_floor_alone holds as well (kept only while m_check_alone), every
    // later start the scan added was one of adds_nothing's, so the match
    // found starts at m_floor.
    bool any_match(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                   const unsigned char* text, int size, bool track);
    // any_match's scan over the tried positions `starts` gives.
    template <class Starts>
    bool scan(Starts& starts, const unsigned char* text, int size, bool track);
    // Whether adding a match start to `state` before reading *c (c null:
    // at the subject's end) leaves the states and the match the same: then
    // every path from that start is one from an earlier start as well.
    bool adds_nothing(int state, const unsigned char* c);
    // Scans forward with a match starting at `from` alone: 1 when one ends,
    // 0 when none can, -1 when `budget` (bytes to read, counted down) ran out
    // first. Marks in m_scan_reached the loop jumps passed (when `track`).
    int match_from(const unsigned char* text, int size, int from, bool track, long long& budget);
    // leftmost() for a program that is a fixed sequence of tests.
    int sequence_start(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                       const unsigned char* text, int size, MatcherRun* run) const;
    // leftmost() for a program that runs one way only, once none of its
    // loop jumps is left to rewrite; walk_gave_up when the walks of a
    // program the automaton takes read more than their bound.
    static const int walk_gave_up = -2;
    int greedy_start(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                     const unsigned char* text, int size, MatcherRun* run) const;
    // Runs the matcher at m_floor under a bound on its work, while that
    // usually succeeds; answers whether it matched there.
    bool try_floor(uiPattern::PatternBuffer& buffer, const unsigned char* text, int size,
                   MatcherRun& run);
    // The matcher's run at m_floor under that bound, every time.
    bool run_floor(uiPattern::PatternBuffer& buffer, const unsigned char* text, int size,
                   MatcherRun& run);
    // The first position the search tries, -1 when it tries none.
    static int first_tried(const uiPattern::PatternBuffer& buffer, const PatternAccel* accel,
                           const unsigned char* text, int size);
    // Rewrites the loop jumps marked in m_reached.
    void rewrite_reached(uiPattern::PatternBuffer& buffer);
    bool has_pending_loops(const uiPattern::PatternBuffer& buffer) const;
    bool describes_in_full(const uiPattern::PatternBuffer& buffer, const char* word_table) const;

    bool m_usable = false;
    int m_misses = 0;
    ProgramNfa m_nfa;
    std::unique_ptr<LazyDfa> m_dfa;
    FixedSequence m_sequence;             // usable when the program is one
    GreedySequence m_greedy;              // likewise, when m_sequence is not
    std::vector<unsigned char> m_program; // loop-jump opcodes as op_loop_jump
    bool m_has_translate = false;
    // A non-empty program that reads neither table, and the bytes (loop
    // jumps as they then were) it was last found to describe.
    bool m_bytes_alone = false;
    mutable std::vector<unsigned char> m_described;
    unsigned char m_translate[256] = {};
    char m_word[256] = {}; // the word table as built from
    // The state each scan from one start was in at recent positions, by
    // position modulo kSeenPositions; valid for the search and cache
    // generation they were seen in.
    struct Seen {
        unsigned search;
        int position;
        int state;
    };
    static const std::size_t kSeenPositions = 1024;
    std::vector<Seen> m_seen;
    unsigned m_seen_search = 0;
    int m_seen_flushes = 0;
    int m_floor = 0;
    bool m_floor_alone = false;
    bool m_check_alone = false;    // whether any_match keeps m_floor_alone
    ShortcutRecord m_alone_record; // the checks of m_floor_alone
    ShortcutRecord m_floor_record; // the matcher runs at m_floor
    ShortcutRecord m_first_record; // the runs at the first tried position
    MatcherScratch m_scratch;
    std::vector<char> m_reached;
    std::vector<char> m_scan_reached;
    std::vector<int> m_earliest;
};

} // namespace uiutil_internal
