// The library's load-time objects, all defined in this one translation unit
// so that they are built in exactly this order when the library is loaded
// and destroyed in the reverse order when it is unloaded. Objects that other
// groups use during their own construction must come earlier in this file.
//
// Each group ends with a trace mark (see load_trace.h).
#include "load_trace_mark.h"

#include <uiutil/uiutil.h>

#include "commands/event_names.h"

#include "accel/accelerator_results.h"

using uiutil_internal::LoadTraceMark;

// 1. The result string of uiAccelerator::descriptive_text (the null string).
uiSaveString uiutil_internal::accelerator_text_result;
static LoadTraceMark g_mark_accelerator("accelerator text");

// 2. uiUserData's class-wide delimiter ("\"\"") and its type record.
uiDelimiter uiUserData::m_delimiter("\"\"");
utTypeID uiUserData::s_ut_type_id(utTypeMakerNone, "uiUserData");
static LoadTraceMark g_mark_user_data("user data");

// 3. The event-name constants, then the type records of uiEvent and
//    uiSystemEvent.
const uiSaveString uiutil_internal::event_name_undefined("UI_EVENT_UNDEFINED");
const uiSaveString uiutil_internal::event_name_menubar_made("UI_EVENT_MENUBAR_MADE");
utTypeID uiEvent::s_ut_type_id(utTypeMakerNone, "uiEvent");
utTypeID uiSystemEvent::s_ut_type_id(utTypeMakerNone, "uiSystemEvent");
static LoadTraceMark g_mark_events("events");

// 4. uiSound's path list (holding ".") and its registry key prefix.
uiPathList uiSound::m_pathlist(".");
uiSaveString uiSound::m_registry_app_key_prefix("AppEvents\\Schemes\\Apps");
static LoadTraceMark g_mark_sound("sound");
