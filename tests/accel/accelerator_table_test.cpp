#include <gtest/gtest.h>

#include <uiutil/uiutil.h>
#include <vector>

namespace {

uiAccelerator accelerator(const char* text) {
    uiAccelerator a;
    a.set(text);
    return a;
}

// The records a platform table holds, read back through the platform.
std::vector<ACCEL> records(HACCEL table) {
    std::vector<ACCEL> out(64);
    out.resize(static_cast<std::size_t>(CopyAcceleratorTableW(table, out.data(), 64)));
    return out;
}

void expect_record(const ACCEL& r, int fVirt, int key, int cmd) {
    EXPECT_EQ(r.fVirt, fVirt);
    EXPECT_EQ(r.key, key);
    EXPECT_EQ(r.cmd, cmd);
}

// A table standing for one the application already holds.
HACCEL application_table() {
    ACCEL record = {FVIRTKEY, 'Q', 1};
    return CreateAcceleratorTableW(&record, 1);
}

bool alive(HACCEL table) {
    return CopyAcceleratorTableW(table, nullptr, 0) > 0;
}

TEST(AcceleratorTable, RecordsReachThePlatformWithKeypadTwins) {
    uiAcceleratorTable t;
    EXPECT_EQ(t.valid(), 0);
    EXPECT_EQ(t.reset_table(), 0);
    t.create(); // nothing pending: nothing made
    EXPECT_EQ(t.handle(), nullptr);

    t.add(accelerator("Ctrl+O"), 100);
    t.add(accelerator("Ctrl+5"), 7);
    t.add(accelerator("F5"), 3);
    t.add(accelerator("Alt+0"), 0x10009);
    EXPECT_EQ(t.valid(), 0);
    t.create();
    EXPECT_EQ(t.valid(), 1);
    EXPECT_EQ(t.used(), 6);
    const std::vector<ACCEL> r = records(t.handle());
    ASSERT_EQ(r.size(), 6u);
    expect_record(r[0], 9, 79, 100);
    expect_record(r[1], 9, 101, 7); // VK_NUMPAD5 before '5'
    expect_record(r[2], 9, 53, 7);
    expect_record(r[3], 1, 116, 3); // F5: no twin
    expect_record(r[4], 17, 96, 9);
    expect_record(r[5], 17, 48, 9);

    EXPECT_EQ(ui_accelerator_command(t.handle(), FVIRTKEY | FCONTROL, 'O'), 100);
    EXPECT_EQ(ui_accelerator_command(t.handle(), FVIRTKEY | FCONTROL, VK_NUMPAD5), 7);
    EXPECT_EQ(ui_accelerator_command(t.handle(), FVIRTKEY | FCONTROL | FNOINVERT, '5'), 7);
    EXPECT_EQ(ui_accelerator_command(t.handle(), FVIRTKEY, 'O'), -1);
    EXPECT_EQ(ui_accelerator_command(nullptr, FVIRTKEY, 'O'), -1);
}

TEST(AcceleratorTable, AttachCreateAndReset) {
    HACCEL old_table = application_table();
    HACCEL other = application_table();
    uiAcceleratorTable t;
    EXPECT_EQ(t.attach(old_table), nullptr);
    EXPECT_EQ(t.attach(other), old_table);
    EXPECT_EQ(t.valid(), 1);
    EXPECT_EQ(t.handle(), other);
    t.add(accelerator("Ctrl+S"), 2);
    EXPECT_EQ(t.valid(), 0); // collecting

    // The new table replaces the handed-in one, which is destroyed; the one
    // attach() replaced earlier is left alone.
    HACCEL h = old_table;
    t.create(&h);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(t.handle(), h);
    EXPECT_EQ(DestroyAcceleratorTable(old_table), 0);
    EXPECT_TRUE(alive(other));
    ASSERT_EQ(records(h).size(), 1u);
    expect_record(records(h)[0], 9, 'S', 2);

    // Nothing pending: create(&x) makes nothing and hands back the table.
    HACCEL x = nullptr;
    t.create(&x);
    EXPECT_EQ(x, h);

    EXPECT_EQ(t.reset_table(), 1);
    EXPECT_FALSE(alive(h));
    EXPECT_EQ(t.handle(), nullptr);
    EXPECT_EQ(t.used(), 0);
    EXPECT_EQ(t.valid(), 0);
    EXPECT_EQ(t.reset_table(), 0);

    // A reset keeps an attachment that is not the destroyed table.
    t.add(accelerator("Ctrl+W"), 4);
    t.create();
    HACCEL created = t.handle();
    t.attach(other);
    EXPECT_EQ(t.handle(), created);
    EXPECT_EQ(t.reset_table(), 1);
    EXPECT_FALSE(alive(created));
    EXPECT_EQ(t.handle(), other);
    EXPECT_EQ(t.valid(), 1);
    EXPECT_NE(DestroyAcceleratorTable(other), 0);
}

TEST(AcceleratorTable, OwnershipAtDestruction) {
    HACCEL own;
    {
        uiAcceleratorTable t;
        t.add(accelerator("Ctrl+O"), 1);
        t.create();
        own = t.handle();
        ASSERT_TRUE(alive(own));
    }
    EXPECT_FALSE(alive(own)); // the builder's own table goes with it

    HACCEL handed_over = application_table();
    HACCEL attached = application_table();
    {
        uiAcceleratorTable t;
        t.add(accelerator("Ctrl+O"), 1);
        t.create(&handed_over);
        uiAcceleratorTable u;
        u.attach(attached);
    }
    EXPECT_NE(DestroyAcceleratorTable(handed_over), 0); // the application's now
    EXPECT_NE(DestroyAcceleratorTable(attached), 0);
}

TEST(AcceleratorTable, ManyRecordsAllReachThePlatform) {
    // 150 digit keys make 300 records, well past the first 128 slots.
    uiAcceleratorTable t;
    const char* digits[] = {"Ctrl+0", "Ctrl+1", "Ctrl+2", "Ctrl+3", "Ctrl+4",
                            "Ctrl+5", "Ctrl+6", "Ctrl+7", "Ctrl+8", "Ctrl+9"};
    for (int i = 0; i < 150; ++i)
        t.add(accelerator(digits[i % 10]), static_cast<unsigned>(i));
    t.add(accelerator("F9"), 999);
    t.create();
    std::vector<ACCEL> r(400);
    r.resize(static_cast<std::size_t>(CopyAcceleratorTableW(t.handle(), r.data(), 400)));
    ASSERT_EQ(r.size(), 301u);
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        const std::size_t twin = 2 * static_cast<std::size_t>(i);
        expect_record(r[twin], 9, 96 + i % 10, i);
        expect_record(r[twin + 1], 9, 48 + i % 10, i);
    }
    expect_record(r[300], 1, 120, 999);
}

