// Names of widget kinds, resource value kinds and docking sides.
#include <gtest/gtest.h>
#include <uiutil/commands.h>

#include <string>

TEST(VocabularyTest, WidgetKinds) {
    for (int gap : {1802, 1808, 1810, 1818, 2003, 0, -1})
        EXPECT_STREQ(ui_decode(static_cast<uiType>(gap)), "UNKNOWN_TYPE") << gap;
    EXPECT_STREQ(ui_decode(static_cast<uiType>(2004082)), "uiLISTCTRL2");
    EXPECT_STREQ(ui_decode(static_cast<uiType>(1800)), "uiNONE");
    EXPECT_STREQ(ui_decode(uiTREECOMBOBOX), "uiTREECOMBOBOX");
    EXPECT_STREQ(ui_decode(static_cast<uiType>(19971001)), "uiOPTIONBUTTON");
}

TEST(VocabularyTest, EveryValueKindNameRoundTrips) {
    struct Entry {
        const char* name;
        int code;
    };
    const Entry entries[] = {
        {"uiACCELERATOR", 19981001},
        {"uiACCEPTCOMMAND", 1829},
        {"uiADDITEM", 1819},
        {"uiARROWDIRECTION", 1810},
        {"uiAUXCOMMAND", 1824},
        {"uiBITMAP", 1809},
        {"uiCANCELCOMMAND", 1830},
        {"uiCLOSECOMMAND", 19980801},
        {"uiCOMMAND", 1823},
        {"uiCURRENT", 1800},
        {"uiCURSORPOSITION", 1835},
        {"uiDCLICKCOMMAND", 2201},
        {"uiDECIMALPLACES", 1817},
        {"uiDEFAULT", 1801},
        {"uiDELETEITEM", 1820},
        {"uiDELIMITER", 2101},
        {"uiDESELECTITEM", 2100},
        {"uiDRAGCOMMAND", 1833},
        {"uiDYNAMICHELP", 19971001},
        {"uiEDITABLE", 1815},
        {"uiFILTER", 1803},
        {"uiFILTERCOMMAND", 2803},
        {"uiFILTERPATH", 2801},
        {"uiFILTERPATTERN", 2802},
        {"uiHELPCOMMAND", 1831},
        {"uiINCREMENT", 1813},
        {"uiLABELPLACEMENT", 1808},
        {"uiLABELSTRING", 1807},
        {"uiMAXIMUM", 1811},
        {"uiMINIMUM", 1812},
        {"uiNEXTCOMMAND", 20000501},
        {"uiNUM_COLUMNS", 1814},
        {"uiNUM_VISIBLEITEMS", 2700},
        {"uiOFFCOMMAND", 1826},
        {"uiONCOMMAND", 1825},
        {"uiORIENTATION", 1834},
        {"uiPATTERN", 1804},
        {"uiPOLICY", 1822},
        {"uiRAISED", 2002},
        {"uiREMOTEUPDATE", 1816},
        {"uiRGB_COLOUR", 3200},
        {"uiRMBCOMMAND", 19990401},
        {"uiSELECTEDCOMMAND", 1832},
        {"uiSELECTITEM", 1821},
        {"uiSHIFTHELPCOMMAND", 3101},
        {"uiSHIFTRMBCOMMAND", 19990402},
        {"uiSORT", 1818},
        {"uiSTATUSBARHELP", 19971002},
        {"uiSTORED", 1802},
        {"uiTABSELECT", 2001},
        {"uiTITLE", 1805},
        {"uiVALTYPE_ERROR", 19981201},
        {"uiVISIBLEITEM", 2200},
        {"uiX_POSITION", 3201},
        {"uiY_POSITION", 3202},
    };
    ASSERT_EQ(sizeof entries / sizeof entries[0], 55u);
    for (const Entry& e : entries) {
        EXPECT_EQ(ui_decode_uiValType(e.name), e.code) << e.name;
        EXPECT_STREQ(ui_decode(static_cast<uiValType>(e.code)), e.name);
    }
}

TEST(VocabularyTest, UnknownValueKinds) {
    EXPECT_EQ(ui_decode_uiValType("uiTITLE"), uiTITLE);
    for (const char* name : {"uititle", "", "uiTITLE ", "uiTITL", "\xff", "zz", "a"})
        EXPECT_EQ(ui_decode_uiValType(name), uiVALTYPE_ERROR) << name;
    for (int code : {19981201, 1806, 19981202, 19981203, 0})
        EXPECT_STREQ(ui_decode(static_cast<uiValType>(code)), "uiVALTYPE_ERROR") << code;
}

TEST(VocabularyTest, DockingSides) {
    EXPECT_STREQ(ui_decode(0x1400u), "LEFT");
    EXPECT_STREQ(ui_decode(0x2800u), "TOP");
    EXPECT_STREQ(ui_decode(0x4100u), "RIGHT");
    EXPECT_STREQ(ui_decode(0x8200u), "BOTTOM");
    for (unsigned int other : {0x1000u, 0x1400u | 0x2800u, 0x400u, 0u})
        EXPECT_EQ(ui_decode(other), nullptr) << other;
}
