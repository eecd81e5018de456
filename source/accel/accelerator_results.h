// The library-wide result string of uiAccelerator::descriptive_text. It is a
// load-time object, defined with the others in load_time_objects.cpp.
#pragma once

#include <uiutil/strings.h>

namespace uiutil_internal {

extern uiSaveString accelerator_text_result;

} // namespace uiutil_internal
