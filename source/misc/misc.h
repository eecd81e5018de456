// Platform services: sounds, resource module switching and shortcut
// resolution.
#pragma once

#include <uiutil/strings.h>

// ---- Resource module switching ----------------------------------------------

#include <uiutil/resource_handle.h>

// Switches the current resource module (see <uiutil/resource_handle.h>) for a
// stretch of code: loads a resource library as a data file, makes it current,
// and puts the previous module back when the switch ends (unset_handle() or
// destruction, whichever comes first). Loaded libraries stay loaded until the
// process ends.
//
// Switches nest, up to 32 deep, and must end in the reverse order of their
// making. A process-wide stack records which object installed the handle at
// each level, so that ending an inner switch re-installs the outer one. Ends
// made out of order still leave the stack sound: it never runs below empty,
// and an object destroyed while still entered at some level leaves a marker
// there instead of a dangling entry. When
// other code changed the current handle since the innermost switch was made,
// a new switch enters a marker instead of itself and remembers the handle it
// found; ending it re-installs the switch below the marker, or that
// remembered handle when nothing but markers or nothing at all is below.
// A switch made directly on top of a marker (inside a switch that followed a
// foreign change) is treated the same way: the marker has no handle to
// compare, so the new switch enters a marker too and remembers the handle
// current when it was made, which its end brings back.
//
// A 33rd nested switch is refused: it is reported through
// ut_report_assert_failure ("source/misc/uiResourceDLL", line 40, message
// "uiResourceDLL -  Too many nested resource library switches"), the current
// handle stays as it is, nothing is entered and the object's later end
// changes nothing.
//
// Not thread-safe: switching belongs to the user-interface thread.
class UIUTIL_API uiResourceDLL {
public:
    // Loads the library named by `path` as a data file and switches to it.
    // When it does not load, the failure is reported through
    // ut_report_assert_failure ("source/misc/uiResourceDLL", line 74) and the
    // switch still happens, to a null handle.
    uiResourceDLL(const uiSaveString& path);
    // As above (the report names line 119). A null `path` loads nothing: the
    // switch adopts the current handle, so nothing visible changes, but it
    // takes a stack level like any other.
    uiResourceDLL(const uiSaveString* path);
    ~uiResourceDLL();

    // Enters this switch on the stack and installs its handle.
    void set_handle();
    // Ends this switch and re-installs the outer one (or the handle saved at
    // the switch when none remains). Does nothing more than that once; a
    // second call, or a call on a refused switch, changes nothing.
    void unset_handle();
    // Adopts the current handle as the one this object installs.
    void set_handle_from_current();

    uiResourceDLL(const uiResourceDLL&) = delete;
    uiResourceDLL& operator=(const uiResourceDLL&) = delete;

protected:
    // Installs this object's handle when it is not already current and marks
    // the switch as in force.
    void reset_handle();
    // The handle that ending the innermost switch would bring back, for the
    // object that is that innermost switch.
    HINSTANCE saved_instance() const;

private:
    HINSTANCE m_handle;
    HINSTANCE m_saved_handle;
    int m_set;
};

// ---- Sounds -----------------------------------------------------------------

#include <cstdint>
#include <uiutil/paths.h>

// A sound for a user-interface event: a sound file, a system sound alias, or
// the sound the user assigned to an application event in the per-user sound
// scheme. Plays through PlaySoundU and reads the scheme through
// RegQueryValueU (see <uiutil/support.h>; both can be replaced through
// <uiutil/service_hooks.h>). Sounds play asynchronously: the calls return at
// once.
//
// Not thread-safe: the class-wide path list and key prefix are unguarded, and
// an object belongs to one thread at a time.
class UIUTIL_API uiSound {
public:
    // A sound with no text, flags 0: play() answers 0 until file() or
    // registry_sound() gives it something to play.
    uiSound();
    // A name without '.' is a system sound alias (flags SND_ALIAS|SND_ASYNC).
    // Any other name is a file (SND_FILENAME|SND_ASYNC): an absolute path is
    // kept as it is; a relative one is looked up along m_pathlist and becomes
    // the full path found there, or the null string when no entry holds it.
    uiSound(const uiSaveString& name);
    ~uiSound();

    // Plays the file `path` as given (no lookup); ends a loop setting.
    void file(const char* path);
    // Plays the sound: 1 when the platform answers exactly 1. Answers 0
    // without calling the platform when there is nothing to play.
    int play() const;
    // Sets the loop flag (kept until loop_stop, file or registry_sound) and
    // plays.
    int loop_play();
    // Stops whatever sound is playing and clears the loop flag; 1 when the
    // platform answers exactly 1.
    int loop_stop();

