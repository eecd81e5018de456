// Derives the private search acceleration from a compiled program.
#include "search_accel.h"

#include "program.h"

#include <cstring>

namespace uiutil_internal {

namespace {

const std::size_t max_literals = 8;

// Collects the first op_exact of every path from the program's start, through
// zero-width instructions, alternatives and forward jumps only. False when
// some path reaches anything else first.
bool collect_literals(const unsigned char* code, const unsigned char* end,
                      std::vector<std::string>& literals) {
    std::vector<char> seen(end - code + 1, 0);
    std::vector<const unsigned char*> pending{code};
    while (!pending.empty()) {
        const unsigned char* p = pending.back();
        pending.pop_back();
        for (;;) {
            if (p < code || p >= end) {
                return false;
            }
            if (seen[p - code]) {
                break;
            }
            seen[p - code] = 1;
            unsigned char op = *p;
            if (op == op_exact) {
                if (p[1] == 0) {
                    return false;
                }
                std::string literal(reinterpret_cast<const char*>(p + 2), p[1]);
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
            if (op == op_push_alternative) {
                pending.push_back(jump_target(p));
                p += 3;
            } else if ((op == op_jump || op == op_dummy_jump) && read_rel16(p + 1) > 0) {
                p = jump_target(p);
            } else if (op == op_line_start || op == op_buffer_start || op == op_buffer_end ||
                       (op >= op_word_start && op <= op_not_word_bound) || op == op_group_start ||
                       op == op_group_end) {
                p += instruction_size(p);
            } else {
                return false;
            }
        }
    }
    return !literals.empty();
}

// Builds the set of bytes a match can begin with by walking every path up to
// its first consuming instruction. False when a path can reach the program's
// end, a back-reference or an op_loop_jump without consuming.
enum class SharpResult { built, gave_up, loop_pending };

SharpResult collect_sharp(const unsigned char* code, const unsigned char* end,
                          const unsigned char* translate, const char* word, PatternAccel& accel) {
    std::vector<char> seen(end - code + 1, 0);
    std::vector<const unsigned char*> pending{code};
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
        const unsigned char* p = pending.back();
        pending.pop_back();
        for (;;) {
            if (p < code || p > end) {
                return SharpResult::gave_up;
            }
            if (p == end) {
                return SharpResult::gave_up;
            }
            if (seen[p - code]) {
                break;
            }
            seen[p - code] = 1;
            bool consumed = true;
            switch (*p) {
            case op_exact:
                if (p[1] == 0) {
                    return SharpResult::gave_up;
                }
                mark_translated(p[2]);
                break;
            case op_line_end:
                accel.sharp[newline] = 1;
                accel.sharp_at_end = true;
                break;
            case op_buffer_end:
                accel.sharp_at_end = true;
                consumed = false;
                ++p;
                break;
            case op_loop_jump:
                return SharpResult::loop_pending;
            case op_backref:
                return SharpResult::gave_up;
            case op_push_alternative:
                pending.push_back(jump_target(p));
                consumed = false;
                p += 3;
                break;
            case op_jump:
            case op_pop_jump:
            case op_dummy_jump:
                consumed = false;
                p = jump_target(p);
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
                    if (set_has(p, tr(c)) == (*p == op_char_set)) {
                        accel.sharp[c] = 1;
                    }
                }
                break;
            case op_word_char:
            case op_not_word_char:
                for (unsigned c = 0; c < 256; ++c) {
                    if ((word && word[c] != 0) == (*p == op_word_char)) {
                        accel.sharp[c] = 1;
                    }
                }
                break;
            default: // zero-width tests, group marks and no-operation codes
                consumed = false;
                p += instruction_size(p);
                break;
            }
            if (consumed) {
                break;
            }
        }
    }
    return SharpResult::built;
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

} // namespace

void build_accel(const uiPattern::PatternBuffer& buffer, const char* word_table,
                 PatternAccel& accel) {
    accel = PatternAccel();
    accel.rewrites_seen = loop_rewrites;
    if (!buffer.code || buffer.length <= 0) {
        return;
    }
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    const unsigned char* end = code + buffer.length;
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer.translate);
    if (!translate && !collect_literals(code, end, accel.literals)) {
        accel.literals.clear();
    }
    SharpResult sharp = collect_sharp(code, end, translate, word_table, accel);
    accel.sharp_valid = sharp == SharpResult::built;
    accel.retry_after_rewrites = sharp == SharpResult::loop_pending;
}

int find_literal(const char* text, int size, int from, const std::string& literal) {
    int n = static_cast<int>(literal.size());
    if (n == 0) {
        return from <= size ? from : -1;
    }
    // Look for the literal's rarest byte, then compare the whole literal.
    int rare = 0;
    for (int i = 1; i < n; ++i) {
        if (commonness(static_cast<unsigned char>(literal[i])) <
            commonness(static_cast<unsigned char>(literal[rare]))) {
            rare = i;
        }
    }
    const char* lit = literal.data();
    const char* limit = text + size - (n - 1 - rare); // last place the rare byte may stand
    const char* p = text + from + rare;
    while (p < limit) {
        const void* hit = std::memchr(p, lit[rare], limit - p);
        if (!hit) {
            return -1;
        }
        const char* start = static_cast<const char*>(hit) - rare;
        if (std::memcmp(start, lit, n) == 0) {
            return static_cast<int>(start - text);
        }
        p = static_cast<const char*>(hit) + 1;
    }
    return -1;
}

} // namespace uiutil_internal
