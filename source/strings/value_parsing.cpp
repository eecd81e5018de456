// Plain names and boolean words.
#include <cstring>
#include <uiutil/strings.h>

namespace {

// ASCII only, whatever the locale: bytes 0x80-0xFF are never name characters.
bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

char ascii_upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

int ui_name_check(const char* name) {
    if (!name || !*name)
        return 0;
    for (std::size_t i = std::strlen(name); i-- > 0;) {
        if (!is_name_char(name[i]))
            return 0;
    }
    return 1;
}

int ui_evalbool(const char* word) {
    if (!word)
        return 0;
    switch (ascii_upper(word[0])) {
    case '1':
    case 'T':
    case 'S':
        return 1;
    case 'O':
        return ascii_upper(word[1]) == 'N' ? 1 : 0;
    default:
        return 0;
    }
}
