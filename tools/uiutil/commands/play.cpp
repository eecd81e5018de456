// uiutil play: plays a sound file, alias or application event through the
// platform, waiting until it ends.
#include "common/arguments.h"
#include "common/platform_setup.h"
#include "subcommands.h"

#include <cstdio>
#include <uiutil/uiutil.h>

namespace {

int run_play(const tool::Arguments& args) {
    const char* name = args.operand(0);
    uiSound sound;
    if (args.has("--event")) {
        sound.registry_sound(uiSaveString(name));
        std::printf("event key: %s\\%s\\.current\n",
                    static_cast<const char*>(uiSound::registry_app_key_prefix()), name);
    } else {
        // A name with a '.' is a file, looked up from the current directory.
        sound = uiSound(uiSaveString(name));
    }
    const char* text = sound.sound();
    const DWORD flags = static_cast<DWORD>(sound.play_flags());
    if (!text) {
        std::printf("sound: %s not found along the sound path (the current directory)\n",
                    tool::visible(name).c_str());
        return tool::exit_not_found;
    }
    std::printf("sound: %s (%s)\n", tool::visible(text).c_str(),
                flags & SND_ALIAS ? "system alias" : "file");
    std::fflush(stdout);
    // Without SND_ASYNC the call returns when the sound has ended, so the
    // program does not end it early.
    BOOL answer = 0;
    {
        const tool::QuietStandardError quiet(!args.has("--verbose"));
        answer = PlaySoundU(text, nullptr, flags & ~static_cast<DWORD>(SND_ASYNC));
    }
    if (answer == 1) {
        std::printf("answer: 1 (played)\n");
        return tool::exit_ok;
    }
    std::printf("answer: %d (not played: no sound device or sound back end, or a sound it\n"
                "  cannot find or read; --verbose shows what the sound system said)\n",
                static_cast<int>(answer));
    return tool::exit_not_found;
}

tool::RegisterSubcommand
    reg({"play",
         "play [--verbose] SOUND | play [--verbose] --event NAME",
         "play a sound file, system alias or application event",
         "Plays SOUND through the platform and waits until it ends. A name with a \".\"\n"
         "is a sound file, looked up from the current directory unless absolute; a name\n"
         "without one is a system sound alias (e.g. default). With --event, NAME is an\n"
         "application event: the file the user's sound scheme assigns to it is played,\n"
         "or the alias default when the scheme names none.\n"
         "\n"
         "options:\n"
         "  --event    the operand is an application event name\n"
         "  --verbose  let the sound system's own messages through to standard error\n"
         "             (they are held back otherwise)\n"
         "\n"
         "output:\n"
         "  event key: KEY                    with --event: the scheme key read\n"
         "  sound: TEXT (file|system alias)   what is played\n"
         "  answer: 1 (played) | answer: 0 (not played: ...)\n"
         "  sound: NAME not found along the sound path\n"
         "\n"
         "exit codes: 0 played; 1 not found or not played; 2 usage.\n",
         {{"--event", nullptr}, {"--verbose", nullptr}},
         1,
         1,
         run_play});

} // namespace
