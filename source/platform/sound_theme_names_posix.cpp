// Windows system sound aliases and the freedesktop sound-theme event names
// that play in their place.
#include "platform/internal/sound_player.h"

#include <strings.h>

namespace uiutil_internal {

namespace {

struct AliasNames {
    const char* alias;
    const char* names[3]; // candidates in order, null-terminated
};

const AliasNames kAliases[] = {
    {"SystemAsterisk", {"dialog-information", nullptr}},
    {"SystemExclamation", {"dialog-warning", nullptr}},
    {"SystemHand", {"dialog-error", nullptr}},
    {"SystemQuestion", {"dialog-question", "window-question", nullptr}},
    {"SystemDefault", {"bell", nullptr}},
    {"default", {"bell", nullptr}},
    {".Default", {"bell", nullptr}},
    {"SystemNotification", {"message", "dialog-information", nullptr}},
    {"SystemStart", {"desktop-login", "service-login", nullptr}},
    {"WindowsLogon", {"desktop-login", "service-login", nullptr}},
    {"SystemExit", {"desktop-logout", "service-logout", nullptr}},
    {"WindowsLogoff", {"desktop-logout", "service-logout", nullptr}},
    {"MailBeep", {"message-new-email", "message", nullptr}},
    {"Notification.IM", {"message-new-instant", "message", nullptr}},
    {"DeviceConnect", {"device-added", nullptr}},
    {"DeviceDisconnect", {"device-removed", nullptr}},
    {"EmptyRecycleBin", {"trash-empty", nullptr}},
    {"AppGPFault", {"dialog-error", nullptr}},
    {"CriticalBatteryAlarm", {"battery-caution", nullptr}},
    {"LowBatteryAlarm", {"battery-low", nullptr}},
    {"MenuCommand", {"menu-click", nullptr}},
    {"MenuPopup", {"menu-popup", nullptr}},
    {"Open", {"window-new", nullptr}},
    {"Close", {"window-close", nullptr}},
    {"Minimize", {"window-minimized", nullptr}},
    {"Maximize", {"window-maximized", nullptr}},
    {"RestoreUp", {"window-unminimized", nullptr}},
    {"RestoreDown", {"window-unmaximized", nullptr}},
};

} // namespace

const char* const* sound_theme_names(const char* alias) {
    for (const AliasNames& entry : kAliases) {
        if (strcasecmp(entry.alias, alias) == 0)
            return entry.names;
    }
    return nullptr;
}

} // namespace uiutil_internal
