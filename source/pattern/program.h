// The compiled program's instruction set and helpers shared by the compiler,
// the matcher, the fastmap builder and the search.
#pragma once

#include <cstdint>
#include <cstring>

namespace uiutil_internal {

enum PatternOpcode : unsigned char {
    op_exact = 1,            // count n, then n bytes
    op_line_start = 2,       // ^
    op_line_end = 3,         // $
    op_jump = 4,             // rel16
    op_push_alternative = 5, // rel16: record a resume point
    op_pop_jump = 6,         // rel16: drop the newest resume point, jump
    op_loop_jump = 7,        // rel16: rewritten into 6 or 4 when first run
    op_dummy_jump = 8,       // rel16: record an empty resume point, jump
    op_any_char = 9,         // .
    op_char_set = 10,        // count n (0..32), then n bitmap bytes
    op_char_set_not = 11,    // as op_char_set
    op_group_start = 12,     // group number
    op_group_end = 13,       // group number
    op_backref = 14,         // group number
    op_buffer_start = 18,    // \`
    op_buffer_end = 19,      // \'
    op_word_char = 20,       // \w
    op_not_word_char = 21,   // \W
    op_word_start = 22,      // \<
    op_word_end = 23,        // \>
    op_word_bound = 24,      // \b
    op_not_word_bound = 25   // \B
};

const int unset_register = -99;
const int newline = 10;

// The signed displacement of the jump whose operand starts at p.
inline int read_rel16(const unsigned char* p) {
    return static_cast<short>(static_cast<unsigned short>(p[0] | (p[1] << 8)));
}

// The target of the three-byte jump instruction at p.
inline const unsigned char* jump_target(const unsigned char* p) {
    return p + 3 + read_rel16(p + 1);
}

// Whether byte c is a member of the set instruction at p (op_char_set layout).
inline bool set_has(const unsigned char* p, unsigned c) {
    return c < 8u * p[1] && (p[2 + c / 8] >> (c % 8)) & 1;
}

// The size of the one-character test at x (an op_exact of one byte
// included), 0 when it is not one.
inline int single_character(const unsigned char* x) {
    switch (*x) {
    case op_exact:
        return x[1] == 1 ? 3 : 0;
    case op_any_char:
    case op_word_char:
    case op_not_word_char:
        return 1;
    case op_char_set:
    case op_char_set_not:
        return 2 + x[1];
    default:
        return 0;
    }
}

// Whether the one-character test at x accepts c, as the matcher decides it:
// character tests through `translate` (may be null), word tests on the raw
// byte through `word`.
inline bool single_character_accepts(const unsigned char* x, unsigned char c,
                                     const unsigned char* translate, const char* word) {
    const unsigned char t = translate ? translate[c] : c;
    switch (*x) {
    case op_exact:
        return t == x[2];
    case op_any_char:
        return t != newline;
    case op_char_set:
        return set_has(x, t);
    case op_char_set_not:
        return !set_has(x, t);
    case op_word_char:
        return word[c] != 0;
    default: // op_not_word_char
        return word[c] == 0;
    }
}

// The first position from d below end whose byte is not c (end if none),
// comparing eight bytes at a time along a run.
inline int same_byte_run_end(const unsigned char* text, int d, int end, unsigned char c) {
    std::uint64_t same;
    std::memset(&same, c, sizeof same);
    for (; d + 8 <= end; d += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, text + d, sizeof chunk);
        if (chunk != same) {
            break;
        }
    }
    while (d < end && text[d] == c) {
        ++d;
    }
    return d;
}

// The first position from d below end whose character the one-character
// test at x refuses (end if none), deciding as single_character_accepts().
inline int single_character_run_end(const unsigned char* x, const unsigned char* text, int d,
                                    int end, const unsigned char* translate, const char* word) {
    if (d >= end) {
        return d;
    }
    if (!translate && *x == op_exact) {
        return same_byte_run_end(text, d, end, x[2]);
    }
    if (!translate && *x == op_any_char) {
        const void* line_end = std::memchr(text + d, newline, static_cast<std::size_t>(end - d));
        return line_end ? static_cast<int>(static_cast<const unsigned char*>(line_end) - text)
                        : end;
    }
    if (*x == op_char_set || *x == op_char_set_not) {
        const bool member = *x == op_char_set;
        if (translate) {
            while (d < end && set_has(x, translate[text[d]]) == member) {
                ++d;
            }
        } else {
            while (d < end && set_has(x, text[d]) == member) {
                ++d;
            }
        }
        return d;
    }
    while (d < end && single_character_accepts(x, text[d], translate, word)) {
        ++d;
    }
    return d;
}

// Whether the zero-width test `op` holds at position d of text[0, size), as
// the matcher decides it (word tests on the raw bytes through `word`).
inline bool zero_width_holds(unsigned char op, const unsigned char* text, int size, int d,
                             const char* word) {
    auto w = [&](int i) { return word[text[i]] != 0; };
    switch (op) {
    case op_line_start:
        return d == 0 || text[d - 1] == newline;
    case op_line_end:
        return d == size || text[d] == newline;
    case op_buffer_start:
        return d == 0;
    case op_buffer_end:
        return d == size;
    case op_word_start:
        return d < size && w(d) && (d == 0 || !w(d - 1));
    case op_word_end:
        return d > 0 && w(d - 1) && (d == size || !w(d));
    case op_word_bound:
        return d == 0 || d == size || w(d - 1) != w(d);
    default: // op_not_word_bound
        return d != 0 && d != size && w(d - 1) == w(d);
    }
}

// The size in bytes of the instruction at p (opcode included).
inline int instruction_size(const unsigned char* p) {
    switch (p[0]) {
    case op_exact:
        return 2 + p[1];
    case op_jump:
    case op_push_alternative:
    case op_pop_jump:
    case op_loop_jump:
    case op_dummy_jump:
        return 3;
    case op_char_set:
    case op_char_set_not:
        return 2 + p[1];
    case op_group_start:
    case op_group_end:
    case op_backref:
        return 2;
    default:
        return 1;
    }
}

// The work bound of one match() (see uiPattern::set_work_limit): the most
// resume points the matcher may go back to, how many it has, and whether it
// gave up at the bound. Under the caller's bound every step is one the plain
// matcher takes; the engines' own bounds (`counts_plain_steps` false) let
// the matcher pass over first ways that fail for certain.
struct WorkBudget {
    long long limit;
    long long used;
    bool exhausted;
    bool counts_plain_steps = true;
};

} // namespace uiutil_internal
