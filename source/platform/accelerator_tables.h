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

// A new table holding copies of the `count` records at `entries`; null for a
// null array or a count below 1.
UIUTIL_API HACCEL CreateAcceleratorTableW(LPACCEL entries, int count);
// Destroys a live table: non-zero, or 0 for a null, unknown or destroyed
// handle.
UIUTIL_API BOOL DestroyAcceleratorTable(HACCEL table);
// With null `entries`, the table's number of records; otherwise copies the
// first min(size, records) records and answers how many. 0 for an unknown
// handle.
UIUTIL_API int CopyAcceleratorTableW(HACCEL table, LPACCEL entries, int size);

// Virtual-key codes of the keys an accelerator text can name directly: the
// numeric keypad digits and the function keys. Letter and digit keys use
// their upper-case character codes.
#define VK_NUMPAD0 0x60 // The keypad key 0.
#define VK_NUMPAD1 0x61 // The keypad key 1.
#define VK_NUMPAD2 0x62 // The keypad key 2.
#define VK_NUMPAD3 0x63 // The keypad key 3.
#define VK_NUMPAD4 0x64 // The keypad key 4.
#define VK_NUMPAD5 0x65 // The keypad key 5.
#define VK_NUMPAD6 0x66 // The keypad key 6.
#define VK_NUMPAD7 0x67 // The keypad key 7.
#define VK_NUMPAD8 0x68 // The keypad key 8.
#define VK_NUMPAD9 0x69 // The keypad key 9.
#define VK_F1 0x70      // The function key F1.
#define VK_F2 0x71      // The function key F2.
#define VK_F3 0x72      // The function key F3.
#define VK_F4 0x73      // The function key F4.
#define VK_F5 0x74      // The function key F5.
#define VK_F6 0x75      // The function key F6.
#define VK_F7 0x76      // The function key F7.
#define VK_F8 0x77      // The function key F8.
#define VK_F9 0x78      // The function key F9.
#define VK_F10 0x79     // The function key F10.
#define VK_F11 0x7A     // The function key F11.
#define VK_F12 0x7B     // The function key F12.
#define VK_F13 0x7C     // The function key F13.
#define VK_F14 0x7D     // The function key F14.
#define VK_F15 0x7E     // The function key F15.
#define VK_F16 0x7F     // The function key F16.
#define VK_F17 0x80     // The function key F17.
#define VK_F18 0x81     // The function key F18.
#define VK_F19 0x82     // The function key F19.
#define VK_F20 0x83     // The function key F20.
#define VK_F21 0x84     // The function key F21.
#define VK_F22 0x85     // The function key F22.
#define VK_F23 0x86     // The function key F23.
#define VK_F24 0x87     // The function key F24.

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
