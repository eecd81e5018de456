// A deadline for test cases that would hang if a fault came back.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>

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
