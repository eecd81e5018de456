// Substring replacement in a shared string.
#include <uiutil/strings.h>

#include <cstring>
#include <string>

int ui_replace_chars(uiSaveString* subject, const char* substring, const char* replacement) {
    if (!subject || !substring || !*substring)
        return 0;
    const char* text = *subject;
    if (!text)
        return 0;
    const char* found = std::strstr(text, substring);
    if (!found)
        return 0;

    const std::size_t substring_length = std::strlen(substring);
    const char* insert = replacement ? replacement : "";
    std::string result;
    const char* rest = text;
    while (found) {
        result.append(rest, static_cast<std::size_t>(found - rest));
        result.append(insert);
        rest = found + substring_length;
        found = std::strstr(rest, substring);
    }
    result.append(rest);

    // Nothing left gives the null string, not an empty one.
    *subject = result.empty() ? uiSaveString() : uiSaveString(result.c_str());
    return 1;
}
