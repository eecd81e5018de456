// Records what the library asks of the sound and registry services, and
// answers as the test says.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace recorded {

struct PlayCall {
    std::optional<std::string> sound; // empty for a null sound ("stop")
    HMODULE module;
    DWORD flags;
};

struct RegistryCall {
    HKEY key;
    std::string subkey;
    LONG size;
};

// While it lives, PlaySoundU and RegQueryValueU reach this object instead of
// the platform.
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
    std::vector<RegistryCall> queries;
    BOOL play_answer = TRUE;
    // The value a query finds; none means the key is missing.
    std::optional<std::string> registry_value;
    // Fill the whole buffer, without a NUL, instead of writing the value.
    bool registry_overfills = false;

private:
    static BOOL play(const char* sound, HMODULE module, DWORD flags, void* self) {
        Services& s = *static_cast<Services*>(self);
        s.plays.push_back(
            {sound ? std::optional<std::string>(sound) : std::nullopt, module, flags});
        return s.play_answer;
    }
    static LONG query(HKEY key, const char* subkey, char* value, LONG* size, void* self) {
        Services& s = *static_cast<Services*>(self);
        s.queries.push_back({key, subkey ? subkey : "", *size});
        if (s.registry_overfills) {
            std::memset(value, 'v', static_cast<std::size_t>(*size));
            return ERROR_SUCCESS;
        }
        if (!s.registry_value)
            return ERROR_FILE_NOT_FOUND;
        std::strcpy(value, s.registry_value->c_str());
        return ERROR_SUCCESS;
    }
};

} // namespace recorded
