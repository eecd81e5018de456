// uiPattern's life cycle, its buffers, the word-character table, the error
// texts and the register queries.
#include "automaton_search.h"
#include "program.h"
#include "search_accel.h"

#include <cctype>
#include <cstring>
#include <uiutil/pattern.h>

namespace {

// The number of live patterns; the word-character table exists while it is
// above 0.
int pattern_count = 0;

} // namespace

char* uiPattern::syntaxtable = nullptr;

uiPattern::PatternBuffer::PatternBuffer()
    : code(new char[128]), capacity(128), length(0), fastmap(new char[256]), translate(nullptr),
      fastmap_valid(0), empty_match(0) {}

uiPattern::PatternBuffer::~PatternBuffer() {
    delete[] code;
    delete[] fastmap;
    delete[] translate;
    code = nullptr;
    fastmap = nullptr;
    translate = nullptr;
}

uiPattern::uiPattern(const uiSaveString& pattern)
    : m_error(uiPatternNoError), m_pattern(pattern), m_reserved(100), m_accel(nullptr),
      m_automaton(nullptr), m_work_limit(0), m_work_exhausted(0) {
    construct(nullptr);
}

uiPattern::uiPattern(const uiSaveString& pattern, const unsigned char* translate)
    : m_error(uiPatternNoError), m_pattern(pattern), m_reserved(100), m_accel(nullptr),
      m_automaton(nullptr), m_work_limit(0), m_work_exhausted(0) {
    construct(translate);
}

void uiPattern::construct(const unsigned char* translate) {
    if (pattern_count++ == 0) {
        initsyntaxtable();
    }
    for (int i = 0; i < 10; ++i) {
        m_registers.start[i] = uiutil_internal::unset_register;
        m_registers.end[i] = uiutil_internal::unset_register;
    }
    if (translate) {
        m_buffer.translate = new char[256];
        std::memcpy(m_buffer.translate, translate, 256);
    }
    m_error = compile(m_pattern, m_pattern.length(), &m_buffer);
}

uiPattern::~uiPattern() {
    if (--pattern_count == 0) {
        delete[] syntaxtable;
        syntaxtable = nullptr;
    }
    delete m_accel;
    delete m_automaton;
}

uiPatternError uiPattern::set_translate(const unsigned char* table) {
    delete[] m_buffer.translate;
    m_buffer.translate = nullptr;
    if (table) {
        m_buffer.translate = new char[256];
        std::memcpy(m_buffer.translate, table, 256);
    }
    m_buffer.length = 0;
    m_error = compile(m_pattern, m_pattern.length(), &m_buffer);
    return m_error;
}

const char* uiPattern::error_string(uiPatternError error) {
    switch (error) {
    case uiPatternNoError:
        return "";
    case uiPatternNullOrEmpty:
        return "pattern was NULL, or empty";
    case uiPatternNoMemory:
        return "ran out of memory";
    case uiPatternInvalid:
        return "the pattern was invalid";
    case uiPatternUnmatchedOpen:
        return "unmatched open bracket";
    case uiPatternUnmatchedClose:
        return "unmatched close bracket";
    case uiPatternEndedTooSoon:
        return "pattern ended too soon";
    case uiPatternTooDeep:
        return "too many nested pattern levels";
    case uiPatternTooBig:
        return "the pattern was too big";
    case uiPatternNoSyntaxTable:
        return "pattern failed to initialise syntax table";
    case uiPatternCannotCopy:
        return "cannot copy pattern for some reason";
    }
    return "This should have asserted";
}

void uiPattern::initsyntaxtable() {
    syntaxtable = new char[256];
    for (int c = 0; c < 256; ++c) {
        syntaxtable[c] = std::isalnum(c) ? 1 : 0;
    }
}

const uiSaveString& uiPattern::get_register(int n) const {
    static uiSaveString result;
    if (n < 0 || n > 9) {
        result = uiSaveString();
        return result;
    }
    int start = m_registers.start[n];
    int end = m_registers.end[n];
    if (end > start && start >= 0 && end <= m_subject.length()) {
        result = uiSaveString(static_cast<const char*>(m_subject) + start, end - start);
    } else {
        result = uiSaveString();
    }
    return result;
}

int uiPattern::has_register(int n) const {
    if (n < 0 || n > 9) {
        return 0;
    }
    return m_registers.start[n] != uiutil_internal::unset_register &&
           m_registers.end[n] != uiutil_internal::unset_register;
}
