// The Linux sound back end playing for real into a null device: a program
// of its own, built and run only with libcanberra (see extra.cmake).
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <uiutil/uiutil.h>

#include "paths/test_files.h"

namespace {

// A short mono 16-bit PCM wave file.
void write_wave(const std::string& path) {
    const unsigned samples = 800, rate = 8000, data_bytes = samples * 2;
    auto u32 = [](std::ofstream& out, unsigned v) {
        for (int i = 0; i < 4; ++i)
            out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [](std::ofstream& out, unsigned v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>((v >> 8) & 0xFF));
    };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    u32(out, 36 + data_bytes);
    out << "WAVEfmt ";
    u32(out, 16);
    u16(out, 1); // PCM
    u16(out, 1); // mono
    u32(out, rate);
    u32(out, rate * 2);
    u16(out, 2);
    u16(out, 16);
    out << "data";
    u32(out, data_bytes);
    for (unsigned i = 0; i < samples; ++i)
        u16(out, (i % 20) < 10 ? 0x2000 : 0xE000);
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