    // Sets the registry path under which application event keys lie
    // (initially "AppEvents\\Schemes\\Apps").
    static void registry_app_key_prefix(const uiSaveString& prefix);
    // The current registry path of application event keys.
    static const uiSaveString& registry_app_key_prefix();
    // Takes the file assigned to `event`: the default value of the per-user
    // key prefix + "\\" + event + "\\.current". When it cannot be read (or
    // is longer than 1023 bytes, or has a character the thread's code page
    // cannot spell exactly) the sound becomes the alias "default". Plays
    // nothing.
    void registry_sound(const uiSaveString& event);
    // Plays a system sound at once. A name without a backslash is an alias;
    // otherwise it is a per-user key path whose "\\.current" subkey names the
    // file to play (0 without playing when that cannot be read). 1 when the
    // platform answers exactly 1. A null name is reported through
    // ut_report_assert_failure and answers 0.
    static int system(const char* name);

    // What play() would play, and with which SND_ flags.
    const uiSaveString& sound() const { return m_sound; }
    // The SND_ flags play() passes to the platform with sound().
    std::int32_t play_flags() const { return m_play_flags; }

    // The directories searched for relative sound file names; holds "." (the
    // current directory) from the start. Add sound folders here.
    static uiPathList m_pathlist;

protected:
    // The registry path of application event keys; see registry_app_key_prefix().
    static uiSaveString m_registry_app_key_prefix;

private:
    uiSaveString m_sound;
    std::int32_t m_play_flags;
    std::int32_t m_enabled;
};

// ---- Shortcut resolution -----------------------------------------------------

struct IShellLinkW;
struct IPersistFile;

// Turns a shell shortcut (link) file into the path of the file it points at.
//
// On Windows it drives the platform's shell-link component through COM: the
// component is created once, at construction, and released at destruction.
// The calling thread must have initialised COM (a single-threaded apartment
// when the shell may show user interface); on a thread without COM the
// object holds no interfaces and every get_link_info answers E_NOINTERFACE.
//
// Elsewhere the library's own link reader stands in for the component and
// answers with the same meanings. It reads symbolic links (the target, made
// absolute against the link's folder; a dangling link still gives the path
// it names), desktop entry files of Type=Link whose URL is a local file: URL
// (percent-decoded), and Windows shell link (.lnk) files (the local base path
// and common path suffix, or the network share and suffix, of their LinkInfo,
// and their relative path string). A shell link's relative path, joined to
// the link's folder, is preferred when the file it names exists; otherwise
// the path is given as recorded, which for a link made on Windows is a
// Windows path. No search for moved targets is made and no user interface is
// shown. Paths convert with the library's one conversion (the current
// locale's character set; in a single-byte locale every byte survives).
//
// Not thread-safe: an object belongs to one thread.
class UIUTIL_API uiShortcutResolver {
public:
    uiShortcutResolver();
    virtual ~uiShortcutResolver();

    // Resolves the link file `link_path` into `target` (at least 260 bytes),
    // whose first byte is set to NUL at once. Answers an HRESULT:
    // - S_OK with the target's full path in `target`;
    // - S_FALSE with `target` empty when the link holds no file path (a
    //   desktop link to a web address, a shell link to a non-file item);
    // - a failure code with `target` empty otherwise: the shell's answer for
    //   a file that is missing or not a link; E_NOINTERFACE when the object
    //   holds no shell-link component; E_POINTER for a null `link_path` or
    //   `target` (a null `target` is not written);
    //   HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE) for a link path of 260
    //   or more characters, without calling the shell;
    //   HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER) when the target's path
    //   does not fit 260 bytes as narrow text (it is never truncated), and
    //   HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION) when it has a
    //   character the thread's code page (the locale's character set) cannot
    //   represent exactly (it is never replaced by a look-alike).
    // A link path that names a pipe, a device or a socket answers E_FAIL and a
    // folder HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), at once and unread; a
    // file larger than 1 MiB is no link file (E_FAIL), judged by its size.
    // The shell may search for a moved target and show its own dialog, owned
    // by `window`.
    long get_link_info(HWND window, const wchar_t* link_path, char* target) const;

protected:
    // Creates the shell-link component; on failure both pointers stay null
    // and nothing is reported.
    void create_file_find_interfaces();
    // Releases the component's interfaces and nulls both pointers.
    void destroy_file_find_interfaces();

    // The shell-link component's link interface; null when it could not be made.
    IShellLinkW* m_shell_link;
    // The component's file interface, through which the link file is loaded.
    IPersistFile* m_persist_file;
};
