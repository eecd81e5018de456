// Declares every public name of the library.
#pragma once

#include <uiutil/accel.h>
#include <uiutil/commands.h>
#include <uiutil/containers.h>
#include <uiutil/export.h>
#include <uiutil/load_trace.h>
#include <uiutil/misc.h>
#include <uiutil/paths.h>
#include <uiutil/pattern.h>
#include <uiutil/platform.h>
#include <uiutil/strings.h>
#include <uiutil/support.h>
#include <uiutil/version.h>
