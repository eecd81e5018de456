// What uiSound passes to the sound and registry services.
#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <uiutil/uiutil.h>

#include "paths/test_files.h"
#include "sound/recorded_services.h"

namespace {

using recorded::Services;
using test_files::ScratchDir;

constexpr DWORD kFile = 0x20001;  // SND_FILENAME | SND_ASYNC
constexpr DWORD kAlias = 0x10001; // SND_ALIAS | SND_ASYNC
constexpr DWORD kLoop = 0x0008;   // SND_LOOP

// Records every file-status query.
int record_status(const char* path, uiFileKind*, void* context) {
    static_cast<std::vector<std::string>*>(context)->push_back(path);
    return ENOENT;
}

TEST(SoundNames, FilesAreFoundAlongThePathList) {
    ScratchDir scratch;
    scratch.file("chime.wav");
    const std::string sounds = scratch.dir("sounds");
    scratch.file("sounds/ding.wav");
    test_files::ScopedCwd in_scratch(scratch.path());
    Services services;

    uiSound chime(uiSaveString("chime.wav"));
    EXPECT_EQ(chime.play(), 1);
    ASSERT_EQ(services.plays.size(), 1u);
    EXPECT_EQ(services.plays[0].sound, "chime.wav");
    EXPECT_EQ(services.plays[0].module, nullptr);
    EXPECT_EQ(services.plays[0].flags, kFile);

    // Only exactly 1 counts as success.
    services.play_answer = 2;
    EXPECT_EQ(chime.play(), 0);

    uiSound elsewhere(uiSaveString("ding.wav"));
    EXPECT_EQ(elsewhere.play(), 0);
    EXPECT_EQ(services.plays.size(), 2u); // nothing to play: no call
    ASSERT_EQ(uiSound::m_pathlist.add(sounds.c_str()), uiPATHOK);
    uiSound found(uiSaveString("ding.wav"));
    uiSound::m_pathlist.remove(sounds.c_str());
    services.play_answer = TRUE;
    EXPECT_EQ(found.play(), 1);
    EXPECT_EQ(services.plays.back().sound, sounds + "/ding.wav");
    EXPECT_EQ(services.plays.back().flags, kFile);
}

TEST(SoundNames, AliasesAndAbsolutePathsAreNotLookedUp) {
    Services services;
    std::vector<std::string> queried;
    ui_set_file_status_hook(record_status, &queried);
#if defined(_WIN32)
    const char* absolute = "C:\\no\\such\\folder\\x.wav";
#else
    const char* absolute = "/no/such/folder/x.wav";
#endif
    uiSound alias(uiSaveString("SystemAsterisk"));
    uiSound file{uiSaveString(absolute)};
    ui_set_file_status_hook(nullptr, nullptr);
    EXPECT_TRUE(queried.empty());

    EXPECT_EQ(alias.play(), 1);
    EXPECT_EQ(file.play(), 1);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "SystemAsterisk");
    EXPECT_EQ(services.plays[0].flags, kAlias);
    EXPECT_EQ(services.plays[1].sound, absolute);
    EXPECT_EQ(services.plays[1].flags, kFile);
}

