// The literal search and its byte-pair filter agree with a plain search on
// random and adversarial subjects, with every implementation the processor
// runs. Subjects are allocated to their exact size, so that the sanitizers
// catch a read past the end.
#include "byte_pair_scan.h"
#include "search_accel.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace uiutil_internal;

namespace {

int naive(const std::vector<unsigned char>& s, int from, const std::string& lit,
          const unsigned char* tr) {
    const int n = static_cast<int>(lit.size());
    for (int at = from; at + n <= static_cast<int>(s.size()); ++at) {
        int i = 0;
        while (i < n && (tr ? tr[s[at + i]] : s[at + i]) == static_cast<unsigned char>(lit[i])) {
            ++i;
        }
        if (i == n) {
            return at;
        }
    }
    return -1;
}

int found(const std::vector<unsigned char>& s, int from, const std::string& lit,
          const unsigned char* tr) {
    return find_literal(reinterpret_cast<const char*>(s.data()), static_cast<int>(s.size()), from,
                        lit, tr);
}

// No table, ASCII lower-casing, bytes paired at random (two preimages that
// differ in more than one bit) and a many-to-one folding onto five bytes.
std::vector<std::vector<unsigned char>> tables() {
    std::vector<unsigned char> lower(256), paired(256), folded(256);
    std::mt19937 random(7);
    for (int c = 0; c < 256; ++c) {
        lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        paired[c] = static_cast<unsigned char>(c);
        folded[c] = static_cast<unsigned char>('a' + c % 5);
    }
    for (int c = 0; c < 256; c += 2) {
        paired[random() % 256] = static_cast<unsigned char>(c);
    }
    return {{}, lower, paired, folded};
}

// Random subjects over few bytes (so the rare bytes of a literal are common),
// literals cut from them or made up, searched from various points.
TEST(LiteralScan, AgreesWithPlainSearch) {
    std::mt19937 random(1);
    const std::string alphabet("aAbBz\0\xff\x80", 8);
    for (const std::vector<unsigned char>& table : tables()) {
        const unsigned char* tr = table.empty() ? nullptr : table.data();
        for (int round = 0; round < 3000; ++round) {
            const int size = static_cast<int>(random() % (round % 10 == 0 ? 2000 : 150));
            std::vector<unsigned char> s(size);
            const std::size_t spread = 2 + random() % (alphabet.size() - 1);
            for (unsigned char& c : s) {
                c = static_cast<unsigned char>(alphabet[random() % spread]);
            }
            const int n = 1 + static_cast<int>(random() % 20);
            std::string lit;
            const int cut = size > n ? static_cast<int>(random() % (size - n + 1)) : 0;
            for (int i = 0; i < n; ++i) {
                unsigned char c =
                    i + cut < size && round % 4 ? s[i + cut] : alphabet[random() % spread];
                lit += static_cast<char>(tr ? tr[c] : c);
            }
            for (int from : {0, 1, 31, 64, size / 2, cut, cut + 1, size - n, size}) {
                if (from >= 0) {
                    ASSERT_EQ(found(s, from, lit, tr), naive(s, from, lit, tr))
                        << "size " << size << " from " << from << " literal length " << n;
                }
            }
        }
    }
}

// A single occurrence at every start of subjects up to three blocks long,
// the last start included, in text of the literal's own rarest byte.
TEST(LiteralScan, FindsTheOnlyOccurrenceAtEveryStart) {
    for (const std::string lit : {"q", "qj", "jqqjq", "xzzzzzzzzzzzzzzzzzzz"}) {
        const int n = static_cast<int>(lit.size());
        for (int size = n; size <= 140; ++size) {
            for (int at = 0; at + n <= size; ++at) {
                std::vector<unsigned char> s(size, lit[0] == 'x' ? 'z' : 'q');
                std::copy(lit.begin(), lit.end(), s.begin() + at);
                ASSERT_EQ(found(s, 0, lit, nullptr), naive(s, 0, lit, nullptr));
                ASSERT_EQ(found(s, at, lit, nullptr), naive(s, at, lit, nullptr));
                ASSERT_EQ(found(s, at + 1, lit, nullptr), naive(s, at + 1, lit, nullptr));
            }
        }
    }
}

// Every implementation of the filter against the plain test, on every range
// of starts of short subjects (the tails of each vector width), and the
// prepared filter's scan of the same ranges.
TEST(LiteralScan, FilterImplementationsAgree) {
    ASSERT_GE(byte_pair_scan_levels(), 1);
    std::mt19937 random(3);
    for (int round = 0; round < 400; ++round) {
        const int size = 1 + static_cast<int>(random() % 100);
        std::vector<unsigned char> s(size);
        for (unsigned char& c : s) {
            c = static_cast<unsigned char>("aAbc\x01\x81\xfe"[random() % 7]);
        }
        const int r1 = static_cast<int>(random() % size);
        const int r2 = static_cast<int>(random() % size);
        const BytePairFilter f{r1,
                               r2,
                               {s[random() % size], s[random() % size]},
                               {s[random() % size], s[random() % size]}};
        const int last = size - 1 - std::max(r1, r2);
        PreparedPairFilter prepared;
        prepare_pair_filter(f, prepared);
        for (int from = 0; from <= last + 1; ++from) {
            int expected = -1;
            for (int p = last; p >= from; --p) {
                const unsigned char a = s[p + r1], b = s[p + r2];
                if ((a == f.x[0] || a == f.x[1]) && (b == f.y[0] || b == f.y[1])) {
                    expected = p;
                }
            }
            for (int level = 1; level <= byte_pair_scan_levels(); ++level) {
                ASSERT_EQ(byte_pair_scan_at(level, s.data(), from, last, f), expected)
                    << "level " << level << " size " << size << " from " << from;
            }
            ASSERT_EQ(prepared_pair_scan(s.data(), from, last, prepared), expected)
                << "prepared, size " << size << " from " << from;
        }
    }
}

} // namespace
