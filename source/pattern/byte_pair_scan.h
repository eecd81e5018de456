// The block filter of the literal search: finds the next start at which two
// chosen bytes of the literal can be where they belong. The caller compares
// the whole literal there.
#pragma once

namespace uiutil_internal {

struct BytePairFilter {
    int r1;             // offset of the first byte from a start
    int r2;             // offset of the second byte
    unsigned char x[2]; // the first byte is x[0] or x[1] (equal for one byte)
    unsigned char y[2]; // the second byte is y[0] or y[1]
};

// The first start p in [from, last] with s[p + r1] in x and s[p + r2] in y,
// or -1. Reads s only at [from + min(r1, r2), last + max(r1, r2)].
int byte_pair_scan(const unsigned char* s, int from, int last, const BytePairFilter& filter);

// One implementation of byte_pair_scan.
using BytePairScan = int (*)(const unsigned char* s, int from, int last,
                             const BytePairFilter& filter);

// A filter made ready for many scans of short ranges (a pattern's search
// over line after line): what each scan would set up is made once.
struct PreparedPairFilter {
    BytePairFilter filter;
    BytePairScan scan; // the one byte_pair_scan runs, for ranges of 32 starts or more
    // Each byte of x[0], x[1], y[0] and y[1] sixteen times, for the vectors.
    unsigned char lanes[4][16];
};
void prepare_pair_filter(const BytePairFilter& filter, PreparedPairFilter& prepared);
// byte_pair_scan with a prepared filter.
int prepared_pair_scan(const unsigned char* s, int from, int last,
                       const PreparedPairFilter& prepared);

// The implementations this build and processor can run, numbered from 1: the
// portable loop, then SSE2 and AVX2 on x86-64; byte_pair_scan uses the
// highest. byte_pair_scan_at runs the one numbered `level`, so that tests can
// compare them all.
int byte_pair_scan_levels();
int byte_pair_scan_at(int level, const unsigned char* s, int from, int last,
                      const BytePairFilter& filter);

} // namespace uiutil_internal
