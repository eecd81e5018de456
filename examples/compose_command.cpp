// Composing command texts: a template, a quoted value and quoted user data.
#include <iostream>
#include <uiutil/uiutil.h>

int main() {
    uiDelimiter angle("<>"); // how the widget's value is quoted
    uiUserData user_data("notes");

    // "%s" takes the value, "%u" the user data (quoted by the class-wide
    // delimiter of uiUserData, two double quotes unless changed). The
    // composing constructors end the text with a carriage return.
    uiCommand open("open %s %u", angle, "read me.txt", &user_data, 0);
    std::cout << uiSaveString(open, open.length() - 1) << "\n"; // without the \r

    // Without a placeholder the quoted value is appended after a blank.
    uiCommand zoom("zoom", "150", angle, 0);

    // Vocabularies: codes and their names.
    const char* kind = ui_decode(uiTITLE);
    uiValType parsed = ui_decode_uiValType("uiCOMMAND");

    return open == "open <read me.txt> \"notes\"\r" && zoom == "zoom <150>\r" &&
                   uiSaveString(kind) == "uiTITLE" && parsed == uiCOMMAND
               ? 0
               : 1;
}
