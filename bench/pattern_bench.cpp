// The pattern engine side by side with POSIX regexec (extended syntax),
// std::regex, RE2 and PCRE2 (interpreter and JIT), plus memchr/memmem as the
// physical limit for literal searches. Every engine looks for the first match
// in each subject; before timing, all engines must agree on where it starts.
#define PCRE2_CODE_UNIT_WIDTH 8

#include "bench_inputs.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <pcre2.h>
#include <re2/re2.h>
#include <regex.h>
#include <regex>
#include <string>
#include <uiutil/pattern.h>
#include <vector>

namespace {

// One workload: the pattern in each engine's syntax ("" where an engine has
// no such construct) and the subjects.
struct Workload {
    std::string name;
    std::string ours;    // this engine's syntax
    std::string ere;     // POSIX extended
    std::string perl;    // std::regex (ECMAScript), RE2 and PCRE2
    bool multiline;      // ^ and $ at line ends for the peers
    bool re2_supported;  // RE2 has no back-references
    std::string literal; // for the memchr/memmem rows, "" for none
    std::vector<std::string> subjects;
};

// Finds the first match's start in subject i, -1 for none.
using Finder = std::function<int(std::size_t i)>;

struct Engine {
    std::string name;
    std::function<Finder(const Workload&)> prepare; // null Finder: not applicable
};

std::vector<uiSaveString> shared_subjects(const Workload& w) {
    std::vector<uiSaveString> out;
    for (const std::string& s : w.subjects) {
        out.emplace_back(s.c_str());
    }
    return out;
}

Finder ours(const Workload& w) {
    auto pattern = std::make_shared<uiPattern>(uiSaveString(w.ours.c_str()));
    auto subjects = std::make_shared<std::vector<uiSaveString>>(shared_subjects(w));
    return [pattern, subjects](std::size_t i) {
        return pattern->match((*subjects)[i]) ? pattern->registers().start[0] : -1;
    };
}

Finder posix(const Workload& w) {
    auto compiled = std::shared_ptr<regex_t>(new regex_t, [](regex_t* r) {
        regfree(r);
        delete r;
    });
    if (regcomp(compiled.get(), w.ere.c_str(), REG_EXTENDED | (w.multiline ? REG_NEWLINE : 0))) {
        return nullptr;
    }
    const std::vector<std::string>* subjects = &w.subjects;
    return [compiled, subjects](std::size_t i) {
        regmatch_t m[1];
        return regexec(compiled.get(), (*subjects)[i].c_str(), 1, m, 0) == 0
                   ? static_cast<int>(m[0].rm_so)
                   : -1;
    };
}

Finder std_regex(const Workload& w) {
    auto flags = std::regex::ECMAScript;
    if (w.multiline) {
        flags |= std::regex::multiline;
    }
    auto re = std::make_shared<std::regex>(w.perl, flags);
    const std::vector<std::string>* subjects = &w.subjects;
    return [re, subjects](std::size_t i) {
        std::smatch m;
        const std::string& s = (*subjects)[i];
        return std::regex_search(s, m, *re) ? static_cast<int>(m.position(0)) : -1;
    };
}

Finder re2(const Workload& w) {
    if (!w.re2_supported) {
        return nullptr;
    }
    auto re = std::make_shared<RE2>((w.multiline ? "(?m)" : "") + w.perl, RE2::Quiet);
    if (!re->ok()) {
        return nullptr;
    }
    const std::vector<std::string>* subjects = &w.subjects;
    return [re, subjects](std::size_t i) {
        const std::string& s = (*subjects)[i];
        re2::StringPiece m;
        return re->Match(s, 0, s.size(), RE2::UNANCHORED, &m, 1)
                   ? static_cast<int>(m.data() - s.data())
                   : -1;
    };
}

Finder pcre2(const Workload& w, bool jit) {
    int error;
    PCRE2_SIZE offset;
    pcre2_code* raw =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(w.perl.c_str()), PCRE2_ZERO_TERMINATED,
                      w.multiline ? PCRE2_MULTILINE : 0, &error, &offset, nullptr);
    if (!raw) {
        return nullptr;
    }
    auto code = std::shared_ptr<pcre2_code>(raw, pcre2_code_free);
    if (jit && pcre2_jit_compile(raw, PCRE2_JIT_COMPLETE) != 0) {
        return nullptr;
    }
    auto data = std::shared_ptr<pcre2_match_data>(
        pcre2_match_data_create_from_pattern(raw, nullptr), pcre2_match_data_free);
    const std::vector<std::string>* subjects = &w.subjects;
    return [code, data, subjects, jit](std::size_t i) {
        const std::string& s = (*subjects)[i];
        auto subject = reinterpret_cast<PCRE2_SPTR>(s.data());
        int rc =
            jit ? pcre2_jit_match(code.get(), subject, s.size(), 0, 0, data.get(), nullptr)
                : pcre2_match(code.get(), subject, s.size(), 0, PCRE2_NO_JIT, data.get(), nullptr);
        return rc > 0 ? static_cast<int>(pcre2_get_ovector_pointer(data.get())[0]) : -1;
    };
}

Finder raw_search(const Workload& w) {
    if (w.literal.empty()) {
        return nullptr;
    }
    std::string literal = w.literal;
    const std::vector<std::string>* subjects = &w.subjects;
    return [literal, subjects](std::size_t i) {
        const std::string& s = (*subjects)[i];
        const void* hit = literal.size() == 1
                              ? std::memchr(s.data(), literal[0], s.size())
                              : memmem(s.data(), s.size(), literal.data(), literal.size());
        return hit ? static_cast<int>(static_cast<const char*>(hit) - s.data()) : -1;
    };
}

