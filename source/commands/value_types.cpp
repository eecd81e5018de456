// Names of the resource value kinds, both ways. The table is sorted by name
// in byte order (unsigned), which the lookup by name relies on: it halves
// the table with bsearch.
#include <uiutil/commands.h>

#include <cstdlib>

namespace {

struct ValueTypeName {
    const char* name;
    uiValType code;
};

const ValueTypeName kValueTypes[] = {
    {"uiACCELERATOR", uiACCELERATOR},
    {"uiACCEPTCOMMAND", uiACCEPTCOMMAND},
    {"uiADDITEM", uiADDITEM},
    {"uiARROWDIRECTION", uiARROWDIRECTION},
    {"uiAUXCOMMAND", uiAUXCOMMAND},
    {"uiBITMAP", uiBITMAP},
    {"uiCANCELCOMMAND", uiCANCELCOMMAND},
    {"uiCLOSECOMMAND", uiCLOSECOMMAND},
    {"uiCOMMAND", uiCOMMAND},
    {"uiCURRENT", uiCURRENT},
    {"uiCURSORPOSITION", uiCURSORPOSITION},
    {"uiDCLICKCOMMAND", uiDCLICKCOMMAND},
    {"uiDECIMALPLACES", uiDECIMALPLACES},
    {"uiDEFAULT", uiDEFAULT},
    {"uiDELETEITEM", uiDELETEITEM},
    {"uiDELIMITER", uiDELIMITER},
    {"uiDESELECTITEM", uiDESELECTITEM},
    {"uiDRAGCOMMAND", uiDRAGCOMMAND},
    {"uiDYNAMICHELP", uiDYNAMICHELP},
    {"uiEDITABLE", uiEDITABLE},
    {"uiFILTER", uiFILTER},
    {"uiFILTERCOMMAND", uiFILTERCOMMAND},
    {"uiFILTERPATH", uiFILTERPATH},
    {"uiFILTERPATTERN", uiFILTERPATTERN},
    {"uiHELPCOMMAND", uiHELPCOMMAND},
    {"uiINCREMENT", uiINCREMENT},
    {"uiLABELPLACEMENT", uiLABELPLACEMENT},
    {"uiLABELSTRING", uiLABELSTRING},
    {"uiMAXIMUM", uiMAXIMUM},
    {"uiMINIMUM", uiMINIMUM},
    {"uiNEXTCOMMAND", uiNEXTCOMMAND},
    {"uiNUM_COLUMNS", uiNUM_COLUMNS},
    {"uiNUM_VISIBLEITEMS", uiNUM_VISIBLEITEMS},
    {"uiOFFCOMMAND", uiOFFCOMMAND},
    {"uiONCOMMAND", uiONCOMMAND},
    {"uiORIENTATION", uiORIENTATION},
    {"uiPATTERN", uiPATTERN},
    {"uiPOLICY", uiPOLICY},
    {"uiRAISED", uiRAISED},
    {"uiREMOTEUPDATE", uiREMOTEUPDATE},
    {"uiRGB_COLOUR", uiRGB_COLOUR},
    {"uiRMBCOMMAND", uiRMBCOMMAND},
    {"uiSELECTEDCOMMAND", uiSELECTEDCOMMAND},
    {"uiSELECTITEM", uiSELECTITEM},
    {"uiSHIFTHELPCOMMAND", uiSHIFTHELPCOMMAND},
    {"uiSHIFTRMBCOMMAND", uiSHIFTRMBCOMMAND},
    {"uiSORT", uiSORT},
    {"uiSTATUSBARHELP", uiSTATUSBARHELP},
    {"uiSTORED", uiSTORED},
    {"uiTABSELECT", uiTABSELECT},
    {"uiTITLE", uiTITLE},
    {"uiVALTYPE_ERROR", uiVALTYPE_ERROR},
    {"uiVISIBLEITEM", uiVISIBLEITEM},
    {"uiX_POSITION", uiX_POSITION},
    {"uiY_POSITION", uiY_POSITION},
};

const std::size_t kValueTypeCount = sizeof kValueTypes / sizeof kValueTypes[0];

// strcmp's order and answer (-1, 0, 1), bytes compared as unsigned.
int compare_names(const void* a, const void* b) {
    const unsigned char* x =
        reinterpret_cast<const unsigned char*>(static_cast<const ValueTypeName*>(a)->name);
    const unsigned char* y =
        reinterpret_cast<const unsigned char*>(static_cast<const ValueTypeName*>(b)->name);
    while (*x && *x == *y) {
        ++x;
        ++y;
    }
    return *x < *y ? -1 : (*x > *y ? 1 : 0);
}

} // namespace

const char* ui_decode(uiValType v) {
    for (std::size_t i = kValueTypeCount; i-- > 0;) {
        if (kValueTypes[i].code == v)
            return kValueTypes[i].name;
    }
    return "uiVALTYPE_ERROR";
}

uiValType ui_decode_uiValType(const char* name) {
    if (!name) {
        ut_report_assert_failure(__FILE__, __LINE__, "ui_decode_uiValType: null name");
        return uiVALTYPE_ERROR;
    }
    const ValueTypeName key = {name, uiVALTYPE_ERROR};
    const void* hit =
        std::bsearch(&key, kValueTypes, kValueTypeCount, sizeof kValueTypes[0], compare_names);
    return hit ? static_cast<const ValueTypeName*>(hit)->code : uiVALTYPE_ERROR;
}
