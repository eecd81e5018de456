// Peak memory of the matcher for loops over one character against a large
// subject: all a's, which no pattern here matches, and the a's followed by
// "bx", where the match starts at 0 and the backtracker's one run there has
// the loop take the whole subject before it gives characters back. Each case runs in a forked
// child; the figure is what the match adds to the peak resident size (the subject is built and
// touched first), with the match's time.
#include "peak_memory.h"

#include <uiutil/pattern.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void measure(const char* pattern, int size, const char* tail) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        return;
    }
    pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        std::string subject = std::string(static_cast<std::size_t>(size), 'a') + tail;
        uiPattern compiled{uiSaveString(pattern)};
        uiSaveString text(subject.c_str());
        int found = 0;
        double ms = 0;
        long kib = bench::peak_growth_kib([&] {
            auto start = std::chrono::steady_clock::now();
            found = compiled.match(text);
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
        });
        char line[160];
        int n = std::snprintf(line, sizeof line,
                              "%-12s %9d a's + \"%s\"  match %d  %9.1f ms  +%ld KiB\n", pattern,
                              size, tail, found, ms, kib);
        ssize_t written = write(pipe_ends[1], line, static_cast<std::size_t>(n));
        _exit(written == n ? 0 : 1);
    }
    close(pipe_ends[1]);
    char buffer[256];
    ssize_t n = read(pipe_ends[0], buffer, sizeof buffer - 1);
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);
    if (n > 0) {
        buffer[n] = 0;
        std::fputs(buffer, stdout);
    }
}

} // namespace

int main() {
    const int sizes[] = {1 << 20, 16 << 20};
    const char* const patterns[] = {".*x", "\\(.*\\)x", "[a-z]*x", "\\w*x", "a+b"};
    for (const char* tail : {"", "bx"}) {
        for (int size : sizes) {
            for (const char* pattern : patterns) {
                measure(pattern, size, tail);
            }
        }
    }
    return 0;
}
