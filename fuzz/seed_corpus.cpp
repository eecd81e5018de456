// Writes a fuzz target's seed corpus from its readable seed list: one seed
// per line; empty lines and lines starting with '#' are skipped. Escapes:
// \0 (the NUL byte that separates fields), \n, \r, \t, \\ and \xHH.
//   uiutil_fuzz_seeds SEED_LIST OUTPUT_DIRECTORY
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The bytes a seed line stands for; false on a malformed escape.
bool unescape(const std::string& line, std::string& out) {
    out.clear();
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            out += line[i];
            continue;
        }
        if (++i == line.size())
            return false;
        switch (line[i]) {
        case '0':
            out += '\0';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        case 'x': {
            const int high = i + 1 < line.size() ? hex_digit(line[i + 1]) : -1;
            const int low = i + 2 < line.size() ? hex_digit(line[i + 2]) : -1;
            if (high < 0 || low < 0)
                return false;
            out += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: uiutil_fuzz_seeds SEED_LIST OUTPUT_DIRECTORY\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::filesystem::path dir(argv[2]);
    std::filesystem::create_directories(dir);
    std::string line, bytes;
    int written = 0, number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (!unescape(line, bytes)) {
            std::cerr << argv[1] << ":" << number << ": bad escape\n";
            return 1;
        }
        char name[32];
        std::snprintf(name, sizeof name, "seed-%04d", number);
        std::ofstream(dir / name, std::ios::binary) << bytes;
        ++written;
    }
    std::cout << written << " seeds\n";
    return 0;
}
