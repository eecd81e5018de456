// A list of string pointers walked with its built-in cursor, and a growable
// integer array.
#include <iostream>
#include <uiutil/uiutil.h>

int main() {
    uiSaveString file("File"), edit("Edit"), help("Help");

    // A Ptr list holds pointers and never deletes what they point at.
    uiSaveStringcoDListPtrcoPtrcoDList menus;
    menus.insert_last(&file);
    menus.insert_last(&help);

    // The cursor starts on the undefined position (index -1); the first step
    // enters the list, stepping off the end returns to the undefined position.
    menus.forwards();          // on "File", index 0
    menus.insert_after(&edit); // File, Edit, Help
    int visited = 0;
    for (menus.reset(); menus.forwards();) {
        std::cout << "[" << menus.index() << "] " << *menus.read() << "\n";
        ++visited;
    }

    // The array doubles its storage when it is full.
    uiIntArray widths(2);
    for (int width : {80, 120, 200})
        widths.append(width);

    return visited == 3 && menus.size() == 3 && widths.count() == 3 && widths[2] == 200 ? 0 : 1;
}
