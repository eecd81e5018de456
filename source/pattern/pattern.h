// The pattern engine: a regular-expression compiler to a byte program, a
// backtracking matcher with ten registers, and a fastmap-driven search.
//
// Pattern syntax (only `$ * + ? . [ \ ^` can be special):
//   .  [...]  [^...]    any character but newline; a set; its complement
//   *  +  ?             repeat the last atom (0 or more, 1 or more, 0 or 1)
//   ^  $                line start (no atom before it in the branch); line
//                       end (last character, or followed by \) or \|)
//   \( \)  \|           group (numbered 1, 2, ... by their \(); alternation
//   \1 .. \9            back-reference to a closed group
//   \` \'               subject start, subject end
//   \< \> \b \B         word start, word end, word boundary, not a boundary
//   \w \W               a word character (letter or digit), a non-word one
//   \c                  any other c is that character as a literal
//
// Choices this engine makes where the format leaves room:
// - Register numbers outside 0..9: get_register answers the null string and
//   has_register 0.
// - A back-reference to a group that has no complete recording on the path
//   being matched (its start or end never noted in this call, or its start
//   noted after its end) fails; it never reads outside the subject.
// - A loop iteration that consumed nothing ends the loop: matching carries on
//   after the loop instead of repeating the same iteration forever.
// - A jump in the program reaches at most 32,767 bytes; a pattern whose loop
//   body or branch is longer is refused with uiPatternTooBig.
// - A loop jump becomes op_pop_jump (keeping no resume point per pass) only
//   when that cannot lose a match: the program ends after the loop, or the
//   continuation needs a character the body's first instruction refuses and
//   the body itself leaves no alternative behind; otherwise op_jump.
// - The fastmap builder's list of pending alternatives grows as needed; a
//   walk of more than a million steps gives up with empty_match 1 (every
//   position is tried).
// - m_reserved has no role; it is kept for layout.
//
// Searching: for a program without back-references an automaton finds, in
// time linear in the subject, whether and where the leftmost match begins,
// and the backtracking matcher then runs at that position only (see
// docs/pattern_engines.md). That one run remembers the states that failed
// once it backtracks heavily, so it too stays polynomial (linear in the
// subject for a given pattern). The backtracker alone serves programs with
// back-references and every match() under a work bound. With
// back-references the remembered states also hold what the repeated groups
// hold, which keeps \(a*\)*\1b polynomial (about n squared states) as long
// as they repeat at most four different groups and the states fit the memo's
// bound; otherwise, and under a work bound, like any backtracking engine it
// can take time exponential in the subject's length for patterns that nest
// repetitions of optional parts, such as \(\(a?\)*\)*b.
//
// Not thread-safe: a pattern rewrites its own program while matching, and the
// word-character table, the live-pattern count and the result string of
// get_register are shared without locks. Use from one thread at a time.
#pragma once

#include <uiutil/export.h>
#include <uiutil/strings.h>

// The outcome of compiling a pattern. error_string gives the texts.
enum uiPatternError {
    uiPatternNoError = 0,
    uiPatternNullOrEmpty = 1,
    uiPatternNoMemory = 2,
    uiPatternInvalid = 3,
    uiPatternUnmatchedOpen = 4,
    uiPatternUnmatchedClose = 5,
    uiPatternEndedTooSoon = 6,
    uiPatternTooDeep = 7,
    uiPatternTooBig = 8,
    uiPatternNoSyntaxTable = 9,
    uiPatternCannotCopy = 10
};

namespace uiutil_internal {
struct PatternAccel;
class PatternAutomaton;
struct WorkBudget;
} // namespace uiutil_internal

// A compiled pattern: the program of one pattern text, with the registers of
// its last match and the subject they refer to. Construct it, check error(),
// then match() subjects and read the registers. Not copyable.
class UIUTIL_API uiPattern {
public:
    // The compiled program and its fastmap.
    class UIUTIL_API PatternBuffer {
    public:
        PatternBuffer();
        ~PatternBuffer();

        char* code;         // the program: its first `length` bytes
        int capacity;       // bytes allocated for code
        int length;         // bytes of code in use
        char* fastmap;      // 256 entries: 1 when a match may begin with that byte
        char* translate;    // null, or 256 bytes each character is mapped through
        char fastmap_valid; // 1 when fastmap and empty_match describe the program
        char empty_match;   // 0, 1 (try every position) or 2 (also line ends)

    private:
        PatternBuffer(const PatternBuffer&);
        void operator=(const PatternBuffer&);
    };

    // Register 0 is the whole match, 1..9 the groups; -99 marks an unset one.
    class UIUTIL_API PatternRegisters {
    public:
        // Where each register begins (a character offset into the subject), -99 when
        // unset.
        int start[10];
        // Where each register ends (the offset after its last character), -99 when
        // unset.
        int end[10];
    };

    // Compiles `pattern`; the outcome is available from error().
    uiPattern(const uiSaveString& pattern);
    // Compiles `pattern` with a 256-byte translation table (copied; null for
    // none). Pattern and subject characters are compared after translation,
    // so a table mapping upper to lower case makes matching caseless.
    uiPattern(const uiSaveString& pattern, const unsigned char* translate);
    ~uiPattern();

