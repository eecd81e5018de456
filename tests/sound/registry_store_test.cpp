// The per-user registry the sound scheme is read from: the file store under
// the XDG configuration folder on Linux, the real registry on Windows.
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

#else

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

} // namespace
