// Switching the current resource module, with a process-wide stack of the
// switches in force.
#include <uiutil/misc.h>

namespace {

const char kModulePath[] = "source/misc/uiResourceDLL";
const char kLoadFailure[] = "uiResourceDLL -  Failure to load resource library";
const char kTooDeep[] = "uiResourceDLL -  Too many nested resource library switches";
const int kReferenceFormLine = 74;
const int kPointerFormLine = 119;
const int kTooDeepLine = 40;

const int kStackSize = 32;

// One entry per switch level, innermost last; null marks a level whose
// previous handle was set by other code.
uiResourceDLL* the_handle_stack[kStackSize];
int the_handle_count = 0;

// The library loaded as a data file; a failure is reported with `line`.
HINSTANCE load_library(const char* path, int line) {
    HINSTANCE handle = LoadLibraryExU(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!handle)
        ut_report_assert_failure(kModulePath, line, kLoadFailure);
    return handle;
}

} // namespace

uiResourceDLL::uiResourceDLL(const uiSaveString& path)
    : m_handle(nullptr), m_saved_handle(ui_get_resource_handle()), m_set(0) {
    m_handle = load_library(path, kReferenceFormLine);
    set_handle();
}

uiResourceDLL::uiResourceDLL(const uiSaveString* path)
    : m_handle(nullptr), m_saved_handle(ui_get_resource_handle()), m_set(0) {
    m_handle = path ? load_library(*path, kPointerFormLine) : ui_get_resource_handle();
    set_handle();
}

uiResourceDLL::~uiResourceDLL() {
    unset_handle();
    // Ended out of order, this object may still be entered at some level:
    // that level becomes a marker, so that no entry refers to a dead object.
    for (int i = 0; i < the_handle_count; ++i)
        if (the_handle_stack[i] == this)
            the_handle_stack[i] = nullptr;
}

void uiResourceDLL::set_handle() {
    if (the_handle_count >= kStackSize) {
        ut_report_assert_failure(kModulePath, kTooDeepLine, kTooDeep);
        return;
    }
    const HINSTANCE current = ui_get_resource_handle();
    bool foreign = false;
    if (the_handle_count > 0) {
        // A marker on top has no handle: the level below it was left by a
        // foreign change, so this switch also remembers what it finds.
        const uiResourceDLL* top = the_handle_stack[the_handle_count - 1];
        foreign = !top || top->m_handle != current;
    }
    if (foreign) {
        the_handle_stack[the_handle_count++] = nullptr;
        m_saved_handle = current;
    } else {
        the_handle_stack[the_handle_count++] = this;
    }
    reset_handle();
}

void uiResourceDLL::unset_handle() {
    if (m_set != 1) {
        m_set = 0;
        return;
    }
    if (the_handle_count > 0) // ends out of order must not run below the stack
        --the_handle_count;
    uiResourceDLL* outer = the_handle_count > 0 ? the_handle_stack[the_handle_count - 1] : nullptr;
    if (outer)
        outer->reset_handle();
    else
        ui_set_resource_handle(m_saved_handle);
    m_set = 0;
}

void uiResourceDLL::set_handle_from_current() {
    m_handle = ui_get_resource_handle();
}

void uiResourceDLL::reset_handle() {
    if (ui_get_resource_handle() != m_handle)
        ui_set_resource_handle(m_handle);
    m_set = 1;
}

HINSTANCE uiResourceDLL::saved_instance() const {
    if (the_handle_count >= 2 && the_handle_stack[the_handle_count - 2])
        return the_handle_stack[the_handle_count - 2]->m_handle;
    return m_saved_handle;
}
