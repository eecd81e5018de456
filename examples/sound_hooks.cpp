// Sounds for user-interface events, observed through the service hooks
// instead of a sound device: what would be played, and how.
#include <cstring>
#include <iostream>
#include <string>
#include <uiutil/uiutil.h>

// Stands in for the platform's player: records what it is asked to play.
static BOOL record_sound(const char* sound, HMODULE, DWORD flags, void* context) {
    std::string& log = *static_cast<std::string*>(context);
    if (!sound) {
        log += "(stop)\n"; // a null sound stops playing
        return 1;
    }
    log += sound;
    log += (flags & SND_ALIAS) ? " [alias]\n" : (flags & SND_FILENAME) ? " [file]\n" : "\n";
    return 1;
}

// Stands in for the per-user registry: every event's sound is chime.wav.
static LONG scheme(HKEY, const char* subkey, char* value, LONG* size, void*) {
    std::cout << "registry asked for: " << subkey << "\n";
    const char answer[] = "/usr/share/sounds/chime.wav";
    if (*size < static_cast<LONG>(sizeof answer))
        return ERROR_MORE_DATA;
    std::memcpy(value, answer, sizeof answer);
    return ERROR_SUCCESS;
}

int main() {
    std::string log;
    ui_set_play_sound_hook(record_sound, &log);
    ui_set_registry_query_hook(scheme, nullptr);

    uiSound warning("SystemExclamation"); // no '.': a system sound alias
    warning.play();

    uiSound opened;
    opened.registry_sound("MyApp\\Open"); // the file the user chose for this event
    opened.play();
    opened.loop_stop();

    // Back to the platform's services.
    ui_set_play_sound_hook(nullptr, nullptr);
    ui_set_registry_query_hook(nullptr, nullptr);

    std::cout << log;
    return log == "SystemExclamation [alias]\n/usr/share/sounds/chime.wav [file]\n(stop)\n" ? 0 : 1;
}
