// Writes a fuzz target's seed corpus from its readable seed list: one seed
// per line; empty lines and lines starting with '#' are skipped. Escapes:
// \0 (the NUL byte that separates fields), \n, \r, \t, \\ and \xHH.
//   uiutil_fuzz_seeds SEED_LIST OUTPUT_DIRECTORY
// It also takes seeds from the pattern test corpus (tests/data/pattern):
// each pattern with each of its subjects, or each pattern alone.
//   uiutil_fuzz_seeds --pattern-subjects CORPUS_DIRECTORY OUTPUT_DIRECTORY
//   uiutil_fuzz_seeds --patterns CORPUS_DIRECTORY OUTPUT_DIRECTORY
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

// A subject of the pattern corpus: "text" with the escapes \n \t \\ \"
// and \xHH, as the corpus test reads it.
std::string corpus_subject(const std::string& line) {
    std::string out;
    for (size_t i = 1; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\' || i + 1 >= line.size()) {
            out += line[i];
            continue;
        }
        const char e = line[++i];
        if (e == 'n')
            out += '\n';
        else if (e == 't')
            out += '\t';
        else if (e == 'x' && i + 2 < line.size()) {
            out += static_cast<char>(hex_digit(line[i + 1]) * 16 + hex_digit(line[i + 2]));
            i += 2;
        } else
            out += e;
    }
    return out;
}

int pattern_corpus(bool with_subjects, const std::filesystem::path& corpus,
                   const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    int written = 0;
    auto write = [&](const std::string& bytes) {
        char name[32];
        std::snprintf(name, sizeof name, "corpus-%05d", ++written);
        std::ofstream(dir / name, std::ios::binary) << bytes;
    };
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".txt")
            continue;
        std::ifstream in(entry.path());
        std::string line, pattern;
        while (std::getline(in, line)) {
            if (line.rfind("pattern", 0) == 0) {
                pattern = line.size() > 8 ? line.substr(8) : std::string();
                if (!with_subjects)
                    write(pattern);
            } else if (with_subjects && !line.empty() && line[0] == '"') {
                write(pattern + std::string(1, '\0') + corpus_subject(line));
            }
        }
    }
    std::cout << written << " seeds\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 &&
        (std::string(argv[1]) == "--pattern-subjects" || std::string(argv[1]) == "--patterns"))
        return pattern_corpus(std::string(argv[1]) == "--pattern-subjects", argv[2], argv[3]);
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
