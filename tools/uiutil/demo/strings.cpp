// Demo: the shared string and the warning report.
#include "subcommands.h"

#include <cstdio>
#include <iostream>
#include <uiutil/uiutil.h>

namespace {

void demo_strings() {
    uiSaveString null_string;
    uiSaveString empty_string("");
    std::printf("null string: empty()=%d length()=%d pointer %s\n", null_string.empty(),
                null_string.length(), static_cast<const char*>(null_string) ? "set" : "null");
    std::printf("empty string: empty()=%d length()=%d pointer %s\n", empty_string.empty(),
                empty_string.length(), static_cast<const char*>(empty_string) ? "set" : "null");
    std::printf("null == empty: %d, null == (const char*)0: %d\n", null_string == empty_string,
                null_string == static_cast<const char*>(nullptr));

    uiSaveString file("File");
    uiSaveString copy = file;
    std::printf("copy shares the buffer: %s\n",
                static_cast<const char*>(copy) == static_cast<const char*>(file) ? "yes" : "no");
    copy += " > Save As...";
    std::cout << "after copy += \" > Save As...\": file=\"" << file << "\" copy=\"" << copy
              << "\"\n";
    uiSaveString joined = file + "/" + "Open";
    std::cout << "file + \"/\" + \"Open\" = \"" << joined << "\" (length " << joined.length()
              << ")\n";
    std::cout << "first three characters of \"Shortcut\": \"" << uiSaveString("Shortcut", 3)
              << "\"\n";
    std::cout << "a warning, as the application would see it (on standard error):" << std::endl;
    std::fflush(stdout);
    ui_report_warning("menu.cpp", 42, "accelerator text not understood");
}

tool::RegisterDemoSection section({10, "Shared strings and warnings", demo_strings});

} // namespace
