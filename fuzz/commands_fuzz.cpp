// Delimiters, user data and command composition, checked against a model of
// the quoting and placeholder rules. Fields (separated by NUL): value
// delimiter set, user-data delimiter set, name, value, user data, force,
// carriage-return flag, null mask (bit 0: null value, bit 1: no user data,
// bit 2: null name).
#include "fuzz_support.h"

#include <uiutil/commands.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

// Reaches the class-wide carriage-return flag, as an application would.
class Command : public uiCommand {
public:
    using uiCommand::uiCommand;
    static int& cr_add_flag() { return the_cr_add_flag; }
};

// A text that may be null.
struct Text {
    bool null = true;
    std::string text;
    bool non_empty() const { return !null && !text.empty(); }
    uiSaveString string() const { return null ? uiSaveString() : uiSaveString(text.c_str()); }
};

Text make(const std::string& s, bool null) {
    Text t;
    t.null = null;
    if (!null)
        t.text = s;
    return t;
}

std::string text_of(const uiSaveString& s) {
    const char* p = s;
    return p ? std::string(p) : std::string();
}

// The opening and closing texts a set string gives (none for lengths other
// than 2 and 4), with white-space characters cutting each text short.
struct Quotes {
    bool set = false;
    std::string open, close;
};

std::string cut_at_space(const std::string& s) {
    size_t n = 0;
    while (n < s.size() && !std::isspace(static_cast<unsigned char>(s[n])))
        ++n;
    return s.substr(0, n);
}

Quotes quotes_of(const std::string& set) {
    Quotes q;
    if (set.size() == 2) {
        q.set = true;
        q.open = cut_at_space(set.substr(0, 1));
        q.close = cut_at_space(set.substr(1, 1));
    } else if (set.size() == 4) {
        q.set = true;
        q.open = cut_at_space(set.substr(0, 2));
        q.close = cut_at_space(set.substr(2, 2));
    }
    return q;
}

Text delimit(const Quotes& q, const Text& in) {
    if (!q.set)
        return in;
    return make(q.open + in.text + q.close, false);
}

void append(Text& t, const std::string& s) {
    if (s.empty())
        return;
    t.null = false;
    t.text += s;
}

// The one-pass replacement of "%s" and "%u".
int replace_two(Text& t, const Text& r1, const Text& r2) {
    if (t.null)
        return 0;
    int bits = 0;
    std::string out;
    size_t pos = 0;
    for (;;) {
        const size_t a1 = t.text.find("%s", pos);
        const size_t a2 = t.text.find("%u", pos);
        bits |= (a1 != std::string::npos ? 1 : 0) | (a2 != std::string::npos ? 2 : 0);
        if (a1 == std::string::npos && a2 == std::string::npos)
            break;
        const bool second = a2 <= a1;
        const size_t at = second ? a2 : a1;
        out += t.text.substr(pos, at - pos) + (second ? r2.text : r1.text);
        pos = at + 2;
    }
    if (bits) {
        t.text = out + t.text.substr(pos);
        t.null = false;
    }
    return bits;
}

void model_replace(Text& t, const Text& value, const Quotes& d, int force) {
    const bool forced = force == 1;
    const Text q = (d.set && (value.non_empty() || forced)) ? delimit(d, value) : value;
    if (t.non_empty() && t.text.find("%s") != std::string::npos) {
        std::string out;
        size_t pos = 0;
        for (size_t at; (at = t.text.find("%s", pos)) != std::string::npos; pos = at + 2)
            out += t.text.substr(pos, at - pos) + q.text;
        t.text = out + t.text.substr(pos);
        return;
    }
    if (t.non_empty() && (value.non_empty() || (d.set && forced)))
        append(t, " ");
    if (q.non_empty() && (value.non_empty() || forced))
        append(t, q.text);
}

