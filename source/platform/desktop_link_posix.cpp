// Reader of desktop entry links: a "[Desktop Entry]" group with Type=Link and
// a URL key whose file: URL names the target.
#include "internal/shell_link_file.h"

namespace uiutil_internal {

namespace {

// The lines of a text, without their line breaks (and carriage returns).
class Lines {
public:
    Lines(const char* text, std::size_t size) : m_text(text), m_size(size) {}

    bool next(std::string& line) {
        if (m_at >= m_size)
            return false;
        std::size_t end = m_at;
        while (end < m_size && m_text[end] != '\n')
            ++end;
        line.assign(m_text + m_at, end - m_at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_at = end + 1;
        return true;
    }

private:
    const char* m_text;
    std::size_t m_size;
    std::size_t m_at = 0;
};

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool is_blank_or_comment(const std::string& line) {
    const std::string text = trimmed(line);
    return text.empty() || text[0] == '#';
}

// A string value with its escapes (\s \n \t \r \\) replaced.
std::string unescaped(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += value[i];
        }
    }
    return out;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// %XX sequences replaced by their bytes; a '%' not followed by two hex
// digits stays as it is.
std::string percent_decoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex_digit(text[i + 1]) >= 0 &&
            hex_digit(text[i + 2]) >= 0) {
            out += static_cast<char>(hex_digit(text[i + 1]) * 16 + hex_digit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool starts_with_no_case(const std::string& text, const char* prefix) {
    std::size_t i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.size())
            return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

// The local path of a file: URL ("file:///path", "file://localhost/path" or
// "file:/path"), percent-decoded; empty for other URLs and remote hosts.
std::string local_path_of_url(const std::string& url) {
    if (!starts_with_no_case(url, "file:"))
        return std::string();
    std::string rest = url.substr(5);
    if (rest.compare(0, 2, "//") == 0) {
        const std::size_t path_start = rest.find('/', 2);
        if (path_start == std::string::npos)
            return std::string();
        const std::string host = rest.substr(2, path_start - 2);
        if (!host.empty() && !(host.size() == 9 && starts_with_no_case(host, "localhost")))
            return std::string();
        rest = rest.substr(path_start);
    }
    if (rest.empty() || rest[0] != '/')
        return std::string();
    // Query and fragment are no part of a file's path.
    const std::size_t query = rest.find_first_of("?#");
    if (query != std::string::npos)
        rest.resize(query);
    return percent_decoded(rest);
}

} // namespace

bool is_desktop_entry_file(const char* text, std::size_t size) {
    Lines lines(text, size);
    std::string line;
    while (lines.next(line)) {
        if (is_blank_or_comment(line))
            continue;
        return trimmed(line) == "[Desktop Entry]";
    }
    return false;
}

bool read_desktop_link(const char* text, std::size_t size, std::string& path) {
    path.clear();
    Lines lines(text, size);
    std::string line, type, url;
    bool in_entry = false;
    while (lines.next(line)) {
        if (is_blank_or_comment(line))
            continue;
        const std::string entry = trimmed(line);
        if (entry[0] == '[') {
            in_entry = entry == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = entry.find('=');
        if (!in_entry || equals == std::string::npos)
            continue;
        const std::string key = trimmed(entry.substr(0, equals));
        const std::string value = trimmed(entry.substr(equals + 1));
        if (key == "Type")
            type = value;
        else if (key == "URL")
            url = unescaped(value);
    }
    if (type != "Link")
        return false;
    path = local_path_of_url(url);
    return true;
}

} // namespace uiutil_internal
