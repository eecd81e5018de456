// The byte-pair filter of the literal search. On x86-64 it tests 32 starts
// per AVX2 instruction when the processor has AVX2 (asked once), otherwise 16
// per SSE2 instruction (always there on x86-64), and turns the compare
// results into a bit mask whose lowest set bit is the first candidate.
// Elsewhere (i686 included, where SSE2 is not given) a plain loop that the
// compiler may vectorise filters 32 starts at a time.
#include "byte_pair_scan.h"

#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define UIUTIL_PAIR_SCAN_X86 1
#include <immintrin.h>
#else
#define UIUTIL_PAIR_SCAN_X86 0
#endif

namespace uiutil_internal {

namespace {

bool in_pair(const unsigned char pair[2], unsigned char c) {
    return c == pair[0] || c == pair[1];
}

int scan_scalar(const unsigned char* s, int from, int last, const BytePairFilter& f) {
    for (int p = from; p <= last; ++p) {
        if (in_pair(f.x, s[p + f.r1]) && in_pair(f.y, s[p + f.r2])) {
            return p;
        }
    }
    return -1;
}

#if UIUTIL_PAIR_SCAN_X86

// How a vector tests membership in a pair: one compare when both bytes are
// the same, an OR with the one bit telling them apart and one compare when
// there is such a bit (the two cases of an ASCII letter), else two compares.
enum Kind { one_byte, one_bit, two_bytes };

// The two operands of the membership test of `pair` under `kind`.
void operands(Kind kind, const unsigned char pair[2], unsigned char out[2]) {
    if (kind == one_bit) {
        out[0] = static_cast<unsigned char>(pair[0] | pair[1]);
        out[1] = static_cast<unsigned char>(pair[0] ^ pair[1]);
    } else {
        out[0] = pair[0];
        out[1] = pair[1];
    }
}

Kind kind_of(const BytePairFilter& f) {
    auto one_bit_apart = [](const unsigned char pair[2]) {
        const unsigned d = pair[0] ^ pair[1];
        return (d & (d - 1)) == 0;
    };
    if (f.x[0] == f.x[1] && f.y[0] == f.y[1]) {
        return one_byte;
    }
    return one_bit_apart(f.x) && one_bit_apart(f.y) ? one_bit : two_bytes;
}

template <Kind K> inline __m128i member16(__m128i v, __m128i p0, __m128i p1) {
    if constexpr (K == one_byte) {
        (void)p1;
        return _mm_cmpeq_epi8(v, p0);
    } else if constexpr (K == one_bit) {
        return _mm_cmpeq_epi8(_mm_or_si128(v, p1), p0);
    } else {
        return _mm_or_si128(_mm_cmpeq_epi8(v, p0), _mm_cmpeq_epi8(v, p1));
    }
}

template <Kind K>
inline unsigned mask16(const unsigned char* a, const unsigned char* b, int p, __m128i x0,
                       __m128i x1, __m128i y0, __m128i y1) {
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + p));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + p));
    const __m128i hits = _mm_and_si128(member16<K>(va, x0, x1), member16<K>(vb, y0, y1));
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}

// Fewer than 16 starts: two loads of 8 (or of 4) bytes, one from the first
// start and one ending at the last, fill one vector, so that a short range
// still costs one test of it. Lane j < half stands for start p + j, lane
// j >= half for start last - 2 * half + 1 + j; where the two overlap, both
// lanes hold the same test, so the lowest set bit is the first candidate.
template <Kind K>
inline int scan_short_sse2(const unsigned char* s, int p, int last, const BytePairFilter& f,
                           __m128i x0, __m128i x1, __m128i y0, __m128i y1) {
    const unsigned char* a = s + f.r1;
    const unsigned char* b = s + f.r2;
    const int n = last - p + 1;
    auto halves8 = [&](const unsigned char* base) {
        return _mm_unpacklo_epi64(
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(base + p)),
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(base + last - 7)));
    };
    auto halves4 = [&](const unsigned char* base) {
        int lo;
        int hi;
        std::memcpy(&lo, base + p, 4);
        std::memcpy(&hi, base + last - 3, 4);
        return _mm_unpacklo_epi32(_mm_cvtsi32_si128(lo), _mm_cvtsi32_si128(hi));
    };
    int half;
    unsigned m;
    if (n >= 8) {
        half = 8;
        m = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(member16<K>(halves8(a), x0, x1), member16<K>(halves8(b), y0, y1))));
    } else if (n >= 4) {
        half = 4;
        m = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(member16<K>(halves4(a), x0, x1), member16<K>(halves4(b), y0, y1)))) &
            0xffu;
    } else {
        return scan_scalar(s, p, last, f);
    }
    if (m == 0) {
        return -1;
    }
    const int j = __builtin_ctz(m);
    return j < half ? p + j : last - 2 * half + 1 + j;
}

