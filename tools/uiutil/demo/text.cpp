// Demo: escape sequences, line breaks, text editing and value parsing.
#include "subcommands.h"

#include <cstdio>
#include <string>
#include <uiutil/uiutil.h>

namespace {

void show(const char* label, const char* text) {
    std::printf("  %-44s \"%s\"\n", label, tool::visible(text).c_str());
}

void demo_escapes() {
    char* out = nullptr;
    int answer = ui_unescape_chars("Name:\tValue\r\nNext", &out);
    show("unescape \"Name:\\tValue\\r\\nNext\"", out);
    std::printf("  %-44s %d\n", "  (answer: the length changed)", answer);
    delete[] out;

    char text[] = "C:\\\\temp\\tfile\\n";
    show("escape \"C:\\\\\\\\temp\\\\tfile\\\\n\"", ui_escape_chars(text));

    ui_expand_NT_escape_chars("one\ntwo\rthree\r\n", &out, nullptr);
    show("crlf \"one\\ntwo\\rthree\\r\\n\"", out);
    delete[] out;
    ui_substitute_NT_return_chars("one\r\ntwo\r", &out);
    show("lf \"one\\r\\ntwo\\r\"", out);
    delete[] out;
}

void demo_editing() {
    uiSaveString command("edit %f --title=%f");
    ui_replace_chars(&command, "%f", "notes.txt");
    show("replace %f in \"edit %f --title=%f\"", command);

    int count = 0;
    const uiSaveString& dashed = ui_replace_chars("File Save As", " ", "_", &count);
    show("replace blanks by _ in \"File Save As\"", dashed);
    std::printf("  %-44s %d\n", "  (replacements)", count);

    show("remove [4, 9) from \"File Save As\"",
         ui_remove_chars(uiSaveString("File Save As"), 4, 9));
    show("insert \"...\" at 7 in \"Save As\"", ui_insert_chars(uiSaveString("Save As"), 7, "..."));
}

void demo_parsing() {
    for (const char* number : {"1.500", "1.000", "1,000.50", "100", "1.5e10"}) {
        std::string buffer(number);
        ui_strip_trailing_zeros(&buffer[0]);
        std::printf("  strip zeros %-12s -> %s\n", number, buffer.c_str());
    }
    for (const char* word : {"TRUE", "on", "off", "yes", "1"})
        std::printf("  bool %-19s -> %d\n", word, ui_evalbool(word));
    for (const char* word : {"File_Open", "9lives", "Save As"})
        std::printf("  name-check %-13s -> %d\n", word, ui_name_check(word));
    std::printf("  HRESULT_FROM_WIN32(5)    -> 0x%08X\n",
                static_cast<unsigned>(HRESULT_FROM_WIN32(5)));
}

void demo_text() {
    demo_escapes();
    demo_editing();
    demo_parsing();
}

tool::RegisterDemoSection section({40, "Escape sequences, editing and value parsing", demo_text});

} // namespace
