// Runs the pattern corpus in the data folder: every *.txt file there holds
// cases in a readable form, so cases are added without code.
//
//   # a comment
//   pattern \(a*\)b\1         the pattern text, verbatim to the line's end
//   "aabaa"  0-5  1=0-2       a subject (C-style escapes \n \t \\ \" \xHH),
//                             then register 0 and any other set registers;
//                             registers not listed must be unset
//   "bbb"  none               no match
//   error 3                   the compile result (0 when not given)
#include "pattern_probe.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

bool parse_subject(const std::string& line, std::size_t& i, std::string& out) {
    if (i >= line.size() || line[i] != '"') {
        return false;
    }
    for (++i; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c != '\\' || i + 1 >= line.size()) {
            out += c;
            continue;
        }
        char e = line[++i];
        if (e == 'n') {
            out += '\n';
        } else if (e == 't') {
            out += '\t';
        } else if (e == 'x' && i + 2 < line.size()) {
            out += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += e;
        }
    }
    return false;
}

// Checks one subject line against the pattern; returns a failure text or "".
std::string check(uiPattern& pattern, const std::string& line) {
    std::size_t i = 0;
    std::string subject;
    if (!parse_subject(line, i, subject)) {
        return "cannot read the subject";
    }
    std::istringstream rest(line.substr(i));
    std::string item;
    int expected_start[10], expected_end[10];
    for (int r = 0; r < 10; ++r) {
        expected_start[r] = expected_end[r] = -99;
    }
    bool expect_match = true;
    while (rest >> item) {
        if (item == "none") {
            expect_match = false;
            continue;
        }
        int r = 0;
        std::size_t eq = item.find('=');
        if (eq != std::string::npos) {
            r = std::stoi(item.substr(0, eq));
            item = item.substr(eq + 1);
        }
        std::size_t dash = item.find('-');
        if (dash == std::string::npos || r < 0 || r > 9) {
            return "cannot read the expectation " + item;
        }
        expected_start[r] = std::stoi(item.substr(0, dash));
        expected_end[r] = std::stoi(item.substr(dash + 1));
    }
    // Pass the exact bytes, NULs included, through a claimed buffer.
    char* buffer = new char[subject.size() + 1];
    std::memcpy(buffer, subject.data(), subject.size() + 1);
    uiSaveString text(uiClaimOwnership, buffer);
    int matched = pattern.match(text);
    if (matched != (expect_match ? 1 : 0)) {
        return matched ? "matched, expected no match" : "no match, expected a match";
    }
    std::string wrong;
    for (int r = 0; expect_match && r < 10; ++r) {
        int s = pattern.registers().start[r], e = pattern.registers().end[r];
        if (s != expected_start[r] || e != expected_end[r]) {
            wrong += " register " + std::to_string(r) + " is " + std::to_string(s) + "-" +
                     std::to_string(e);
        }
    }
    return wrong;
}

TEST(PatternCorpus, EveryCaseInTheDataFolder) {
    std::filesystem::path folder = std::filesystem::path(UIUTIL_TEST_DATA_DIR) / "pattern";
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".txt") {
            continue;
        }
        std::ifstream in(entry.path());
        std::string line;
        std::unique_ptr<uiPattern> pattern;
        bool error_declared = true;
        int number = 0;
        auto where = [&] {
            return entry.path().filename().string() + ":" + std::to_string(number);
        };
        // A pattern without an "error" line must compile.
        auto settle = [&] {
            if (pattern && !error_declared) {
                EXPECT_EQ(pattern->error(), uiPatternNoError) << where() << " (pattern above)";
            }
            error_declared = true;
        };
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            std::size_t first = line.find_first_not_of(" \t");
            if (first == std::string::npos || line[first] == '#') {
                continue;
            }
            if (line == "pattern" || line.compare(0, 8, "pattern ") == 0) {
                settle();
                std::string text = line.size() > 8 ? line.substr(8) : "";
                pattern = std::make_unique<uiPattern>(uiSaveString(text.c_str()));
                error_declared = false;
                ++cases;
            } else if (line.compare(0, 6, "error ") == 0 && pattern) {
                EXPECT_EQ(static_cast<int>(pattern->error()), std::stoi(line.substr(6))) << where();
                error_declared = true;
            } else if (pattern && line[first] == '"') {
                settle();
                ++cases;
                std::string failure = check(*pattern, line.substr(first));
                EXPECT_EQ(failure, "") << where() << ": " << line;
            } else {
                ADD_FAILURE() << where() << ": cannot read: " << line;
            }
        }
        settle();
    }
    EXPECT_GT(cases, 100);
}

} // namespace
