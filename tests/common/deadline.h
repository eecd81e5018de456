// A deadline for test cases that would hang if a fault came back.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// One watching thread for all the cases of a test program: starting a thread
// per case costs milliseconds under Wine, and some tests run thousands.
class DeadlineWatch {
public:
    DeadlineWatch() : m_thread([this] { watch(); }) {}
    ~DeadlineWatch() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_quit = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    DeadlineWatch(const DeadlineWatch&) = delete;
    DeadlineWatch& operator=(const DeadlineWatch&) = delete;

    void arm(const char* what, int seconds) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_what = what;
            m_seconds = seconds;
            m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
            m_armed = true;
        }
        m_changed.notify_all();
    }
    void disarm() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_armed = false;
    }

private:
    void watch() {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_quit) {
            if (!m_armed) {
                m_changed.wait(lock);
            } else if (std::chrono::steady_clock::now() >= m_deadline) {
                std::fprintf(stderr, "TIMEOUT: %s did not finish within %d s\n", m_what, m_seconds);
                std::fflush(stderr);
                std::_Exit(1);
            } else {
                m_changed.wait_until(lock, m_deadline);
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    const char* m_what = "";
    int m_seconds = 0;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_armed = false;
    bool m_quit = false;
    std::thread m_thread; // last: it starts once the rest is set up
};

// How many times longer the guards wait: UIUTIL_TEST_DEADLINE_SCALE (a
// whole number, 1 when unset), for runs under slow memory checkers.
inline int deadline_scale() {
    const char* text = std::getenv("UIUTIL_TEST_DEADLINE_SCALE");
    int scale = text ? std::atoi(text) : 1;
    return scale > 0 ? scale : 1;
}

// Runs f; if it has not finished after `seconds` (times deadline_scale()),
// the case is reported and the test program ends, so a hang cannot stall the
// suite.
template <class F> void within_deadline(const char* what, F f, int seconds = 10) {
    static DeadlineWatch watch;
    struct Armed {
        Armed(const char* what, int seconds) { watch.arm(what, seconds); }
        ~Armed() { watch.disarm(); }
    } armed(what, seconds * deadline_scale());
    f();
}
