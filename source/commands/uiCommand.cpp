// Command texts: a template with the quoted value and user data put in,
// ended by a carriage return while the class-wide flag asks for it.
#include <uiutil/commands.h>

#include <cstring>
#include <string>

int uiCommand::the_cr_add_flag = 1;

namespace {

const char kValuePlaceholder[] = "%s";
const char kUserDataPlaceholder[] = "%u";
const char kCarriageReturn[] = "\r";

bool has_delimiters(const uiDelimiter& d) {
    return d.get_delimiters() != nullptr;
}

// The next occurrence of placeholder at or after from; null when there is
// none, and for a null or empty placeholder, which would match everywhere.
const char* find(const char* from, const char* placeholder) {
    if (!placeholder || *placeholder == '\0')
        return nullptr;
    return std::strstr(from, placeholder);
}

} // namespace

uiCommand::uiCommand() {}

uiCommand::uiCommand(const uiCommand& c) : uiSaveString(c) {}

uiCommand::uiCommand(const uiSaveString& text) : uiSaveString(text) {
    if (the_cr_add_flag)
        *this += kCarriageReturn;
}

uiCommand::uiCommand(const uiSaveString& name, const uiSaveString& value, const uiDelimiter& d,
                     int force)
    : uiSaveString(name) {
    replace(uiSaveString(kValuePlaceholder), value, d, force);
    if (the_cr_add_flag)
        *this += kCarriageReturn;
}

uiCommand::uiCommand(const uiSaveString& name, const uiDelimiter& d, const uiSaveString& value,
                     const uiUserData* user_data, int force)
    : uiSaveString(name) {
    if (user_data)
        replace_value_and_userdata(value, *user_data, d, force);
    else
        replace_value_and_userdata(value, uiUserData(static_cast<const char*>(nullptr)), d, force);
    if (the_cr_add_flag)
        *this += kCarriageReturn;
}

uiCommand::~uiCommand() {}

void uiCommand::operator=(const uiCommand& c) {
    uiSaveString::operator=(c);
}

void uiCommand::replace(const uiSaveString& placeholder, const uiSaveString& value,
                        const uiDelimiter& d, int force) {
    const bool quotes = has_delimiters(d);
    const bool has_value = !value.empty();
    const bool forced = force == 1;

    uiSaveString quoted;
    if (quotes && (has_value || forced))
        d.delimit_string(value, quoted);
    else
        quoted = value;

    if (!empty() && ui_replace_chars(this, placeholder, quoted))
        return;
    if (!empty() && (has_value || (quotes && forced)))
        *this += " ";
    if (!quoted.empty() && (has_value || forced))
        *this += quoted;
}

void uiCommand::replace_value_and_userdata(const uiSaveString& value, const uiUserData& user_data,
                                           const uiDelimiter& d, int force) {
    const bool quotes = has_delimiters(d);
    const bool has_value = !value.empty();

    uiSaveString quoted_value;
    if ((quotes && has_value) || force)
        d.delimit_string(value, quoted_value);
    else
        quoted_value = value;

    const uiDelimiter& user_delimiter = uiUserData::delimiter();
    uiSaveString quoted_user_data;
    if (has_delimiters(user_delimiter) && !user_data.empty())
        user_delimiter.delimit_string(user_data, quoted_user_data);
    else
        quoted_user_data = user_data;

    if (!empty() &&
        (replace_chars(kValuePlaceholder, quoted_value, kUserDataPlaceholder, quoted_user_data) &
         1))
        return;
    // The user data enters only through its placeholder: never appended.
    if (!empty() && (has_value || (quotes && force)))
        *this += " ";
    if (!quoted_value.empty() && (has_value || force))
        *this += quoted_value;
}

int uiCommand::replace_chars(const char* p1, const char* r1, const char* p2, const char* r2) {
    const char* text = *this;
    if (!text)
        return 0;
    const std::size_t n1 = p1 ? std::strlen(p1) : 0;
    const std::size_t n2 = p2 ? std::strlen(p2) : 0;

    // The next occurrence of each placeholder is searched again only once
    // the position has passed it, so each search scans new text.
    int found = 0;
    std::string result;
    const char* pos = text;
    const char* at1 = find(pos, p1);
    const char* at2 = find(pos, p2);
    while (at1 || at2) {
        if (at1)
            found |= 1;
        if (at2)
            found |= 2;
        const bool take_p2 = at2 && (!at1 || at2 <= at1);
        const char* at = take_p2 ? at2 : at1;
        const char* replacement = take_p2 ? r2 : r1;
        result.append(pos, static_cast<std::size_t>(at - pos));
        if (replacement)
            result += replacement;
        pos = at + (take_p2 ? n2 : n1);
        if (at1 && at1 < pos)
            at1 = find(pos, p1);
        if (at2 && at2 < pos)
            at2 = find(pos, p2);
    }
    if (!found)
        return 0;
    result += pos;
    uiSaveString::operator=(uiSaveString(result.c_str()));
    return found;
}
