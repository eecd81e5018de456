// The linear-time search against the plain backtracking search. Fields
// (separated by NUL): pattern, then up to four subjects (each cut to 256
// bytes), then options (a number; bit 0: a caseless translation table, bit 1:
// a table that also maps characters onto the newline and the newline onto a
// letter).
//
// One pattern object runs the reference search loop over the matcher, a
// second one match() without a work bound; after every subject both must
// agree on the result, all twenty registers and every program byte, so the
// automaton's leftmost start and its account of the loop jumps the failing
// runs would have rewritten are checked together.
//
// The reference backtracks and can take exponential time; scripts/fuzz runs
// this target in fork mode and counts inputs over its per-input limit as
// slow, not as failures.
#include "fuzz_support.h"
#include "reference_search.h"

#include <uiutil/pattern.h>

#include <cstring>
#include <string>

namespace {

const size_t kMaxSubject = 256;

class Pattern : public uiPattern {
public:
    using uiPattern::compile_fastmap;
    using uiPattern::re_match_2;
    using uiPattern::uiPattern;
    PatternBuffer& buf() { return m_buffer; }
};

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

std::string registers_text(const uiPattern::PatternRegisters& r) {
    std::string out;
    for (int i = 0; i < 10; ++i)
        out += std::to_string(r.start[i]) + "-" + std::to_string(r.end[i]) + " ";
    return out;
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
    Pattern reference(uiSaveString(pattern_text.c_str()), translate);
    Pattern engine(uiSaveString(pattern_text.c_str()), translate);
    for (size_t i = 1; i <= 4; ++i) {
        if (i > 1 && i >= f.size())
            break;
        const std::string subject = fuzz::field(f, i).substr(0, kMaxSubject);
        const std::string context = "pattern \"" + pattern_text + "\" subject " +
                                    std::to_string(i) + " \"" + subject + "\" table " +
                                    std::to_string(kind);
        fuzz::SlowInputReport slow(context);
        const Outcome expected = reference_search<Pattern>(reference.buf(), subject);
        const int matched = engine.match(uiSaveString(subject.c_str()));
        fuzz::check(matched == (expected.found >= 0 ? 1 : 0), "match result differs",
                    context + " reference " + std::to_string(expected.found));
        fuzz::check(std::memcmp(expected.registers.start, engine.registers().start,
                                sizeof expected.registers.start) == 0 &&
                        std::memcmp(expected.registers.end, engine.registers().end,
                                    sizeof expected.registers.end) == 0,
                    "registers differ",
                    context + " reference " + registers_text(expected.registers) + " engine " +
                        registers_text(engine.registers()));
        fuzz::check(reference.buf().length == engine.buf().length &&
                        std::memcmp(reference.buf().code, engine.buf().code,
                                    static_cast<size_t>(engine.buf().length)) == 0,
                    "program bytes differ", context);
    }
    return 0;
}
