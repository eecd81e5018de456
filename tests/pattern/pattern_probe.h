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

// Runs f on a thread of its own; if it has not finished after `seconds`, the
// case is reported and the test program ends, so a hang cannot stall the suite.
template <class F> void within_deadline(const char* what, F f, int seconds = 10) {
    auto task = std::make_shared<std::packaged_task<void()>>(f);
    std::future<void> done = task->get_future();
    std::thread worker([task] { (*task)(); });
    if (done.wait_for(std::chrono::seconds(seconds)) == std::future_status::timeout) {
        std::fprintf(stderr, "TIMEOUT: %s did not finish within %d s\n", what, seconds);
        std::fflush(stderr);
        std::_Exit(1);
    }
    worker.join();
    done.get();
}
