// Pattern compile and match. Fields (separated by NUL): pattern, subject
// (cut to 256 bytes), options (a number; bit 0: match caselessly through a
// translation table).
//
// Checks: the program is well formed; match finds the leftmost position at
// which the matcher succeeds (every position tried directly, so the fastmap
// and the search shortcuts may skip only positions that cannot match); a
// second match gives the same registers; matching changes the program only
// by rewriting loop jumps; the register queries stay in range.
//
// Each match runs with a work bound (set_work_limit), so a pattern that
// backtracks exponentially gives up quickly: such an input is reported as
// slow and its remaining checks are skipped. A match that does not return
// within kMatchSeconds despite the bound is a hang: the watchdog stops the
// run. The check that tries every position calls the matcher directly,
// without the bound; an input for which that takes too long only exceeds
// scripts/fuzz's per-input limit for this target, which counts it as slow.
#include "fuzz_support.h"
#include "pattern_program.h"
#include "pattern_registers.h"

#include <uiutil/pattern.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

const size_t kMaxSubject = 256;
const long long kWorkLimit = 200000; // well under a second in the instrumented build
const int kMatchSeconds = 20;

// Stops the run when a match is still running kMatchSeconds after it began.
class Watchdog {
public:
    Watchdog() {
        std::thread([this] {
            for (;;) {
                std::this_thread::sleep_for(std::chrono::seconds(1));
                const long long deadline = m_deadline.load();
                if (deadline != 0 && now() > deadline) {
                    std::fprintf(stderr, "fuzz check failed: match did not finish within its work "
                                         "bound (a hang)\n");
                    std::abort();
                }
            }
        }).detach();
    }
    void arm() { m_deadline = now() + kMatchSeconds; }
    void disarm() { m_deadline = 0; }

private:
    static long long now() {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    std::atomic<long long> m_deadline{0};
};

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

    static Watchdog watchdog;
    const int n = static_cast<int>(subject.size());
    pattern.set_work_limit(kWorkLimit);
    watchdog.arm();
    const int found = pattern.match(uiSaveString(subject.c_str()));
    watchdog.disarm();
    if (pattern.work_exhausted()) {
        fuzz::report_slow(context + " gave up at the work bound");
        check_rewrites(compiled, buffer, program, context);
        return 0;
    }
    const uiPattern::PatternRegisters first = pattern.registers();
    check_registers(pattern, n, context);
    check_rewrites(compiled, buffer, program, context);

    int length = -1;
    const int leftmost = pattern.first_match(subject, length);
    if (found) {
        fuzz::check(first.start[0] == leftmost, "match is not the leftmost",
                    context + " registers " + fuzz::registers_text(first) + " leftmost " +
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
    watchdog.arm();
    fuzz::check(pattern.match(uiSaveString(subject.c_str())) == found, "second match differs",
                context);
    watchdog.disarm();
    fuzz::check(fuzz::same_registers(first, pattern.registers()), "second match registers differ",
                context + " first " + fuzz::registers_text(first) + " second " +
                    fuzz::registers_text(pattern.registers()));
    return 0;
}
