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

typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef std::uint32_t UINT;
typedef std::int32_t BOOL;
typedef std::int32_t HRESULT;
typedef wchar_t WCHAR;
typedef wchar_t TCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;
typedef const wchar_t* LPCTSTR;
typedef void* HANDLE;

// Distinct handle types, as with the Windows headers' STRICT mode.
#define UIUTIL_DECLARE_HANDLE(name)                                                                \
    struct name##__ {                                                                              \
        int unused;                                                                                \
    };                                                                                             \
    typedef struct name##__* name
UIUTIL_DECLARE_HANDLE(HINSTANCE);
UIUTIL_DECLARE_HANDLE(HACCEL);
UIUTIL_DECLARE_HANDLE(HWND);
UIUTIL_DECLARE_HANDLE(HKEY);
#undef UIUTIL_DECLARE_HANDLE
typedef HINSTANCE HMODULE;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define MAX_PATH 260

// The predefined registry root the library reads.
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))

// HRESULT values and tests.
#define S_OK (static_cast<HRESULT>(0L))
#define S_FALSE (static_cast<HRESULT>(1L))
#define E_FAIL (static_cast<HRESULT>(0x80004005L))
#define E_POINTER (static_cast<HRESULT>(0x80004003L))
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))
#define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL))
#define E_NOINTERFACE (static_cast<HRESULT>(0x80004002L))
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)

// Win32 error codes the library uses.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MORE_DATA 234L
#define ERROR_FILENAME_EXCED_RANGE 206L
#define ERROR_NO_UNICODE_TRANSLATION 1113L

// The HRESULT of a Win32 error code (facility FACILITY_WIN32).
#define HRESULT_FROM_WIN32(x)                                                                     \
    (static_cast<HRESULT>(x) <= 0                                                                  \
         ? static_cast<HRESULT>(x)                                                                 \
         : static_cast<HRESULT>((static_cast<DWORD>(x) & 0x0000FFFFu) | 0x80070000u))

// Accelerator record and its flag bits.
typedef struct tagACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
} ACCEL, *LPACCEL;

#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

// LoadLibraryEx flags.
#define LOAD_LIBRARY_AS_DATAFILE 0x00000002

// PlaySound flags.
#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002
#define SND_MEMORY 0x0004
#define SND_LOOP 0x0008
#define SND_NOSTOP 0x0010
#define SND_APPLICATION 0x0080
#define SND_NOWAIT 0x00002000L
#define SND_ALIAS 0x00010000L
#define SND_FILENAME 0x00020000L
#define SND_RESOURCE 0x00040004L

// HRESULT_FROM_WIN32 as an exported function too (Windows has it in
// <winerror.h>); the parentheses keep a macro of that name from expanding.
#include <uiutil/export.h>
UIUTIL_API HRESULT(HRESULT_FROM_WIN32)(DWORD x);

#endif // _WIN32
