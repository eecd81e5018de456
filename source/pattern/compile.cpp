// The one-pass compiler from pattern text to byte program.
#include "program.h"

#include <cstring>
#include <new>
#include <uiutil/pattern.h>

using namespace uiutil_internal;

namespace {

const int max_program = 65536;
const int max_groups = 10;
const int max_run = 127;
const int none = -1;

bool fits_rel16(int displacement) {
    return displacement >= -32768 && displacement <= 32767;
}

void write_rel16(char* at, int displacement) {
    at[0] = static_cast<char>(displacement & 0xff);
    at[1] = static_cast<char>((displacement >> 8) & 0xff);
}

// Offsets (not pointers) of the compiler's working positions, so that growing
// the buffer needs no adjustment.
struct GroupEntry {
    int body;         // write position just after the group's op_group_start
    int pending_jump; // pending branch-end jump + 1, 0 for none
    int number;
    int branch_start;
};

class Compiler {
public:
    Compiler(const char* pattern, int size, uiPattern::PatternBuffer* buffer)
        : m_pattern(pattern), m_size(size), m_buffer(buffer) {}

    uiPatternError run();

private:
    unsigned char translated(char raw) const {
        unsigned char c = static_cast<unsigned char>(raw);
        return m_buffer->translate ? static_cast<unsigned char>(m_buffer->translate[c]) : c;
    }
    bool at_end() const { return m_next >= m_size; }
    char raw_ahead(int k) const { return m_next + k < m_size ? m_pattern[m_next + k] : 0; }
    char* at(int offset) { return m_buffer->code + offset; }
    void emit(int byte) { m_buffer->code[m_b++] = static_cast<char>(byte); }

    uiPatternError grow();
    // Writes a jump at `where` to `target`; false when the displacement does
    // not fit 16 bits.
    bool store(int where, int opcode, int target);
    // Moves [where, m_b) up three bytes and writes a jump at `where`.
    bool insert(int opcode, int where, int target);
    void literal(unsigned char c);
    uiPatternError repetition(unsigned char op);
    uiPatternError char_set();
    uiPatternError escape();

