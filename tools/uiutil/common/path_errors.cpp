// The names of the path list's error codes.
#include "path_errors.h"

namespace tool {

const char* path_error_name(uiPathListError e) {
    switch (e) {
    case uiPATHOK:
        return "uiPATHOK";
    case uiPATHINLIST:
        return "uiPATHINLIST";
    case uiPATHNOTFOUND:
        return "uiPATHNOTFOUND";
    case uiPATHNOHOME:
        return "uiPATHNOHOME";
    case uiPATHBADINDEX:
        return "uiPATHBADINDEX";
    case uiPATHSTATFAILED:
        return "uiPATHSTATFAILED";
    case uiPATHNOTFILE:
        return "uiPATHNOTFILE";
    case uiPATHISDIRECTORY:
        return "uiPATHISDIRECTORY";
    case uiPATHRETRYLIMIT:
        return "uiPATHRETRYLIMIT";
    case uiPATHNAMETOOLONG:
        return "uiPATHNAMETOOLONG";
    case uiPATHNOPERMISSION:
        return "uiPATHNOPERMISSION";
    case uiPATHLINKERROR:
        return "uiPATHLINKERROR";
    }
    return "?";
}

} // namespace tool
