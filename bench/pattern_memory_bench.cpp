// Peak memory of the matcher for loops over one character against a large
// subject without a match. Each case runs in a forked child; the figure is
// the child's peak resident size after the match minus before it (the
// subject is built and touched first), with the match's time.
#include <uiutil/pattern.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long peak_kib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void measure(const char* pattern, int size) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        return;
    }
    pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        std::string subject(static_cast<std::size_t>(size), 'a');
        uiPattern compiled{uiSaveString(pattern)};
        uiSaveString text(subject.c_str());
        long before = peak_kib();
        auto start = std::chrono::steady_clock::now();
        int found = compiled.match(text);
        double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        char line[160];
        int n = std::snprintf(line, sizeof line, "%-12s %9d bytes  match %d  %9.1f ms  +%ld KiB\n",
                              pattern, size, found, ms, peak_kib() - before);
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
    for (int size : sizes) {
        for (const char* pattern : patterns) {
            measure(pattern, size);
        }
    }
    return 0;
}
