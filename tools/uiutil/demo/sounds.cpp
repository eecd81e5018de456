// Demo: sounds. The platform's sound and registry services are replaced by
// hooks that print what they are asked, so nothing is played.
#include "subcommands.h"

#include <cstdio>
#include <cstring>
#include <uiutil/uiutil.h>

namespace {

BOOL show_play(const char* sound, HMODULE, DWORD flags, void*) {
    std::printf("    PlaySoundU(%s, flags 0x%05lX)\n",
                sound ? ("\"" + tool::visible(sound) + "\"").c_str() : "null",
                static_cast<unsigned long>(flags));
    return TRUE;
}

// Knows one event key, as a user's sound scheme would.
LONG show_query(HKEY, const char* subkey, char* value, LONG* size, void*) {
    const char* known = "AppEvents\\Schemes\\Apps\\Mail\\.current";
    const bool found = std::strcmp(subkey, known) == 0;
    std::printf("    RegQueryValueU(\"%s\", size %ld) -> %s\n", tool::visible(subkey).c_str(),
                static_cast<long>(*size), found ? "found" : "missing");
    if (!found)
        return ERROR_FILE_NOT_FOUND;
    std::strcpy(value, "C:\\Media\\mail.wav");
    return ERROR_SUCCESS;
}

void demo_sounds() {
    ui_set_play_sound_hook(show_play, nullptr);
    ui_set_registry_query_hook(show_query, nullptr);

    std::printf("an alias (no '.'): uiSound(\"SystemAsterisk\").play()\n");
    uiSound(uiSaveString("SystemAsterisk")).play();
    std::printf("a file missing from the sound path: play() answers %d without a call\n",
                uiSound(uiSaveString("no-such-chime.wav")).play());
    std::printf("an absolute file, looped, then stopped:\n");
    uiSound chime(uiSaveString("C:\\Media\\chime.wav"));
    chime.loop_play();
    chime.loop_stop();
    chime.play();
    std::printf("an application event from the user's scheme, then one without a key:\n");
    uiSound event;
    event.registry_sound(uiSaveString("Mail"));
    event.play();
    event.registry_sound(uiSaveString("Unknown"));
    event.play();
    std::printf("system sounds: an alias, then a key path:\n");
    uiSound::system("SystemExclamation");
    uiSound::system("AppEvents\\Schemes\\Apps\\Mail");

    ui_set_play_sound_hook(nullptr, nullptr);
    ui_set_registry_query_hook(nullptr, nullptr);
}

tool::RegisterDemoSection section({80, "Sounds", demo_sounds});

} // namespace
