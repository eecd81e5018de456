// The names of the events the library defines. Load-time objects (see
// load_time_objects.cpp); not exported.
#pragma once

#include <uiutil/strings.h>

namespace uiutil_internal {

extern const uiSaveString event_name_undefined;    // "UI_EVENT_UNDEFINED"
extern const uiSaveString event_name_menubar_made; // "UI_EVENT_MENUBAR_MADE"

} // namespace uiutil_internal
