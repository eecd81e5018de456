// Platform accelerator tables: the three table calls, the virtual-key codes
// the accelerator parser produces, and a lookup from a key event to the
// command a table binds to it.
//
// On Windows the table calls are user32's own. Elsewhere the library supplies
// stand-ins with the same names, record layout and answers:
// - CreateAcceleratorTableW copies `count` records into a new live table and
//   answers its handle; a null array or a count below 1 answers null.
// - DestroyAcceleratorTable answers non-zero when it destroys a live table,
//   0 for a null, unknown or already destroyed handle. Handles are not reused
//   while the library is loaded, so a stale handle stays unknown.
// - CopyAcceleratorTableW(table, null, any) answers the table's number of
//   records; with a buffer it copies the first min(size, records) records in
//   table order and answers how many it copied (0 for size below 1). An
//   unknown handle answers 0.
// Like the rest of the library the stand-ins take no locks: use them from one
// thread at a time.
#pragma once

#include <uiutil/export.h>
#include <uiutil/platform.h>

#if !defined(_WIN32)

UIUTIL_API HACCEL CreateAcceleratorTableW(LPACCEL entries, int count);
UIUTIL_API BOOL DestroyAcceleratorTable(HACCEL table);
UIUTIL_API int CopyAcceleratorTableW(HACCEL table, LPACCEL entries, int size);

// Virtual-key codes of the keys an accelerator text can name directly.
#define VK_NUMPAD0 0x60
#define VK_NUMPAD9 0x69
#define VK_F1 0x70
#define VK_F12 0x7B
#define VK_F24 0x87

#endif // !_WIN32

// The command that `table` binds to a key event, or -1 when no record does
// (or the table is null or unknown).
//
// The event is given as a platform record would name it: `flags` holds
// FVIRTKEY when `key` is a virtual-key code (a letter key's code is its
// upper-case letter, a digit key's its digit) and the FSHIFT, FCONTROL and
// FALT bits of the modifier keys held down; without FVIRTKEY, `key` is a
// character code. A record matches when its FVIRTKEY, FSHIFT, FCONTROL and
// FALT bits equal those of `flags` (FNOINVERT and other bits are ignored) and
// its key equals `key`; the first matching record in table order wins.
UIUTIL_API int ui_accelerator_command(HACCEL table, BYTE flags, WORD key);
