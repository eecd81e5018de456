// The pattern engine side by side with POSIX regexec (extended syntax),
// std::regex, RE2 and PCRE2 (interpreter and JIT), plus memchr/memmem as the
// physical limit for literal searches. Every engine looks for the first match
// in each subject; before timing, all engines must agree on where it starts.
// A peer that cannot run a workload safely is skipped, and so is one that
// gives up on it (an error such as a match limit); both are reported.
#define PCRE2_CODE_UNIT_WIDTH 8

#include "peak_memory.h"
#include "workloads.h"

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

using bench::Workload;

// What a Finder answers when the engine gave up on the subject.
const int gave_up = -2;

// Finds the first match's start in subject i, -1 for none, gave_up.
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
    auto pattern = std::make_shared<uiPattern>(uiSaveString(w.ours.c_str()), w.translate);
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
    int flags = REG_EXTENDED | (w.multiline ? REG_NEWLINE : 0) | (w.translate ? REG_ICASE : 0);
    if (regcomp(compiled.get(), w.ere.c_str(), flags)) {
        return nullptr;
    }
    const std::vector<std::string>* subjects = &w.subjects;
    return [compiled, subjects](std::size_t i) {
        regmatch_t m[1];
        int rc = regexec(compiled.get(), (*subjects)[i].c_str(), 1, m, 0);
        return rc == 0 ? static_cast<int>(m[0].rm_so) : rc == REG_NOMATCH ? -1 : gave_up;
    };
}

Finder std_regex(const Workload& w) {
    auto flags = std::regex::ECMAScript;
    if (w.multiline) {
        flags |= std::regex::multiline;
    }
    if (w.translate) {
        flags |= std::regex::icase;
    }
    auto re = std::make_shared<std::regex>(w.perl, flags);
    const std::vector<std::string>* subjects = &w.subjects;
    return [re, subjects](std::size_t i) {
        std::smatch m;
        const std::string& s = (*subjects)[i];
        try {
            return std::regex_search(s, m, *re) ? static_cast<int>(m.position(0)) : -1;
        } catch (const std::regex_error&) {
            return gave_up; // error_complexity or error_stack
        }
    };
}

Finder re2(const Workload& w) {
    if (!w.re2_supported) {
        return nullptr;
    }
    RE2::Options options(RE2::Quiet);
    options.set_case_sensitive(!w.translate);
    auto re = std::make_shared<RE2>((w.multiline ? "(?m)" : "") + w.perl, options);
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
    uint32_t options = (w.multiline ? PCRE2_MULTILINE : 0) | (w.translate ? PCRE2_CASELESS : 0);
    pcre2_code* raw = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(w.perl.c_str()),
                                    PCRE2_ZERO_TERMINATED, options, &error, &offset, nullptr);
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
        return rc > 0 ? static_cast<int>(pcre2_get_ovector_pointer(data.get())[0])
               : rc == PCRE2_ERROR_NOMATCH ? -1
                                           : gave_up;
    };
}

// `text` with every byte mapped through `table`.
std::string translated(std::string text, const unsigned char* table) {
    for (char& c : text) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return text;
}

// memchr/memmem for the workload's literal; under a translation table, over
// translated copies of the subjects made before timing (the copying is not timed).
Finder raw_search(const Workload& w) {
    if (w.literal.empty()) {
        return nullptr;
    }
    std::string literal = w.literal;
    std::shared_ptr<std::vector<std::string>> copies;
    const std::vector<std::string>* subjects = &w.subjects;
    if (w.translate) {
        literal = translated(literal, w.translate);
        copies = std::make_shared<std::vector<std::string>>();
        for (const std::string& s : w.subjects) {
            copies->push_back(translated(s, w.translate));
        }
        subjects = copies.get();
    }
    return [literal, copies, subjects](std::size_t i) {
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

// The reason `engine` is skipped on `w`, null when it runs.
const std::string* skip_reason(const Workload& w, const std::string& engine) {
    for (const bench::Skip& skip : w.skips) {
        if (skip.engine == engine) {
            return &skip.reason;
        }
    }
    return nullptr;
}

// Checks one engine's match starts against this engine's and registers its
// timing. Answers 1 when it disagrees (it is still timed), else 0; an engine
// that gives up is reported and not timed.
int check_and_register(const Workload& w, const Engine& e, const Finder& find,
                       const std::vector<int>& reference) {
    int disagrees = 0;
    if (e.name != "memmem") {
        for (std::size_t i = 0; i < w.subjects.size(); ++i) {
            int start = find(i);
            if (start == gave_up) {
                std::fprintf(stderr, "SKIPPED %s/%s: the engine gave up on subject %zu\n",
                             w.name.c_str(), e.name.c_str(), i);
                return 0;
            }
            if (start != reference[i]) {
                std::fprintf(stderr, "DISAGREE %s/%s subject %zu: %d, uiPattern %d\n",
                             w.name.c_str(), e.name.c_str(), i, start, reference[i]);
                disagrees = 1;
                break;
            }
        }
    }
    std::size_t count = w.subjects.size();
    bool peak = w.measure_peak && e.name == "uiPattern";
    const Workload* workload = &w;
    benchmark::RegisterBenchmark((w.name + "/" + e.name).c_str(), [find, count, peak,
                                                                   workload](benchmark::State& s) {
        run(s, find, count);
        if (peak) {
            // Untimed: what one match of a pattern that never matched before
            // adds to the peak resident size (program, automaton, stacks).
            Finder fresh = ours(*workload);
            s.counters["peak_KiB"] = static_cast<double>(bench::peak_growth_kib([&] {
                for (std::size_t i = 0; i < count; ++i) {
                    benchmark::DoNotOptimize(fresh(i));
                }
            }));
        }
    })->Unit(benchmark::kMillisecond);
    return disagrees;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    static std::vector<Workload> all = bench::workloads();
    int disagreements = 0;
    for (const Workload& w : all) {
        std::vector<int> reference;
        Finder mine = ours(w);
        for (std::size_t i = 0; i < w.subjects.size(); ++i) {
            reference.push_back(mine(i));
        }
        for (const Engine& e : engines()) {
            if (const std::string* reason = skip_reason(w, e.name)) {
                std::fprintf(stderr, "SKIPPED %s/%s: %s\n", w.name.c_str(), e.name.c_str(),
                             reason->c_str());
                continue;
            }
            Finder find = e.prepare(w);
            if (find) {
                disagreements += check_and_register(w, e, find, reference);
            }
        }
    }
    std::fprintf(stderr, "match starts: %s\n",
                 disagreements ? "ENGINES DISAGREE" : "all engines agree");
    register_compile_benchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return disagreements ? 1 : 0;
}
