// Keyboard accelerators: parsing accelerator texts such as a menu label's
// "Ctrl+O" part, rendering them back, and building platform accelerator
// tables from them.
#pragma once

#include <uiutil/accelerator_tables.h>
#include <uiutil/export.h>
#include <uiutil/platform.h>
#include <uiutil/strings.h>

// The modifier bits of uiAccelerator's flags, and the flags value of an
// accelerator that has not been set (it has none of the modifier bits).
enum uiAcceleratorFlags { uiAccelAlt = 1, uiAccelCtrl = 2, uiAccelShift = 4, uiAccelUnset = 1024 };

// One keyboard shortcut, read from the text an application shows for it.
//
// An accelerator starts unset; `set` (directly or through `is_accelerator`)
// makes it valid the first time it finds a key name, and from then on
// replaces modifiers and key whenever it finds one. A text without a key name
// at its end changes nothing.
//
// `descriptive_text` and `specifier_style` answer with library-wide result
// objects that the next call, for any accelerator, replaces: copy what you
// keep. Use from one thread at a time.
class UIUTIL_API uiAccelerator {
public:
    // Unset: flags uiAccelUnset, key the null string.
    uiAccelerator();
    // A copy of other's flags and key (the key text is shared).
    uiAccelerator(const uiAccelerator& other);
    ~uiAccelerator();
    // Copies flags and key (the key text is shared).
    void operator=(const uiAccelerator& other);

    // Parses an accelerator text. The key name is the first run, from the
    // left, of letters, digits and underscores that reaches the end of the
    // text or a newline (so "Ctrl+Shift_F1" has the key "Shift_F1"). The
    // words Ctrl, Alt and Shift, in any letter case, anywhere and in any
    // order, add their modifier when a '-' or '+' follows them directly
    // ("Ctrl + A" has no modifier). Without a key name nothing changes.
    void set(const uiSaveString& text);

    // Looks for the accelerator part of a menu label: the text after the
    // last tab, or after the last backslash-t pair (the two characters '\\'
    // and 't'), and sets this accelerator from it. Answers 0, changing
    // nothing, when the label has neither; otherwise `valid()` afterwards.
    int is_accelerator(const uiSaveString& text);

    // 1 once a key name has been set, else 0.
    int valid() const;

    // The readable form: "Shift-", "Ctrl-", "Alt-" for the modifiers set, in
    // that order, then the key as written ("Shift-Ctrl-Alt-f5"); "" when
    // unset. The result is the shared result string.
    const uiSaveString& descriptive_text() const;

    // The platform record binding this accelerator to command `cmd` (its low
    // 16 bits): FVIRTKEY plus FSHIFT, FCONTROL, FALT for the modifiers; as
    // key, a one-character key name's upper-case character code (the letter
    // and digit keys' virtual-key codes), otherwise vk_code(key). Points to
    // the shared result record; copy it.
    tagACCEL* specifier_style(unsigned int cmd) const;

    // The virtual-key code of a multi-character key name, by its first
    // character: 'F'/'f' gives 111 + the number that follows (F1 112 to F24
    // 135; no number gives 111); 'K'/'k' gives 96 + the number from the
    // fourth character on (e.g. "Key5", "KP_7": VK_NUMPAD0 + digit; three
    // characters or fewer give 96). The number is read as the standard atof
    // reads it and truncated toward zero; a number atof reads as infinite or
    // not-a-number counts as 0. The result is the low 16 bits of the sum.
    // Every other name, and the empty or null name, gives 0.
    static unsigned short vk_code(const uiSaveString& name);

    // The modifier bits, or uiAccelUnset.
    int flags() const { return m_flags; }
    // The key name as written; the null string while unset.
    const uiSaveString& key() const { return m_key; }

private:
    int m_flags;
    uiSaveString m_key;
};

// Collects accelerators with their commands and turns them into a platform
// accelerator table (HACCEL); can also take the place of a table the
// application already holds.
//
// Use: add() once per accelerator; create() or create(&handle); use handle()
// with the platform; to rebuild, reset_table(), add() again, create() again.
//
// Ownership: the builder destroys the table it created in reset_table(), and
// in its destructor when no handle is attached. A created table that has
// taken the place of an attached one (create with a handle attached) belongs
// to the application, as does any attached handle.
//
// Pending records: a digit key's accelerator also adds a twin for the same
// digit on the numeric keypad, placed before it. The pending array starts
// with room for 128 records and grows as needed, so any number of
// accelerators can be added. The first add() after construction or after a
// create() starts a fresh collection at record 0: adding after create()
// without reset_table() collects only the new accelerators, and the next
// create() makes a table of exactly those (the earlier created table is
// then no longer tracked by the builder and is not destroyed by it).
//
// attach() does not destroy a handle it replaces: that table stays the
// application's.
class UIUTIL_API uiAcceleratorTable {
public:
    uiAcceleratorTable();
    ~uiAcceleratorTable();

    // Appends the accelerator's record for cmd, after a keypad twin when the
    // key is a digit key ('0' to '9' become VK_NUMPAD0 to VK_NUMPAD9).
    void add(const uiAccelerator& accelerator, unsigned int cmd);

    // Makes the platform table from the pending records; nothing when none
    // are pending. With a handle attached, the attached table is destroyed
    // and the new one is attached in its place. The pending records are
    // released; used() keeps the count.
    void create();
    // attach(*handle), create(), then *handle = the created table (which is
    // null when creation failed, or an earlier table when nothing was
    // pending). A null `handle` is reported as a failed assertion and
    // nothing happens.
    void create(HACCEL* handle);

    // Attaches an application's table handle; answers the previously
    // attached one, which is neither destroyed nor kept.
    HACCEL attach(HACCEL handle);

    // The created table, else the attached handle, else null.
    HACCEL handle() const;

    // Destroys the created table and starts a new collection: answers 1, or
    // 0 with nothing changed when there is no created table or the platform
    // refuses to destroy it. An attachment other than that table stays.
    int reset_table();

    // 1 when a table has been created, or a handle is attached and nothing
    // has been collected since; else 0.
    int valid() const;

    // The number of records collected (twins included), kept after create()
    // and cleared by reset_table().
    int used() const { return m_used; }

protected:
    // Not copyable: declared only, so that copying does not compile.
    uiAcceleratorTable(const uiAcceleratorTable&);
    // Not assignable: declared only, so that assigning does not compile.
    uiAcceleratorTable& operator=(const uiAcceleratorTable&);

private:
    // Makes room for `more` records after the m_used already pending.
    void reserve(int more);
    void append(const tagACCEL& entry);

    tagACCEL* m_entries;
    HACCEL m_created;
    HACCEL m_attached;
    int m_used;
    int m_capacity;
};