const std::vector<Engine>& engines() {
    static const std::vector<Engine> all = {
        {"uiPattern", ours},
        {"regexec", posix},
        {"std_regex", std_regex},
        {"RE2", re2},
        {"PCRE2", [](const Workload& w) { return pcre2(w, false); }},
        {"PCRE2_JIT", [](const Workload& w) { return pcre2(w, true); }},
        {"memmem", raw_search},
    };
    return all;
}

std::vector<Workload> workloads() {
    const std::size_t mib = 1 << 20;
    std::vector<Workload> all;
    std::string text = bench::word_text(mib);
    std::string literal = "accelerator";
    all.push_back({"AbsentLiteral_1MiB", literal, literal, literal, false, true, literal, {text}});
    std::string at_end = text.substr(0, mib - literal.size()) + literal;
    all.push_back({"LiteralAtEnd_1MiB", literal, literal, literal, false, true, literal, {at_end}});
    all.push_back({"NumberPatternAbsent_1MiB",
                   "[0-9]+\\.[0-9]+",
                   "[0-9]+\\.[0-9]+",
                   "[0-9]+\\.[0-9]+",
                   false,
                   true,
                   "",
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
    return all;
}

void run(benchmark::State& state, Finder find, std::size_t count) {
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            benchmark::DoNotOptimize(find(i));
        }
    }
}

// The four accelerator patterns, compiled 10,000 times (the four live
// together, as the accelerator parser holds them).
const char* const accel_ours[] = {"\\([a-zA-Z0-9_]+\\)$", "[Cc][Tt][Rr][Ll][-+]",
                                  "[Aa][Ll][Tt][-+]", "[Ss][Hh][Ii][Ff][Tt][-+]"};
const char* const accel_peer[] = {"([a-zA-Z0-9_]+)$", "[Cc][Tt][Rr][Ll][-+]", "[Aa][Ll][Tt][-+]",
                                  "[Ss][Hh][Ii][Ff][Tt][-+]"};

void register_compile_benchmarks() {
    benchmark::RegisterBenchmark("CompileAccelPatterns_10000/uiPattern", [](benchmark::State& s) {
        uiSaveString texts[4] = {accel_ours[0], accel_ours[1], accel_ours[2], accel_ours[3]};
        for (auto _ : s) {
            for (int i = 0; i < 10000; ++i) {
                uiPattern a(texts[0]), b(texts[1]), c(texts[2]), d(texts[3]);
                benchmark::DoNotOptimize(a.error());
            }
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CompileAccelPatterns_10000/regexec", [](benchmark::State& s) {
        for (auto _ : s) {
            for (int i = 0; i < 10000; ++i) {
                for (const char* p : accel_peer) {
                    regex_t r;
                    regcomp(&r, p, REG_EXTENDED | REG_NEWLINE);
                    regfree(&r);
                }
            }
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CompileAccelPatterns_10000/std_regex", [](benchmark::State& s) {
        for (auto _ : s) {
            for (int i = 0; i < 10000; ++i) {
                for (const char* p : accel_peer) {
                    std::regex r(p, std::regex::ECMAScript | std::regex::multiline);
                    benchmark::DoNotOptimize(r.mark_count());
                }
            }
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CompileAccelPatterns_10000/RE2", [](benchmark::State& s) {
        for (auto _ : s) {
            for (int i = 0; i < 10000; ++i) {
                for (const char* p : accel_peer) {
                    RE2 r(std::string("(?m)") + p);
                    benchmark::DoNotOptimize(r.ok());
                }
            }
        }
    })->Unit(benchmark::kMillisecond);
    for (bool jit : {false, true}) {
        benchmark::RegisterBenchmark(
            jit ? "CompileAccelPatterns_10000/PCRE2_JIT" : "CompileAccelPatterns_10000/PCRE2",
            [jit](benchmark::State& s) {
                for (auto _ : s) {
                    for (int i = 0; i < 10000; ++i) {
                        for (const char* p : accel_peer) {
                            int e;
                            PCRE2_SIZE o;
                            pcre2_code* c = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p),
                                                          PCRE2_ZERO_TERMINATED, PCRE2_MULTILINE,
                                                          &e, &o, nullptr);
                            if (jit) {
                                pcre2_jit_compile(c, PCRE2_JIT_COMPLETE);
                            }
                            pcre2_code_free(c);
                        }
                    }
                }
            })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    static std::vector<Workload> all = workloads();
    int disagreements = 0;
    for (const Workload& w : all) {
        std::vector<int> reference;
        Finder mine = ours(w);
        for (std::size_t i = 0; i < w.subjects.size(); ++i) {
            reference.push_back(mine(i));
        }
        for (const Engine& e : engines()) {
            Finder find = e.prepare(w);
            if (!find) {
                continue;
            }
            if (e.name != "memmem") {
                for (std::size_t i = 0; i < w.subjects.size(); ++i) {
                    int start = find(i);
                    if (start != reference[i]) {
                        std::fprintf(stderr, "DISAGREE %s/%s subject %zu: %d, uiPattern %d\n",
                                     w.name.c_str(), e.name.c_str(), i, start, reference[i]);
                        ++disagreements;
                        break;
                    }
                }
            }
            std::size_t count = w.subjects.size();
            benchmark::RegisterBenchmark((w.name + "/" + e.name).c_str(), [find, count](
                                                                              benchmark::State& s) {
                run(s, find, count);
            })->Unit(benchmark::kMillisecond);
        }
    }
    std::fprintf(stderr, "match starts: %s\n",
                 disagreements ? "ENGINES DISAGREE" : "all engines agree");
    register_compile_benchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return disagreements ? 1 : 0;
}
