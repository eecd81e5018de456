// The status query, routed through the test hook when one is installed.
#include "platform/internal/file_system.h"
#include "platform/internal/service_hooks_state.h"

namespace uiutil_internal {

int query_file_status(const char* path, uiFileKind* kind) {
    int answer = 0;
    if (call_file_status_hook(path, kind, &answer))
        return answer;
    return platform_file_status(path, kind);
}

} // namespace uiutil_internal