template <Kind K>
int scan_sse2(const unsigned char* s, int from, int last, const BytePairFilter& f) {
    unsigned char px[2];
    unsigned char py[2];
    operands(K, f.x, px);
    operands(K, f.y, py);
    const __m128i x0 = _mm_set1_epi8(static_cast<char>(px[0]));
    const __m128i x1 = _mm_set1_epi8(static_cast<char>(px[1]));
    const __m128i y0 = _mm_set1_epi8(static_cast<char>(py[0]));
    const __m128i y1 = _mm_set1_epi8(static_cast<char>(py[1]));
    const unsigned char* a = s + f.r1;
    const unsigned char* b = s + f.r2;
    int p = from;
    for (; last - p >= 31; p += 32) {
        const unsigned m =
            mask16<K>(a, b, p, x0, x1, y0, y1) | mask16<K>(a, b, p + 16, x0, x1, y0, y1) << 16;
        if (m) {
            return p + __builtin_ctz(m);
        }
    }
    for (; last - p >= 15; p += 16) {
        const unsigned m = mask16<K>(a, b, p, x0, x1, y0, y1);
        if (m) {
            return p + __builtin_ctz(m);
        }
    }
    if (p > last) {
        return -1;
    }
    if (last - from < 15) {
        return scan_short_sse2<K>(s, p, last, f, x0, x1, y0, y1);
    }
    const int q = last - 15;
    const unsigned m = mask16<K>(a, b, q, x0, x1, y0, y1) >> (p - q);
    return m ? p + __builtin_ctz(m) : -1;
}

// The vector helpers are always inlined into their kernels, so that no
// vector value goes through the stack (MinGW does not align it for AVX).
#define UIUTIL_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

template <Kind K> UIUTIL_AVX2_INLINE __m256i member32(__m256i v, __m256i p0, __m256i p1) {
    if constexpr (K == one_byte) {
        (void)p1;
        return _mm256_cmpeq_epi8(v, p0);
    } else if constexpr (K == one_bit) {
        return _mm256_cmpeq_epi8(_mm256_or_si256(v, p1), p0);
    } else {
        return _mm256_or_si256(_mm256_cmpeq_epi8(v, p0), _mm256_cmpeq_epi8(v, p1));
    }
}

// Bit j set when start p + j passes, for the 32 starts from p.
template <Kind K>
UIUTIL_AVX2_INLINE unsigned mask32(const unsigned char* a, const unsigned char* b, int p,
                                   __m256i x0, __m256i x1, __m256i y0, __m256i y1) {
    const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + p));
    const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + p));
    const __m256i hits = _mm256_and_si256(member32<K>(va, x0, x1), member32<K>(vb, y0, y1));
    return static_cast<unsigned>(_mm256_movemask_epi8(hits));
}

template <Kind K>
__attribute__((target("avx2"))) int scan_avx2(const unsigned char* s, int from, int last,
                                              const BytePairFilter& f) {
    if (last - from < 31) {
        return scan_sse2<K>(s, from, last, f); // (fewer starts than one vector holds)
    }
    unsigned char px[2];
    unsigned char py[2];
    operands(K, f.x, px);
    operands(K, f.y, py);
    const __m256i x0 = _mm256_set1_epi8(static_cast<char>(px[0]));
    const __m256i x1 = _mm256_set1_epi8(static_cast<char>(px[1]));
    const __m256i y0 = _mm256_set1_epi8(static_cast<char>(py[0]));
    const __m256i y1 = _mm256_set1_epi8(static_cast<char>(py[1]));
    const unsigned char* a = s + f.r1;
    const unsigned char* b = s + f.r2;
    int p = from;
    // 64 starts per round, one branch for both halves.
    for (; last - p >= 63; p += 64) {
        const unsigned lo = mask32<K>(a, b, p, x0, x1, y0, y1);
        const unsigned hi = mask32<K>(a, b, p + 32, x0, x1, y0, y1);
        if (lo | hi) {
            return lo ? p + __builtin_ctz(lo) : p + 32 + __builtin_ctz(hi);
        }
    }
    for (; last - p >= 31; p += 32) {
        const unsigned m = mask32<K>(a, b, p, x0, x1, y0, y1);
        if (m) {
            return p + __builtin_ctz(m);
        }
    }
    if (p > last) {
        return -1;
    }
    // The last 32 starts, overlapping starts already ruled out: drop those.
    const int q = last - 31;
    const unsigned m = mask32<K>(a, b, q, x0, x1, y0, y1) >> (p - q);
    return m ? p + __builtin_ctz(m) : -1;
}