void model_replace_both(Text& t, const Text& value, const Text& user, const Quotes& d,
                        const Quotes& user_quotes, int force) {
    const Text a = ((d.set && value.non_empty()) || force != 0) ? delimit(d, value) : value;
    const Text b = (user_quotes.set && user.non_empty()) ? delimit(user_quotes, user) : user;
    if (t.non_empty() && (replace_two(t, a, b) & 1))
        return;
    if (t.non_empty() && (value.non_empty() || (d.set && force != 0)))
        append(t, " ");
    if (a.non_empty() && (value.non_empty() || force != 0))
        append(t, a.text);
}

void delimiters(const std::string& set, const Text& in) {
    uiDelimiter d(set.c_str());
    const char* reported = d.get_delimiters();
    if (set.size() == 2 || set.size() == 4)
        fuzz::check(reported && set == reported, "get_delimiters", set);
    else
        fuzz::check(reported == nullptr, "get_delimiters of an unset delimiter", set);

    uiDelimiter copy;
    copy = d;
    reported = copy.get_delimiters();
    if (set.size() == 2 || set.size() == 4)
        fuzz::check(reported && set == reported, "copied delimiter", set);

    uiSaveString out("left over");
    d.delimit_string(in.string(), out);
    fuzz::check(text_of(out) == delimit(quotes_of(set), in).text, "delimit_string", set);
    uiSaveString same = in.string();
    d.delimit_string(same, same);
    fuzz::check(text_of(same) == text_of(out), "delimit_string in place");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), true);
    (void)ready;
    const auto f = fuzz::split_fields(data, size, 9);
    const int nulls = fuzz::field_int(f, 8, 0, 7, 0);
    const Text name = make(fuzz::field(f, 2), nulls & 4);
    const Text value = make(fuzz::field(f, 3), nulls & 1);
    const Text user = make(fuzz::field(f, 4), false);
    const bool has_user = !(nulls & 2);
    const int force = fuzz::field_int(f, 5, -3, 3, 0);
    const int cr = fuzz::field_int(f, 6, 0, 1, 1);

    delimiters(fuzz::field(f, 0), value);
    delimiters(fuzz::field(f, 1), user);

    const uiDelimiter d(fuzz::field(f, 0).c_str());
    const Quotes value_quotes = quotes_of(fuzz::field(f, 0));
    std::string user_set = fuzz::field(f, 1);
    if (user_set.size() != 2 && user_set.size() != 4)
        user_set.clear();
    const Quotes user_quotes = quotes_of(user_set);

    const uiDelimiter saved = uiUserData::delimiter(uiDelimiter(user_set.c_str()));
    const int saved_cr = Command::cr_add_flag();
    Command::cr_add_flag() = cr;

    const uiUserData user_data(user.string());
    const Text quoted_user =
        (user_quotes.set && user.non_empty()) ? delimit(user_quotes, user) : user;
    fuzz::check(text_of(user_data.get_delimited()) == quoted_user.text, "get_delimited");

    Text expected = name;
    model_replace(expected, value, value_quotes, force);
    if (cr)
        append(expected, "\r");
    const Command one(name.string(), value.string(), d, force);
    fuzz::check(text_of(one) == expected.text, "four-argument command", expected.text);

    expected = name;
    model_replace_both(expected, value, has_user ? user : Text(), value_quotes, user_quotes, force);
    if (cr)
        append(expected, "\r");
    const Command two(name.string(), d, value.string(), has_user ? &user_data : nullptr, force);
    fuzz::check(text_of(two) == expected.text, "five-argument command", expected.text);

    // A second replacement works on the finished text.
    Command again = one;
    Text again_expected = make(text_of(one), static_cast<const char*>(one) == nullptr);
    again.replace("%s", value.string(), d, force);
    model_replace(again_expected, value, value_quotes, force);
    fuzz::check(text_of(again) == again_expected.text, "replace on a composed command");

    uiUserData::delimiter(saved);
    Command::cr_add_flag() = saved_cr;

    const uiValType code = ui_decode_uiValType(name.text.c_str());
    if (code != ui_decode_uiValType("uiVALTYPE_ERROR"))
        fuzz::check(name.text == ui_decode(code), "value kind name round trip");
    return 0;
}
