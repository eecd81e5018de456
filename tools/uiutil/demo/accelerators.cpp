// Demo: a menu's accelerators, from its labels to a platform table that
// takes the place of the application's old one.
#include "common/accel_records.h"
#include "subcommands.h"

#include <cstdio>
#include <uiutil/uiutil.h>

namespace {

struct MenuItem {
    const char* label;
    unsigned int command;
};

const MenuItem menu[] = {
    {"&Open...\tCtrl+O", 101},          {"&Save\tCtrl+S", 102},
    {"Save &As...\tCtrl+Shift+S", 103}, {"&Print...\\tctrl-p", 104},
    {"Zoom &100%\tCtrl+1", 105},        {"Find &Next\tF3", 106},
    {"Close &All\tShift+Alt+F4", 107},  {"E&xit", 108},
};

void demo_accel() {
    // The table the application had been using until now.
    ACCEL old_record = {FVIRTKEY | FCONTROL, 'Q', 1};
    HACCEL application_table = CreateAcceleratorTableW(&old_record, 1);
    std::printf("the application's old table: %d record(s)\n",
                static_cast<int>(tool::read_table(application_table).size()));

    uiAcceleratorTable builder;
    for (const MenuItem& item : menu) {
        uiAccelerator accelerator;
        std::printf("%-30s ", ("\"" + tool::visible(item.label) + "\"").c_str());
        if (!accelerator.is_accelerator(item.label)) {
            std::printf("no accelerator\n");
            continue;
        }
        std::printf("%-20s command %u\n", accelerator.descriptive_text().operator const char*(),
                    item.command);
        builder.add(accelerator, item.command);
    }

    HACCEL old_handle = application_table;
    builder.create(&application_table);
    std::printf("\nafter create(&table): the old table is %s; the table now holds:\n",
                CopyAcceleratorTableW(old_handle, nullptr, 0) ? "still alive" : "destroyed");
    for (const ACCEL& record : tool::read_table(application_table))
        std::printf("  %s\n", tool::describe_record(record).c_str());

    std::printf("\nkey events looked up in the new table:\n");
    const struct {
        const char* event;
        BYTE flags;
        WORD key;
    } events[] = {{"Ctrl+Shift+S", FVIRTKEY | FCONTROL | FSHIFT, 'S'},
                  {"Ctrl+keypad 1", FVIRTKEY | FCONTROL, 97},
                  {"F3", FVIRTKEY, 114},
                  {"Ctrl+Q (the old table's)", FVIRTKEY | FCONTROL, 'Q'}};
    for (const auto& e : events) {
        const int command = ui_accelerator_command(application_table, e.flags, e.key);
        if (command < 0)
            std::printf("  %-26s no command\n", e.event);
        else
            std::printf("  %-26s command %d\n", e.event, command);
    }
    // The new table belongs to the application now: the builder leaves it
    // alone, and the application destroys it when done.
    DestroyAcceleratorTable(application_table);
}

tool::RegisterDemoSection section({30, "Accelerators", demo_accel});

} // namespace