TEST(SoundLoops, LoopFlagComesAndGoes) {
    Services services;
    uiSound sound;
    EXPECT_EQ(sound.play(), 0); // nothing set yet
    EXPECT_EQ(sound.loop_play(), 0);
    EXPECT_TRUE(services.plays.empty());
    EXPECT_EQ(sound.loop_stop(), 1);
    ASSERT_EQ(services.plays.size(), 1u);
    EXPECT_EQ(services.plays[0].sound, std::nullopt);
    EXPECT_EQ(services.plays[0].flags, kLoop); // flags start at 0

    services.plays.clear();
    sound.file("bell.wav");
    EXPECT_EQ(sound.loop_play(), 1);
    EXPECT_EQ(sound.loop_stop(), 1);
    EXPECT_EQ(sound.play(), 1);
    EXPECT_EQ(sound.loop_play(), 1);
    sound.file("other.wav"); // ends the loop setting
    EXPECT_EQ(sound.play(), 1);
    services.play_answer = FALSE;
    EXPECT_EQ(sound.loop_play(), 0);
    EXPECT_EQ(sound.loop_stop(), 0);
    EXPECT_EQ(sound.play_flags(), static_cast<std::int32_t>(kFile)); // cleared whatever the answer

    const DWORD expected_flags[] = {kFile | kLoop, kFile | kLoop, kFile,        kFile | kLoop,
                                    kFile,         kFile | kLoop, kFile | kLoop};
    ASSERT_EQ(services.plays.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(services.plays[i].flags, expected_flags[i]) << "call " << i;
    EXPECT_EQ(services.plays[1].sound, std::nullopt);
    EXPECT_EQ(services.plays[4].sound, "other.wav");
}

TEST(SoundRegistry, EventKeysFollowThePrefix) {
    Services services;
    uiSound sound;
    services.registry_value = "C:\\Media\\ev.wav";
    sound.registry_sound(uiSaveString("Ev"));
    ASSERT_EQ(services.queries.size(), 1u);
    EXPECT_EQ(services.queries[0].key, HKEY_CURRENT_USER);
    EXPECT_EQ(services.queries[0].subkey, "AppEvents\\Schemes\\Apps\\Ev\\.current");
    EXPECT_EQ(services.queries[0].size, 1024);
    EXPECT_TRUE(services.plays.empty());
    EXPECT_EQ(sound.play(), 1);
    EXPECT_EQ(services.plays.back().sound, "C:\\Media\\ev.wav");
    EXPECT_EQ(services.plays.back().flags, kFile);

    const uiSaveString original = uiSound::registry_app_key_prefix();
    uiSound::registry_app_key_prefix(uiSaveString("P"));
    services.registry_value.reset();
    sound.loop_play();
    sound.registry_sound(uiSaveString("Ev"));
    uiSound::registry_app_key_prefix(original);
    EXPECT_EQ(services.queries.back().subkey, "P\\Ev\\.current");
    EXPECT_EQ(sound.play(), 1);
    EXPECT_EQ(services.plays.back().sound, "default");
    EXPECT_EQ(services.plays.back().flags, kAlias);
    EXPECT_EQ(std::string(uiSound::registry_app_key_prefix()), "AppEvents\\Schemes\\Apps");
}

TEST(SoundRegistry, AnOverfilledBufferStaysTerminated) {
    Services services;
    services.registry_overfills = true;
    uiSound sound;
    sound.registry_sound(uiSaveString("Ev"));
    EXPECT_EQ(sound.sound().length(), 1023);
    EXPECT_EQ(uiSound::system("Key\\Path"), 1);
    ASSERT_EQ(services.plays.size(), 1u);
    EXPECT_EQ(services.plays[0].sound->size(), 1023u);
}

TEST(SoundSystem, AliasOrKeyPath) {
    Services services;
    EXPECT_EQ(uiSound::system("SystemHand"), 1);
    EXPECT_TRUE(services.queries.empty());
    ASSERT_EQ(services.plays.size(), 1u);
    EXPECT_EQ(services.plays[0].sound, "SystemHand");
    EXPECT_EQ(services.plays[0].flags, kAlias);

    // A key path: no prefix, and a missing key plays nothing.
    EXPECT_EQ(uiSound::system("Control Panel\\Sounds\\Ding"), 0);
    ASSERT_EQ(services.queries.size(), 1u);
    EXPECT_EQ(services.queries[0].subkey, "Control Panel\\Sounds\\Ding\\.current");
    EXPECT_EQ(services.plays.size(), 1u);

    services.registry_value = "/media/ding.wav";
    EXPECT_EQ(uiSound::system("Control Panel\\Sounds\\Ding"), 1);
    EXPECT_EQ(services.plays.back().sound, "/media/ding.wav");
    EXPECT_EQ(services.plays.back().flags, kFile);
    services.play_answer = 2;
    EXPECT_EQ(uiSound::system("SystemHand"), 0);
}

} // namespace
