// The shared string, the warning report and the text utilities.
#pragma once

#include <cstring>
#include <iosfwd>
#include <stdexcept>
#include <uiutil/export.h>
#include <uiutil/platform.h>
#include <uiutil/support.h>

// Selects the claiming constructor of uiSaveString.
enum uiClaim { uiClaimOwnership = 0 };

// A narrow NUL-terminated string whose buffer is shared between copies and
// counted. Copying costs a pointer copy and an increment; every operation that
// makes new text builds a new buffer, so text another string shares never
// changes.
//
// Two states hold no text and are kept apart: the null string (no buffer; the
// default) and the empty string (a buffer holding only the NUL).
//
// Not thread-safe: a string and all strings sharing its buffer belong to one
// thread at a time.
class UIUTIL_API uiSaveString {
public:
    // The null string.
    uiSaveString();
    // A copy of s; null s gives the null string, "" the empty string.
    uiSaveString(const char* s);
    // A copy of at most n characters of s. Null s or n == 0 gives the null
    // string; so does a negative n. An n beyond the end of s copies s up to
    // its NUL and the length is that of the copy.
    uiSaveString(const char* s, int n);
    // Takes over `buffer` (allocated with new[]); released with delete[] by
    // the last string sharing it. Null gives the null string.
    uiSaveString(uiClaim, char* buffer);
    // Shares other's buffer (or is null when other is).
    uiSaveString(const uiSaveString& other);
    virtual ~uiSaveString();

    // Shares other's buffer (or becomes null). Self-assignment does nothing.
    void operator=(const uiSaveString& other);

    // The text; null for the null string.
    operator const char*() const { return m_string; }
    // The buffer, writable. Only for a string that holds the sole reference
    // to a buffer it has just built: others sharing it would see the change.
    char* access_string() const { return m_string; }
    // The number of characters before the NUL; 0 for the null string.
    int length() const { return m_length; }
    // 1 for the null string and for empty text, else 0.
    int empty() const;
    // The character at i, or NUL for any i outside 0..length()-1.
    char operator[](int i) const;

    // 1 when both are the same pointer (both null included), 0 when one only
    // is null, otherwise 1 when the texts are equal byte for byte.
    int operator==(const char* s) const;
    // As operator==(const char*) with other's text.
    int operator==(const uiSaveString& other) const;

    // This text followed by s, in a new buffer. A null or empty s gives a copy
    // sharing this buffer; a null or empty this gives a new copy of s.
    uiSaveString operator+(const char* s) const;
    // As operator+(const char*) with other's text.
    uiSaveString operator+(const uiSaveString& other) const;
    // Appends s into a new buffer of this string's own; strings that shared
    // the old buffer keep the old text. Null or empty s changes nothing.
    void operator+=(const char* s);

private:
    void release();

    char* m_string;
    int* m_count;
    int m_length;
};

// Writes the text, unquoted. A null string writes nothing.
UIUTIL_API std::ostream& operator<<(std::ostream& os, const uiSaveString& s);

// Prints a warning through apprintf: an empty line, the banner
// "*** UI-Warning ***: " with the message, then the file and line. A null
// file or message prints as "(null)".
UIUTIL_API void ui_report_warning(const char* file, int line, const char* message);

// The number of bytes before the first NUL of s; a null s is reported
// through ut_report_assert_failure and gives 0.
UIUTIL_API int mca_strlen(const char* s);
// Returns d unchanged: a pointer difference passed as an int.
UIUTIL_API int mca_ptrdiff(int d);

// The standard strstr returning a writable pointer. Where the platform's
// <cstring> already declares this overload (glibc does), that one serves.
#if !defined(__CORRECT_ISO_CPP_STRING_H_PROTO)
UIUTIL_API char* strstr(char* haystack, const char* needle);
#endif

// Creates an array of two null strings on the heap and destroys it at once.
UIUTIL_API void uiSaveString_junk();

// ---- Code-page errors --------------------------------------------------------

// Thrown by the functions that convert text through the thread's code page
// (ui_escape_chars, ui_expand_NT_escape_chars) when the text cannot be
// converted. On Windows the code page is the thread's (CP_THREAD_ACP); on
// Linux the thread's current locale (LC_CTYPE) stands in for it. The
// operation then produces nothing and leaves the caller's buffer untouched.
// error_code() is the platform's error (GetLastError() on Windows, errno
// EILSEQ elsewhere).
class UIUTIL_API uiCodePageError : public std::runtime_error {
public:
    // An error with the message `what` and the platform's error code.
    uiCodePageError(const char* what, long error_code);
    ~uiCodePageError() override;
    // The platform's error code: GetLastError() on Windows, errno elsewhere.
    long error_code() const { return m_error_code; }

private:
    long m_error_code;
};

// ---- Escape sequences and line breaks --------------------------------------
//
// The functions with an `out` parameter allocate the result with new[] and
// store it there; the caller releases it with delete[]. A null source or out
// is reported through ut_report_assert_failure; the function then answers 0,
// stores a null pointer through a non-null out (and 0 through a non-null
// length) and allocates nothing.
//
// Code pages: ui_escape_chars and ui_expand_NT_escape_chars work on the
// characters of the text as the thread's code page decodes it, so a byte
// inside a multi-byte character is never taken for a backslash or a line
// break. On Linux, in a single-byte locale (the "C" locale included) every
// byte is one character and always converts; in a multi-byte locale an
// invalid sequence throws uiCodePageError.

