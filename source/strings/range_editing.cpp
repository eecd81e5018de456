// Removal and insertion of character ranges.
#include <cstring>
#include <uiutil/strings.h>

uiSaveString ui_remove_chars(const uiSaveString& text, int first, int end) {
    if (text.empty() || first < 0 || first >= end || end > text.length())
        return uiSaveString();
    const char* chars = text;
    const int kept = text.length() - (end - first);
    char* result = new char[static_cast<std::size_t>(kept) + 1];
    std::memcpy(result, chars, static_cast<std::size_t>(first));
    std::memcpy(result + first, chars + end, static_cast<std::size_t>(text.length() - end) + 1);
    return uiSaveString(uiClaimOwnership, result);
}

uiSaveString ui_insert_chars(const uiSaveString& text, int position, const char* insertion) {
    if (!insertion)
        return uiSaveString();
    if (text.empty())
        return position == 0 ? uiSaveString(insertion) : uiSaveString();
    if (position < 0 || position > text.length())
        return uiSaveString();
    const char* chars = text;
    const std::size_t before = static_cast<std::size_t>(position);
    const std::size_t inserted = std::strlen(insertion);
    const std::size_t after = static_cast<std::size_t>(text.length()) - before;
    char* result = new char[before + inserted + after + 1];
    std::memcpy(result, chars, before);
    // The insertion goes without its NUL; the last copy takes the text's.
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
    std::memcpy(result + before, insertion, inserted);
    std::memcpy(result + before + inserted, chars + before, after + 1);
    return uiSaveString(uiClaimOwnership, result);
}
