// Stands in for the sound and registry services: records what the library
// asks and answers as the test says.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace recorded {

struct PlayCall {
    std::optional<std::string> sound; // none for a null sound ("stop")
    DWORD flags;
};

class Services {
public:
    Services() {
        ui_set_play_sound_hook(play, this);
        ui_set_registry_query_hook(query, this);
    }
    ~Services() {
        ui_set_play_sound_hook(nullptr, nullptr);
        ui_set_registry_query_hook(nullptr, nullptr);
    }
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    std::vector<PlayCall> plays;
    std::vector<std::string> subkeys; // of HKEY_CURRENT_USER, with a 1024-byte buffer
    BOOL play_answer = TRUE;
    std::optional<std::string> value; // none: the key is missing
    bool overfill = false;            // fill the whole buffer, without a NUL

private:
    static BOOL play(const char* sound, HMODULE module, DWORD flags, void* self) {
        Services& s = *static_cast<Services*>(self);
        s.plays.push_back(
            {sound ? std::optional<std::string>(sound) : std::nullopt, module ? 0xBAD : flags});
        return s.play_answer;
    }
    static LONG query(HKEY key, const char* subkey, char* value, LONG* size, void* self) {
        Services& s = *static_cast<Services*>(self);
        const bool as_expected = key == HKEY_CURRENT_USER && *size == 1024;
        s.subkeys.push_back(as_expected ? subkey : "(unexpected key or size)");
        if (s.overfill)
            std::memset(value, 'v', 1024);
        else if (s.value)
            std::strcpy(value, s.value->c_str());
        return s.value || s.overfill ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    }
};

} // namespace recorded
