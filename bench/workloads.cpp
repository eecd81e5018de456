#include "workloads.h"

#include "bench_inputs.h"

#include <algorithm>

namespace bench {

namespace {

const std::size_t mib = 1 << 20;

// Subjects that punish a matcher for trying every way of splitting them.
void add_pathological(std::vector<Workload>& all) {
    // A repetition of an optional run, and no b: a backtracker that tries
    // every split of the a's into passes takes time exponential in their count.
    for (int count : {25, 10000}) {
        Workload nested{"NestedStarNoB_" + std::to_string(count),
                        "\\(a*\\)*b",
                        "(a*)*b",
                        "(a*)*b",
                        false,
                        true,
                        "",
                        {std::string(static_cast<std::size_t>(count), 'a') + "!"}};
        // Measured apart: std::regex took 9 s for 17 a's, doubling with each
        // further a; against 10,000 its recursive matcher would also need a
        // stack frame per character.
        nested.skips = {{"std_regex", "exponential in the a's (9 s for 17 of them)"}};
        all.push_back(nested);
    }
    // The same repetition as the first branch, and a second branch that
    // matches: the match is found only after the first branch has failed
    // at the first position, every split of the a's tried (a peer that
    // gives up at its own bound is reported, not timed).
    for (int count : {25, 10000}) {
        Workload detour{"NestedStarThenA_" + std::to_string(count),
                        "\\(a*\\)*b\\|a",
                        "(a*)*b|a",
                        "(a*)*b|a",
                        false,
                        true,
                        "",
                        {std::string(static_cast<std::size_t>(count), 'a') + "!"}};
        detour.skips = {{"std_regex", "exponential in the a's, as above"}};
        all.push_back(detour);
    }
    // Word text without an x: every line is a long run for .* to give back.
    std::string no_x = word_text(16 * mib);
    std::replace(no_x.begin(), no_x.end(), 'x', 'y');
    Workload dot_star{"DotStarNoX_16MiB", ".*x", ".*x", ".*x", false, true, "x", {no_x}};
    dot_star.measure_peak = true;
    all.push_back(dot_star);
}

// A literal matched without regard to case: this engine through a table
// mapping upper to lower case, the peers with their case-insensitive flags,
// memmem on lower-cased copies of the subject and the literal.
void add_caseless(std::vector<Workload>& all) {
    static const std::vector<unsigned char> lower = lower_case_table();
    std::string text = word_text(mib);
    std::string mixed = "AcCeLeRaToR";
    Workload caseless{"CaselessLiteralAtEnd_1MiB",
                      "ACCELERATOR",
                      "ACCELERATOR",
                      "ACCELERATOR",
                      false,
                      true,
                      "accelerator",
                      {text.substr(0, mib - mixed.size()) + mixed}};
    caseless.translate = lower.data();
    all.push_back(caseless);
}

} // namespace

std::vector<Workload> workloads() {
    std::vector<Workload> all;
    std::string text = bench::word_text(mib);
    std::string literal = "accelerator";
    all.push_back({"AbsentLiteral_1MiB", literal, literal, literal, false, true, literal, {text}});
    std::string at_end = text.substr(0, mib - literal.size()) + literal;
    all.push_back({"LiteralAtEnd_1MiB", literal, literal, literal, false, true, literal, {at_end}});
    // Every match needs a '.', which the subject lacks: memchr for it over
    // the whole subject is the least any engine can do.
    all.push_back({"NumberPatternAbsent_1MiB",
                   "[0-9]+\\.[0-9]+",
                   "[0-9]+\\.[0-9]+",
                   "[0-9]+\\.[0-9]+",
                   false,
                   true,
                   ".",
                   {bench::word_text(mib, true)}});
    // "zebras" now and then; the word "zebra" itself only near the end.
    std::string zebras = text;
    for (std::size_t at = 50000; at + 8 < mib; at += 100000) {
        zebras.replace(at, 8, " zebras ");
    }
    zebras.replace(mib - 200, 7, " zebra ");
    all.push_back({"WordNearEnd_1MiB",
                   "\\bzebra\\b",
                   "\\bzebra\\b",
                   "\\bzebra\\b",
                   false,
                   true,
                   "",
                   {zebras}});
    all.push_back({"AlternationAbsent_1MiB",
                   "alpha\\|bravo\\|charlie",
                   "alpha|bravo|charlie",
                   "alpha|bravo|charlie",
                   false,
                   true,
                   "",
                   {text}});
    std::string last_line = text.substr(0, mib - 10) + "\nTotal: 9";
    all.push_back(
        {"LineStartLastLine_1MiB", "^Total:", "^Total:", "^Total:", true, true, "", {last_line}});
    // The only letters followed by a space and themselves are near the end.
    std::string repeat = bench::word_text(64 << 10, false, true);
    repeat.replace(repeat.size() - 20, 13, " zebra zebra ");
    all.push_back({"BackReference_64KiB",
                   "\\([a-z]+\\) \\1",
                   "([a-z]+) \\1",
                   "([a-z]+) \\1",
                   false,
                   false,
                   "",
                   {repeat}});
    std::vector<std::string> labels = bench::menu_labels(10000);
    all.push_back({"MenuKeyName_10000", "\\([a-zA-Z0-9_]+\\)$", "([a-zA-Z0-9_]+)$",
                   "([a-zA-Z0-9_]+)$", true, true, "", labels});
    all.push_back({"MenuCtrl_10000", "[Cc][Tt][Rr][Ll][-+]", "[Cc][Tt][Rr][Ll][-+]",
                   "[Cc][Tt][Rr][Ll][-+]", false, true, "", labels});
    add_pathological(all);
    add_caseless(all);
    return all;
}

} // namespace bench
