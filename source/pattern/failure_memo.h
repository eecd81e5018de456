// What the backtracking matcher remembers of the attempts that failed, so
// that a run which keeps coming back to the same place in the program at the
// same subject position explores it once.
//
// The states remembered are those right after a character was consumed: an
// instruction offset and a subject position. Every resume point below such a
// state lies before that position, so nothing of what came earlier can make a
// loop pass that begins from there look empty; without back-references the
// registers decide nothing either. What the matcher does from such a state is
// then the same every time it gets there: if it failed once, it fails again,
// and all it leaves behind are its register writes (only the last one to each
// register counts) and the resume points below it that its op_pop_jump
// instructions dropped (always the newest ones). The memo keeps both, and a
// second visit replays them instead of running the attempt again.
#pragma once

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

class FailureMemo {
public:
    static std::uint64_t key(int offset, int position) {
        return (static_cast<std::uint64_t>(static_cast<unsigned>(offset)) << 32) |
               static_cast<unsigned>(position);
    }

    // Whether a visit of `key` has failed before, and what it left.
    bool failed(std::uint64_t key, FailedVisit& visit) const {
        if (m_slots.empty()) {
            return false;
        }
        for (std::size_t i = slot_of(key);; i = (i + 1) & (m_slots.size() - 1)) {
            const Slot& slot = m_slots[i];
            if (slot.count < 0) {
                return false;
            }
            if (slot.key == key) {
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
    void opened(std::uint64_t key) {
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
        insert({visit.key, effects, static_cast<int>(m_effects.size()) - effects, visit.drops});
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
        std::uint64_t key;
        int effects; // index into m_effects
        int count;   // of writes; -1: an empty slot
        int drops;
    };
    struct Open {
        std::uint64_t key;
        int journal_at;
        int drops;
    };

    // The ceiling of the memo's memory: past it the memo starts over, which
    // only means that some failures are explored again.
    static const int max_entries = 1 << 18;
    static const std::size_t max_effects = 1 << 20;
    static const std::size_t max_open = 1 << 18;

    std::size_t slot_of(std::uint64_t key) const {
        key ^= key >> 29;
        key *= 0x9e3779b97f4a7c15ull;
        return static_cast<std::size_t>(key >> 32) & (m_slots.size() - 1);
    }

    void insert(const Slot& entry) {
        if (2 * (m_entries + 1) > static_cast<int>(m_slots.size())) {
            grow();
        }
        std::size_t i = slot_of(entry.key);
        while (m_slots[i].count >= 0 && m_slots[i].key != entry.key) {
            i = (i + 1) & (m_slots.size() - 1);
        }
        if (m_slots[i].count < 0) {
            ++m_entries;
        }
        m_slots[i] = entry;
    }
    void grow() {
        std::vector<Slot> old;
        old.swap(m_slots);
        m_slots.assign(old.empty() ? 1024 : 2 * old.size(), Slot{0, 0, -1, 0});
        m_entries = 0;
        for (const Slot& slot : old) {
            if (slot.count >= 0) {
                insert(slot);
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

    std::vector<Slot> m_slots;
    int m_entries = 0;
    std::vector<RegisterWrite> m_effects;
    std::vector<RegisterWrite> m_journal;
    std::vector<Open> m_open;
};

} // namespace uiutil_internal
