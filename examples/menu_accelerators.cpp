// From menu labels to an accelerator table, and from a key press back to the
// command text the application runs.
#include <iostream>
#include <uiutil/uiutil.h>

struct MenuItem {
    const char* label;   // as the menu shows it: the accelerator follows a tab
    unsigned int id;     // the menu command's number
    const char* command; // the command template
};

const MenuItem menu[] = {
    {"&Open...\tCtrl+O", 101, "open %s"},
    {"&Save\tCtrl+S", 102, "save %s"},
    {"Zoom &In\tCtrl+Shift+F5", 103, "zoom %s"},
    {"&Help", 104, "help"}, // no accelerator
};

int main() {
    // 1. Parse each label's accelerator part and collect the records.
    uiAcceleratorTable builder;
    for (const MenuItem& item : menu) {
        uiAccelerator accelerator;
        if (!accelerator.is_accelerator(item.label))
            continue; // the label has no accelerator part
        // descriptive_text answers a shared string: print or copy it at once.
        std::cout << accelerator.descriptive_text() << " -> " << item.id << "\n";
        builder.add(accelerator, item.id);
    }

    // 2. Make the platform table. The builder owns it and destroys it with
    //    itself; a window would use builder.handle() meanwhile.
    builder.create();
    HACCEL table = builder.handle();
    if (!table)
        return 1;

    // 3. A key event: Ctrl held down and the O key (virtual-key code 'O').
    int id = ui_accelerator_command(table, FVIRTKEY | FCONTROL, 'O');

    // 4. Compose the command of the menu item found, with the file name
    //    quoted in double quotes.
    for (const MenuItem& item : menu) {
        if (static_cast<int>(item.id) != id)
            continue;
        uiCommand command(item.command, "notes.txt", uiDelimiter("\"\""), 0);
        std::cout << "Ctrl+O runs: " << uiSaveString(command, command.length() - 1) << "\n";
        return command == "open \"notes.txt\"\r" && builder.used() == 3 ? 0 : 1;
    }
    return 1;
}
