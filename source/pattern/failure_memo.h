// What the backtracking matcher remembers of the attempts that failed, so
// that a run which keeps coming back to the same place in the program at the
// same subject position explores it once.
//
// The states remembered are those right after a character was consumed: an
// instruction offset and a subject position, and, when the program has
// back-references, what the groups they repeat hold. Every resume point below
// such a state lies before that position, so nothing of what came earlier can
// make a loop pass that begins from there look empty; the only registers that
// decide anything are those a back-reference reads, and they are part of the
// state. What the matcher does from such a state is then the same every time
// it gets there: if it failed once, it fails again, and all it leaves behind
// are its register writes (only the last one to each register counts) and the
// resume points below it that its op_pop_jump instructions dropped (always
// the newest ones). The memo keeps both, and a second visit replays them
// instead of running the attempt again.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace uiutil_internal {

// A write to one of the matcher's twenty registers: 0..9 the starts of the
// groups, 10..19 their ends.
struct RegisterWrite {
    int reg;
    int value;
};

// What a failed visit left behind.
struct FailedVisit {
    const RegisterWrite* writes;
    int write_count;
    int drops; // op_pop_jump drops that reached below the visit's own points
};

// A state of the matcher: the place (instruction offset and subject
// position, see key()) and what the groups that back-references repeat hold
// there, one word per group (see group_word()); zero for the groups a program
// does not repeat.
struct MemoKey {
    static const int max_groups = 4;
    std::uint64_t place;
    std::uint64_t groups[max_groups];
};

class FailureMemo {
public:
    // A memo for a program whose back-references repeat `groups` groups
    // (at most MemoKey::max_groups) keeps their words of each state beside
    // it; one without keeps the places alone.
    explicit FailureMemo(int groups) : m_words(groups) {}

    static std::uint64_t key(int offset, int position) {
        return (static_cast<std::uint64_t>(static_cast<unsigned>(offset)) << 32) |
               static_cast<unsigned>(position);
    }
    // What a back-reference can see of a group: its start and its end, each
    // a position plus one when recorded on this path, 0 when not.
    static std::uint64_t group_word(bool has_start, int start, bool has_end, int end) {
        const std::uint64_t from = has_start ? static_cast<unsigned>(start) + 1u : 0u;
        const std::uint64_t to = has_end ? static_cast<unsigned>(end) + 1u : 0u;
        return (from << 32) | to;
    }

    // Whether a visit of `key` has failed before, and what it left.
    bool failed(const MemoKey& key, FailedVisit& visit) const {
        if (m_slots.empty()) {
            return false;
        }
        for (std::size_t i = slot_of(key);; i = (i + 1) & (m_slots.size() - 1)) {
            const Slot& slot = m_slots[i];
            if (slot.count < 0) {
                return false;
            }
            if (same(i, key)) {
                visit = {m_effects.data() + slot.effects, slot.count, slot.drops};
                return true;
            }
        }
    }

    // A visit of `key` begins; the matcher leaves a mark on its failure stack
    // and calls closed() when it takes that mark off again, which is when
    // every way on from the state has failed.
    // Whether another visit may be opened: the open ones take room on the
    // failure stack, which is bounded.
    bool can_open() const { return m_open.size() < max_open; }
    void opened(const MemoKey& key) {
        m_open.push_back({key, static_cast<int>(m_journal.size()), 0});
    }
    void closed() {
        Open visit = m_open.back();
        m_open.pop_back();
        int net[20];
        bool written[20] = {};
        for (std::size_t i = visit.journal_at; i < m_journal.size(); ++i) {
            net[m_journal[i].reg] = m_journal[i].value;
            written[m_journal[i].reg] = true;
        }
        m_journal.resize(visit.journal_at);
        if (m_entries >= max_entries || m_effects.size() + 20 > max_effects) {
            forget_all();
        }
        int effects = static_cast<int>(m_effects.size());
        for (int reg = 0; reg < 20; ++reg) {
            if (written[reg]) {
                m_effects.push_back({reg, net[reg]});
            }
        }
        insert(
            {visit.key.place, effects, static_cast<int>(m_effects.size()) - effects, visit.drops},
            visit.key.groups);
        // The enclosing visits see the same writes, in their net form.
        if (!m_open.empty()) {
            m_journal.insert(m_journal.end(), m_effects.begin() + effects, m_effects.end());
        }
    }

