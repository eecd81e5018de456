// Placeholder: declarations arrive with the subsystem.
#pragma once

#include <uiutil/strings.h>
