// Compiling a pattern, matching it, and reading its registers.
#include <cctype>
#include <iostream>
#include <uiutil/uiutil.h>

int main() {
    // The key name at the end of an accelerator text: group 1.
    uiPattern key("\\([A-Za-z0-9_]+\\)$");
    if (key.error() != uiPatternNoError) {
        std::cerr << "pattern: " << key.error_text() << "\n";
        return 1;
    }
    if (!key.match("Ctrl+Shift+F5"))
        return 1;
    // get_register answers one library-wide string: copy what you keep.
    uiSaveString name = key.get_register(1);
    int start = key.registers().start[0];
    std::cout << "key " << name << " at " << start << "\n";

    // Caseless matching through a translation table (upper case to lower).
    unsigned char lower[256];
    for (int c = 0; c < 256; ++c)
        lower[c] = static_cast<unsigned char>(std::tolower(c));
    uiPattern ctrl("ctrl[-+]", lower);
    int caseless = ctrl.match("CTRL+O");

    // A compile error leaves an empty program, which matches everything:
    // check error() before trusting match().
    uiPattern broken("\\(unclosed");
    std::cout << "broken: " << broken.error_text() << "\n";

    return name == "F5" && start == 11 && caseless == 1 && broken.error() == uiPatternUnmatchedOpen
               ? 0
               : 1;
}
