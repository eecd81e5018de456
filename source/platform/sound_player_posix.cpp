// Sounds on Linux, through libcanberra when the build found it (see
// backends.cmake); without it every request fails.
//
// The calls mirror PlaySoundW: one sound plays at a time and a new one stops
// the previous; a null sound stops it. A sound file that is not a regular
// file (a pipe, a device, a socket, a folder) is refused at once (FALSE),
// without being opened. Files and theme events play
// asynchronously in libcanberra's own threads. libcanberra cannot loop, so a
// looping sound is started again by a helper thread each time it ends; the
// thread is created on the first loop request and ends at unload.
//
// At unload the sound playing is stopped and the helper thread joined, but
// the libcanberra context is left to the process's end, and the player's
// state with it: destroying the context unloads libcanberra's output driver
// while the driver's own sound threads may still be running its code (a
// crash at exit, seen under load), and those threads may still report a
// sound's end to the player.
#include "platform/internal/sound_player.h"

#include "platform/internal/regular_file.h"

#if !defined(UIUTIL_HAVE_CANBERRA)

namespace uiutil_internal {

BOOL platform_play_sound(const char*, HMODULE, DWORD) {
    return FALSE;
}

} // namespace uiutil_internal

#else

#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace uiutil_internal {

namespace {

// One way to play a request: a file, or a sound-theme event.
struct Source {
    bool is_file;
    std::string name;
};

// The sources to try for `sound`, in order, as PlaySoundW would look for it.
std::vector<Source> sources_for(const char* sound, DWORD flags) {
    std::vector<Source> sources;
    auto add_alias = [&sources](const char* alias) {
        if (const char* const* names = sound_theme_names(alias)) {
            for (; *names; ++names)
                sources.push_back({false, *names});
        } else {
            sources.push_back({false, alias}); // a theme event name given directly
        }
    };
    // A file when the flags say so, or, with neither flag, when the name is
    // no theme sound and names an existing file.
    const bool is_file =
        (flags & SND_FILENAME) ||
        (!(flags & SND_ALIAS) && !sound_theme_names(sound) && ::access(sound, F_OK) == 0);
    if (is_file)
        sources.push_back({true, sound});
    else
        add_alias(sound);
    // Like PlaySoundW, fall back to the default sound unless told not to.
    if (!(flags & SND_NODEFAULT) && (sources.back().is_file || sources.back().name != "bell"))
        sources.push_back({false, "bell"});
    return sources;
}

class Player {
public:
    Player() = default;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    BOOL play(const char* sound, DWORD flags);
    BOOL stop();
    // Stops the sound and joins the helper thread; plays nothing after.
    void shut_down();

private:
    static std::uint32_t id_of(std::uint64_t generation) {
        return static_cast<std::uint32_t>(generation % 0xFFFFFFFEu) + 1;
    }
    bool open();
    int start(const Source& source, std::uint64_t generation);
    std::uint64_t begin_new_sound(bool looping);
    static void finished(ca_context*, std::uint32_t id, int error, void* self);
    void replay_loop();

    ca_context* m_context = nullptr;
    // Serialises every call into libcanberra and guards m_context and
    // m_current. Taken before m_signal_mutex, never after it.
    std::mutex m_call_mutex;
    Source m_current{false, ""};
    std::thread m_loop_thread;

