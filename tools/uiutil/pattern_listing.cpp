// The program listing shared by `uiutil compile` and the demo.
#include "pattern_listing.h"

#include "subcommands.h"

#include <cstdio>

namespace tool {

namespace {

const char* opcode_name(unsigned op) {
    static const char* const names[] = {"(0)",           "exact",         "line_start",
                                        "line_end",      "jump",          "push_alternative",
                                        "pop_jump",      "loop_jump",     "dummy_jump",
                                        "any_char",      "char_set",      "char_set_not",
                                        "group_start",   "group_end",     "backref",
                                        "(15)",          "(16)",          "(17)",
                                        "buffer_start",  "buffer_end",    "word_char",
                                        "not_word_char", "word_start",    "word_end",
                                        "word_bound",    "not_word_bound"};
    return op < sizeof names / sizeof names[0] ? names[op] : "(unknown)";
}

std::string set_members(const unsigned char* p) {
    std::string out;
    int n = p[1];
    for (int c = 0; c < 8 * n; ++c) {
        if (!((p[2 + c / 8] >> (c % 8)) & 1)) {
            continue;
        }
        int last = c;
        while (last + 1 < 8 * n && ((p[2 + (last + 1) / 8] >> ((last + 1) % 8)) & 1)) {
            ++last;
        }
        char one[2] = {static_cast<char>(c), 0};
        out += visible(one);
        if (last > c) {
            char two[2] = {static_cast<char>(last), 0};
            out += "-" + visible(two);
        }
        c = last;
    }
    return out;
}

} // namespace

std::string pattern_listing(const uiPattern::PatternBuffer& buffer) {
    std::string out;
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    int length = buffer.length;
    char line[160];
    for (int at = 0; at < length;) {
        const unsigned char* p = code + at;
        unsigned op = *p;
        int size = 1;
        std::string operands;
        switch (op) {
        case 1: {
            size = 2 + p[1];
            std::string text(reinterpret_cast<const char*>(p + 2), p[1]);
            // The escaped text can be four times as long as the run: no
            // fixed buffer.
            operands = std::to_string(p[1]) + " \"" + visible(text.c_str()) + "\"";
            break;
        }
        case 4:
        case 5:
        case 6:
        case 7:
        case 8: {
            size = 3;
            int displacement = static_cast<short>(p[1] | (p[2] << 8));
            std::snprintf(line, sizeof line, "%+d -> %d", displacement, at + 3 + displacement);
            operands = line;
            break;
        }
        case 10:
        case 11:
            size = 2 + p[1];
            operands = std::to_string(p[1]) + " [" + set_members(p) + "]";
            break;
        case 12:
        case 13:
        case 14:
            size = 2;
            operands = std::to_string(p[1]);
            break;
        default:
            break;
        }
        std::snprintf(line, sizeof line, "%5d  %-17s ", at, opcode_name(op));
        out += line + operands + "\n";
        at += size;
    }
    std::snprintf(line, sizeof line, "%5d  end\n", length);
    out += line;
    return out;
}

} // namespace tool
