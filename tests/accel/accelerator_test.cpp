#include <gtest/gtest.h>

#include <string>
#include <uiutil/uiutil.h>

namespace {

std::string text(const uiSaveString& s) {
    const char* p = s;
    return p ? p : "(null)";
}

struct Parsed {
    const char* accel_text;
    int flags;
    const char* key;
    const char* description;
    int fVirt;
    int key_code;
};

TEST(Accelerator, ParsesModifiersAndKey) {
    const Parsed cases[] = {
        {"Ctrl+O", 2, "O", "Ctrl-O", 9, 79},
        {"shift-ctrl-alt-f5", 7, "f5", "Shift-Ctrl-Alt-f5", 29, 116},
        {"Alt+Shift+Ctrl+a", 7, "a", "Shift-Ctrl-Alt-a", 29, 65},
        // A space stops the modifier word; the key alone makes it valid.
        {"Ctrl + A", 0, "A", "A", 1, 65},
        // Underscores belong to key names, so Shift is part of the key here.
        {"Ctrl+Shift_F1", 2, "Shift_F1", "Ctrl-Shift_F1", 9, 0},
        {"CTRL-ctrl+Alt-x", 3, "x", "Ctrl-Alt-x", 25, 88},
        {"Ctrl+5", 2, "5", "Ctrl-5", 9, 53},
        {"sHiFt+F12", 4, "F12", "Shift-F12", 5, 123},
        // The key name may end at a newline as well as at the end.
        {"Ctrl+F2\nmore text", 2, "F2", "Ctrl-F2", 9, 113},
    };
    for (const Parsed& c : cases) {
        SCOPED_TRACE(c.accel_text);
        uiAccelerator a;
        a.set(c.accel_text);
        EXPECT_EQ(a.valid(), 1);
        EXPECT_EQ(a.flags(), c.flags);
        EXPECT_EQ(text(a.key()), c.key);
        EXPECT_EQ(text(a.descriptive_text()), c.description);
        const tagACCEL entry = *a.specifier_style(100);
        EXPECT_EQ(entry.fVirt, c.fVirt);
        EXPECT_EQ(entry.key, c.key_code);
        EXPECT_EQ(entry.cmd, 100);
    }
}

TEST(Accelerator, TextWithoutKeyNameChangesNothing) {
    uiAccelerator fresh;
    fresh.set("Ctrl+");
    EXPECT_EQ(fresh.valid(), 0);
    EXPECT_EQ(fresh.flags(), uiAccelUnset);
    EXPECT_EQ(text(fresh.descriptive_text()), "");
    const tagACCEL entry = *fresh.specifier_style(0x12345);
    EXPECT_EQ(entry.fVirt, FVIRTKEY);
    EXPECT_EQ(entry.key, 0);
    EXPECT_EQ(entry.cmd, 0x2345);

    uiAccelerator a;
    a.set("Alt+X");
    for (const char* ignored : {"Ctrl+", "Ctrl++", "", "Shift- "}) {
        a.set(ignored);
        EXPECT_EQ(text(a.descriptive_text()), "Alt-X") << ignored;
    }
    a.set(uiSaveString());
    EXPECT_EQ(text(a.descriptive_text()), "Alt-X");
}

TEST(Accelerator, FindsTheAcceleratorPartOfALabel) {
    uiAccelerator a;
    EXPECT_EQ(a.is_accelerator("Open"), 0);
    EXPECT_EQ(a.valid(), 0);
    EXPECT_EQ(a.is_accelerator("Open\tCtrl+N"), 1);
    EXPECT_EQ(text(a.descriptive_text()), "Ctrl-N");
    EXPECT_EQ(a.is_accelerator("Open\\tAlt+M"), 1);
    EXPECT_EQ(text(a.descriptive_text()), "Alt-M");
    // The last separator counts; a 't' at the very start is no separator.
    EXPECT_EQ(a.is_accelerator("A\tShift+B\\tF4"), 1);
    EXPECT_EQ(text(a.descriptive_text()), "F4");
    EXPECT_EQ(a.is_accelerator("tCtrl+Q"), 0);
    EXPECT_EQ(text(a.descriptive_text()), "F4");
    // A separator with no key name after it keeps the earlier state.
    EXPECT_EQ(a.is_accelerator("Close\tCtrl+"), 1);
    EXPECT_EQ(text(a.descriptive_text()), "F4");
    uiAccelerator unset;
    EXPECT_EQ(unset.is_accelerator("Close\t"), 0);
}

TEST(Accelerator, VirtualKeyCodesOfNames) {
    const struct {
        const char* name;
        int code;
    } cases[] = {
        {"F1", 112},    {"F10", 121},  {"f3", 114},
        {"F24", 135},   {"F", 111},    {"Fx", 111},
        {"Finf", 111},  {"FNAN", 111}, {"F99999", (111 + 99999) & 0xFFFF},
        {"F1e30", 111}, {"Key5", 101}, {"kp_9", 105},
        {"KP_7", 103},  {"K", 96},     {"Kxy", 96},
        {"Home", 0},    {"A", 0},      {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uiAccelerator::vk_code(c.name), c.code) << c.name;
    EXPECT_EQ(uiAccelerator::vk_code(uiSaveString()), 0);
}

TEST(Accelerator, CopiesShareTheKeyAndResultsAreShared) {
    uiAccelerator a;
    a.set("Ctrl+Alt+Z");
    uiAccelerator b;
    b = a;
    EXPECT_EQ(b.flags(), a.flags());
    EXPECT_EQ(static_cast<const char*>(b.key()), static_cast<const char*>(a.key()));
    // The readable form is one shared string that the next call replaces.
    uiAccelerator d;
    d.set("F7");
    const uiSaveString& first = a.descriptive_text();
    const uiSaveString kept = first;
    EXPECT_EQ(&d.descriptive_text(), &first);
    EXPECT_EQ(text(first), "F7");
    EXPECT_EQ(text(kept), "Ctrl-Alt-Z");
}

} // namespace
