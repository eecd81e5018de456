// Names of the widget kinds and of the docking sides of control bars.
#include <uiutil/commands.h>

const char* ui_decode(uiType t) {
    switch (t) {
    case uiNONE:
        return "uiNONE";
    case uiARROWBUTTON:
        return "uiARROWBUTTON";
    case uiCOMBOBOX:
        return "uiCOMBOBOX";
    case uiDIALOGSHELL:
        return "uiDIALOGSHELL";
    case uiEDITABLECOMBOBOX:
        return "uiEDITABLECOMBOBOX";
    case uiFILESELECTOR:
        return "uiFILESELECTOR";
    case uiFORM:
        return "uiFORM";
    case uiFRAME:
        return "uiFRAME";
    case uiICONBUTTON:
        return "uiICONBUTTON";
    case uiICONRADIOBOX:
        return "uiICONRADIOBOX";
    case uiLABEL:
        return "uiLABEL";
    case uiMAINWINDOW:
        return "uiMAINWINDOW";
    case uiMENUBAR:
        return "uiMENUBAR";
    case uiMENUPAGE:
        return "uiMENUPAGE";
    case uiMESSAGE:
        return "uiMESSAGE";
    case uiOKBAR:
        return "uiOKBAR";
    case uiOKBARBUTTON:
        return "uiOKBARBUTTON";
    case uiOPTIONMENU:
        return "uiOPTIONMENU";
    case uiPANEDWINDOW:
        return "uiPANEDWINDOW";
    case uiPOPUPMENU:
        return "uiPOPUPMENU";
    case uiPUSHBUTTON:
        return "uiPUSHBUTTON";
    case uiQUERY:
        return "uiQUERY";
    case uiRADIOBOX:
        return "uiRADIOBOX";
    case uiROWCOLUMN:
        return "uiROWCOLUMN";
    case uiSCALE:
        return "uiSCALE";
    case uiSCROLLEDLIST:
        return "uiSCROLLEDLIST";
    case uiSCROLLEDTEXT:
        return "uiSCROLLEDTEXT";
    case uiSCROLLEDWINDOW:
        return "uiSCROLLEDWINDOW";
    case uiSELECTORBUTTON:
        return "uiSELECTORBUTTON";
    case uiSEPARATOR:
        return "uiSEPARATOR";
    case uiSHELL:
        return "uiSHELL";
    case uiSUBMENU:
        return "uiSUBMENU";
    case uiTEXT:
        return "uiTEXT";
    case uiTEXTLABEL:
        return "uiTEXTLABEL";
    case uiTEXTBUTTON:
        return "uiTEXTBUTTON";
    case uiTICTOK:
        return "uiTICTOK";
    case uiTOGGLEBUTTON:
        return "uiTOGGLEBUTTON";
    case uiTOOLBAR:
        return "uiTOOLBAR";
    case uiWORKPAGE:
        return "uiWORKPAGE";
    case uiWORKPAGESELECTOR:
        return "uiWORKPAGESELECTOR";
    case uiWORKSHELL:
        return "uiWORKSHELL";
    case uiSCROLLBAR:
        return "uiSCROLLBAR";
    case uiTOOLBOX:
        return "uiTOOLBOX";
    case uiICONTOGGLEBUTTON:
        return "uiICONTOGGLEBUTTON";
    case uiDRAWINGFRAME:
        return "uiDRAWINGFRAME";
    case uiDRAWNBUTTON:
        return "uiDRAWNBUTTON";
    case uiPOSTITNOTE:
        return "uiPOSTITNOTE";
    case uiPROGRESS:
        return "uiPROGRESS";
    case uiSTATUSBAR:
        return "uiSTATUSBAR";
    case uiCOLOURBUTTON:
        return "uiCOLOURBUTTON";
    case uiCOLOURBUTTONARRAY:
        return "uiCOLOURBUTTONARRAY";
    case uiCOLOUREDITOR:
        return "uiCOLOUREDITOR";
    case uiCOLOURHLSSELECTOR:
        return "uiCOLOURHLSSELECTOR";
    case uiCOLOURHSPLANE:
        return "uiCOLOURHSPLANE";
    case uiCOLOURLUMRANGE:
        return "uiCOLOURLUMRANGE";
    case uiCOLOURSELECTOR:
        return "uiCOLOURSELECTOR";
    case uiCOLOURSOLIDDITHER:
        return "uiCOLOURSOLIDDITHER";
    case uiTREEWORKSHELL:
        return "uiTREEWORKSHELL";
    case uiSTARTBRANCHWORKPAGE:
        return "uiSTARTBRANCHWORKPAGE";
    case uiENDBRANCHWORKPAGE:
        return "uiENDBRANCHWORKPAGE";
    case uiLISTCTRL:
        return "uiLISTCTRL";
    case uiTABCTRL:
        return "uiTABCTRL";
    case uiTREECTRL:
        return "uiTREECTRL";
    case uiRTFCTRL:
        return "uiRTFCTRL";
    case uiLISTCTRL2:
        return "uiLISTCTRL2";
    case uiOPTIONBUTTON:
        return "uiOPTIONBUTTON";
    case uiOPTIONICONBUTTON:
        return "uiOPTIONICONBUTTON";
    case uiTEXTHIDDEN:
        return "uiTEXTHIDDEN";
    case uiDYNAMICOPTIONMENU:
        return "uiDYNAMICOPTIONMENU";
    case uiMULTIICONTOGGLEBUTTON:
        return "uiMULTIICONTOGGLEBUTTON";
    case uiCOMMANDLABEL:
        return "uiCOMMANDLABEL";
    case uiLABELCOMMAND:
        return "uiLABELCOMMAND";
    case uiTREECOMBOBOX:
        return "uiTREECOMBOBOX";
    }
    return "UNKNOWN_TYPE";
}

namespace {

// A side's alignment bit plus the border bit of the opposite side.
const unsigned int kAlignLeft = 0x1000, kAlignTop = 0x2000, kAlignRight = 0x4000,
                   kAlignBottom = 0x8000;
const unsigned int kBorderLeft = 0x100, kBorderTop = 0x200, kBorderRight = 0x400,
                   kBorderBottom = 0x800;

} // namespace

const char* ui_decode(unsigned int side) {
    switch (side) {
    case kAlignLeft | kBorderRight:
        return "LEFT";
    case kAlignTop | kBorderBottom:
        return "TOP";
    case kAlignRight | kBorderLeft:
        return "RIGHT";
    case kAlignBottom | kBorderTop:
        return "BOTTOM";
    }
    return nullptr;
}
