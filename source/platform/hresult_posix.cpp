// The Windows error-code to HRESULT mapping, exported for platforms without
// it. The parentheses keep a macro of the same name from expanding.
#include <uiutil/platform.h>

HRESULT(HRESULT_FROM_WIN32)(DWORD x) {
    const HRESULT as_signed = static_cast<HRESULT>(x);
    if (as_signed <= 0)
        return as_signed;
    return static_cast<HRESULT>((x & 0x0000FFFFu) | 0x80070000u);
}
