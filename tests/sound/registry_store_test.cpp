// The per-user registry the sound scheme is read from: the file store under
// the XDG configuration folder on Linux, the real registry on Windows.
#include <gtest/gtest.h>
#include <string>
#include <uiutil/uiutil.h>

#include "paths/test_files.h"
#include "sound/recorded_services.h"

namespace {

using test_files::ScratchDir;

// Reads a key's default value; the status, and the text on success.
LONG read_key(const char* subkey, std::string& text, LONG* size_out = nullptr) {
    char value[1024];
    LONG size = sizeof value;
    const LONG status = RegQueryValueU(HKEY_CURRENT_USER, subkey, value, &size);
    if (status == ERROR_SUCCESS)
        text = value;
    if (size_out)
        *size_out = size;
    return status;
}

#if !defined(_WIN32)

// A store in a scratch folder, through XDG_CONFIG_HOME.
class FileStore : public ::testing::Test {
protected:
    FileStore() : xdg("XDG_CONFIG_HOME", scratch.path().c_str()) {}
    // Writes the default value of a key, given as a path with slashes.
    void put(const std::string& key, const std::string& value) {
        scratch.file("uiutil/registry/HKEY_CURRENT_USER/" + key + "/@", value);
    }
    ScratchDir scratch;
    test_files::ScopedEnv xdg;
};

TEST_F(FileStore, KeysAreFoldersAndValuesAreFiles) {
    put("AppEvents/Schemes/Apps/App/Ev/.current", "/media/ev.wav\n");
    put("Windows/Line", "first\r\nsecond\r\n");
    put("Nul", std::string("be\0fore", 7));
    std::string text;
    LONG size = 0;
    EXPECT_EQ(read_key("AppEvents\\Schemes\\Apps\\App\\Ev\\.current", text, &size), ERROR_SUCCESS);
    EXPECT_EQ(text, "/media/ev.wav");
    EXPECT_EQ(size, 14);
    EXPECT_EQ(read_key("Windows\\Line", text), ERROR_SUCCESS);
    EXPECT_EQ(text, "first\r\nsecond");
    EXPECT_EQ(read_key("Nul", text), ERROR_SUCCESS);
    EXPECT_EQ(text, "be");

    // A key without a value file has an empty default value.
    EXPECT_EQ(read_key("AppEvents\\Schemes", text), ERROR_SUCCESS);
    EXPECT_EQ(text, "");
    // Missing keys, wrong case, and paths that would leave the store.
    EXPECT_EQ(read_key("AppEvents\\Missing", text), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(read_key("appevents\\Schemes", text), ERROR_FILE_NOT_FOUND);
    scratch.file("outside/@", "secret");
    EXPECT_EQ(read_key("..\\..\\..\\outside", text), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(read_key("AppEvents\\\\Schemes", text), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(read_key("AppEvents/Schemes", text), ERROR_FILE_NOT_FOUND);
    char value[16];
    LONG value_size = sizeof value;
    EXPECT_EQ(RegQueryValueU(nullptr, "AppEvents", value, &value_size), ERROR_INVALID_HANDLE);
}

TEST_F(FileStore, ValuesLongerThanTheBufferFail) {
    put("Fits", std::string(1023, 'f'));
    put("Long", std::string(1024, 'l'));
    std::string text;
    LONG size = 0;
    EXPECT_EQ(read_key("Fits", text, &size), ERROR_SUCCESS);
    EXPECT_EQ(text.size(), 1023u);
    EXPECT_EQ(size, 1024);
    EXPECT_EQ(read_key("Long", text, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 1025);

    put("P/Ev/.current", std::string(1024, 'l'));
    uiSound sound;
    const uiSaveString original = uiSound::registry_app_key_prefix();
    uiSound::registry_app_key_prefix(uiSaveString("P"));
    sound.registry_sound(uiSaveString("Ev"));
    uiSound::registry_app_key_prefix(original);
    EXPECT_EQ(std::string(sound.sound()), "default");
}

TEST_F(FileStore, WithoutXdgConfigHomeTheStoreIsInHome) {
    test_files::ScopedEnv no_xdg("XDG_CONFIG_HOME", nullptr);
    test_files::ScopedEnv home("HOME", scratch.path().c_str());
    scratch.file(".config/uiutil/registry/HKEY_CURRENT_USER/K/@", "in home");
    std::string text;
    EXPECT_EQ(read_key("K", text), ERROR_SUCCESS);
    EXPECT_EQ(text, "in home");
    test_files::ScopedEnv relative_xdg("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(read_key("K", text), ERROR_SUCCESS);
}

TEST_F(FileStore, SoundsReadTheScheme) {
    put("AppEvents/Schemes/Apps/Ev/.current", "/media/ev.wav");
    put("Sys/Snd/.current", "/media/snd.wav");
    recorded::Services services;
    ui_set_registry_query_hook(nullptr, nullptr);
    uiSound sound;
    sound.registry_sound(uiSaveString("Ev"));
    EXPECT_EQ(sound.play(), 1);
    EXPECT_EQ(uiSound::system("Sys\\Snd"), 1);
    EXPECT_EQ(uiSound::system("Sys\\Missing"), 0);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "/media/ev.wav");
    EXPECT_EQ(services.plays[1].sound, "/media/snd.wav");
}

#else // _WIN32

// Keys written into the real per-user registry, removed afterwards.
class RealRegistry : public ::testing::Test {
protected:
    static constexpr const wchar_t* kRoot = L"Software\\uiutil-tests";
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }
    void put(const std::wstring& key, const std::wstring& value) {
        const std::wstring full = std::wstring(kRoot) + L"\\" + key;
        ASSERT_EQ(RegSetValueW(HKEY_CURRENT_USER, full.c_str(), REG_SZ, value.c_str(),
                               static_cast<DWORD>(value.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
};

TEST_F(RealRegistry, SoundsReadTheScheme) {
    put(L"Apps\\Ev\\.current", L"C:\\Media\\ev.wav");
    put(L"Sys\\Snd\\.current", L"C:\\Media\\snd.wav");
    put(L"Apps\\Long\\.current", std::wstring(1100, L'l'));
    recorded::Services services;
    ui_set_registry_query_hook(nullptr, nullptr);

    const uiSaveString original = uiSound::registry_app_key_prefix();
    uiSound::registry_app_key_prefix(uiSaveString("Software\\uiutil-tests\\Apps"));
    uiSound sound;
    sound.registry_sound(uiSaveString("Ev"));
    EXPECT_EQ(sound.play(), 1);
    uiSound long_value;
    long_value.registry_sound(uiSaveString("Long"));
    uiSound missing;
    missing.registry_sound(uiSaveString("Missing"));
    uiSound::registry_app_key_prefix(original);

    EXPECT_EQ(uiSound::system("Software\\uiutil-tests\\Sys\\Snd"), 1);
    EXPECT_EQ(uiSound::system("Software\\uiutil-tests\\Sys\\Missing"), 0);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "C:\\Media\\ev.wav");
    EXPECT_EQ(services.plays[1].sound, "C:\\Media\\snd.wav");
    EXPECT_EQ(std::string(long_value.sound()), "default");
    EXPECT_EQ(std::string(missing.sound()), "default");

    std::string text;
    EXPECT_EQ(read_key("Software\\uiutil-tests\\Sys\\Snd\\.current", text), ERROR_SUCCESS);
    EXPECT_EQ(text, "C:\\Media\\snd.wav");
}

#endif

// Without a sound to find, the platform answers 0 whatever back end it has
// (played synchronously: an asynchronous request may be accepted before the
// file is looked at).
TEST(PlatformSound, MissingFilesDoNotPlay) {
    ScratchDir scratch;
    const std::string missing = scratch / "missing.wav";
    EXPECT_EQ(PlaySoundU(missing.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT), FALSE);
}

} // namespace
