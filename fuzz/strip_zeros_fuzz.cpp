// ui_strip_trailing_zeros against a model of its rule: the input (up to its
// first NUL) is one number text.
#include "fuzz_support.h"

#include <uiutil/strings.h>

#include <cstring>
#include <string>

namespace {

// What the text becomes: unchanged unless it is made only of digits, "."
// and "," with an optional leading minus sign and holds a separator; then
// the trailing zeros go, except one directly after a separator.
std::string model(const std::string& text) {
    bool separator = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' || c == ',')
            separator = true;
        else if (c == '-' && i == 0)
            continue;
        else if (c < '0' || c > '9')
            return text;
    }
    if (!separator)
        return text;
    size_t run = text.size();
    while (run > 0 && text[run - 1] == '0')
        --run;
    if (run == text.size() || run == 0)
        return text;
    const char left = text[run - 1];
    if (left == '.' || left == ',')
        return text.substr(0, run + 1);
    if (left >= '1' && left <= '9')
        return text.substr(0, run);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const std::string text = fuzz::split_fields(data, size, 1)[0];
    // The buffer is exactly as long as the text, so a write past the NUL is
    // an AddressSanitizer report.
    char* buffer = new char[text.size() + 1];
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    ui_strip_trailing_zeros(buffer);
    const std::string result(buffer);
    fuzz::check(text.compare(0, result.size(), result) == 0, "result is not a prefix");
    fuzz::check(result == model(text), "stripped text", text + " -> " + result);
    // Stripping again changes nothing more.
    ui_strip_trailing_zeros(buffer);
    fuzz::check(result == buffer, "not idempotent", text);
    delete[] buffer;
    return 0;
}
