// The automaton engines' view of a compiled program: one state per
// instruction (one per literal byte of an op_exact), epsilon edges for the
// jumps, alternatives and no-ops, zero-width tests decided from the classes
// of the characters around a position, and byte classes that no test tells
// apart. Programs with op_backref have no such view.
#pragma once

#include "program.h"

#include <bitset>
#include <vector>

namespace uiutil_internal {

// What a zero-width test needs to know of one side of a position: the edge of
// the subject (0), or a character's class 1 + newline + 2 * word.
inline int side_context(unsigned char c, const char* word) {
    return 1 + (c == newline ? 1 : 0) + (word[c] ? 2 : 0);
}

struct NfaState {
    enum Kind : unsigned char {
        accept,     // the end of the program
        epsilon,    // go on at next
        split,      // go on at next and at alt
        loop_jump,  // an op_loop_jump (or its rewritten form): go on at next;
                    // alt is its index in loop_offsets()
        assertion,  // a zero-width test (op): go on at next when it holds
        exact_byte, // consumers: one character, then next
        any_char,
        char_set,
        char_set_not,
        word_char,
        not_word_char
    };
    Kind kind;
    unsigned char op; // the byte of exact_byte, the opcode of an assertion
    int set;          // char_set, char_set_not: index of the members
    int next;
    int alt;
    int offset; // program offset of the instruction
};

class ProgramNfa {
public:
    // Builds the view of `code`; false (and no view) when the program has a
    // back-reference or an instruction the view cannot follow.
    bool build(const unsigned char* code, int length, const unsigned char* translate,
               const char* word);

    const std::vector<NfaState>& states() const { return m_states; }
    int start() const { return m_start; }
    // Whether the consumer `s` takes the raw subject character c.
    bool accepts(const NfaState& s, unsigned char c) const;
    // Whether the assertion opcode holds between contexts prev and next.
    static bool assertion_holds(unsigned char op, int prev, int next);

    // Bytes no state of the program tells apart share a class.
    int byte_class(unsigned char c) const { return m_class[c]; }
    int class_count() const { return m_class_count; }
    unsigned char class_byte(int k) const { return m_class_byte[k]; }
    int context_of(unsigned char c) const { return side_context(c, m_word); }
    const unsigned char* translate() const { return m_has_translate ? m_translate : nullptr; }
    const char* word_table() const { return m_word; }
    // Whether any state reads the word table (a word test or \w, \W): when
    // none does, the view holds under any word table.
    bool reads_word_table() const { return m_reads_word; }

    // Program offsets of the loop jumps (op_loop_jump when compiled).
    const std::vector<int>& loop_offsets() const { return m_loops; }

private:
    void classify();

    std::vector<NfaState> m_states;
    std::vector<std::bitset<256>> m_sets; // members, as translated bytes
    std::vector<int> m_loops;
    int m_start = 0;
    bool m_has_translate = false;
    bool m_reads_word = false;
    unsigned char m_translate[256] = {};
    char m_word[256] = {};
    unsigned char m_class[256] = {};
    unsigned char m_class_byte[256] = {};
    int m_class_count = 0;
};

} // namespace uiutil_internal
