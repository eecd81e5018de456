// Demo: delimiters, user data, command composition, vocabularies, events.
#include "subcommands.h"

#include <cstdio>
#include <string>
#include <uiutil/uiutil.h>

namespace {

void show(const char* label, const uiSaveString& text) {
    std::printf("  %-44s %s\n", label, tool::visible(text).c_str());
}

void demo_commands() {
    const uiDelimiter angle("<>");
    const uiDelimiter doubled("[[]]");
    uiSaveString out;
    doubled.delimit_string(uiSaveString("x"), out);
    // get_delimiters answers one shared buffer: copy the first answer.
    const std::string first = angle.get_delimiters();
    std::printf("delimiter sets \"%s\" and \"%s\"; x delimited by the second: %s\n", first.c_str(),
                doubled.get_delimiters(), static_cast<const char*>(out));
    std::printf("user data abc, default class-wide quotes: %s\n",
                static_cast<const char*>(uiUserData("abc").get_delimited()));

    std::printf("commands (value delimiter <>, user-data delimiter []):\n");
    const uiDelimiter saved = uiUserData::delimiter(uiDelimiter("[]"));
    const uiUserData user("u");
    show("open + \"a b\"", uiCommand(uiSaveString("open"), uiSaveString("a b"), angle, 0));
    show("\"go %s %s\" + f", uiCommand(uiSaveString("go %s %s"), uiSaveString("f"), angle, 0));
    show("open + empty value, force 1",
         uiCommand(uiSaveString("open"), uiSaveString(""), angle, 1));
    show("\"set %s %u\" + v, user data u",
         uiCommand(uiSaveString("set %s %u"), angle, uiSaveString("v"), &user, 0));
    show("\"set %u\" + v, user data u",
         uiCommand(uiSaveString("set %u"), angle, uiSaveString("v"), &user, 0));
    uiUserData::delimiter(saved);

    std::printf("vocabularies: widget 2004082 = %s, value kind 1805 = %s, side 0x4100 = %s,\n"
                "  \"uiY_POSITION\" = %d, \"uititle\" = %d\n",
                ui_decode(static_cast<uiType>(2004082)), ui_decode(static_cast<uiValType>(1805)),
                ui_decode(0x4100u), static_cast<int>(ui_decode_uiValType("uiY_POSITION")),
                static_cast<int>(ui_decode_uiValType("uititle")));

    const uiSystemEvent made(uiSaveString("UI_EVENT_MENUBAR_MADE"));
    const uiEvent plain;
    const uiEvent* seen = &made;
    std::printf("event %s seen as uiEvent: dynamic type %s, downcast to uiSystemEvent %s;\n"
                "  a plain uiEvent downcast to uiSystemEvent: %s\n",
                static_cast<const char*>(made.name()), seen->ut_dynamic_type().name(),
                uiSystemEvent::ut_dynamic_cast(seen) ? "succeeds" : "fails",
                uiSystemEvent::ut_dynamic_cast(&plain) ? "succeeds" : "fails");
}

tool::RegisterDemoSection section({60, "Commands, vocabularies and events", demo_commands});

} // namespace
