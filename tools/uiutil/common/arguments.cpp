// Reading a subcommand's command line.
#include "arguments.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tool {

namespace {

bool looks_like_option(const char* word) {
    return word[0] == '-' &&
           (word[1] == '-' || std::isalpha(static_cast<unsigned char>(word[1])) != 0);
}

const Option* find_option(const Subcommand& command, const std::string& name) {
    for (const Option& option : command.options) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

} // namespace

Arguments::Arguments(const Subcommand& command, int argc, char** argv) : m_command(&command) {
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (options_ended || !looks_like_option(word)) {
            m_operands.push_back(word);
            continue;
        }
        if (std::strcmp(word, "--") == 0) {
            options_ended = true;
            continue;
        }
        if (std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0) {
            m_help = true;
            continue;
        }
        const char* equals = word[1] == '-' ? std::strchr(word, '=') : nullptr;
        const std::string name = equals ? std::string(word, equals) : std::string(word);
        const Option* option = find_option(command, name);
        if (!option) {
            m_error = "unknown option '" + name + "' (put -- before operands that begin with -)";
            return;
        }
        const char* value = nullptr;
        if (option->value) {
            if (equals) {
                value = equals + 1;
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                m_error = name + " needs a value (" + option->value + ")";
                return;
            }
        } else if (equals) {
            m_error = name + " takes no value";
            return;
        }
        m_given.emplace_back(name, value);
    }
    if (m_help)
        return;
    const int n = static_cast<int>(m_operands.size());
    if (n < command.min_operands)
        m_error = "too few arguments";
    else if (command.max_operands >= 0 && n > command.max_operands)
        m_error = "too many arguments";
}

bool Arguments::has(const char* name) const {
    for (const auto& given : m_given) {
        if (given.first == name)
            return true;
    }
    return false;
}

const char* Arguments::value(const char* name) const {
    const char* last = nullptr;
    for (const auto& given : m_given) {
        if (given.first == name)
            last = given.second;
    }
    return last;
}

int usage_error(const Subcommand& command, const std::string& message) {
    std::fprintf(stderr, "uiutil %s: %s\nusage: uiutil %s\n(uiutil %s --help explains it)\n",
                 command.name, message.c_str(), command.usage, command.name);
    return exit_usage;
}

bool read_format(const Arguments& args, bool& tsv) {
    const char* format = args.value("--format");
    tsv = format && std::strcmp(format, "tsv") == 0;
    return !format || tsv || std::strcmp(format, "text") == 0;
}

bool read_number(const char* text, long long low, long long high, long long& out) {
    if (!text || !*text || std::isspace(static_cast<unsigned char>(*text)))
        return false;
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(text, &end, 10);
    if (*end != '\0' || errno != 0 || n < low || n > high)
        return false;
    out = n;
    return true;
}

} // namespace tool
