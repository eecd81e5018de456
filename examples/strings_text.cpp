// Null and empty strings, a shared result, and the text helpers.
#include <cstring>
#include <iostream>
#include <uiutil/uiutil.h>

int main() {
    uiSaveString none;      // the null string: no buffer at all
    uiSaveString blank(""); // the empty string: a buffer holding only the NUL
    bool ok = none.empty() && blank.empty() && !(none == blank);

    // Copies share one buffer; building new text never changes a shared one.
    uiSaveString file("File");
    uiSaveString copy = file;
    copy += " > Save As...";
    ok = ok && file == "File" && copy == "File > Save As...";

    // Results handed out as character arrays belong to the caller: delete[].
    char* written = nullptr;
    ui_unescape_chars("Name:\tValue\r\n", &written);
    ok = ok && std::strcmp(written, "Name:\\tValue\\n") == 0;
    delete[] written;

    // The character form of ui_replace_chars answers one library-wide result
    // that the next call replaces: copy it into a string of your own.
    int count = 0;
    uiSaveString underscored = ui_replace_chars("File Save As", " ", "_", &count);
    ui_replace_chars("another call", "a", "A", nullptr);
    ok = ok && underscored == "File_Save_As" && count == 2;

    // The substring form edits a string in place (it gets a new buffer).
    uiSaveString command("edit %f --title=%f");
    ui_replace_chars(&command, "%f", "notes.txt");
    ok = ok && command == "edit notes.txt --title=notes.txt";

    char number[] = "1.500";
    ui_strip_trailing_zeros(number);
    ok = ok && std::strcmp(number, "1.5") == 0 && ui_evalbool("on") == 1;

    std::cout << underscored << "\n" << command << "\n" << number << "\n";
    return ok ? 0 : 1;
}
