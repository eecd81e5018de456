// Printing platform accelerator records for the accelerator subcommand and
// demo.
#pragma once

#include <string>
#include <uiutil/uiutil.h>
#include <vector>

namespace tool {

// "fVirt 9 (FVIRTKEY|FCONTROL), key 79 ('O'), cmd 100".
std::string describe_record(const ACCEL& record);

// The records of a platform table, read back in table order; none for a
// null or unknown handle.
std::vector<ACCEL> read_table(HACCEL table);

} // namespace tool
