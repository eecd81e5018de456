// Declares every public name of the library.
#pragma once

#include <uiutil/export.h>
#include <uiutil/platform.h>
#include <uiutil/support.h>
#include <uiutil/load_trace.h>
#include <uiutil/strings.h>
#include <uiutil/containers.h>
#include <uiutil/pattern.h>
#include <uiutil/commands.h>
#include <uiutil/accel.h>
#include <uiutil/paths.h>
#include <uiutil/misc.h>
