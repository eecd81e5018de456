// Pattern compile and match. Fields (separated by NUL): pattern, subject
// (cut to 256 bytes), options (a number; bit 0: match caselessly through a
// translation table).
//
// Checks: the program is well formed; match finds the leftmost position at
// which the matcher succeeds (every position tried directly, so the fastmap
// and the search shortcuts may skip only positions that cannot match); a
// second match gives the same registers; matching changes the program only
// by rewriting loop jumps; the register queries stay in range.
// Inputs that make the backtracking matcher slow are reported, not failed.
#include "fuzz_support.h"
#include "pattern_program.h"

#include <uiutil/pattern.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

const size_t kMaxSubject = 256;

// Reaches the matcher, as a class derived from uiPattern may.
class Pattern : public uiPattern {
public:
    using uiPattern::uiPattern;
    // The leftmost position at which the program matches, trying each one.
    int first_match(std::string& subject, int& length) {
        const int size = static_cast<int>(subject.size());
        for (int pos = 0; pos <= size; ++pos) {
            length = re_match_2(&m_buffer, &subject[0], size, nullptr, 0, pos, nullptr, size);
            if (length >= 0)
                return pos;
        }
        return -1;
    }
};

const unsigned char* caseless_table() {
    static unsigned char table[256];
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(std::tolower(c));
    return table;
}

std::string registers_text(const uiPattern::PatternRegisters& r) {
    std::string out;
    for (int i = 0; i < 10; ++i)
        out += std::to_string(r.start[i]) + "-" + std::to_string(r.end[i]) + " ";
    return out;
}

bool same_registers(const uiPattern::PatternRegisters& a, const uiPattern::PatternRegisters& b) {
    return std::memcmp(a.start, b.start, sizeof a.start) == 0 &&
           std::memcmp(a.end, b.end, sizeof a.end) == 0;
}

void check_registers(const Pattern& p, int size, const std::string& context) {
    const uiPattern::PatternRegisters& r = p.registers();
    for (int i = 0; i < 10; ++i) {
        const bool set = r.start[i] != -99 && r.end[i] != -99;
        fuzz::check(p.has_register(i) == (set ? 1 : 0), "has_register", context);
        if (!set) {
            fuzz::check(r.start[i] == -99 && r.end[i] == -99, "half-set register", context);
            continue;
        }
        fuzz::check(r.start[i] >= 0 && r.start[i] <= size && r.end[i] >= 0 && r.end[i] <= size,
                    "register outside the subject", context);
        const int expected = r.end[i] > r.start[i] ? r.end[i] - r.start[i] : 0;
        fuzz::check(p.get_register(i).length() == expected, "get_register length", context);
    }
    for (int n : {-100, -1, 10, 11, 1000}) {
        fuzz::check(p.has_register(n) == 0, "has_register out of range", context);
        fuzz::check(static_cast<const char*>(p.get_register(n)) == nullptr,
                    "get_register out of range", context);
    }
}

// Matching may only turn loop jumps (7) into pop jumps (6) or plain jumps
// (4); everything else stays as compiled.
void check_rewrites(const std::string& before, const uiPattern::PatternBuffer& after,
                    const std::vector<fuzz::Instruction>& program, const std::string& context) {
    fuzz::check(after.length == static_cast<int>(before.size()), "program length changed", context);
    for (const fuzz::Instruction& in : program) {
        const char now = after.code[in.offset];
        if (in.opcode == 7)
            fuzz::check(now == 7 || now == 6 || now == 4, "loop jump rewritten badly", context);
        else
            fuzz::check(now == before[static_cast<size_t>(in.offset)], "opcode changed", context);
        fuzz::check(std::memcmp(after.code + in.offset + 1, before.data() + in.offset + 1,
                                static_cast<size_t>(in.size - 1)) == 0,
                    "operands changed", context);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const auto f = fuzz::split_fields(data, size, 3);
    const std::string& pattern_text = fuzz::field(f, 0);
    std::string subject = fuzz::field(f, 1).substr(0, kMaxSubject);
    const bool caseless = fuzz::field_int(f, 2, 0, 255, 0) & 1;
    const std::string context = "pattern \"" + pattern_text + "\" subject \"" + subject + "\"";
    fuzz::SlowInputReport slow(context);

    Pattern pattern(uiSaveString(pattern_text.c_str()), caseless ? caseless_table() : nullptr);
    const uiPattern::PatternBuffer& buffer = pattern.buffer();
    if (pattern.error() != uiPatternNoError)
        fuzz::check(buffer.length == 0, "failed compile left a program", context);
    const std::vector<fuzz::Instruction> program =
        fuzz::decode_program(buffer.code, buffer.length, context);
    const std::string compiled(buffer.code, static_cast<size_t>(buffer.length));

    const int n = static_cast<int>(subject.size());
    const int found = pattern.match(uiSaveString(subject.c_str()));
    const uiPattern::PatternRegisters first = pattern.registers();
    check_registers(pattern, n, context);
    check_rewrites(compiled, buffer, program, context);

    int length = -1;
    const int leftmost = pattern.first_match(subject, length);
    if (found) {
        fuzz::check(first.start[0] == leftmost, "match is not the leftmost",
                    context + " registers " + registers_text(first) + " leftmost " +
                        std::to_string(leftmost));
        fuzz::check(first.end[0] - first.start[0] == length, "match length differs", context);
    } else {
        fuzz::check(leftmost == -1, "search missed a match",
                    context + " at " + std::to_string(leftmost));
        for (int i = 0; i < 10; ++i)
            fuzz::check(first.start[i] == -99 && first.end[i] == -99,
                        "registers set after a failed match", context);
    }

    // The same subject again, now with the rewritten program.
    fuzz::check(pattern.match(uiSaveString(subject.c_str())) == found, "second match differs",
                context);
    fuzz::check(same_registers(first, pattern.registers()), "second match registers differ",
                context + " first " + registers_text(first) + " second " +
                    registers_text(pattern.registers()));
    return 0;
}
