// File-system queries behind the path lists, with the platform's own calls
// and error numbers kept out of the path-list code.
#pragma once

#include <uiutil/service_hooks.h>

namespace uiutil_internal {

// What a failed status query means to a path list.
enum class StatusFailure { NotFound, Transient, NoPermission, LinkError, NameTooLong, Other };

// Queries the status of `path` (through the installed file-status hook, if
// any): 0 with `*kind` set, or the platform's errno value of the failure.
int query_file_status(const char* path, uiFileKind* kind);

// The platform's status query itself (no hook).
int platform_file_status(const char* path, uiFileKind* kind);

// Classifies an errno value of a failed status query by its meaning.
StatusFailure classify_status_error(int error);

// The process's current directory, however long, in a buffer the caller
// releases with std::free; null with errno set on failure.
char* current_directory();

} // namespace uiutil_internal