    // Guards the flags below; libcanberra's threads take it in the finish
    // callback, so it is never held while calling into libcanberra.
    std::mutex m_signal_mutex;
    std::condition_variable m_signal;
    std::uint64_t m_generation = 0; // changes with every play and stop
    bool m_playing = false;
    bool m_looping = false;
    bool m_replay_due = false;
    bool m_shutting_down = false;
    int m_outstanding = 0; // sounds started whose end has not been reported
};

void Player::shut_down() {
    {
        std::lock_guard<std::mutex> signal(m_signal_mutex);
        m_shutting_down = true;
        m_looping = false;
    }
    m_signal.notify_all();
    if (m_loop_thread.joinable())
        m_loop_thread.join();
    std::lock_guard<std::mutex> call(m_call_mutex);
    if (m_context) {
        std::uint64_t current;
        {
            std::lock_guard<std::mutex> signal(m_signal_mutex);
            current = m_generation;
        }
        ca_context_cancel(m_context, id_of(current));
    }
    // Waits, a while at most, for libcanberra to report the end of every
    // sound, so that none calls back into a library that is going away.
    std::unique_lock<std::mutex> signal(m_signal_mutex);
    m_signal.wait_for(signal, std::chrono::seconds(1), [this] { return m_outstanding <= 0; });
}

bool Player::open() {
    if (m_context)
        return true;
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return false;
    if (ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return false;
    }
    m_context = context;
    return true;
}

std::uint64_t Player::begin_new_sound(bool looping) {
    std::lock_guard<std::mutex> signal(m_signal_mutex);
    ++m_generation;
    m_playing = false;
    m_looping = looping;
    m_replay_due = false;
    return m_generation;
}

// libcanberra opens a sound file itself, and would wait for a writer on a
// pipe or read a device without end: what is not a regular file is refused
// before it is handed over (also when a looping sound is started again).
bool is_refused_file(const Source& source) {
    if (!source.is_file)
        return false;
    int fd = -1;
    const FileOpen found = open_regular_file(source.name.c_str(), &fd);
    if (found == FileOpen::Opened)
        ::close(fd);
    return found == FileOpen::NotAFile;
}

int Player::start(const Source& source, std::uint64_t generation) {
    if (is_refused_file(source))
        return CA_ERROR_ACCESS;
    ca_proplist* properties = nullptr;
    if (ca_proplist_create(&properties) != CA_SUCCESS)
        return CA_ERROR_OOM;
    ca_proplist_sets(properties, source.is_file ? CA_PROP_MEDIA_FILENAME : CA_PROP_EVENT_ID,
                     source.name.c_str());
    {
        std::lock_guard<std::mutex> signal(m_signal_mutex);
        if (generation == m_generation)
            m_playing = true; // before playing: the callback may come at once
        ++m_outstanding;
    }
    const int result =
        ca_context_play_full(m_context, id_of(generation), properties, &Player::finished, this);
    ca_proplist_destroy(properties);
    if (result != CA_SUCCESS) {
        std::lock_guard<std::mutex> signal(m_signal_mutex);
        --m_outstanding; // no end will be reported
        if (generation == m_generation)
            m_playing = false;
    }
    return result;
}

void Player::finished(ca_context*, std::uint32_t id, int error, void* self) {
    Player* player = static_cast<Player*>(self);
    {
        std::lock_guard<std::mutex> signal(player->m_signal_mutex);
        --player->m_outstanding;
        if (id != id_of(player->m_generation)) {
            player->m_signal.notify_all();
            return; // a sound that was replaced or stopped
        }
        player->m_playing = false;
        if (player->m_looping && error == CA_SUCCESS)
            player->m_replay_due = true;
        else
            player->m_looping = false;
    }
    player->m_signal.notify_all();
}

void Player::replay_loop() {
    std::unique_lock<std::mutex> signal(m_signal_mutex);
    for (;;) {
        m_signal.wait(signal, [this] { return m_shutting_down || m_replay_due; });
        if (m_shutting_down)
            return;
        m_replay_due = false;
        const std::uint64_t generation = m_generation;
        signal.unlock();
        // A sound that ends at once must not turn this into a busy loop.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        {
            std::lock_guard<std::mutex> call(m_call_mutex);
            bool still_looping;
            {
                std::lock_guard<std::mutex> check(m_signal_mutex);
                still_looping = m_looping && generation == m_generation && !m_shutting_down;
            }
            if (still_looping && start(m_current, generation) != CA_SUCCESS) {
                std::lock_guard<std::mutex> check(m_signal_mutex);
                if (generation == m_generation)
                    m_looping = false;
            }
        }
        signal.lock();
    }
}

BOOL Player::play(const char* sound, DWORD flags) {
    if (flags & SND_MEMORY)
        return FALSE; // memory images and resources have no equivalent here
    const std::vector<Source> sources = sources_for(sound, flags);
    const bool looping = (flags & SND_LOOP) != 0;

    std::unique_lock<std::mutex> call(m_call_mutex);
    if (!open())
        return FALSE;
    std::uint64_t previous;
    {
        std::lock_guard<std::mutex> signal(m_signal_mutex);
        if (m_shutting_down || ((flags & SND_NOSTOP) && m_playing))
            return FALSE;
        previous = m_generation;
    }
    const std::uint64_t generation = begin_new_sound(looping);
    ca_context_cancel(m_context, id_of(previous));

    bool started = false;
    for (const Source& source : sources) {
        const int result = start(source, generation);
        if (result == CA_SUCCESS) {
            m_current = source;
            started = true;
            break;
        }
        if (result != CA_ERROR_NOTFOUND)
            break; // no device, no permission...: other sources fail alike
    }
    if (!started) {
        std::lock_guard<std::mutex> signal(m_signal_mutex);
        m_looping = false;
        return FALSE;
    }
    if (looping && !m_loop_thread.joinable())
        m_loop_thread = std::thread(&Player::replay_loop, this);
    call.unlock();

    if (!(flags & SND_ASYNC) && !looping) {
        std::unique_lock<std::mutex> signal(m_signal_mutex);
        m_signal.wait(signal, [&] { return !m_playing || m_generation != generation; });
    }
    return TRUE;
}

BOOL Player::stop() {
    std::lock_guard<std::mutex> call(m_call_mutex);
    if (!open())
        return FALSE;
    std::uint64_t previous;
    {
        std::lock_guard<std::mutex> signal(m_signal_mutex);
        previous = m_generation;
    }
    begin_new_sound(false);
    ca_context_cancel(m_context, id_of(previous));
    return TRUE;
}

// Shuts the player down when the library is unloaded.
class ShutDownAtUnload {
public:
    explicit ShutDownAtUnload(Player& player) : m_player(player) {}
    ~ShutDownAtUnload() { m_player.shut_down(); }
    ShutDownAtUnload(const ShutDownAtUnload&) = delete;
    ShutDownAtUnload& operator=(const ShutDownAtUnload&) = delete;

private:
    Player& m_player;
};

Player& player() {
    // Never destroyed (see the top of this file); reachable to the end.
    static Player* const the_player = new Player;
    static const ShutDownAtUnload shut_down(*the_player);
    return *the_player;
}

} // namespace

// There are no resource modules to take a sound from here: `module` is not
// needed.
BOOL platform_play_sound(const char* sound, HMODULE, DWORD flags) {
    return sound ? player().play(sound, flags) : player().stop();
}

} // namespace uiutil_internal

#endif // UIUTIL_HAVE_CANBERRA
