// Names and meanings of the HRESULT codes the library answers.
#pragma once

#include <string>

namespace tool {

// "0x80070002 HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND): the file was not
// found"; for a code without a name here, its hexadecimal form with the
// facility and code it carries.
std::string describe_hresult(long hr);

// How a shortcut resolution ended, for one output line after the link's
// name: "-> TARGET", "no file path (S_FALSE: ...)" or "failed 0x...".
std::string describe_link_result(long hr, const char* target);

} // namespace tool
