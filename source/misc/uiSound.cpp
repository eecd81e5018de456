// Sounds from files, system aliases and the per-user sound scheme.
#include <cstring>
#include <uiutil/misc.h>

namespace {

// The platform's SND_ flag combinations the class passes.
constexpr std::int32_t kFileFlags = 0x20001;  // SND_FILENAME | SND_ASYNC
constexpr std::int32_t kAliasFlags = 0x10001; // SND_ALIAS | SND_ASYNC
constexpr std::int32_t kLoopFlag = 0x0008;    // SND_LOOP

// Registry values are read into a buffer of this many bytes.
constexpr LONG kValueBytes = 1024;

// Reads the default value of `key` under HKEY_CURRENT_USER into `value`
// (kValueBytes long, always NUL-terminated afterwards). True on success.
bool read_user_key(const char* key, char* value) {
    LONG size = kValueBytes;
    value[0] = '\0';
    const LONG status = RegQueryValueU(HKEY_CURRENT_USER, key, value, &size);
    value[kValueBytes - 1] = '\0'; // whatever the service wrote, stay inside
    return status == ERROR_SUCCESS;
}

int platform_play(const char* sound, std::int32_t flags) {
    return PlaySoundU(sound, nullptr, static_cast<DWORD>(flags)) == 1 ? 1 : 0;
}

} // namespace

uiSound::uiSound() : m_sound(), m_play_flags(0), m_enabled(1) {}

uiSound::uiSound(const uiSaveString& name)
    : m_sound(name), m_play_flags(kAliasFlags), m_enabled(1) {
    const char* text = name;
    if (!text || !std::strchr(text, '.'))
        return; // an alias
    m_play_flags = kFileFlags;
    if (uiPathList::absolute_path(text))
        return;
    m_sound = uiSaveString(uiClaimOwnership, m_pathlist.search(text));
}

uiSound::~uiSound() {}

void uiSound::file(const char* path) {
    m_sound = uiSaveString(path);
    m_play_flags = kFileFlags;
}

int uiSound::play() const {
    if (m_sound.empty() || m_enabled == 0)
        return 0;
    return platform_play(m_sound, m_play_flags);
}

int uiSound::loop_play() {
    m_play_flags |= kLoopFlag;
    return play();
}

int uiSound::loop_stop() {
    const int answer = platform_play(nullptr, m_play_flags);
    m_play_flags &= ~kLoopFlag;
    return answer;
}

void uiSound::registry_app_key_prefix(const uiSaveString& prefix) {
    m_registry_app_key_prefix = prefix;
}

const uiSaveString& uiSound::registry_app_key_prefix() {
    return m_registry_app_key_prefix;
}

void uiSound::registry_sound(const uiSaveString& event) {
    const uiSaveString key = m_registry_app_key_prefix + "\\" + event + "\\.current";
    char value[kValueBytes];
    if (read_user_key(key, value)) {
        m_sound = uiSaveString(value);
        m_play_flags = kFileFlags;
    } else {
        m_sound = uiSaveString("default");
        m_play_flags = kAliasFlags;
    }
}

int uiSound::system(const char* name) {
    if (!name) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiSound::system: null name");
        return 0;
    }
    if (!std::strchr(name, '\\'))
        return platform_play(name, kAliasFlags);
    const uiSaveString key = uiSaveString(name) + "\\.current";
    char value[kValueBytes];
    if (!read_user_key(key, value))
        return 0;
    return platform_play(value, kFileFlags);
}