// Writes tab, line feed and carriage return as the backslash sequences \t,
// \n and \r into a new buffer of 2*strlen(source)+1 bytes. A carriage
// return + line feed pair (either order) gives a single \n; backslashes are
// not doubled. Answers 1 when the output's length differs from the input's.
UIUTIL_API int ui_unescape_chars(const char* source, char** out);

// Reads the sequences \n, \r and \t back into control characters, in place;
// a backslash before any other character is dropped and that character kept
// (so \\ gives one backslash), and a trailing backslash is dropped. Answers
// `text` (null stays null). Throws uiCodePageError when the text does not
// convert, or when the rewritten text would not fit in the caller's buffer
// (possible only with a code page that does not re-encode text byte for
// byte); the buffer is then left untouched.
UIUTIL_API char* ui_escape_chars(char* text);

// Every carriage return, alone or followed by a line feed, becomes one line
// feed, in a new buffer of strlen(source)+1 bytes. Works on bytes. Answers 1
// when the source holds a carriage return.
UIUTIL_API int ui_substitute_NT_return_chars(const char* source, char** out);

// Every line break (carriage return, line feed, or a pair of them in either
// order, pairs formed left to right) becomes carriage return + line feed, in
// a new buffer sized exactly for the result; `length`, when not null,
// receives the result's byte length. Answers 1 when a lone carriage return or
// line feed was lengthened. Throws uiCodePageError when the text does not
// convert; nothing is stored then.
UIUTIL_API int ui_expand_NT_escape_chars(const char* source, char** out, int* length);

// ---- Text editing ----------------------------------------------------------

// Replaces, in a copy of `text`, each character found in `old_set` by the
// character at the same position of `new_set`; entries are tried in order and
// later ones see the new value, so replacements chain (old "ab", new "bc"
// turns a into c and counts 2). `count`, when not null, receives the number
// of matches. A character matching an entry of `old_set` that has no
// counterpart in a shorter `new_set` is counted and left as it is. A null set
// replaces nothing; a null text gives the null string.
// Answers a reference to one library-wide result that the next call
// replaces: copy what you keep. Not safe to call from two threads at once.
UIUTIL_API const uiSaveString& ui_replace_chars(const char* text, const char* old_set,
                                                const char* new_set, int* count);

// Replaces every occurrence of `substring` in *subject by `replacement`,
// left to right; occurrences never overlap and a replacement is never
// searched again. A null or empty replacement deletes the occurrences. The
// subject gets a new buffer (strings that shared the old one keep the old
// text); when nothing is left it becomes the null string. Answers 1 when
// something was replaced, else 0 and the subject is untouched.
// An empty substring replaces nothing. A null subject pointer, a null subject
// string or a null substring also replace nothing and answer 0.
UIUTIL_API int ui_replace_chars(uiSaveString* subject, const char* substring,
                                const char* replacement);

// Removes the characters first..end-1. Valid when the text is neither null
// nor empty and 0 <= first < end <= length(); otherwise the null string.
// Removing everything gives the empty string.
UIUTIL_API uiSaveString ui_remove_chars(const uiSaveString& text, int first, int end);

// Inserts `insertion` before index `position` (0..length(); length() appends)
// into a new string. A null insertion or a position out of range gives the
// null string; into a null or empty text only position 0 is valid.
UIUTIL_API uiSaveString ui_insert_chars(const uiSaveString& text, int position,
                                        const char* insertion);

// ---- Value parsing ---------------------------------------------------------

// 1 when `name` is not empty and holds only the ASCII letters, the digits and
// the underscore (it may begin with a digit); bytes 0x80-0xFF are not
// letters. 0 for null.
UIUTIL_API int ui_name_check(const char* name);

// 1 for a word starting with 1, T, S, or O followed by N (either case); 0 for
// anything else, null and the empty word included. Only the first one or two
// characters are read: "TRUE", "1abc" and "on" give 1, "YES" and "off" 0.
UIUTIL_API int ui_evalbool(const char* word);

// Shortens a decimal number with "." or "," as separator by cutting zeros at
// its end after the separator, keeping one zero right after it: "1.500"
// becomes "1.5", "1.000" "1.0", "1,000.50" "1,000.5". Text with no separator,
// with characters other than digits, separators and a leading minus sign
// ("1.5e10", "+1.50", " 1.50") is left as it is. Writes one NUL at most. A
// null text is left alone.
UIUTIL_API void ui_strip_trailing_zeros(char* number);

// HRESULT_FROM_WIN32(x): x when x, read as signed, is <= 0, else 0x80070000 |
// (x & 0xFFFF). On Windows the platform's own definition serves; elsewhere
// <uiutil/platform.h> declares the library's.

// ---- Wide-character conversion ---------------------------------------------

// Narrow text (the thread's code page; on Linux the current locale) into the
// wide buffer `target` of `size` wide characters: exactly the answer of
// ub_LPCSTR_to_TCHAR (see <uiutil/support.h>) for the same arguments.
UIUTIL_API int ui_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size);

// Copies the wide text `source`, NUL included, into `target` of `size` wide
// characters. A size of 0 asks for the size needed and writes nothing.
// Answers the size needed (length + 1), or 0 when it does not fit (a
// negative size included); then the target is left untouched. A null source,
// or a null target with a size above 0, is reported through
// ut_report_assert_failure and answers 0.
UIUTIL_API int ui_LPCTSTR_to_WCHAR(const wchar_t* source, wchar_t* target, int size);
