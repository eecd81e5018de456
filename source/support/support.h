// Services of the sibling libraries the library builds on: text formatting,
// type identity and assertion reports, and the narrow-text wrappers around the
// platform's wide-character functions.
#pragma once

#include <uiutil/export.h>
#include <uiutil/platform.h>

// ---- String formatting ----------------------------------------------------

// Formats like printf and writes the text to the application's message
// output: standard error, unless the application installed a sink.
UIUTIL_API int apprintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Receives each formatted apprintf text (NUL-terminated, without any added
// line break). A null sink restores standard error.
typedef void (*apprintf_sink)(const char* text, void* context);
// Installs `sink`, which receives every later apprintf text with `context`;
// null restores standard error. Process-wide and unguarded.
UIUTIL_API void apprintf_set_sink(apprintf_sink sink, void* context);

// Joins `count` NUL-terminated strings, in argument order, into a new
// character array allocated with new[]. The caller owns it: release it with
// delete[] or hand it to uiSaveString's claiming constructor. A null argument
// counts as empty text; a count below 1 gives an empty string.
UIUTIL_API char* apconcat(int count, ...);

// ---- Type identity and assertion reports ----------------------------------

// How a type record's class makes its objects; the library's records all use
// utTypeMakerNone.
enum utTypeMaker { utTypeMakerNone = 0 };

// A run-time type record: one static record per class, compared by name.
class UIUTIL_API utTypeID {
public:
    // A record for the class `name` (copied; null counts as "").
    utTypeID(utTypeMaker maker, const char* name);
    virtual ~utTypeID();

    // The class name the record was built with.
    virtual const char* name() const;
    // The maker value the record was built with.
    virtual utTypeMaker maker() const;
    // Non-zero when both records denote the same type (the same name).
    virtual int is_same_type(const utTypeID& other) const;

    utTypeID(const utTypeID&) = delete;
    utTypeID& operator=(const utTypeID&) = delete;

private:
    utTypeMaker m_maker;
    char* m_name;
};

// Reports a failed assertion (file, line and message on standard error, or
// through the installed handler) and returns; the caller goes on.
UIUTIL_API void ut_report_assert_failure(const char* file, int line, const char* message);

// Receives assertion reports instead of standard error; null restores it.
typedef void (*ut_assert_handler)(const char* file, int line, const char* message, void* context);
// Installs `handler`, which receives every later report with `context`; null
// restores standard error. Process-wide and unguarded.
UIUTIL_API void ut_set_assert_handler(ut_assert_handler handler, void* context);

// ---- Narrow-text wrappers around wide platform services --------------------

// Loads a module as the platform's LoadLibraryExW does; the path is narrow
// text in the thread's code page. Null when loading fails, and at once for a
// path that names a pipe, a device, a socket or a folder (nothing is read
// from it or waited for).
UIUTIL_API HINSTANCE LoadLibraryExU(const char* path, HANDLE reserved, DWORD flags);

// Plays a sound as the platform's PlaySoundW does; null sound stops playing.
// Answers the platform's boolean (1 on success). A sound file that is a pipe,
// a device, a socket or a folder is refused at once (0), never waited on.
UIUTIL_API BOOL PlaySoundU(const char* sound, HMODULE module, DWORD flags);

// Reads the default value of `subkey` under `key` as the platform's
// RegQueryValueW does, as NUL-terminated narrow text into `value` whose size
// in bytes `*size` gives. Answers 0 (ERROR_SUCCESS) on success, with `*size`
// the bytes written (NUL included). With a null `value` it answers 0 and sets
// `*size` to the bytes needed; with a buffer too small (a size of 0 included)
// it answers ERROR_MORE_DATA and sets `*size` the same way. A value the
// thread's code page cannot spell exactly fails with
// ERROR_NO_UNICODE_TRANSLATION instead of being read as another text.
UIUTIL_API LONG RegQueryValueU(HKEY key, const char* subkey, char* value, LONG* size);

// Converts narrow text (thread code page) into the wide buffer `target` of
// `size` wide characters, with MultiByteToWideChar's conventions: a size of 0
// asks for the size needed (terminator included); otherwise answers the
// characters written (terminator included), or 0 when it does not fit or the
// text cannot be converted.
UIUTIL_API int ub_LPCSTR_to_TCHAR(const char* source, wchar_t* target, int size);
