// The fastmap: the bytes with which a match can begin.
#include "program.h"

#include <cstring>
#include <uiutil/pattern.h>
#include <vector>

using namespace uiutil_internal;

namespace {

// A walk that takes longer than this many steps (possible only for programs
// with very many zero-width alternatives) gives up: empty_match 1 makes the
// search try every position, which is always sound.
const long max_steps = 1000000;

} // namespace

void uiPattern::compile_fastmap(PatternBuffer* buffer) {
    char* fastmap = buffer->fastmap;
    const unsigned char* translate = reinterpret_cast<const unsigned char*>(buffer->translate);
    if (fastmap) {
        std::memset(fastmap, 0, 256);
    }
    buffer->fastmap_valid = 1;
    buffer->empty_match = 0;
    if (!buffer->code || !fastmap) {
        return;
    }
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer->code);
    const unsigned char* end = code + buffer->length;
    const char* word = syntaxtable;
    // Marks a byte tested raw by the matcher, which the search looks up
    // translated; bytes the matcher compares after translation are marked
    // as they stand.
    auto mark_raw = [&](unsigned c) { fastmap[translate ? translate[c] : c] = 1; };
    auto is_word = [&](unsigned c) { return word ? word[c] != 0 : false; };

    // The pending alternatives grow as needed.
    std::vector<const unsigned char*> pending;
    pending.reserve(64);
    const unsigned char* p = code;
    long steps = 0;
    for (;;) {
        if (++steps > max_steps || p < code || p > end) {
            buffer->empty_match = 1;
            return;
        }
        if (p == end) {
            buffer->empty_match = 1;
            return;
        }
        bool path_ends = false;
        switch (*p) {
        case op_exact:
            if (p[1] > 0) {
                fastmap[p[2]] = 1;
            }
            path_ends = true;
            break;
        case op_line_start:
        case op_buffer_start:
        case op_buffer_end:
        case op_word_start:
        case op_word_end:
        case op_word_bound:
        case op_not_word_bound:
        case 15:
        case 16:
        case 17:
            ++p;
            break;
        case op_line_end:
            mark_raw(newline);
            if (buffer->empty_match != 1) {
                buffer->empty_match = 2;
            }
            path_ends = true;
            break;
        case op_jump:
        case op_pop_jump:
        case op_loop_jump:
        case op_dummy_jump: {
            buffer->empty_match = 1;
            const unsigned char* target = jump_target(p);
            if (read_rel16(p + 1) > 0 || *target != op_push_alternative) {
                p = target;
            } else {
                p = jump_target(target); // the loop's exit
                if (!pending.empty() && pending.back() == p) {
                    pending.pop_back();
                }
            }
            break;
        }
        case op_push_alternative:
            pending.push_back(jump_target(p));
            p += 3;
            break;
        case op_group_start:
        case op_group_end:
            p += 2;
            break;
        case op_backref:
            buffer->empty_match = 1;
            std::memset(fastmap, 1, 256);
            return;
        case op_any_char:
            for (int c = 0; c < 256; ++c) {
                if (c != newline) {
                    fastmap[c] = 1;
                }
            }
            if (buffer->empty_match != 0) {
                return;
            }
            path_ends = true;
            break;
        case op_char_set:
            for (unsigned c = 0; c < 8u * p[1]; ++c) {
                if (set_has(p, c)) {
                    fastmap[c] = 1;
                }
            }
            path_ends = true;
            break;
        case op_char_set_not:
            for (unsigned c = 0; c < 256; ++c) {
                if (!set_has(p, c)) {
                    fastmap[c] = 1;
                }
            }
            path_ends = true;
            break;
        case op_word_char:
        case op_not_word_char:
            for (unsigned c = 0; c < 256; ++c) {
                if (is_word(c) == (*p == op_word_char)) {
                    mark_raw(c);
                }
            }
            path_ends = true;
            break;
        default:
            path_ends = true;
            break;
        }
        if (path_ends) {
            if (pending.empty()) {
                return;
            }
            p = pending.back();
            pending.pop_back();
        }
    }
}
