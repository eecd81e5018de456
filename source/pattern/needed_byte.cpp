#include "needed_byte.h"
#include "instruction.h"

#include <cstdint>
#include <vector>

using namespace uiutil_internal;

namespace {

struct ByteSet {
    std::uint64_t words[4];

    static ByteSet all() { return {{~0ull, ~0ull, ~0ull, ~0ull}}; }
    static ByteSet none() { return {{0, 0, 0, 0}}; }
    void add(unsigned char c) { words[c >> 6] |= std::uint64_t(1) << (c & 63); }
    void keep(const ByteSet& other) {
        for (int i = 0; i < 4; ++i) {
            words[i] &= other.words[i];
        }
    }
    void join(const ByteSet& other) {
        for (int i = 0; i < 4; ++i) {
            words[i] |= other.words[i];
        }
    }
    bool operator!=(const ByteSet& other) const {
        for (int i = 0; i < 4; ++i) {
            if (words[i] != other.words[i]) {
                return true;
            }
        }
        return false;
    }
    int lowest() const {
        for (int i = 0; i < 4; ++i) {
            if (words[i] != 0) {
                return 64 * i + __builtin_ctzll(words[i]);
            }
        }
        return -1;
    }
};

} // namespace

int uiutil_internal::needed_byte(const unsigned char* code, int length, int offset) {
    // index[at]: the instruction starting at byte offset `at`, -1 inside one.
    std::vector<int> index(static_cast<std::size_t>(length) + 1, -1);
    std::vector<Instruction> program;
    for (int at = 0; at < length; at += program.back().size) {
        if (!fits(code, at, length)) {
            return -1;
        }
        index[at] = static_cast<int>(program.size());
        program.push_back(decode(code, at));
    }
    if (offset < 0 || offset >= length || index[offset] < 0) {
        return -1;
    }
    // Greatest fixed point: a set shrinks from every byte to what all ways
    // on need; the end needs nothing, nor does a jump that leaves the
    // instructions (which may be read as reaching the end).
    std::vector<ByteSet> needs(program.size(), ByteSet::all());
    auto needs_at = [&](int at) {
        return at >= 0 && at < length && index[at] >= 0 ? needs[index[at]] : ByteSet::none();
    };
    // Loops take a few rounds to settle; a program that has not settled
    // after this many is given no byte.
    const int max_rounds = 64;
    int rounds = 0;
    for (bool changed = true; changed;) {
        if (rounds++ == max_rounds) {
            return -1;
        }
        changed = false;
        for (std::size_t i = program.size(); i-- > 0;) {
            const Instruction& in = program[i];
            const Successors next = successors(in);
            ByteSet set = ByteSet::all();
            for (int k = 0; k < next.count; ++k) {
                set.keep(needs_at(next.offsets[k]));
            }
            if (in.opcode == op_exact) {
                ByteSet own = ByteSet::none();
                for (int b = 0; b < in.count; ++b) {
                    own.add(in.bytes[b]);
                }
                set.join(own);
            }
            if (set != needs[i]) {
                needs[i] = set;
                changed = true;
            }
        }
    }
    return needs[index[offset]].lowest();
}
