// Helpers shared by the fuzz targets: cutting an input into fields, reading
// numbers from them, and making the library's reports visible as findings.
#pragma once

#include <uiutil/support.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

// The input cut at each NUL byte. Fields therefore never hold a NUL and pass
// as C strings; fields past `max_fields` are dropped.
inline std::vector<std::string> split_fields(const uint8_t* data, size_t size, size_t max_fields) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            fields.back() += static_cast<char>(data[i]);
        } else if (fields.size() == max_fields) {
            break;
        } else {
            fields.emplace_back();
        }
    }
    return fields;
}

// Field i, or "" when the input has fewer fields.
inline const std::string& field(const std::vector<std::string>& fields, size_t i) {
    static const std::string none;
    return i < fields.size() ? fields[i] : none;
}

// Field i read as a decimal integer (an optional minus sign, then digits;
// anything after them is ignored), clamped to [low, high]; `fallback` when
// the field holds no number.
inline int field_int(const std::vector<std::string>& fields, size_t i, int low, int high,
                     int fallback) {
    const std::string& text = field(fields, i);
    size_t at = 0;
    bool negative = false;
    if (at < text.size() && text[at] == '-') {
        negative = true;
        ++at;
    }
    if (at >= text.size() || text[at] < '0' || text[at] > '9')
        return fallback;
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > 1000000000LL)
            break;
    }
    if (negative)
        value = -value;
    if (value < low)
        return low;
    if (value > high)
        return high;
    return static_cast<int>(value);
}

// Stops the run with a message: the fuzzer saves the input as a crash.
[[noreturn]] inline void fail(const char* what, const std::string& detail = std::string()) {
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, detail.c_str());
    std::abort();
}

inline void check(bool ok, const char* what, const std::string& detail = std::string()) {
    if (!ok)
        fail(what, detail);
}

// Library warnings are dropped (the library prints none on its own); an
// assertion report means the library met a state it considers impossible
// and stops the run.
inline void install_report_handlers() {
    apprintf_set_sink([](const char*, void*) {}, nullptr);
    ut_set_assert_handler(
        [](const char* file, int line, const char* message, void*) {
            std::fprintf(stderr, "assertion report: %s:%d: %s\n", file, line, message);
            std::abort();
        },
        nullptr);
}

// Reports a slow input: on standard error and, when UIUTIL_FUZZ_SLOW_LOG
// names a file, as a line appended to it (forked runs keep no output of
// their workers, so scripts/fuzz counts slow inputs there).
inline void report_slow(const std::string& what) {
    std::fprintf(stderr, "slow input: %s\n", what.c_str());
    if (const char* log = std::getenv("UIUTIL_FUZZ_SLOW_LOG")) {
        if (std::FILE* file = std::fopen(log, "a")) {
            std::fprintf(file, "%s\n", what.substr(0, 200).c_str());
            std::fclose(file);
        }
    }
}

// Measures one input's work; inputs that take longer than
// UIUTIL_FUZZ_SLOW_MS milliseconds (default 1000) are reported as slow on
// standard error, not as failures. The fuzzer's own -timeout still catches
// an input that never finishes.
class SlowInputReport {
public:
    explicit SlowInputReport(std::string what) : m_what(std::move(what)) {}
    ~SlowInputReport() {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - m_start)
                                 .count();
        if (elapsed >= limit_ms())
            report_slow(m_what + " took " + std::to_string(elapsed) + " ms");
    }
    SlowInputReport(const SlowInputReport&) = delete;
    SlowInputReport& operator=(const SlowInputReport&) = delete;

private:
    static long long limit_ms() {
        static const long long limit = [] {
            const char* text = std::getenv("UIUTIL_FUZZ_SLOW_MS");
            return text ? std::atoll(text) : 1000LL;
        }();
        return limit;
    }
    std::string m_what;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

} // namespace fuzz
