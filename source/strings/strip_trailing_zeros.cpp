// Trailing zeros after the decimal separator of a number text.
#include <cstring>
#include <uiutil/strings.h>

namespace {

bool is_separator(char c) {
    return c == '.' || c == ',';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void ui_strip_trailing_zeros(char* number) {
    if (!number)
        return;
    const std::size_t length = std::strlen(number);
    std::size_t cut = length;
    bool in_zero_run = true; // no separator and no other digit met yet
    std::size_t run_start = length;
    bool separator_met = false;
    for (std::size_t i = length; i-- > 0;) {
        const char c = number[i];
        if (c == '-') {
            if (i == 0)
                break;
            return;
        }
        if (!is_digit(c) && !is_separator(c))
            return;
        if (in_zero_run) {
            if (c == '0') {
                run_start = i;
                continue;
            }
            in_zero_run = false;
            if (run_start < length)
                cut = is_separator(c) ? run_start + 1 : run_start;
        }
        if (is_separator(c))
            separator_met = true;
    }
    if (separator_met)
        number[cut] = '\0';
}
