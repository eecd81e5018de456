// Derives the private search acceleration from a compiled program.
#include "search_accel.h"

#include "byte_pair_scan.h"
#include "program_view.h"

#include <cstring>

namespace uiutil_internal {

namespace {

const std::size_t max_literals = max_accel_literals;

// Whether the walk for literals goes on past the instruction: tests of the
// position other than op_line_end, and group marks.
bool passed_before_literal(const Instruction& in) {
    const OpcodeRole role = in.info().role;
    return (role == OpcodeRole::zero_width && in.opcode != op_line_end) ||
           role == OpcodeRole::group_mark;
}

// Collects the first op_exact of every path from the program's start, through
// zero-width instructions, alternatives and forward jumps only. False when
// some path reaches anything else first, or leaves the program.
bool collect_literals(const unsigned char* code, int length, std::vector<std::string>& literals) {
    std::vector<char> seen(length + 1, 0);
    std::vector<int> pending{0};
    while (!pending.empty()) {
        int at = pending.back();
        pending.pop_back();
        for (;;) {
            if (!fits(code, at, length)) {
                return false;
            }
            if (seen[at]) {
                break;
            }
            seen[at] = 1;
            const Instruction in = decode(code, at);
            if (in.opcode == op_exact) {
                if (in.count == 0) {
                    return false;
                }
                std::string literal(reinterpret_cast<const char*>(in.bytes), in.count);
                bool known = false;
                for (const std::string& l : literals) {
                    known = known || l == literal;
                }
                if (!known) {
                    if (literals.size() == max_literals) {
                        return false;
                    }
                    literals.push_back(literal);
                }
                break;
            }
            if (in.opcode == op_push_alternative) {
                pending.push_back(in.target);
                at += in.size;
            } else if ((in.opcode == op_jump || in.opcode == op_dummy_jump) &&
                       in.displacement > 0) {
                at = in.target;
            } else if (passed_before_literal(in)) {
                at += in.size;
            } else {
                return false;
            }
        }
    }
    return !literals.empty();
}

// Builds the set of bytes a match can begin with by walking every path up to
// its first consuming instruction. False when a path can reach the program's
// end, a back-reference or an op_loop_jump without consuming, or leaves the
// program.
enum class SharpResult { built, gave_up, loop_pending };

SharpResult collect_sharp(const unsigned char* code, int length, const unsigned char* translate,
                          const char* word, PatternAccel& accel) {
    std::vector<char> seen(length + 1, 0);
    std::vector<int> pending{0};
    auto mark_translated = [&](unsigned t) {
        // Every raw byte whose translation is t.
        if (!translate) {
            accel.sharp[t] = 1;
            return;
        }
        for (unsigned c = 0; c < 256; ++c) {
            if (translate[c] == t) {
                accel.sharp[c] = 1;
            }
        }
    };
    auto tr = [&](unsigned c) { return translate ? translate[c] : c; };
    while (!pending.empty()) {
        int at = pending.back();
        pending.pop_back();
        for (;;) {
            if (!fits(code, at, length)) {
                return SharpResult::gave_up;
            }
            if (seen[at]) {
                break;
            }
            seen[at] = 1;
            const Instruction in = decode(code, at);
            bool consumed = true;
            switch (in.opcode) {
            case op_exact:
                if (in.count == 0) {
                    return SharpResult::gave_up;
                }
                mark_translated(in.bytes[0]);
                break;
            case op_line_end:
                accel.sharp[newline] = 1;
                accel.sharp_at_end = true;
                break;
            case op_buffer_end:
                accel.sharp_at_end = true;
                consumed = false;
                at += in.size;
                break;
            case op_loop_jump:
                return SharpResult::loop_pending;
            case op_backref:
                return SharpResult::gave_up;
            case op_push_alternative:
                pending.push_back(in.target);
                consumed = false;
                at += in.size;
                break;
            case op_jump:
            case op_pop_jump:
            case op_dummy_jump:
                consumed = false;
                at = in.target;
                break;
            case op_any_char:
                for (unsigned c = 0; c < 256; ++c) {
                    if (tr(c) != newline) {
                        accel.sharp[c] = 1;
                    }
                }
                break;
            case op_char_set:
            case op_char_set_not:
                for (unsigned c = 0; c < 256; ++c) {
                    if (in.set_has(tr(c)) == (in.opcode == op_char_set)) {
                        accel.sharp[c] = 1;
                    }
                }
                break;
            case op_word_char:
            case op_not_word_char:
                accel.sharp_reads_word = true;
                for (unsigned c = 0; c < 256; ++c) {
                    if ((word && word[c] != 0) == (in.opcode == op_word_char)) {
                        accel.sharp[c] = 1;
                    }
                }
                break;
            default: // zero-width tests, group marks and no-operation codes
                consumed = false;
                at += in.size;
                break;
            }
            if (consumed) {
                break;
            }
        }
    }
    return SharpResult::built;
}

// Whether the program's end can be reached from its start without running
// the instruction at `avoid`; collects the backward jumps met on the way. An
// instruction cut off by the program's end counts as reaching it.
bool end_reachable_without(const unsigned char* code, int length, int avoid,
                           std::vector<int>& loops) {
    std::vector<char> seen(length + 1, 0);
    std::vector<int> pending{0};
    bool reached = false;
    while (!pending.empty()) {
        int at = pending.back();
        pending.pop_back();
        if (at < 0 || at > length || seen[at] || at == avoid) {
            continue;
        }
        seen[at] = 1;
        if (at == length || !fits(code, at, length)) {
            reached = true;
            continue;
        }
        const Instruction in = decode(code, at);
        if (jumps_back(in)) {
            loops.push_back(at);
        }
        const Successors next = successors(in);
        for (int i = 0; i < next.count; ++i) {
            pending.push_back(next.offsets[i]);
        }
    }
    return reached;
}

int commonness(unsigned char c);

// Picks an op_exact that every match runs through, preferring rare bytes.
void find_required(const unsigned char* code, int length, PatternAccel& accel) {
    const int max_program = 4096;
    const int max_candidates = 16;
    if (length > max_program) {
        return;
    }
    int best_rank = 1000;
    int candidates = 0;
    for (const Instruction in : ProgramView(code, length)) {
        if (candidates == max_candidates) {
            break;
        }
        if (in.opcode != op_exact || in.count == 0 || !fits(code, in.offset, length)) {
            continue;
        }
        ++candidates;
        std::vector<int> loops;
        if (end_reachable_without(code, length, in.offset, loops)) {
            continue;
        }
        for (int i = 0; i < in.count; ++i) {
            unsigned char c = in.bytes[i];
            if (commonness(c) < best_rank) {
                best_rank = commonness(c);
                accel.has_required = true;
                accel.required_byte = c;
                accel.loops_before_required = loops;
            }
        }
    }
}

// A rough rank of how common a byte is in text; the literal search looks for
// the literal's rarest byte first.
int commonness(unsigned char c) {
    static const char frequent[] = " etaoinsrhldcumfpgwybvkxjqz";
    const char* hit = c ? std::strchr(frequent, c) : nullptr;
    if (hit) {
        return 100 - static_cast<int>(hit - frequent);
    }
    if (c >= 'A' && c <= 'Z') {
        return 30;
    }
    return 20;
}

// The bytes whose translation is t, in `bytes` (at most two); false when
// there are more.
bool preimages(const unsigned char* translate, unsigned char t, unsigned char bytes[2]) {
    int count = 0;
    for (int c = 0; c < 256; ++c) {
        if (translate[c] == t) {
            if (count == 2) {
                return false;
            }
            bytes[count++] = static_cast<unsigned char>(c);
        }
    }
    if (count == 0) {
        return false;
    }
    if (count == 1) {
        bytes[1] = bytes[0];
    }
    return true;
}

// The literal's two rarest positions (r1 first), judged by its bytes.
void rarest_two(const unsigned char* lit, int n, int& r1, int& r2) {
    r1 = 0;
    for (int i = 1; i < n; ++i) {
        if (commonness(lit[i]) < commonness(lit[r1])) {
            r1 = i;
        }
    }
    r2 = r1 == 0 ? 1 : 0;
    for (int i = 0; i < n; ++i) {
        if (i != r1 && commonness(lit[i]) < commonness(lit[r2])) {
            r2 = i;
        }
    }
}

bool equal_translated(const unsigned char* s, const unsigned char* lit, int n,
                      const unsigned char* translate) {
    for (int i = 0; i < n; ++i) {
        if (translate[s[i]] != lit[i]) {
            return false;
        }
    }
    return true;
}

// find_literal through a translation table. When each of the literal's two
// rarest bytes has at most two bytes translating to it (a table that folds
// case), the byte-pair filter finds the candidates; otherwise a block of
// starts at a time is filtered by looking the two bytes up.
int find_translated(const unsigned char* s, int size, int from, const unsigned char* lit, int n,
                    const unsigned char* translate) {
    const int last = size - n; // the last possible start
    int r1 = 0;
    int r2 = 0;
    if (n > 1) {
        rarest_two(lit, n, r1, r2);
    }
    BytePairFilter filter{r1, r2, {0, 0}, {0, 0}};
    if (preimages(translate, lit[r1], filter.x) && preimages(translate, lit[r2], filter.y)) {
        for (int at = from; at <= last;) {
            const int start = byte_pair_scan(s, at, last, filter);
            if (start < 0 || equal_translated(s + start, lit, n, translate)) {
                return start;
            }
            at = start + 1;
        }
        return -1;
    }
    const int block = 32;
    int at = from;
    for (; at + block - 1 <= last; at += block) {
        const unsigned char* a = s + at + r1;
        const unsigned char* b = s + at + r2;
        unsigned char any = 0;
        for (int j = 0; j < block; ++j) {
            any |= static_cast<unsigned char>((translate[a[j]] == lit[r1]) &
                                              (translate[b[j]] == lit[r2]));
        }
        if (!any) {
            continue;
        }
        for (int j = 0; j < block; ++j) {
            if (equal_translated(s + at + j, lit, n, translate)) {
                return at + j;
            }
        }
    }
    for (; at <= last; ++at) {
        if (equal_translated(s + at, lit, n, translate)) {
            return at;
        }
    }
    return -1;
}

} // namespace

void build_accel(const uiPattern::PatternBuffer& buffer, const char* word_table,
                 PatternAccel& accel) {
    accel = PatternAccel();
    if (!buffer.code || buffer.length <= 0) {
        return;
    }
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer.translate);
    if (!collect_literals(code, buffer.length, accel.literals)) {
        accel.literals.clear();
    }
    if (translate && !accel.literals.empty()) {
        accel.translate.assign(translate, translate + 256);
    }
    if (!translate) {
        find_required(code, buffer.length, accel);
    }
    SharpResult sharp = collect_sharp(code, buffer.length, translate, word_table, accel);
    accel.sharp_valid = sharp == SharpResult::built;
    if (accel.sharp_reads_word) {
        accel.word_table_null = !word_table;
        if (word_table) {
            std::memcpy(accel.word_table, word_table, sizeof accel.word_table);
        }
    }
    accel.retry_after_rewrites = sharp == SharpResult::loop_pending;
    if (accel.retry_after_rewrites) {
        for (const Instruction in : ProgramView(code, buffer.length)) {
            if (in.opcode == op_loop_jump) {
                accel.pending_loops.push_back(in.offset);
            }
        }
    }
}

