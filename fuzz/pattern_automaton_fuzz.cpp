// The linear-time search against the plain backtracking search. Fields
// (separated by NUL): pattern, then up to four subjects (each cut to 256
// bytes), then options (a number; bit 0: a caseless translation table, bit 1:
// a table that also maps characters onto the newline and the newline onto a
// letter).
//
// One pattern object runs under a work bound, which keeps match() on the
// backtracking search alone; a second one runs match() without a bound, where
// the automaton answers. After every subject both must agree on the result,
// all twenty registers and every program byte, so the automaton's leftmost
// start and its account of the loop jumps the failing runs would have
// rewritten are checked together. The matcher must also never have failed
// at a start the automaton gave (the search would hide such a fault by
// falling back to the backtracking search).
//
// The backtracking search can take exponential time: an input whose
// reference gives up at the bound is reported as slow, and the rest of its
// subjects are skipped (the two programs may then differ).
#include "automaton_misses.h"
#include "fuzz_support.h"
#include "pattern_registers.h"

#include <uiutil/pattern.h>

#include <cstring>
#include <string>

namespace {

const size_t kMaxSubject = 256;
const long long kWorkLimit = 200000; // well under a second in the instrumented build

const unsigned char* table(int kind) {
    static unsigned char tables[2][256];
    unsigned char* t = tables[kind - 1];
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (kind == 2) {
        t[static_cast<unsigned char>('x')] = '\n';
        t[static_cast<unsigned char>('\n')] = 'a';
        t[static_cast<unsigned char>('-')] = 'b';
    }
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const auto f = fuzz::split_fields(data, size, 6);
    const std::string& pattern_text = fuzz::field(f, 0);
    const int options = fuzz::field_int(f, 5, 0, 255, 0);
    const int kind = options & 2 ? 2 : (options & 1 ? 1 : 0);
    const unsigned char* translate = kind ? table(kind) : nullptr;
    uiPattern reference(uiSaveString(pattern_text.c_str()), translate);
    uiPattern engine(uiSaveString(pattern_text.c_str()), translate);
    reference.set_work_limit(kWorkLimit);
    for (size_t i = 1; i <= 4; ++i) {
        if (i > 1 && i >= f.size())
            break;
        const std::string subject = fuzz::field(f, i).substr(0, kMaxSubject);
        const std::string context = "pattern \"" + pattern_text + "\" subject " +
                                    std::to_string(i) + " \"" + subject + "\" table " +
                                    std::to_string(kind);
        fuzz::SlowInputReport slow(context);
        const int expected = reference.match(uiSaveString(subject.c_str()));
        if (reference.work_exhausted()) {
            fuzz::report_slow(context + " gave up at the work bound");
            return 0;
        }
        const int matched = engine.match(uiSaveString(subject.c_str()));
        fuzz::check(matched == expected, "match result differs", context);
        fuzz::check(fuzz::same_registers(reference.registers(), engine.registers()),
                    "registers differ",
                    context + " reference " + fuzz::registers_text(reference.registers()) +
                        " engine " + fuzz::registers_text(engine.registers()));
        const uiPattern::PatternBuffer& a = reference.buffer();
        const uiPattern::PatternBuffer& b = engine.buffer();
        fuzz::check(a.length == b.length &&
                        std::memcmp(a.code, b.code, static_cast<size_t>(a.length)) == 0,
                    "program bytes differ", context);
        fuzz::check(automaton_misses(engine) == 0, "the matcher failed at the automaton's start",
                    context);
    }
    return 0;
}
