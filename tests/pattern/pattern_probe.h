// Test access to uiPattern's protected operations and program, plus a
// deadline for cases that would hang if a fault came back.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <uiutil/pattern.h>

#include "common/deadline.h"
#include <vector>

class PatternProbe : public uiPattern {
public:
    explicit PatternProbe(const char* pattern) : uiPattern(uiSaveString(pattern)) {}
    using uiPattern::bcmp_translate;
    using uiPattern::compile;
    using uiPattern::compile_fastmap;
    using uiPattern::error_string;
    using uiPattern::insert_jump;
    using uiPattern::re_match_2;
    using uiPattern::search;
    using uiPattern::store_jump;

    std::vector<int> program() const {
        std::vector<int> bytes;
        bytes.reserve(m_buffer.length);
        for (int i = 0; i < m_buffer.length; ++i) {
            bytes.push_back(static_cast<unsigned char>(m_buffer.code[i]));
        }
        return bytes;
    }
    PatternBuffer& buf() { return m_buffer; }
    const uiSaveString& subject() const { return m_subject; }
    int reserved() const { return m_reserved; }
    static const char* word_table() { return syntaxtable; }
    // Edits the shared word table (alive while a pattern is).
    static void set_word_char(unsigned char c, bool word) { syntaxtable[c] = word ? 1 : 0; }
    // Bytes marked in the fastmap, as a string of the printable ones.
    std::string fastmap_text() {
        compile_fastmap(&m_buffer);
        std::string marked;
        for (int c = 0; c < 256; ++c) {
            if (m_buffer.fastmap[c]) {
                marked += static_cast<char>(c);
            }
        }
        return marked;
    }
    // Runs the matcher at pos over the whole subject.
    int match_at(const std::string& subject, int pos) {
        return re_match_2(&m_buffer, const_cast<char*>(subject.data()),
                          static_cast<int>(subject.size()), nullptr, 0, pos, &m_registers,
                          static_cast<int>(subject.size()));
    }
};

// The two objects hold the same registers and the same program bytes.
inline void expect_same_state(const uiPattern& engine, const uiPattern& reference,
                              const std::string& what) {
    for (int r = 0; r < 10; ++r) {
        ASSERT_EQ(engine.registers().start[r], reference.registers().start[r]) << what << r;
        ASSERT_EQ(engine.registers().end[r], reference.registers().end[r]) << what << r;
    }
    ASSERT_EQ(std::string(engine.buffer().code, engine.buffer().length),
              std::string(reference.buffer().code, reference.buffer().length))
        << what;
}

// Matches `subject` with `engine` under the deadline and checks that it
// agrees with the reference, which answered `expected` for the same subject:
// the result, the registers and the program bytes.
inline void expect_same_match(uiPattern& engine, const uiPattern& reference, int expected,
                              const std::string& subject, const std::string& what) {
    int found = 0;
    within_deadline(what.c_str(), [&] { found = engine.match(uiSaveString(subject.c_str())); });
    ASSERT_EQ(found, expected) << what;
    expect_same_state(engine, reference, what);
}