int find_literal(const char* text, int size, int from, const std::string& literal,
                 const unsigned char* translate) {
    int n = static_cast<int>(literal.size());
    if (n == 0) {
        return from <= size ? from : -1;
    }
    if (translate) {
        return find_translated(reinterpret_cast<const unsigned char*>(text), size, from,
                               reinterpret_cast<const unsigned char*>(literal.data()), n,
                               translate);
    }
    const char* lit = literal.data();
    if (n == 1) {
        const void* hit = from < size ? std::memchr(text + from, lit[0], size - from) : nullptr;
        return hit ? static_cast<int>(static_cast<const char*>(hit) - text) : -1;
    }
    // Candidate starts are those with the literal's two rarest bytes in
    // place; the whole literal is compared at each.
    int r1 = 0;
    int r2 = 1;
    rarest_two(reinterpret_cast<const unsigned char*>(lit), n, r1, r2);
    const unsigned char c1 = static_cast<unsigned char>(lit[r1]);
    const unsigned char c2 = static_cast<unsigned char>(lit[r2]);
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    const int last = size - n; // the last possible start
    int at = from;
    // While the rarest byte is rare in this text, the C library's memchr
    // finds it fastest; once it turns out common, the byte-pair filter.
    int close_hits = 0;
    while (at <= last && close_hits < 16) {
        const void* hit = std::memchr(s + at + r1, c1, last - at + 1);
        if (!hit) {
            return -1;
        }
        int start = static_cast<int>(static_cast<const unsigned char*>(hit) - s) - r1;
        if (std::memcmp(s + start, lit, n) == 0) {
            return start;
        }
        close_hits += start - at < 256;
        at = start + 1;
    }
    const BytePairFilter filter{r1, r2, {c1, c1}, {c2, c2}};
    while (at <= last) {
        const int start = byte_pair_scan(s, at, last, filter);
        if (start < 0 || std::memcmp(s + start, lit, n) == 0) {
            return start;
        }
        at = start + 1;
    }
    return -1;
}

} // namespace uiutil_internal
