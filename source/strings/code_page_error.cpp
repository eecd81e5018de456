// The exception for text that the thread's code page cannot convert.
#include <uiutil/strings.h>

uiCodePageError::uiCodePageError(const char* what, long error_code)
    : std::runtime_error(what), m_error_code(error_code) {}

uiCodePageError::~uiCodePageError() = default;
