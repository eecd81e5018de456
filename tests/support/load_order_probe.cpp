// Prints the load events of the library's static objects, then, as the
// library is unloaded at exit, its unload events. ctest matches the whole
// sequence.
#include <cstring>
#include <uiutil/uiutil.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Raw output: the C runtime's streams may already be closed at unload.
void write_line(const char* text) {
#if defined(_WIN32)
    DWORD written = 0;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    WriteFile(out, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
    WriteFile(out, "\n", 1, &written, nullptr);
#else
    ssize_t ignored = write(1, text, std::strlen(text));
    ignored += write(1, "\n", 1);
    (void)ignored;
#endif
}

} // namespace

int main() {
    for (int i = 0; ui_load_trace_event(i); ++i)
        write_line(ui_load_trace_event(i));
    write_line("main done");
    ui_set_load_trace_sink(write_line);
    return 0;
}