    // 1 when the pattern matches somewhere in subject (leftmost match first),
    // else 0. Keeps the subject for get_register.
    int match(const uiSaveString& subject);
    // The text of register n of the last successful match; the null string
    // when the register is unset or empty, or n is outside 0..9. The result is
    // one library-wide string, replaced by the next call: copy it to keep it.
    const uiSaveString& get_register(int n) const;
    // 1 when register n (0..9) holds a start and an end, else 0.
    int has_register(int n) const;

    // The compile result of the constructor.
    uiPatternError error() const { return m_error; }
    // error_string of error().
    const char* error_text() const { return error_string(m_error); }
    // The pattern text as given.
    const uiSaveString& pattern() const { return m_pattern; }
    // The compiled program and fastmap, read-only.
    const PatternBuffer& buffer() const { return m_buffer; }
    // The registers of the last match.
    const PatternRegisters& registers() const { return m_registers; }
    // Bounds the work of each later match(): the backtracking matcher may go
    // back to a resume point at most `steps` times in one match() (all the
    // starting positions it tries together). A step is one such return to a
    // resume point. The time a match takes grows with that count, and a
    // pattern with nested repetitions can need exponentially many against a
    // subject it does not match, so the bound keeps such a match short.
    // While a bound is set, match() runs the backtracking search alone, so
    // every step is counted; without one, the linear-time engines answer for
    // programs without back-references, and for those with back-references
    // that leave the matcher nothing to choose, and nothing is counted.
    // 0 or a negative value,
    // the default, means no bound: results are then exactly the specified
    // ones. A match() that reaches the bound gives up: it answers 0, as for no
    // match (registers unset, subject not kept), and work_exhausted() answers
    // 1 until the next match().
    void set_work_limit(long long steps);
    // The bound in force; 0 when there is none.
    long long work_limit() const { return m_work_limit; }
    // 1 when the last match() gave up at the work bound, else 0.
    int work_exhausted() const { return m_work_exhausted; }

    // Installs a 256-byte translation table (copied; null removes it) and
    // compiles the pattern again under it, so that the pattern's own
    // characters are translated as well. Returns the new compile result.
    uiPatternError set_translate(const unsigned char* table);

protected:
    // Compiles the `size` characters at `pattern` (not NUL-terminated) into
    // `buffer`, whose program is replaced only on success. Answers the outcome.
    static uiPatternError compile(const char* pattern, int size, PatternBuffer* buffer);
    // The message of an outcome: "" for uiPatternNoError, "This should have
    // asserted" for a value outside the enumeration. Static texts; do not free.
    static const char* error_string(uiPatternError error);
    // Writes the three-byte jump `opcode` at `at`, its displacement reaching
    // `target`.
    static void store_jump(char* at, char opcode, char* target);
    // Moves the bytes from `at` to `end` three bytes up and writes the jump
    // `opcode` to `target` (a position after the move) in the room made. Three
    // bytes beyond `end` must be allocated.
    static void insert_jump(char opcode, char* at, char* target, char* end);
    // Builds the word-character table from the current locale's isalnum.
    static void initsyntaxtable();

    // Runs the program of `buffer` at position `pos` of the subject string1 +
    // string2, consuming nothing at or beyond `mstop`. Answers the match's length,
    // or -1 when it does not match there; on success writes `registers` (when not
    // null).
    static int re_match_2(PatternBuffer* buffer, char* string1, int size1, char* string2, int size2,
                          int pos, PatternRegisters* registers, int mstop);
    // 1 when the first `len` characters of s1 and s2 differ after translation
    // through `translate`, else 0.
    static int bcmp_translate(char* s1, char* s2, int len, unsigned char* translate);

    // The leftmost position (0 to size) at which the program matches the `size`
    // characters at `text`, or -1; the object's registers describe the match.
    // Builds the fastmap on first use.
    int search(const char* text, int size);
    // Builds the fastmap and empty_match of `buffer` and marks them valid.
    static void compile_fastmap(PatternBuffer* buffer);

    // The word-character table, shared by all live patterns.
    static char* syntaxtable;

    // The outcome of compiling m_pattern.
    uiPatternError m_error;
    // The pattern text as given.
    uiSaveString m_pattern;
    // The subject of the last successful match; the null string otherwise.
    uiSaveString m_subject;
    // Set to 100; read by nothing, kept for the layout.
    int m_reserved;
    // The compiled program and its fastmap.
    PatternBuffer m_buffer;
    // The registers of the last match.
    PatternRegisters m_registers;

private:
    uiPattern(const uiPattern&);
    void operator=(const uiPattern&);
    void construct(const unsigned char* translate);
    // search() under the work bound `budget` (null: none).
    int search_within(const char* text, int size, uiutil_internal::WorkBudget* budget);

    // Private search acceleration derived from the program (never changes an
    // observable result); built beside the fastmap.
    uiutil_internal::PatternAccel* m_accel;
    // The linear-time engines for programs without back-references (and the
    // greedy walk, which may have them), built on the first search without a
    // work bound.
    uiutil_internal::PatternAutomaton* m_automaton;
    // The bound of set_work_limit (0: none) and whether the last match
    // reached it.
    long long m_work_limit;
    int m_work_exhausted;
};
