// Character-by-character replacement into the library-wide result string.
#include <cstring>
#include <uiutil/strings.h>

const uiSaveString& ui_replace_chars(const char* text, const char* old_set, const char* new_set,
                                     int* count) {
    // Built on the first call, destroyed when the library is unloaded.
    static uiSaveString result;
    result = uiSaveString(text);
    int replaced = 0;
    if (old_set && new_set && text) {
        // The result was just built: its buffer is not shared.
        char* chars = result.access_string();
        const std::size_t old_count = std::strlen(old_set);
        const std::size_t new_count = std::strlen(new_set);
        for (int i = result.length() - 1; i >= 0; --i) {
            for (std::size_t entry = 0; entry < old_count; ++entry) {
                if (chars[i] != old_set[entry])
                    continue;
                ++replaced;
                // An entry with no counterpart in a shorter new set leaves
                // the character as it is.
                if (entry < new_count)
                    chars[i] = new_set[entry];
            }
        }
    }
    if (count)
        *count = replaced;
    return result;
}
