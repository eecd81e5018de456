// Demo: the pattern engine at work.
#include "program/pattern_listing.h"
#include "subcommands.h"

#include <cstdio>
#include <uiutil/pattern.h>

namespace {

void show(const char* pattern_text, const char* subject) {
    uiPattern pattern{uiSaveString(pattern_text)};
    int matched = pattern.match(uiSaveString(subject));
    std::printf("  %-26s on %-28s -> ", pattern_text,
                ("\"" + tool::visible(subject) + "\"").c_str());
    if (!matched) {
        std::printf("no match\n");
        return;
    }
    std::printf("\"%s\"", tool::visible(pattern.get_register(0)).c_str());
    for (int r = 1; r < 10; ++r) {
        if (pattern.has_register(r)) {
            const uiSaveString& text = pattern.get_register(r);
            std::printf(", \\%d = \"%s\"", r, text ? tool::visible(text).c_str() : "");
        }
    }
    std::printf("\n");
}

void demo_pattern() {
    std::printf("Matches (leftmost first; registers hold the groups):\n");
    show("\\([a-zA-Z0-9_]+\\)$", "Save &As...\tCtrl+Shift+S");
    show("[Cc][Tt][Rr][Ll][-+]", "Shift+ctrl-A");
    show("\\(ab\\)*", "ababab");
    show("\\(a*\\)b\\1", "aaba");
    show("\\bfoo", "xxfoo foo");
    show("x$", "ax\nb");
    show("colou?r", "British colour");
    show("\\(a*\\)*b", "aaac");

    uiPattern loop{uiSaveString("a*b")};
    std::printf("\nThe program of \"a*b\" before its first match:\n%s",
                tool::pattern_listing(loop.buffer()).c_str());
    loop.match(uiSaveString("aab"));
    std::printf("and after it (the loop jump has become a pop_jump):\n%s",
                tool::pattern_listing(loop.buffer()).c_str());

    uiPattern broken{uiSaveString("\\(a")};
    std::printf("\nCompiling \"\\(a\" gives %d, \"%s\"\n", static_cast<int>(broken.error()),
                broken.error_text());
}

tool::RegisterDemoSection section({20, "Pattern matching", demo_pattern});

} // namespace
