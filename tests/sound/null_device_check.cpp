// The Linux sound back end playing for real into a null device: a program
// of its own, built and run only with libcanberra (see extra.cmake).
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <uiutil/uiutil.h>

#include "paths/test_files.h"

namespace {

// A short mono 16-bit PCM wave file: 800 samples at 8000 Hz.
void write_wave(const std::string& path) {
    const unsigned char header[44] = {'R', 'I', 'F',  'F',  0x64, 0x06, 0,    0,    'W',  'A', 'V',
                                      'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,   0,
                                      1,   0,   0x40, 0x1F, 0,    0,    0x80, 0x3E, 0,    0,   2,
                                      0,   16,  0,    'd',  'a',  't',  'a',  0x40, 0x06, 0,   0};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    for (int i = 0; i < 800; ++i)
        out.write(i % 20 < 10 ? "\x00\x20" : "\x00\xE0", 2);
}

// libcanberra opens a sound file itself: a pipe, a device or a folder must
// be refused before it gets there, or the player waits for a writer (or
// reads /dev/zero) for ever. Each request runs with a deadline, first thing
// in the program so that the player is made in the process that uses it.
TEST(NullSoundDevice, PipesDevicesAndFoldersAreRefusedAtOnce) {
    test_files::ScratchDir scratch;
    for (const std::string& name : {scratch.fifo("pipe.wav"), scratch.link("zero.wav", "/dev/zero"),
                                    scratch.dir("folder.wav"), scratch.socket("socket.wav")}) {
        for (const DWORD flags : {DWORD(SND_FILENAME), DWORD(SND_FILENAME | SND_ASYNC),
                                  DWORD(SND_FILENAME | SND_ASYNC | SND_LOOP)}) {
            const std::optional<std::string> answer =
                test_files::within(test_files::kBlockedAfter, [name, flags] {
                    return std::string(PlaySoundU(name.c_str(), nullptr, flags) ? "played"
                                                                                : "refused");
                });
            EXPECT_EQ(answer.value_or("(blocked)"), "refused") << name << " flags " << flags;
        }
    }
}

TEST(NullSoundDevice, PlaysLoopsAndStops) {
    test_files::ScratchDir scratch;
    const std::string wave = scratch / "tone.wav";
    write_wave(wave);
    const std::string missing = scratch / "missing.wav";

    EXPECT_EQ(PlaySoundU(wave.c_str(), nullptr, SND_FILENAME | SND_ASYNC), TRUE);
    EXPECT_EQ(PlaySoundU(wave.c_str(), nullptr, SND_FILENAME), TRUE); // waits for the end
    EXPECT_EQ(PlaySoundU(wave.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_LOOP), TRUE);
    // A new sound replaces the looping one; stopping ends everything.
    EXPECT_EQ(PlaySoundU(wave.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_LOOP), TRUE);
    EXPECT_EQ(PlaySoundU(nullptr, nullptr, 0), TRUE);
    EXPECT_EQ(PlaySoundU(missing.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT),
              FALSE);
    EXPECT_EQ(PlaySoundU(wave.c_str(), nullptr, SND_MEMORY | SND_ASYNC), FALSE);

    // Through uiSound, with the file found along the path list.
    test_files::ScopedCwd in_scratch(scratch.path());
    uiSound tone(uiSaveString("tone.wav"));
    EXPECT_EQ(tone.play(), 1);
    EXPECT_EQ(tone.loop_play(), 1);
    EXPECT_EQ(tone.loop_stop(), 1);

    // Aliases need the freedesktop sound theme.
    struct stat theme;
    if (::stat("/usr/share/sounds/freedesktop/index.theme", &theme) == 0) {
        EXPECT_EQ(uiSound::system("SystemAsterisk"), 1);
        EXPECT_EQ(PlaySoundU("systemhand", nullptr, SND_ALIAS | SND_ASYNC), TRUE);
        EXPECT_EQ(PlaySoundU("no-such-event", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT),
                  FALSE);
        EXPECT_EQ(PlaySoundU("no-such-event", nullptr, SND_ALIAS | SND_ASYNC), TRUE); // "bell"
    }
}

} // namespace
