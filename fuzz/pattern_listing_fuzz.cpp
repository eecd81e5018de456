// Pattern compile and the readable program listing of `uiutil compile`: the
// input is a pattern. The program must be well formed and the same on a
// second compile; the listing must read back into exactly the program's
// bytes (offsets, opcodes, literal texts, jump displacements and targets,
// group numbers, set sizes and members).
#include "fuzz_support.h"
#include "pattern_listing.h"
#include "pattern_program.h"

#include <uiutil/pattern.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

namespace tool {

// The tool's rendering of control characters (defined beside its main).
std::string visible(const char* text) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == '\t')
            out += "\\t";
        else if (*p == '\n')
            out += "\\n";
        else if (*p == '\r')
            out += "\\r";
        else if (*p == '\\')
            out += "\\\\";
        else if (*p < 0x20 || *p == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", *p);
            out += hex;
        } else
            out += static_cast<char>(*p);
    }
    return out;
}

} // namespace tool

namespace {

const char* const kNames[] = {"(0)",           "exact",         "line_start",
                              "line_end",      "jump",          "push_alternative",
                              "pop_jump",      "loop_jump",     "dummy_jump",
                              "any_char",      "char_set",      "char_set_not",
                              "group_start",   "group_end",     "backref",
                              "(15)",          "(16)",          "(17)",
                              "buffer_start",  "buffer_end",    "word_char",
                              "not_word_char", "word_start",    "word_end",
                              "word_bound",    "not_word_bound"};

// Reads back what tool::visible wrote.
std::string invisible(const std::string& text, const std::string& context) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        fuzz::check(i + 1 < text.size(), "listing ends in a backslash", context);
        const char e = text[++i];
        if (e == 't')
            out += '\t';
        else if (e == 'n')
            out += '\n';
        else if (e == 'r')
            out += '\r';
        else if (e == '\\')
            out += '\\';
        else {
            fuzz::check(e == 'x' && i + 2 < text.size(), "listing escape", context);
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        }
    }
    return out;
}

// The set members as the listing writes them: runs of two or more as
// first-last, single members alone.
std::string members(const unsigned char* bitmap, int n) {
    auto in = [&](int c) { return c < 8 * n && ((bitmap[c / 8] >> (c % 8)) & 1); };
    std::string out;
    for (int c = 0; c < 8 * n; ++c) {
        if (!in(c))
            continue;
        int last = c;
        while (in(last + 1))
            ++last;
        const char one[2] = {static_cast<char>(c), 0};
        out += tool::visible(one);
        if (last > c) {
            const char two[2] = {static_cast<char>(last), 0};
            out += "-" + tool::visible(two);
        }
        c = last;
    }
    return out;
}

void check_listing(const uiPattern::PatternBuffer& buffer,
                   const std::vector<fuzz::Instruction>& program, const std::string& context) {
    const std::string listing = tool::pattern_listing(buffer);
    std::istringstream lines(listing);
    const unsigned char* code = reinterpret_cast<const unsigned char*>(buffer.code);
    std::string line;
    for (const fuzz::Instruction& in : program) {
        fuzz::check(static_cast<bool>(std::getline(lines, line)), "listing too short", context);
        std::istringstream fields(line);
        int offset = -1;
        std::string name;
        fields >> offset >> name;
        fuzz::check(offset == in.offset && name == kNames[in.opcode], "listing line", line);
        std::string rest;
        std::getline(fields, rest);
        const size_t first = rest.find_first_not_of(' ');
        rest = first == std::string::npos ? "" : rest.substr(first);
        const unsigned char* p = code + in.offset;
        if (in.opcode == 1) {
            const size_t quote = rest.find('"');
            fuzz::check(quote != std::string::npos && rest.back() == '"', "literal text", line);
            fuzz::check(std::stoi(rest) == p[1], "literal count", line);
            const std::string bytes =
                invisible(rest.substr(quote + 1, rest.size() - quote - 2), context);
            fuzz::check(bytes == std::string(reinterpret_cast<const char*>(p + 2), p[1]),
                        "literal bytes", line);
        } else if (fuzz::is_jump(in.opcode)) {
            int displacement = 0, target = -1;
            fuzz::check(std::sscanf(rest.c_str(), "%d -> %d", &displacement, &target) == 2,
                        "jump operands", line);
            fuzz::check(displacement == static_cast<short>(p[1] | (p[2] << 8)) &&
                            target == in.target,
                        "jump target", line);
        } else if (in.opcode == 10 || in.opcode == 11) {
            fuzz::check(std::stoi(rest) == p[1], "set size", line);
            const size_t open = rest.find('[');
            fuzz::check(open != std::string::npos && rest.back() == ']', "set brackets", line);
            fuzz::check(rest.substr(open + 1, rest.size() - open - 2) == members(p + 2, p[1]),
                        "set members", line);
        } else if (in.opcode >= 12 && in.opcode <= 14) {
            fuzz::check(std::stoi(rest) == p[1], "group number", line);
        } else {
            fuzz::check(rest.empty(), "operands on a plain instruction", line);
        }
    }
    fuzz::check(static_cast<bool>(std::getline(lines, line)), "listing has no end line", context);
    std::istringstream end_line(line);
    int end_offset = -1;
    std::string end_word;
    end_line >> end_offset >> end_word;
    fuzz::check(end_offset == buffer.length && end_word == "end", "listing end line", line);
    fuzz::check(!std::getline(lines, line), "listing too long", context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const std::string text = fuzz::split_fields(data, size, 1)[0];
    const std::string context = "pattern \"" + text + "\"";
    const uiPattern pattern{uiSaveString(text.c_str())};
    const uiPattern::PatternBuffer& buffer = pattern.buffer();
    fuzz::check(pattern.error() >= uiPatternNoError && pattern.error() <= uiPatternTooBig,
                "compile result", context);
    fuzz::check(pattern.error_text() != nullptr, "error text", context);
    if (pattern.error() != uiPatternNoError)
        fuzz::check(buffer.length == 0, "failed compile left a program", context);
    const std::vector<fuzz::Instruction> program =
        fuzz::decode_program(buffer.code, buffer.length, context);
    check_listing(buffer, program, context);

    const uiPattern again{uiSaveString(text.c_str())};
    fuzz::check(
        again.error() == pattern.error() && again.buffer().length == buffer.length &&
            std::memcmp(again.buffer().code, buffer.code, static_cast<size_t>(buffer.length)) == 0,
        "second compile differs", context);
    return 0;
}