    const char* m_pattern;
    int m_size;
    uiPattern::PatternBuffer* m_buffer;
    int m_next = 0;
    int m_b = 0;
    int m_last_atom = none;
    int m_run = none;
    int m_branch_start = 0;
    int m_pending_jump = none;
    GroupEntry m_groups[max_groups] = {};
    int m_depth = 0;
    int m_next_group = 1;
};

uiPatternError Compiler::grow() {
    if (m_buffer->capacity >= max_program) {
        return uiPatternTooBig;
    }
    int capacity = m_buffer->capacity * 2;
    if (capacity > max_program) {
        capacity = max_program;
    }
    char* code = new (std::nothrow) char[capacity];
    if (!code) {
        return uiPatternNoMemory;
    }
    std::memcpy(code, m_buffer->code, m_buffer->capacity);
    delete[] m_buffer->code;
    m_buffer->code = code;
    m_buffer->capacity = capacity;
    return uiPatternNoError;
}

bool Compiler::store(int where, int opcode, int target) {
    int displacement = target - (where + 3);
    if (!fits_rel16(displacement)) {
        return false;
    }
    at(where)[0] = static_cast<char>(opcode);
    write_rel16(at(where) + 1, displacement);
    return true;
}

bool Compiler::insert(int opcode, int where, int target) {
    if (!fits_rel16(target - (where + 3))) {
        return false;
    }
    std::memmove(at(where) + 3, at(where), m_b - where);
    return store(where, opcode, target);
}

void Compiler::literal(unsigned char c) {
    char next = raw_ahead(0);
    bool run_is_last =
        m_run != none && m_run + 2 + static_cast<unsigned char>(*at(m_run + 1)) == m_b;
    bool extends = run_is_last && static_cast<unsigned char>(*at(m_run + 1)) < max_run &&
                   (at_end() || (next != '*' && next != '+' && next != '?' && next != '^'));
    if (!extends) {
        m_last_atom = m_b;
        m_run = m_b;
        emit(op_exact);
        emit(0);
    }
    emit(c);
    ++*at(m_run + 1);
}

uiPatternError Compiler::repetition(unsigned char op) {
    bool zero_allowed = op != '+';
    bool many_allowed = op != '?';
    while (!at_end()) {
        unsigned char c = translated(m_pattern[m_next]);
        if (c != '*' && c != '+' && c != '?') {
            break;
        }
        zero_allowed = zero_allowed || c != '+';
        many_allowed = many_allowed || c != '?';
        ++m_next;
    }
    int loop = m_last_atom;
    if (many_allowed) {
        // Lands on the op_push_alternative inserted at `loop` just below.
        if (!store(m_b, op_loop_jump, loop - 3)) {
            return uiPatternTooBig;
        }
        m_b += 3;
    }
    if (!insert(op_push_alternative, loop, m_b + 3)) {
        return uiPatternTooBig;
    }
    m_b += 3;
    m_run = none;
    if (!zero_allowed) {
        if (!insert(op_dummy_jump, loop, loop + 6)) {
            return uiPatternTooBig;
        }
        m_b += 3;
    }
    return uiPatternNoError;
}

uiPatternError Compiler::char_set() {
    if (m_b > m_buffer->capacity - 35) {
        if (uiPatternError e = grow()) {
            return e;
        }
    }
    m_last_atom = m_b;
    int opcode = op_char_set;
    if (!at_end() && m_pattern[m_next] == '^') {
        ++m_next;
        opcode = op_char_set_not;
    }
    emit(opcode);
    emit(32);
    unsigned char* bits = reinterpret_cast<unsigned char*>(at(m_b));
    std::memset(bits, 0, 32);
    bool first = true;
    for (;;) {
        if (at_end()) {
            return uiPatternEndedTooSoon;
        }
        unsigned char c = translated(m_pattern[m_next++]);
        if (c == ']' && !first) {
            break;
        }
        first = false;
        unsigned last = c;
        if (!at_end() && m_pattern[m_next] == '-') {
            ++m_next;
            if (at_end()) {
                return uiPatternEndedTooSoon;
            }
            last = translated(m_pattern[m_next++]);
        }
        for (unsigned v = c; v <= last; ++v) {
            bits[v / 8] |= static_cast<unsigned char>(1u << (v % 8));
        }
    }
    int n = 32;
    while (n > 0 && bits[n - 1] == 0) {
        --n;
    }
    *at(m_b - 1) = static_cast<char>(n);
    m_b += n;
    return uiPatternNoError;
}

uiPatternError Compiler::escape() {
    if (at_end()) {
        return uiPatternInvalid;
    }
    char raw = m_pattern[m_next++];
    switch (raw) {
    case '(':
        if (m_depth == max_groups) {
            return uiPatternTooDeep;
        }
        if (m_next_group < 10) {
            emit(op_group_start);
            emit(m_next_group);
        }
        m_groups[m_depth++] = {m_b, m_pending_jump + 1, m_next_group, m_branch_start};
        ++m_next_group;
        m_pending_jump = none;
        m_last_atom = none;
        // A literal run must not continue across a group boundary: a later
        // repetition of the group inserts its jump at the group's start.
        m_run = none;
        m_branch_start = m_b;
        return uiPatternNoError;
    case ')': {
        if (m_depth == 0) {
            return uiPatternUnmatchedClose;
        }
        GroupEntry entry = m_groups[--m_depth];
        m_branch_start = entry.branch_start;
        if (m_pending_jump != none && !store(m_pending_jump, op_jump, m_b)) {
            return uiPatternTooBig;
        }
        if (entry.number < 10) {
            emit(op_group_end);
            emit(entry.number);
        }
        m_pending_jump = entry.pending_jump - 1;
        m_last_atom = entry.body;
        m_run = none;
        return uiPatternNoError;
    }
    case '|':
        if (!insert(op_push_alternative, m_branch_start, m_b + 6)) {
            return uiPatternTooBig;
        }
        m_b += 3;
        m_run = none;
        if (m_pending_jump != none && !store(m_pending_jump, op_jump, m_b)) {
            return uiPatternTooBig;
        }
        m_pending_jump = m_b;
        m_b += 3;
        m_last_atom = none;
        m_branch_start = m_b;
        return uiPatternNoError;
    case 'w':
    case 'W':
        m_last_atom = m_b;
        emit(raw == 'w' ? op_word_char : op_not_word_char);
        return uiPatternNoError;
    case '<':
        emit(op_word_start);
        return uiPatternNoError;
    case '>':
        emit(op_word_end);
        return uiPatternNoError;
    case 'b':
        emit(op_word_bound);
        return uiPatternNoError;
    case 'B':
        emit(op_not_word_bound);
        return uiPatternNoError;
    case '`':
        emit(op_buffer_start);
        return uiPatternNoError;
    case '\'':
        emit(op_buffer_end);
        return uiPatternNoError;
    default:
        break;
    }
    if (raw >= '1' && raw <= '9') {
        int n = raw - '0';
        bool open = false;
        for (int i = 0; i < m_depth; ++i) {
            open = open || m_groups[i].number == n;
        }
        if (n < m_next_group && !open) {
            m_last_atom = m_b;
            emit(op_backref);
            emit(n);
            return uiPatternNoError;
        }
    }
    literal(translated(raw));
    return uiPatternNoError;
}

uiPatternError Compiler::run() {
    while (!at_end()) {
        if (m_b > m_buffer->capacity - 10) {
            if (uiPatternError e = grow()) {
                return e;
            }
        }
        unsigned char c = translated(m_pattern[m_next++]);
        uiPatternError e = uiPatternNoError;
        switch (c) {
        case '$':
            if (at_end() ||
                (raw_ahead(0) == '\\' && (raw_ahead(1) == ')' || raw_ahead(1) == '|'))) {
                emit(op_line_end);
            } else {
                literal(c);
            }
            break;
        case '^':
            if (m_last_atom == none) {
                emit(op_line_start);
            } else {
                literal(c);
            }
            break;
        case '*':
        case '+':
        case '?':
            if (m_last_atom == none) {
                literal(c);
            } else {
                e = repetition(c);
            }
            break;
        case '.':
            m_last_atom = m_b;
            emit(op_any_char);
            break;
        case '[':
            e = char_set();
            break;
        case '\\':
            e = escape();
            break;
        default:
            literal(c);
            break;
        }
        if (e != uiPatternNoError) {
            return e;
        }
    }
    if (m_pending_jump != none && !store(m_pending_jump, op_jump, m_b)) {
        return uiPatternTooBig;
    }
    if (m_depth > 0) {
        return uiPatternUnmatchedOpen;
    }
    m_buffer->length = m_b;
    return uiPatternNoError;
}

} // namespace

uiPatternError uiPattern::compile(const char* pattern, int size, PatternBuffer* buffer) {
    buffer->fastmap_valid = 0;
    if (buffer->capacity == 0) {
        delete[] buffer->code;
        buffer->code = new (std::nothrow) char[128];
        if (!buffer->code) {
            return uiPatternNoMemory;
        }
        buffer->capacity = 128;
    }
    if (size <= 0 || !pattern) {
        buffer->length = 0;
        return uiPatternNoError;
    }
    return Compiler(pattern, size, buffer).run();
}

void uiPattern::store_jump(char* at, char opcode, char* target) {
    at[0] = opcode;
    write_rel16(at + 1, static_cast<int>(target - (at + 3)));
}

void uiPattern::insert_jump(char opcode, char* at, char* target, char* end) {
    for (char* p = end - 1; p >= at; --p) {
        p[3] = p[0];
    }
    store_jump(at, opcode, target);
}
