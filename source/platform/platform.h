// The Windows types, constants and records the library's interface uses.
//
// On Windows they come from <windows.h>. Elsewhere this header defines them
// with the Windows sizes and signedness, so that values and records mean the
// same on both platforms (HRESULT and LONG are 32-bit signed, WORD 16-bit,
// handles pointer-sized).
#pragma once

#if defined(_WIN32)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#else // !_WIN32

#include <cstdint>

typedef std::uint8_t BYTE;      // An 8-bit unsigned integer.
typedef std::uint16_t WORD;     // A 16-bit unsigned integer.
typedef std::uint32_t DWORD;    // A 32-bit unsigned integer.
typedef std::int32_t LONG;      // A 32-bit signed integer (also on 64-bit Linux).
typedef std::uint32_t ULONG;    // A 32-bit unsigned integer.
typedef std::uint32_t UINT;     // A 32-bit unsigned integer.
typedef std::int32_t BOOL;      // A 32-bit truth value: 0 is false, anything else true.
typedef std::int32_t HRESULT;   // A 32-bit result code; negative values are failures.
typedef wchar_t WCHAR;          // A wide character (32 bits on Linux).
typedef wchar_t TCHAR;          // A wide character: the library builds as a Unicode program.
typedef char* LPSTR;            // Narrow text, writable.
typedef const char* LPCSTR;     // Narrow text, read-only.
typedef wchar_t* LPWSTR;        // Wide text, writable.
typedef const wchar_t* LPCWSTR; // Wide text, read-only.
typedef const wchar_t* LPCTSTR; // Wide text, read-only.
typedef void* HANDLE;           // A handle of no particular kind.

// Distinct handle types, as with the Windows headers' STRICT mode.
#define UIUTIL_DECLARE_HANDLE(name)                                                                \
    struct name##__ {                                                                              \
        int unused;                                                                                \
    };                                                                                             \
    typedef struct name##__* name
UIUTIL_DECLARE_HANDLE(HINSTANCE); // A loaded module (a resource library on Linux).
UIUTIL_DECLARE_HANDLE(HACCEL);    // An accelerator table.
UIUTIL_DECLARE_HANDLE(HWND);      // A window (never dereferenced by the library).
UIUTIL_DECLARE_HANDLE(HKEY);      // An open registry key; only HKEY_CURRENT_USER on Linux.
#undef UIUTIL_DECLARE_HANDLE
typedef HINSTANCE HMODULE;        // A loaded module; the same type as HINSTANCE.

#ifndef TRUE
#define TRUE 1 // The BOOL value for true.
#endif
#ifndef FALSE
#define FALSE 0 // The BOOL value for false.
#endif

#define MAX_PATH 260 // The size, in characters, of a path buffer.

// The predefined registry root the library reads.
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))

// HRESULT values and tests.
#define S_OK (static_cast<HRESULT>(0L))                   // Success.
#define S_FALSE (static_cast<HRESULT>(1L))                // Success, with a negative answer.
#define E_FAIL (static_cast<HRESULT>(0x80004005L))        // Unspecified failure.
#define E_POINTER (static_cast<HRESULT>(0x80004003L))     // A required pointer was null.
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))  // An argument was not valid.
#define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL)) // Memory ran out.
#define E_NOINTERFACE (static_cast<HRESULT>(0x80004002L)) // The interface is not available.
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)         // True when hr is a failure code.
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)     // True when hr is a success code.

// Win32 error codes the library uses.
#define ERROR_SUCCESS 0L                                  // Success.
#define ERROR_FILE_NOT_FOUND 2L                           // The file was not found.
#define ERROR_PATH_NOT_FOUND 3L                           // A folder of the path was not found.
#define ERROR_ACCESS_DENIED 5L                            // Access was denied.
#define ERROR_INVALID_HANDLE 6L                           // The handle is not valid.
#define ERROR_NOT_ENOUGH_MEMORY 8L                        // Memory ran out.
#define ERROR_INVALID_PARAMETER 87L                       // An argument was not valid.
#define ERROR_INSUFFICIENT_BUFFER 122L                    // The answer does not fit the buffer.
#define ERROR_MORE_DATA 234L                              // The value does not fit the buffer.
#define ERROR_FILENAME_EXCED_RANGE 206L                   // The file name is too long.
#define ERROR_FILE_TOO_LARGE 223L                         // The file is too large.
#define ERROR_NO_UNICODE_TRANSLATION 1113L // The text has a character the code page lacks.

// The HRESULT of a Win32 error code (facility FACILITY_WIN32).
#define HRESULT_FROM_WIN32(x)                                                                      \
    (static_cast<HRESULT>(x) <= 0                                                                  \
         ? static_cast<HRESULT>(x)                                                                 \
         : static_cast<HRESULT>((static_cast<DWORD>(x) & 0x0000FFFFu) | 0x80070000u))

// One record of an accelerator table: a key event and the command it sends.
// Its flag bits follow.
typedef struct tagACCEL {
    BYTE fVirt;    // FVIRTKEY and the modifier bits FSHIFT, FCONTROL, FALT
    WORD key;      // a virtual-key code, or a character code without FVIRTKEY
    WORD cmd;      // the command number the key event sends
} ACCEL, *LPACCEL; // LPACCEL: a pointer to records.

#define FVIRTKEY 0x01                       // key is a virtual-key code (else a character code).
#define FNOINVERT 0x02                      // Do not highlight a menu (ignored by the lookup).
#define FSHIFT 0x04                         // The Shift key is held down.
#define FCONTROL 0x08                       // The Ctrl key is held down.
#define FALT 0x10                           // The Alt key is held down.

// LoadLibraryEx flags.
#define LOAD_LIBRARY_AS_DATAFILE 0x00000002 // Map the file as data; run none of its code.

// PlaySound flags.
#define SND_SYNC 0x0000                     // Play, and return when the sound has ended.
#define SND_ASYNC 0x0001                    // Play, and return at once.
#define SND_NODEFAULT 0x0002                // No default sound when the sound is not found.
#define SND_MEMORY 0x0004                   // The sound is an image in memory (not on Linux).
#define SND_LOOP 0x0008                     // Repeat until stopped (with SND_ASYNC).
#define SND_NOSTOP 0x0010                   // Fail instead of stopping a sound that is playing.
#define SND_APPLICATION 0x0080              // The alias is the application's own.
#define SND_NOWAIT 0x00002000L              // Fail at once when the player is busy.
#define SND_ALIAS 0x00010000L               // The sound is a system sound alias.
#define SND_FILENAME 0x00020000L            // The sound is a file name.
#define SND_RESOURCE 0x00040004L            // The sound is a resource (not on Linux).

// HRESULT_FROM_WIN32 as an exported function too (Windows has it in
// <winerror.h>); the parentheses keep a macro of that name from expanding.
#include <uiutil/export.h>
UIUTIL_API HRESULT(HRESULT_FROM_WIN32)(DWORD x);

#endif // _WIN32
