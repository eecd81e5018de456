// Private search acceleration. It only lets the search pass over positions
// at which the matcher would fail without running any instruction that leaves
// a trace (an op_loop_jump rewrite), so results, registers and programs stay
// exactly as without it.
#pragma once

#include <cstring>
#include <string>
#include <uiutil/pattern.h>
#include <vector>

namespace uiutil_internal {

const std::size_t max_accel_literals = 8;

struct PatternAccel {
    // Literals one of which every match begins with, each the whole first
    // op_exact of a path (empty when there is no such small set). Under a
    // translation table they are compared with the translated subject, and
    // `translate` holds a copy of the table (empty without one).
    std::vector<std::string> literals;
    std::vector<unsigned char> translate;
    // The bytes with which a match can begin, and whether one can begin at
    // the subject's end; valid only when `sharp_valid`.
    bool sharp_valid = false;
    bool sharp_at_end = false;
    unsigned char sharp[256] = {};
    // The sharp set was refused because a not yet rewritten op_loop_jump can
    // be reached before a character is consumed: worth building again once
    // the matcher has rewritten one of the loop jumps at `pending_loops`
    // (every op_loop_jump of the program when this was built).
    bool retry_after_rewrites = false;
    std::vector<int> pending_loops;
    // A byte of an op_exact that every match passes through, and the offsets
    // of the loop jumps an attempt can reach before it. Once none of those is
    // an unrewritten op_loop_jump, a subject without the byte cannot match
    // and trying it would leave no trace.
    bool has_required = false;
    unsigned char required_byte = 0;
    std::vector<int> loops_before_required;
    // The sharp set was shaped by a \w or \W test, and the word-character
    // table it read then (null or a copy). The table is shared and callers
    // may edit it between searches, so the data is built again when it no
    // longer holds the same entries.
    bool sharp_reads_word = false;
    bool word_table_null = false;
    char word_table[256] = {};
};

// Whether the data still describes the word-character table `word`.
inline bool follows_word_table(const PatternAccel& accel, const char* word) {
    if (!accel.sharp_reads_word) {
        return true;
    }
    if (!word || accel.word_table_null) {
        return !word && accel.word_table_null;
    }
    return std::memcmp(accel.word_table, word, sizeof accel.word_table) == 0;
}

// Whether the required-byte test may be used on the program as it now is.
inline bool required_checkable(const PatternAccel& accel, const char* code) {
    for (int at : accel.loops_before_required) {
        if (static_cast<unsigned char>(code[at]) == 7) {
            return false;
        }
    }
    return true;
}

// Whether the matcher has rewritten one of the loop jumps that were pending
// when the data was built, so that building it again may do better.
inline bool rewritten_since_built(const PatternAccel& accel, const char* code, int length) {
    for (int at : accel.pending_loops) {
        if (at >= length || static_cast<unsigned char>(code[at]) != 7) {
            return true;
        }
    }
    return false;
}

// Builds the acceleration data for a compiled program.
void build_accel(const uiPattern::PatternBuffer& buffer, const char* word_table,
                 PatternAccel& accel);

// Finds the literal in text[from, size), returning its start or -1; with
// `translate`, in the subject as translated through that table.
int find_literal(const char* text, int size, int from, const std::string& literal,
                 const unsigned char* translate = nullptr);

} // namespace uiutil_internal
