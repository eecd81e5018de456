#include "peak_memory.h"

#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>

namespace bench {

namespace {

// A "VmXXX:" line of /proc/self/status, in KiB; -1 when absent.
long status_kib(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0) {
            return std::stol(line.substr(length));
        }
    }
    return -1;
}

// Sets the peak resident size (VmHWM) to the current one.
bool reset_peak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

} // namespace

long peak_growth_kib(const std::function<void()>& work) {
    malloc_trim(0);
    if (!reset_peak()) {
        return -1;
    }
    long before = status_kib("VmRSS:");
    work();
    long peak = status_kib("VmHWM:");
    return before < 0 || peak < 0 ? -1 : peak - before;
}

} // namespace bench