    // Notes a register write of the matcher.
    void wrote(int reg, int value) {
        if (!m_open.empty()) {
            m_journal.push_back({reg, value});
        }
    }
    // Notes a drop that passed over the marks of the `innermost` newest open
    // visits: it reached below their own resume points.
    void dropped_below(int innermost) {
        for (std::size_t i = m_open.size(); innermost > 0 && i > 0; --innermost) {
            ++m_open[--i].drops;
        }
    }

private:
    struct Slot {
        std::uint64_t place;
        int effects; // index into m_effects
        int count;   // of writes; -1: an empty slot
        int drops;
    };
    struct Open {
        MemoKey key;
        int journal_at;
        int drops;
    };

    // The ceiling of the memo's memory: past it the memo starts over, which
    // only means that some failures are explored again.
    static const int max_entries = 1 << 18;
    static const std::size_t max_effects = 1 << 20;
    static const std::size_t max_open = 1 << 18;

    std::size_t slot_of(std::uint64_t place, const std::uint64_t* groups) const {
        std::uint64_t h = place;
        for (int w = 0; w < m_words; ++w) {
            h = (h ^ groups[w]) * 0xff51afd7ed558ccdull;
        }
        h ^= h >> 29;
        h *= 0x9e3779b97f4a7c15ull;
        return static_cast<std::size_t>(h >> 32) & (m_slots.size() - 1);
    }
    std::size_t slot_of(const MemoKey& key) const { return slot_of(key.place, key.groups); }
    const std::uint64_t* groups_at(std::size_t i) const {
        return m_groups.data() + i * static_cast<std::size_t>(m_words);
    }
    bool same(std::size_t i, std::uint64_t place, const std::uint64_t* groups) const {
        if (m_slots[i].place != place) {
            return false;
        }
        return m_words == 0 || std::equal(groups, groups + m_words, groups_at(i));
    }
    bool same(std::size_t i, const MemoKey& key) const { return same(i, key.place, key.groups); }

    void insert(const Slot& entry, const std::uint64_t* groups) {
        if (2 * (m_entries + 1) > static_cast<int>(m_slots.size())) {
            grow();
        }
        std::size_t i = slot_of(entry.place, groups);
        while (m_slots[i].count >= 0 && !same(i, entry.place, groups)) {
            i = (i + 1) & (m_slots.size() - 1);
        }
        if (m_slots[i].count < 0) {
            ++m_entries;
        }
        m_slots[i] = entry;
        std::copy(groups, groups + m_words,
                  m_groups.begin() +
                      static_cast<std::ptrdiff_t>(i * static_cast<std::size_t>(m_words)));
    }
    void grow() {
        std::vector<Slot> old;
        std::vector<std::uint64_t> old_groups;
        old.swap(m_slots);
        old_groups.swap(m_groups);
        m_slots.assign(old.empty() ? 1024 : 2 * old.size(), Slot{0, 0, -1, 0});
        m_groups.assign(m_slots.size() * static_cast<std::size_t>(m_words), 0);
        m_entries = 0;
        for (std::size_t i = 0; i < old.size(); ++i) {
            if (old[i].count >= 0) {
                static const std::uint64_t none[MemoKey::max_groups] = {};
                insert(old[i], m_words > 0
                                   ? old_groups.data() + i * static_cast<std::size_t>(m_words)
                                   : none);
            }
        }
    }
    void forget_all() {
        for (Slot& slot : m_slots) {
            slot.count = -1;
        }
        m_entries = 0;
        m_effects.clear();
    }

    int m_words; // group words per state
    std::vector<Slot> m_slots;
    std::vector<std::uint64_t> m_groups; // m_words per slot
    int m_entries = 0;
    std::vector<RegisterWrite> m_effects;
    std::vector<RegisterWrite> m_journal;
    std::vector<Open> m_open;
};

} // namespace uiutil_internal
