// The HRESULT codes of the library's interface, by name.
#include "hresult_names.h"

#include <cstdio>
#include <uiutil/uiutil.h>

namespace tool {

namespace {

struct Named {
    unsigned long code;
    const char* name;
    const char* meaning;
};

const Named names[] = {
    {0x00000000ul, "S_OK", "success"},
    {0x00000001ul, "S_FALSE", "success, with a negative answer"},
    {0x80004005ul, "E_FAIL", "unspecified failure"},
    {0x80004003ul, "E_POINTER", "a required pointer was null"},
    {0x80004002ul, "E_NOINTERFACE", "the interface is not available"},
    {0x80070057ul, "E_INVALIDARG", "an argument was not valid"},
    {0x8007000Eul, "E_OUTOFMEMORY", "memory ran out"},
    {0x80070002ul, "HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)", "the file was not found"},
    {0x80070003ul, "HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)",
     "a folder of the path was not found"},
    {0x80070005ul, "HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)", "access was denied"},
    {0x8007007Aul, "HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)",
     "the target's path does not fit 260 bytes"},
    {0x800700CEul, "HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE)", "the link's path is too long"},
    {0x80070459ul, "HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION)",
     "the path has a character the locale's character set cannot represent"},
    {0x8007000Dul, "HRESULT_FROM_WIN32(ERROR_INVALID_DATA)", "the data is not valid"},
    {0x80070020ul, "HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION)",
     "the file is in use by another process"},
};

} // namespace

std::string describe_hresult(long hr) {
    const unsigned long code = static_cast<unsigned long>(hr) & 0xFFFFFFFFul;
    char text[256];
    for (const Named& n : names) {
        if (n.code == code) {
            std::snprintf(text, sizeof text, "0x%08lX %s: %s", code, n.name, n.meaning);
            return text;
        }
    }
    std::snprintf(text, sizeof text, "0x%08lX (%s, facility %lu, code %lu)", code,
                  code & 0x80000000ul ? "a failure" : "a success", (code >> 16) & 0x1FFFul,
                  code & 0xFFFFul);
    return text;
}

std::string describe_link_result(long hr, const char* target) {
    if (hr == S_OK)
        return std::string("-> ") + target;
    if (hr == S_FALSE)
        return "no file path (S_FALSE: the link points at something other than a file)";
    return "failed " + describe_hresult(hr);
}

} // namespace tool
