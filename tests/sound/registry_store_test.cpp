// The per-user registry the sound scheme is read from: the file store under
// the XDG configuration folder on Linux, the real registry on Windows.
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <uiutil/uiutil.h>

#include "common/deadline.h"
#include "paths/test_files.h"
#include "sound/recorded_services.h"

namespace {

// A key's default value, or the failure status as text.
std::string read_key(const char* subkey, LONG* size_out = nullptr) {
    char value[1024];
    LONG size = sizeof value;
    const LONG status = RegQueryValueU(HKEY_CURRENT_USER, subkey, value, &size);
    if (size_out)
        *size_out = size;
    return status == ERROR_SUCCESS ? std::string(value) : "error " + std::to_string(status);
}

// A deadline for reads that must answer at once.
const std::chrono::milliseconds kDeadline = test_files::kBlockedAfter;

// What a sound made from the scheme under `prefix` becomes for `event`, and
// what uiSound::system answers for `prefix\event`, with the player
// recorded: "SOUND FLAGS / SYSTEM PLAYS".
std::string sound_answer(const std::string& prefix, const std::string& event) {
    recorded::Services services;
    ui_set_registry_query_hook(nullptr, nullptr); // reads go to the store
    uiSound::registry_app_key_prefix(uiSaveString(prefix.c_str()));
    uiSound sound;
    sound.registry_sound(uiSaveString(event.c_str()));
    uiSound::registry_app_key_prefix(uiSaveString("AppEvents\\Schemes\\Apps"));
    const int system = uiSound::system((prefix + "\\" + event).c_str());
    char flags[16];
    std::snprintf(flags, sizeof flags, "0x%X", static_cast<unsigned>(sound.play_flags()));
    return std::string(sound.sound()) + " " + flags + " / " + std::to_string(system) + " " +
           std::to_string(services.plays.size());
}

// RegQueryValueW's size behaviour, for a key whose value is "abcdef".
void expect_size_behaviour(const char* subkey) {
    char value[16] = "";
    LONG size = 4;
    EXPECT_EQ(RegQueryValueU(HKEY_CURRENT_USER, subkey, value, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 7);
    size = 0;
    EXPECT_EQ(RegQueryValueU(HKEY_CURRENT_USER, subkey, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7);
    size = 0;
    EXPECT_EQ(RegQueryValueU(HKEY_CURRENT_USER, subkey, value, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 7);
    size = 7;
    EXPECT_EQ(RegQueryValueU(HKEY_CURRENT_USER, subkey, value, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7);
    EXPECT_STREQ(value, "abcdef");
    EXPECT_EQ(RegQueryValueU(HKEY_CURRENT_USER, subkey, value, nullptr), ERROR_INVALID_PARAMETER);
}

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FileStore : public ::testing::Test {
protected:
    // Writes the default value of a key, given as a path with slashes.
    void put(const std::string& key, const std::string& value) {
        scratch.file("uiutil/registry/HKEY_CURRENT_USER/" + key + "/@", value);
    }
    test_files::ScratchDir scratch;
    test_files::ScopedEnv xdg{"XDG_CONFIG_HOME", scratch.path().c_str()};
};

TEST_F(FileStore, KeysAreFoldersAndValuesAreFiles) {
    put("Apps/Ev/.current", "/media/ev.wav\n");
    put("Crlf", "first\r\nsecond\r\n");
    put("Nul", std::string("be\0fore", 7));
    put("Fits", std::string(1023, 'f'));
    put("Long", std::string(1024, 'l'));
    scratch.file("outside/@", "secret");
    LONG size = 0;
    EXPECT_EQ(read_key("Apps\\Ev\\.current", &size), "/media/ev.wav");
    EXPECT_EQ(size, 14);
    EXPECT_EQ(read_key("Crlf"), "first\r\nsecond");
    EXPECT_EQ(read_key("Nul"), "be");
    EXPECT_EQ(read_key("Apps"), ""); // a key without a value file
    EXPECT_EQ(read_key("Fits").size(), 1023u);
    EXPECT_EQ(read_key("Long", &size), "error 234"); // ERROR_MORE_DATA
    EXPECT_EQ(size, 1025);
    for (const char* missing :
         {"Apps\\Missing", "apps", "..\\..\\..\\outside", "Apps\\\\Ev", "Apps/Ev"})
        EXPECT_EQ(read_key(missing), "error 2") << missing;
}

TEST_F(FileStore, ValueFilesThatAreNotPlainFilesAnswerAtOnce) {
    // A named pipe without a writer and an endless device would block or
    // never end a plain read; a folder cannot be read; a dangling link is no
    // value file at all.
    const std::string store = scratch.dir("uiutil/registry/HKEY_CURRENT_USER");
    for (const char* key : {"Fifo", "Zero", "Dir", "Dangling"})
        scratch.dir("uiutil/registry/HKEY_CURRENT_USER/" + std::string(key));
    ASSERT_EQ(mkfifo((store + "/Fifo/@").c_str(), 0600), 0);
    scratch.dir("uiutil/registry/HKEY_CURRENT_USER/S/Ev/.current");
    ASSERT_EQ(mkfifo((store + "/S/Ev/.current/@").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", (store + "/Zero/@").c_str()), 0);
    scratch.dir("uiutil/registry/HKEY_CURRENT_USER/Dir/@");
    ASSERT_EQ(symlink((store + "/nowhere").c_str(), (store + "/Dangling/@").c_str()), 0);
    within_deadline("registry reads of special value files", [&] {
        EXPECT_EQ(read_key("Fifo"), "error 5"); // ERROR_ACCESS_DENIED
        EXPECT_EQ(read_key("Zero"), "error 5");
        EXPECT_EQ(read_key("Dir"), "error 5");
        EXPECT_EQ(read_key("Dangling"), "");
        // A sound whose scheme entry is a pipe falls back to the default one.
        uiSound::registry_app_key_prefix(uiSaveString("S"));
        uiSound sound;
        sound.registry_sound(uiSaveString("Ev"));
        uiSound::registry_app_key_prefix(uiSaveString("AppEvents\\Schemes\\Apps"));
        EXPECT_EQ(std::string(sound.sound()), "default");
        EXPECT_EQ(uiSound::system("S\\Ev"), 0);
    });
}

TEST_F(FileStore, WithoutXdgConfigHomeTheStoreIsInHome) {
    test_files::ScopedEnv relative_xdg("XDG_CONFIG_HOME", "relative/dir");
    test_files::ScopedEnv home("HOME", scratch.path().c_str());
    scratch.file(".config/uiutil/registry/HKEY_CURRENT_USER/K/@", "in home");
    EXPECT_EQ(read_key("K"), "in home");
}

TEST_F(FileStore, SoundsReadTheScheme) {
    put("AppEvents/Schemes/Apps/Ev/.current", "/media/ev.wav");
    put("Sys/Snd/.current", "/media/snd.wav");
    put("P/Long/.current", std::string(1024, 'l'));
    recorded::Services services;
    ui_set_registry_query_hook(nullptr, nullptr); // reads go to the store
    uiSound sound, long_value;
    sound.registry_sound(uiSaveString("Ev"));
    uiSound::registry_app_key_prefix(uiSaveString("P"));
    long_value.registry_sound(uiSaveString("Long"));
    uiSound::registry_app_key_prefix(uiSaveString("AppEvents\\Schemes\\Apps"));
    EXPECT_EQ(std::string(long_value.sound()), "default");
    EXPECT_EQ(sound.play() + uiSound::system("Sys\\Snd") + uiSound::system("Sys\\None"), 2);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "/media/ev.wav");
    EXPECT_EQ(services.plays[1].sound, "/media/snd.wav");
}

TEST_F(FileStore, SizesBehaveAsRegQueryValueW) {
    put("Six", "abcdef\n");
    expect_size_behaviour("Six");
}

// A value file that is a pipe (no writer ever comes), a link to a device, a
// folder or a socket fails at once, unread; so does one larger than any
// registry value (1 MiB), judged by its size. (A link to nothing is a missing
// value file: the key's value is empty.) The sound then falls back to the
// alias "default" and uiSound::system plays nothing.
TEST_F(FileStore, ValueFilesThatAreNoRegularFilesFailAtOnce) {
    const std::string root = "uiutil/registry/HKEY_CURRENT_USER/P/";
    scratch.fifo(root + "Pipe/.current/@");
    scratch.link(root + "Zero/.current/@", "/dev/zero");
    scratch.dir(root + "Folder/.current/@");
    scratch.socket(root + "Socket/.current/@");
    scratch.link(root + "Dangling/.current/@", scratch / "nowhere");
    scratch.sparse(root + "Large/.current/@", 2LL << 30); // 2 GiB, no disk used
    scratch.sparse(root + "JustTooLarge/.current/@", (1 << 20) + 1);
    put("P/Largest/.current", std::string((1 << 20) - 1, 'v'));
    put("P/Fine/.current", "/media/fine.wav");
    const struct {
        const char* event;
        const char* read;
    } cases[] = {{"Pipe", "error 5"},   {"Zero", "error 5"},    {"Folder", "error 5"},
                 {"Socket", "error 5"}, {"Large", "error 223"}, {"JustTooLarge", "error 223"}};
    for (const auto& c : cases) {
        const std::string key = std::string("P\\") + c.event + "\\.current";
        EXPECT_EQ(test_files::within(kDeadline, [key] { return read_key(key.c_str()); })
                      .value_or("(blocked)"),
                  c.read)
            << c.event;
        const std::string event = c.event;
        EXPECT_EQ(test_files::within(kDeadline, [event] { return sound_answer("P", event); })
                      .value_or("(blocked)"),
                  "default 0x10001 / 0 0")
            << c.event;
    }
    EXPECT_EQ(read_key("P\\Dangling\\.current"), "");
    // The largest value is read, in pieces, for the size it needs.
    LONG size = 0;
    EXPECT_EQ(read_key("P\\Largest\\.current", &size), "error 234");
    EXPECT_EQ(size, 1 << 20);
    EXPECT_EQ(sound_answer("P", "Fine"), "/media/fine.wav 0x20001 / 1 1");
}

#else

TEST(RealRegistry, SizesBehaveAsRegQueryValueW) {
    const wchar_t* key = L"Software\\uiutil-tests\\Six";
    ASSERT_EQ(RegSetValueW(HKEY_CURRENT_USER, key, REG_SZ, L"abcdef", 6 * sizeof(wchar_t)),
              ERROR_SUCCESS);
    expect_size_behaviour("Software\\uiutil-tests\\Six");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\uiutil-tests");
}

// A value the thread's code page (1252 here) cannot spell exactly is refused,
// never read back as a look-alike ('O' for U+03A9) or as '?': the sound falls
// back to "default" and uiSound::system plays nothing.
TEST(RealRegistry, ValuesTheCodePageCannotSpellAreRefused) {
    const std::wstring root = L"Software\\uiutil-tests\\Apps\\";
    auto put = [&root](const std::wstring& event, const std::wstring& value) {
        EXPECT_EQ(RegSetValueW(HKEY_CURRENT_USER, (root + event + L"\\.current").c_str(), REG_SZ,
                               value.c_str(), static_cast<DWORD>(value.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    };
    put(L"Omega", L"C:\\Sounds\\\x03A9.wav");
    put(L"Mixed", L"\x0436\x4E2D.wav");
    put(L"Cafe", L"C:\\Sounds\\caf\x00E9.wav");
    const std::string prefix = "Software\\uiutil-tests\\Apps";
    EXPECT_EQ(read_key((prefix + "\\Omega\\.current").c_str()), "error 1113");
    EXPECT_EQ(read_key((prefix + "\\Mixed\\.current").c_str()), "error 1113");
    EXPECT_EQ(read_key((prefix + "\\Cafe\\.current").c_str()), "C:\\Sounds\\caf\xE9.wav");
    EXPECT_EQ(sound_answer(prefix, "Omega"), "default 0x10001 / 0 0");
    EXPECT_EQ(sound_answer(prefix, "Mixed"), "default 0x10001 / 0 0");
    EXPECT_EQ(sound_answer(prefix, "Cafe"), "C:\\Sounds\\caf\xE9.wav 0x20001 / 1 1");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\uiutil-tests");
}

TEST(RealRegistry, SoundsReadTheScheme) {
    const wchar_t* root = L"Software\\uiutil-tests";
    auto put = [root](const std::wstring& key, const std::wstring& value) {
        const std::wstring full = std::wstring(root) + L"\\" + key;
        EXPECT_EQ(RegSetValueW(HKEY_CURRENT_USER, full.c_str(), REG_SZ, value.c_str(),
                               static_cast<DWORD>(value.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    };
    put(L"Apps\\Ev\\.current", L"C:\\Media\\ev.wav");
    put(L"Sys\\Snd\\.current", L"C:\\Media\\snd.wav");
    put(L"Apps\\Long\\.current", std::wstring(1100, L'l'));
    recorded::Services services;
    ui_set_registry_query_hook(nullptr, nullptr); // reads go to the registry

    uiSound sound, long_value;
    uiSound::registry_app_key_prefix(uiSaveString("Software\\uiutil-tests\\Apps"));
    sound.registry_sound(uiSaveString("Ev"));
    long_value.registry_sound(uiSaveString("Long"));
    uiSound::registry_app_key_prefix(uiSaveString("AppEvents\\Schemes\\Apps"));
    EXPECT_EQ(std::string(long_value.sound()), "default");
    EXPECT_EQ(sound.play() + uiSound::system("Software\\uiutil-tests\\Sys\\Snd") +
                  uiSound::system("Software\\uiutil-tests\\Sys\\None"),
              2);
    EXPECT_EQ(read_key("Software\\uiutil-tests\\Sys\\Snd\\.current"), "C:\\Media\\snd.wav");
    RegDeleteTreeW(HKEY_CURRENT_USER, root);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "C:\\Media\\ev.wav");
    EXPECT_EQ(services.plays[1].sound, "C:\\Media\\snd.wav");
}

#endif

// Without a sound to find, the platform answers 0 whatever back end it has
// (played synchronously: an asynchronous request may be accepted before the
// file is looked at).
TEST(PlatformSound, MissingFilesDoNotPlay) {
    test_files::ScratchDir scratch;
    EXPECT_EQ(PlaySoundU((scratch / "missing.wav").c_str(), nullptr, SND_FILENAME | SND_NODEFAULT),
              FALSE);
}

// A sound file that is a pipe, a device, a socket or a folder is refused at
// once (a named pipe used to make the player wait for a writer for ever),
// whether the request waits for the sound or not.
TEST(PlatformSound, PipesDevicesAndFoldersAreRefusedAtOnce) {
    test_files::ScratchDir scratch;
#if defined(_WIN32)
    const test_files::NamedPipe pipe("sound-test", PIPE_ACCESS_INBOUND);
    ASSERT_TRUE(pipe.made());
    const std::string names[] = {pipe.path(), "NUL", scratch.dir("folder.wav")};
#else
    const std::string names[] = {scratch.fifo("pipe.wav"), scratch.link("zero.wav", "/dev/zero"),
                                 scratch.socket("socket.wav"), scratch.dir("folder.wav")};
#endif
    for (const std::string& name : names) {
        for (const DWORD flags : {DWORD(SND_FILENAME | SND_NODEFAULT),
                                  DWORD(SND_FILENAME | SND_ASYNC | SND_NODEFAULT)}) {
            const std::optional<std::string> answer = test_files::within(kDeadline, [name, flags] {
                return std::string(PlaySoundU(name.c_str(), nullptr, flags) ? "played" : "refused");
            });
            EXPECT_EQ(answer.value_or("(blocked)"), "refused") << name << " flags " << flags;
        }
    }
}

} // namespace
