// Joining strings into a new character array.
#include <uiutil/support.h>

#include <cstdarg>
#include <cstring>

char* apconcat(int count, ...) {
    va_list args;
    va_start(args, count);
    va_list measure;
    va_copy(measure, args);
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        const char* part = va_arg(measure, const char*);
        if (part)
            total += std::strlen(part);
    }
    va_end(measure);

    char* joined = new char[total + 1];
    char* end = joined;
    for (int i = 0; i < count; ++i) {
        const char* part = va_arg(args, const char*);
        if (!part)
            continue;
        const std::size_t n = std::strlen(part);
        std::memcpy(end, part, n);
        end += n;
    }
    va_end(args);
    *end = '\0';
    return joined;
}
