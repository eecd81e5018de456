// The shared string, the warning report and the text utilities.
#pragma once

#include <cstring>
#include <iosfwd>
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
    uiSaveString(const uiSaveString& other);
    virtual ~uiSaveString();

    // Shares other's buffer (or becomes null). Self-assignment does nothing.
    void operator=(const uiSaveString& other);

    // The text; null for the null string.
    operator const char*() const { return m_string; }
    // The buffer, writable. Only for a string that holds the sole reference
    // to a buffer it has just built: others sharing it would see the change.
    char* access_string() const { return m_string; }
    int length() const { return m_length; }
    // 1 for the null string and for empty text, else 0.
    int empty() const;
    // The character at i, or NUL for any i outside 0..length()-1.
    char operator[](int i) const;

    // 1 when both are the same pointer (both null included), 0 when one only
    // is null, otherwise 1 when the texts are equal byte for byte.
    int operator==(const char* s) const;
    int operator==(const uiSaveString& other) const;

    // This text followed by s, in a new buffer. A null or empty s gives a copy
    // sharing this buffer; a null or empty this gives a new copy of s.
    uiSaveString operator+(const char* s) const;
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
// "*** UI-Warning ***: " with the message, then the file and line.
UIUTIL_API void ui_report_warning(const char* file, int line, const char* message);

// The number of bytes before the first NUL of s (s not null).
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

// ---- Text editing ----------------------------------------------------------

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

// ---- Wide-character conversion ---------------------------------------------

// Narrow text (the thread's code page; on Linux the current locale) into the
// wide buffer `target` of `size` wide characters: exactly the answer of
// ub_LPCSTR_to_TCHAR (see <uiutil/support.h>) for the same arguments.
UIUTIL_API int ui_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size);

// Copies the wide text `source` (not null), NUL included, into `target` of
// `size` wide characters. A size of 0 asks for the size needed and writes
// nothing. Answers the size needed (length + 1), or 0 when it does not fit (a
// negative size included); then the target is left untouched.
UIUTIL_API int ui_LPCTSTR_to_WCHAR(const wchar_t* source, wchar_t* target, int size);
