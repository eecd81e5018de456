// The smallest uiutil program: shared strings joined and printed.
#include <iostream>
#include <uiutil/uiutil.h>

int main() {
    uiSaveString menu("File");
    uiSaveString item = menu + " > " + "Open";
    std::cout << item << " (" << item.length() << " characters)\n";
    return item == "File > Open" ? 0 : 1;
}
