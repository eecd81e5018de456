// What uiSound passes to the sound and registry services.
#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <uiutil/uiutil.h>

#include "paths/test_files.h"
#include "sound/recorded_services.h"

namespace {

using recorded::Services;

constexpr DWORD kFile = 0x20001;  // SND_FILENAME | SND_ASYNC
constexpr DWORD kAlias = 0x10001; // SND_ALIAS | SND_ASYNC
constexpr DWORD kLoop = 0x0008;   // SND_LOOP

int count_status_queries(const char*, uiFileKind*, void* count) {
    ++*static_cast<int*>(count);
    return ENOENT;
}

TEST(SoundNames, FilesAreFoundAlongThePathList) {
    test_files::ScratchDir scratch;
    scratch.file("chime.wav");
    const std::string sounds = scratch.dir("sounds");
    scratch.file("sounds/ding.wav");
    test_files::ScopedCwd in_scratch(scratch.path());
    Services services;

    EXPECT_EQ(uiSound(uiSaveString("chime.wav")).play(), 1);
    EXPECT_EQ(uiSound(uiSaveString("ding.wav")).play(), 0); // not found: no call
    ASSERT_EQ(uiSound::m_pathlist.add(sounds.c_str()), uiPATHOK);
    uiSound ding(uiSaveString("ding.wav"));
    uiSound::m_pathlist.remove(sounds.c_str());
    services.play_answer = 2; // only exactly 1 is success
    EXPECT_EQ(ding.play(), 0);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "chime.wav");
    EXPECT_EQ(services.plays[0].flags, kFile);
    EXPECT_EQ(services.plays[1].sound, sounds + "/ding.wav");
}

TEST(SoundNames, AliasesAndAbsolutePathsAreNotLookedUp) {
    Services services;
    int queries = 0;
    ui_set_file_status_hook(count_status_queries, &queries);
    const char* absolute = "C:\\no\\such\\x.wav";
    uiSound alias(uiSaveString("SystemAsterisk"));
    uiSound file{uiSaveString(absolute)};
    ui_set_file_status_hook(nullptr, nullptr);
    EXPECT_EQ(queries, 0);
    EXPECT_EQ(alias.play() + file.play(), 2);
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "SystemAsterisk");
    EXPECT_EQ(services.plays[0].flags, kAlias);
    EXPECT_EQ(services.plays[1].sound, absolute);
    EXPECT_EQ(services.plays[1].flags, kFile);
}

TEST(SoundLoops, LoopFlagComesAndGoes) {
    Services services;
    uiSound sound;
    EXPECT_EQ(sound.loop_play(), 0); // nothing to play yet
    EXPECT_EQ(sound.loop_stop(), 1); // flags start at 0
    sound.file("bell.wav");
    sound.loop_play();
    sound.loop_stop();
    sound.play();
    sound.loop_play();
    sound.file("other.wav"); // ends the loop setting
    sound.play();
    services.play_answer = FALSE;
    EXPECT_EQ(sound.loop_play(), 0);
    EXPECT_EQ(sound.loop_stop(), 0);
    EXPECT_EQ(sound.play_flags(), static_cast<std::int32_t>(kFile));

    const DWORD flags[] = {kLoop,         kFile | kLoop, kFile | kLoop, kFile,
                           kFile | kLoop, kFile,         kFile | kLoop, kFile | kLoop};
    ASSERT_EQ(services.plays.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(services.plays[i].flags, flags[i]) << i;
        EXPECT_EQ(services.plays[i].sound.has_value(), i != 0 && i != 2 && i != 7) << i;
    }
}

TEST(SoundRegistry, EventKeysFollowThePrefix) {
    Services services;
    uiSound sound;
    services.value = "C:\\Media\\ev.wav";
    sound.loop_play();
    sound.registry_sound(uiSaveString("Ev"));
    EXPECT_EQ(sound.play(), 1);
    uiSound::registry_app_key_prefix(uiSaveString("P"));
    services.value.reset();
    sound.registry_sound(uiSaveString("Ev"));
    uiSound::registry_app_key_prefix(uiSaveString("AppEvents\\Schemes\\Apps"));
    EXPECT_EQ(sound.play(), 1);
    services.overfill = true; // the text read stays inside the buffer
    sound.registry_sound(uiSaveString("Ev"));
    EXPECT_EQ(sound.sound().length(), 1023);

    EXPECT_EQ(services.subkeys,
              (std::vector<std::string>{"AppEvents\\Schemes\\Apps\\Ev\\.current", "P\\Ev\\.current",
                                        "AppEvents\\Schemes\\Apps\\Ev\\.current"}));
    ASSERT_EQ(services.plays.size(), 2u);
    EXPECT_EQ(services.plays[0].sound, "C:\\Media\\ev.wav");
    EXPECT_EQ(services.plays[0].flags, kFile);
    EXPECT_EQ(services.plays[1].sound, "default");
    EXPECT_EQ(services.plays[1].flags, kAlias);
}

TEST(SoundSystem, AliasOrKeyPath) {
    Services services;
    EXPECT_EQ(uiSound::system("SystemHand"), 1);
    EXPECT_EQ(uiSound::system("Control Panel\\Ding"), 0); // missing key: nothing played
    services.value = "/media/ding.wav";
    EXPECT_EQ(uiSound::system("Control Panel\\Ding"), 1);
    services.play_answer = 2;
    EXPECT_EQ(uiSound::system("SystemHand"), 0);

    EXPECT_EQ(services.subkeys, (std::vector<std::string>{"Control Panel\\Ding\\.current",
                                                          "Control Panel\\Ding\\.current"}));
    ASSERT_EQ(services.plays.size(), 3u);
    EXPECT_EQ(services.plays[0].sound, "SystemHand");
    EXPECT_EQ(services.plays[0].flags, kAlias);
    EXPECT_EQ(services.plays[1].sound, "/media/ding.wav");
    EXPECT_EQ(services.plays[1].flags, kFile);
}

} // namespace