bool has_avx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

#endif

int scan_portable(const unsigned char* s, int from, int last, const BytePairFilter& f) {
    const int block = 32;
    const unsigned char* a = s + f.r1;
    const unsigned char* b = s + f.r2;
    int p = from;
    for (; last - p >= block - 1; p += block) {
        unsigned char any = 0;
        for (int j = p; j < p + block; ++j) {
            any |= static_cast<unsigned char>(((a[j] == f.x[0]) | (a[j] == f.x[1])) &
                                              ((b[j] == f.y[0]) | (b[j] == f.y[1])));
        }
        if (any) {
            break;
        }
    }
    return scan_scalar(s, p, last, f);
}

// The implementation numbered `level` (see byte_pair_scan_levels) for a filter,
// and the one byte_pair_scan runs.
BytePairScan byte_pair_scanner_at(int level, const BytePairFilter& filter) {
#if UIUTIL_PAIR_SCAN_X86
    const bool avx2 = level >= 3;
    if (level >= 2) {
        switch (kind_of(filter)) {
        case one_byte:
            return avx2 ? scan_avx2<one_byte> : scan_sse2<one_byte>;
        case one_bit:
            return avx2 ? scan_avx2<one_bit> : scan_sse2<one_bit>;
        default:
            return avx2 ? scan_avx2<two_bytes> : scan_sse2<two_bytes>;
        }
    }
#else
    (void)level;
    (void)filter;
#endif
    return scan_portable;
}

BytePairScan byte_pair_scanner(const BytePairFilter& filter) {
    static const int best = byte_pair_scan_levels();
    return byte_pair_scanner_at(best, filter);
}

} // namespace

int byte_pair_scan_levels() {
#if UIUTIL_PAIR_SCAN_X86
    static const int levels = has_avx2() ? 3 : 2;
    return levels;
#else
    return 1;
#endif
}

void prepare_pair_filter(const BytePairFilter& filter, PreparedPairFilter& prepared) {
    prepared.filter = filter;
    prepared.scan = byte_pair_scanner(filter);
    const unsigned char bytes[4] = {filter.x[0], filter.x[1], filter.y[0], filter.y[1]};
    for (int i = 0; i < 4; ++i) {
        std::memset(prepared.lanes[i], bytes[i], 16);
    }
}

int prepared_pair_scan(const unsigned char* s, int from, int last,
                       const PreparedPairFilter& prepared) {
    if (last - from >= 31) {
        return prepared.scan(s, from, last, prepared.filter);
    }
#if UIUTIL_PAIR_SCAN_X86
    if (from > last) {
        return -1;
    }
    auto lanes = [&](int i) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(prepared.lanes[i]));
    };
    const __m128i x0 = lanes(0), x1 = lanes(1), y0 = lanes(2), y1 = lanes(3);
    const BytePairFilter& f = prepared.filter;
    if (last - from < 15) {
        return scan_short_sse2<two_bytes>(s, from, last, f, x0, x1, y0, y1);
    }
    // 16 to 31 starts: the first 16, then the last 16, which overlap starts
    // already ruled out.
    const unsigned char* a = s + f.r1;
    const unsigned char* b = s + f.r2;
    unsigned m = mask16<two_bytes>(a, b, from, x0, x1, y0, y1);
    if (m) {
        return from + __builtin_ctz(m);
    }
    const int q = last - 15;
    m = mask16<two_bytes>(a, b, q, x0, x1, y0, y1);
    return m ? q + __builtin_ctz(m) : -1;
#else
    return scan_scalar(s, from, last, prepared.filter);
#endif
}

int byte_pair_scan_at(int level, const unsigned char* s, int from, int last,
                      const BytePairFilter& filter) {
    return byte_pair_scanner_at(level, filter)(s, from, last, filter);
}

int byte_pair_scan(const unsigned char* s, int from, int last, const BytePairFilter& filter) {
    return byte_pair_scanner(filter)(s, from, last, filter);
}

} // namespace uiutil_internal
