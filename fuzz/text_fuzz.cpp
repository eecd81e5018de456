// The escape and line-break functions, the text-editing functions and the
// shared string's text building, each checked against a plain model.
// Fields (separated by NUL): text, old set, new set, substring, replacement,
// first, end, position.
#include "fuzz_support.h"

#include <uiutil/strings.h>

#include <cstring>
#include <string>

namespace {

std::string text_of(const uiSaveString& s) {
    const char* p = s;
    return p ? std::string(p, static_cast<size_t>(s.length())) : std::string();
}

bool is_null(const uiSaveString& s) {
    return static_cast<const char*>(s) == nullptr;
}

// The four escape and line-break functions.
void escapes(const std::string& text) {
    char* out = nullptr;
    const int changed = ui_unescape_chars(text.c_str(), &out);
    const std::string unescaped(out);
    delete[] out;
    fuzz::check(unescaped.size() <= 2 * text.size(), "ui_unescape_chars length");
    fuzz::check(changed == (unescaped.size() != text.size() ? 1 : 0), "ui_unescape_chars result");

    // Writing control characters as escapes and reading them back gives the
    // text again, as long as it holds no backslash and no carriage return of
    // its own (those are the lossy cases: pairs merge, backslashes are not
    // doubled).
    std::string copy = unescaped;
    ui_escape_chars(&copy[0]);
    copy.resize(std::strlen(copy.c_str())); // the text now ends at its new NUL
    if (text.find('\\') == std::string::npos && text.find('\r') == std::string::npos)
        fuzz::check(copy == text, "escape of unescape", text);

    copy = text;
    ui_escape_chars(&copy[0]);
    fuzz::check(std::strlen(copy.c_str()) <= text.size(), "ui_escape_chars grew the text");

    const int had_return = ui_substitute_NT_return_chars(text.c_str(), &out);
    const std::string substituted(out);
    delete[] out;
    fuzz::check(had_return == (text.find('\r') != std::string::npos ? 1 : 0),
                "ui_substitute_NT_return_chars result");
    fuzz::check(substituted.find('\r') == std::string::npos, "carriage return left");
    fuzz::check(substituted.size() <= text.size(), "ui_substitute_NT_return_chars length");

    int length = -1;
    ui_expand_NT_escape_chars(text.c_str(), &out, &length);
    const std::string expanded(out);
    delete[] out;
    fuzz::check(length == static_cast<int>(expanded.size()), "ui_expand_NT_escape_chars length");
    for (size_t i = 0; i < expanded.size(); ++i) {
        if (expanded[i] == '\r')
            fuzz::check(i + 1 < expanded.size() && expanded[i + 1] == '\n', "lone CR", text);
        if (expanded[i] == '\n')
            fuzz::check(i > 0 && expanded[i - 1] == '\r', "lone LF", text);
    }
}

// The substring form of ui_replace_chars against a plain left-to-right
// replacement.
void replace_substring(const std::string& text, const std::string& substring,
                       const std::string& replacement) {
    uiSaveString subject(text.c_str());
    const uiSaveString before = subject;
    const int replaced = ui_replace_chars(&subject, substring.c_str(), replacement.c_str());
    std::string expected;
    bool found = false;
    if (!substring.empty()) {
        size_t from = 0;
        for (size_t at; (at = text.find(substring, from)) != std::string::npos;) {
            expected += text.substr(from, at - from) + replacement;
            from = at + substring.size();
            found = true;
        }
        expected += text.substr(from);
    }
    fuzz::check(replaced == (found ? 1 : 0), "substring replacement result");
    fuzz::check(text_of(before) == text, "shared text changed");
    if (!found) {
        fuzz::check(static_cast<const char*>(subject) == static_cast<const char*>(before),
                    "untouched subject lost its buffer");
        return;
    }
    fuzz::check(text_of(subject) == expected, "substring replacement text", expected);
    fuzz::check(is_null(subject) == expected.empty(), "null exactly when nothing is left");
}

void replace_characters(const std::string& text, const std::string& old_set,
                        const std::string& new_set) {
    int count = -1;
    const uiSaveString result =
        ui_replace_chars(text.c_str(), old_set.c_str(), new_set.c_str(), &count);
    fuzz::check(result.length() == static_cast<int>(text.size()), "character replacement length");
    fuzz::check(std::strlen(result) == text.size(), "character replacement wrote a NUL");
    // Each position counts once per old-set entry at most.
    fuzz::check(count >= 0 && static_cast<size_t>(count) <= text.size() * old_set.size(),
                "character replacement count");
    // The copy taken above survives the next call.
    ui_replace_chars("", old_set.c_str(), new_set.c_str(), nullptr);
    fuzz::check(result.length() == static_cast<int>(text.size()), "result copy changed");
}

void remove_and_insert(const std::string& text, int first, int end, int position,
                       const std::string& insertion) {
    const uiSaveString subject = text.empty() ? uiSaveString() : uiSaveString(text.c_str());
    const int n = static_cast<int>(text.size());

    const uiSaveString removed = ui_remove_chars(subject, first, end);
    if (n > 0 && 0 <= first && first < end && end <= n) {
        const std::string expected = text.substr(0, first) + text.substr(end);
        fuzz::check(!is_null(removed) && text_of(removed) == expected, "ui_remove_chars text");
    } else {
        fuzz::check(is_null(removed), "ui_remove_chars of an invalid range");
    }

    const uiSaveString inserted = ui_insert_chars(subject, position, insertion.c_str());
    if (0 <= position && position <= n) {
        const std::string expected = text.substr(0, position) + insertion + text.substr(position);
        fuzz::check(!is_null(inserted) && text_of(inserted) == expected, "ui_insert_chars text");
    } else {
        fuzz::check(is_null(inserted), "ui_insert_chars out of range");
    }
    fuzz::check(is_null(ui_insert_chars(subject, position, nullptr)), "null insertion");
}

void shared_string(const std::string& text, const std::string& other, int n) {
    uiSaveString a(text.c_str());
    const uiSaveString b(other.c_str());
    const uiSaveString sum = a + b;
    fuzz::check(text_of(sum) == text + other, "operator+");
    const uiSaveString copy = a;
    a += other.c_str();
    fuzz::check(text_of(a) == text + other, "operator+=");
    fuzz::check(text_of(copy) == text, "operator+= changed a sharer");

    const uiSaveString prefix(text.c_str(), n);
    if (n <= 0) {
        fuzz::check(is_null(prefix), "counted constructor with n <= 0");
    } else {
        fuzz::check(text_of(prefix) == text.substr(0, static_cast<size_t>(n)),
                    "counted constructor text");
    }
    fuzz::check(a[n] == (n >= 0 && n < a.length() ? text_of(a)[static_cast<size_t>(n)] : '\0'),
                "operator[]");
}

void value_parsing(const std::string& text) {
    bool name = !text.empty();
    for (unsigned char c : text)
        name = name && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_');
    fuzz::check(ui_name_check(text.c_str()) == (name ? 1 : 0), "ui_name_check", text);
    const int truth = ui_evalbool(text.c_str());
    fuzz::check(truth == 0 || truth == 1, "ui_evalbool answer");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const auto f = fuzz::split_fields(data, size, 8);
    const std::string& text = fuzz::field(f, 0);
    escapes(text);
    replace_substring(text, fuzz::field(f, 3), fuzz::field(f, 4));
    replace_characters(text, fuzz::field(f, 1), fuzz::field(f, 2));
    remove_and_insert(text, fuzz::field_int(f, 5, -1000, 100000, 0),
                      fuzz::field_int(f, 6, -1000, 100000, 1),
                      fuzz::field_int(f, 7, -1000, 100000, 0), fuzz::field(f, 4));
    shared_string(text, fuzz::field(f, 3), fuzz::field_int(f, 5, -1000, 100000, 0));
    value_parsing(text);
    return 0;
}