TEST(AcceleratorTable, AddAfterCreateStartsAFreshCollection) {
    uiAcceleratorTable t;
    t.add(accelerator("Ctrl+1"), 1);
    t.add(accelerator("Ctrl+A"), 2);
    t.create();
    HACCEL first = t.handle();
    t.add(accelerator("F2"), 3);
    EXPECT_EQ(t.used(), 1);
    t.create();
    const std::vector<ACCEL> r = records(t.handle());
    ASSERT_EQ(r.size(), 1u);
    expect_record(r[0], 1, 113, 3);
    EXPECT_EQ(records(first).size(), 3u); // untouched, and no longer the builder's
    EXPECT_NE(DestroyAcceleratorTable(first), 0);
}

// The same expectations hold for user32 and for the stand-ins.
TEST(PlatformAcceleratorTable, CreateCopyAndDestroy) {
    ACCEL in[3] = {{FVIRTKEY | FALT, 'A', 1}, {FVIRTKEY, VK_F1, 2}, {FVIRTKEY | FSHIFT, '7', 3}};
#if !defined(_WIN32)
    EXPECT_EQ(CreateAcceleratorTableW(nullptr, 3), nullptr); // user32 leaves this undefined
#endif
    EXPECT_EQ(CreateAcceleratorTableW(in, 0), nullptr);
    HACCEL h = CreateAcceleratorTableW(in, 3);
    ASSERT_NE(h, nullptr);
    in[0].cmd = 77; // the table holds its own copy
    EXPECT_EQ(CopyAcceleratorTableW(h, nullptr, 0), 3);
    ACCEL out[3] = {};
    EXPECT_EQ(CopyAcceleratorTableW(h, out, 2), 2);
    expect_record(out[0], FVIRTKEY | FALT, 'A', 1);
    EXPECT_EQ(out[2].cmd, 0);
    EXPECT_EQ(CopyAcceleratorTableW(h, out, 10), 3);
    expect_record(out[2], FVIRTKEY | FSHIFT, '7', 3);
    EXPECT_NE(DestroyAcceleratorTable(h), 0);
    EXPECT_EQ(DestroyAcceleratorTable(h), 0);
    EXPECT_EQ(CopyAcceleratorTableW(h, nullptr, 0), 0);
    EXPECT_EQ(DestroyAcceleratorTable(nullptr), 0);
}

} // namespace
