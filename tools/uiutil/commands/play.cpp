// uiutil play: plays a sound file, alias or application event through the
// platform, waiting until it ends.
#include "subcommands.h"

#include <cstdio>
#include <cstring>
#include <uiutil/uiutil.h>

namespace {

int usage() {
    std::fprintf(stderr, "usage: uiutil play SOUND | uiutil play --event NAME\n");
    return 2;
}

int run_play(int argc, char** argv) {
    uiSound sound;
    if (argc == 2 && std::strcmp(argv[1], "--event") != 0) {
        // A name with a '.' is a file, looked up from the current directory.
        sound = uiSound(uiSaveString(argv[1]));
    } else if (argc == 3 && std::strcmp(argv[1], "--event") == 0) {
        sound.registry_sound(uiSaveString(argv[2]));
        std::printf("event key: %s\\%s\\.current\n",
                    static_cast<const char*>(uiSound::registry_app_key_prefix()), argv[2]);
    } else {
        return usage();
    }
    const char* text = sound.sound();
    const DWORD flags = static_cast<DWORD>(sound.play_flags());
    std::printf("sound: %s (%s)\n", tool::visible(text).c_str(),
                flags & SND_ALIAS ? "system alias" : "file");
    if (!text) {
        std::printf("not found along the sound path\n");
        return 1;
    }
    // Without SND_ASYNC the call returns when the sound has ended, so the
    // program does not end it early.
    const BOOL answer = PlaySoundU(text, nullptr, flags & ~static_cast<DWORD>(SND_ASYNC));
    std::printf("answer: %d\n", static_cast<int>(answer));
    return answer == 1 ? 0 : 1;
}

tool::RegisterSubcommand reg({"play", "play SOUND | play --event NAME",
                              "play a sound file, system alias or application event", run_play});

} // namespace
