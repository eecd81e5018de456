// The names of uiPathListError codes, for the tool's output.
#pragma once

#include <uiutil/uiutil.h>

namespace tool {

// "uiPATHINLIST" for uiPATHINLIST, and so on; "?" for a code without a name.
const char* path_error_name(uiPathListError e);

} // namespace tool
