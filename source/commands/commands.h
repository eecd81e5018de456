// Commands and resources: the vocabularies of widget kinds and resource value
// kinds, delimiters and user data, command texts composed from a template, a
// value and user data, and the event and info classes with their run-time
// type identity.
#pragma once

#include <cstdint>
#include <uiutil/containers.h>
#include <uiutil/export.h>
#include <uiutil/strings.h>
#include <uiutil/support.h>

// ---- Widget and resource vocabularies -------------------------------------

// Widget kinds. The names are also the texts ui_decode answers. Both
// vocabularies are int-based, so any code converts to them and decodes.
enum uiType : int {
    uiNONE = 1800,
    uiARROWBUTTON = 1801,
    uiCOMBOBOX = 1803,
    uiDIALOGSHELL = 1804,
    uiEDITABLECOMBOBOX = 1805,
    uiFILESELECTOR = 1806,
    uiFORM = 1807,
    uiFRAME = 1809,
    uiICONBUTTON = 1811,
    uiICONRADIOBOX = 1812,
    uiLABEL = 1813,
    uiMAINWINDOW = 1814,
    uiMENUBAR = 1815,
    uiMENUPAGE = 1816,
    uiMESSAGE = 1817,
    uiOKBAR = 1819,
    uiOKBARBUTTON = 1820,
    uiOPTIONMENU = 1821,
    uiPANEDWINDOW = 1822,
    uiPOPUPMENU = 1823,
    uiPUSHBUTTON = 1824,
    uiQUERY = 1825,
    uiRADIOBOX = 1826,
    uiROWCOLUMN = 1827,
    uiSCALE = 1828,
    uiSCROLLEDLIST = 1829,
    uiSCROLLEDTEXT = 1830,
    uiSCROLLEDWINDOW = 1831,
    uiSELECTORBUTTON = 1832,
    uiSEPARATOR = 1833,
    uiSHELL = 1834,
    uiSUBMENU = 1835,
    uiTEXT = 1836,
    uiTEXTLABEL = 1837,
    uiTEXTBUTTON = 1838,
    uiTICTOK = 1839,
    uiTOGGLEBUTTON = 1840,
    uiTOOLBAR = 1841,
    uiWORKPAGE = 1842,
    uiWORKPAGESELECTOR = 1843,
    uiWORKSHELL = 1844,
    uiSCROLLBAR = 1901,
    uiTOOLBOX = 1902,
    uiICONTOGGLEBUTTON = 2001,
    uiDRAWINGFRAME = 2002,
    uiDRAWNBUTTON = 2101,
    uiPOSTITNOTE = 2701,
    uiPROGRESS = 2702,
    uiSTATUSBAR = 2901,
    uiCOLOURBUTTON = 3301,
    uiCOLOURBUTTONARRAY = 3302,
    uiCOLOUREDITOR = 3303,
    uiCOLOURHLSSELECTOR = 3304,
    uiCOLOURHSPLANE = 3305,
    uiCOLOURLUMRANGE = 3306,
    uiCOLOURSELECTOR = 3307,
    uiCOLOURSOLIDDITHER = 3308,
    uiTREEWORKSHELL = 2000061,
    uiSTARTBRANCHWORKPAGE = 2000062,
    uiENDBRANCHWORKPAGE = 2000063,
    uiLISTCTRL = 2002092,
    uiTABCTRL = 2003022,
    uiTREECTRL = 2003072,
    uiRTFCTRL = 2003112,
    uiLISTCTRL2 = 2004082,
    uiOPTIONBUTTON = 19971001,
    uiOPTIONICONBUTTON = 19971002,
    uiTEXTHIDDEN = 19981002,
    uiDYNAMICOPTIONMENU = 20030523,
    uiMULTIICONTOGGLEBUTTON = 20041101,
    uiCOMMANDLABEL = 20081014,
    uiLABELCOMMAND = 20090112,
    uiTREECOMBOBOX = 20090701,
};

// Kinds of resource value. The names are also the texts ui_decode answers
// and ui_decode_uiValType accepts. uiVALTYPE_ERROR answers a name that is
// not known; uiVALTYPE_REFERENCE and uiVALTYPE_UPDATE are the reserved kinds
// of resources and have no name of their own (they decode as
// "uiVALTYPE_ERROR").
enum uiValType : int {
    uiCURRENT = 1800,
    uiDEFAULT = 1801,
    uiSTORED = 1802,
    uiFILTER = 1803,
    uiPATTERN = 1804,
    uiTITLE = 1805,
    uiLABELSTRING = 1807,
    uiLABELPLACEMENT = 1808,
    uiBITMAP = 1809,
    uiARROWDIRECTION = 1810,
    uiMAXIMUM = 1811,
    uiMINIMUM = 1812,
    uiINCREMENT = 1813,
    uiNUM_COLUMNS = 1814,
    uiEDITABLE = 1815,
    uiREMOTEUPDATE = 1816,
    uiDECIMALPLACES = 1817,
    uiSORT = 1818,
    uiADDITEM = 1819,
    uiDELETEITEM = 1820,
    uiSELECTITEM = 1821,
    uiPOLICY = 1822,
    uiCOMMAND = 1823,
    uiAUXCOMMAND = 1824,
    uiONCOMMAND = 1825,
    uiOFFCOMMAND = 1826,
    uiACCEPTCOMMAND = 1829,
    uiCANCELCOMMAND = 1830,
    uiHELPCOMMAND = 1831,
    uiSELECTEDCOMMAND = 1832,
    uiDRAGCOMMAND = 1833,
    uiORIENTATION = 1834,
    uiCURSORPOSITION = 1835,
    uiTABSELECT = 2001,
    uiRAISED = 2002,
    uiDESELECTITEM = 2100,
    uiDELIMITER = 2101,
    uiVISIBLEITEM = 2200,
    uiDCLICKCOMMAND = 2201,
    uiNUM_VISIBLEITEMS = 2700,
    uiFILTERPATH = 2801,
    uiFILTERPATTERN = 2802,
    uiFILTERCOMMAND = 2803,
    uiSHIFTHELPCOMMAND = 3101,
    uiRGB_COLOUR = 3200,
    uiX_POSITION = 3201,
    uiY_POSITION = 3202,
    uiDYNAMICHELP = 19971001,
    uiSTATUSBARHELP = 19971002,
    uiCLOSECOMMAND = 19980801,
    uiACCELERATOR = 19981001,
    uiVALTYPE_ERROR = 19981201,
    uiRMBCOMMAND = 19990401,
    uiSHIFTRMBCOMMAND = 19990402,
    uiNEXTCOMMAND = 20000501,
    uiVALTYPE_REFERENCE = 19981202,
    uiVALTYPE_UPDATE = 19981203,
};

// The name of a widget kind; "UNKNOWN_TYPE" for any other code.
UIUTIL_API const char* ui_decode(uiType t);
// The name of a resource value kind; "uiVALTYPE_ERROR" for any other code.
UIUTIL_API const char* ui_decode(uiValType v);
// The docking side of a control bar: "LEFT" (0x1400), "TOP" (0x2800),
// "RIGHT" (0x4100) or "BOTTOM" (0x8200); null for any other value.
UIUTIL_API const char* ui_decode(unsigned int side);

// The value kind whose name equals `name` exactly (case-sensitive);
// uiVALTYPE_ERROR when there is none. A null name is reported through
// ut_report_assert_failure and gives uiVALTYPE_ERROR. Exported under its
// plain, undecorated name.
extern "C" UIUTIL_API uiValType ui_decode_uiValType(const char* name);

// ---- Delimiters and user data ---------------------------------------------

// How to quote a text: an opening and a closing text of one or two
// characters each, given and reported as one string of two characters
// (opening, closing) or four (two opening, two closing).
class UIUTIL_API uiDelimiter {
public:
    // No delimiters.
    uiDelimiter();
    // No delimiters, then set_delimiters(s).
    uiDelimiter(const char* s);
    // As operator=.
    uiDelimiter(const uiDelimiter& d);
    ~uiDelimiter() {}

    // Copies both texts; the copy reports the four-character form when d's
    // closing text has two characters.
    void operator=(const uiDelimiter& d);

    // Null or "": no delimiters. Two characters: one opening and one closing
    // character. Four characters: two of each. Any other length leaves the
    // set unchanged.
    void set_delimiters(const char* s);

    // The set in the form it was given (two or four characters), or null
    // when there are no delimiters. The text lives in one buffer shared by
    // all delimiters that the next call overwrites: copy what you keep.
    const char* get_delimiters() const;

    // out = in between the opening and the closing text, in a new buffer.
    // Delimiter characters that are white space are left out (a white-space
    // first character leaves that side empty). Without delimiters, out
    // shares in's text. The null string is delimited like the empty one.
    // in and out may be the same string.
    void delimit_string(const uiSaveString& in, uiSaveString& out) const;

private:
    char m_open[3];
    char m_close[3];
    int m_two_chars;
};

// The user data of a command: a string quoted with one delimiter set shared
// by the whole class, by default a pair of double quotes.
class UIUTIL_API uiUserData : public uiSaveString {
public:
    // A copy of s (null gives the null string).
    uiUserData(const char* s);
    // Shares s's text.
    uiUserData(const uiSaveString& s);
    // Shares u's text.
    uiUserData(const uiUserData& u);
    ~uiUserData() override;

    // Shares u's text (or becomes null).
    void operator=(const uiUserData& u);

    // The class-wide delimiter set.
    static const uiDelimiter& delimiter();
    // Makes d the class-wide set and returns the set in force before the
    // call. The returned object is shared: the next call replaces its
    // contents.
    static const uiDelimiter& delimiter(const uiDelimiter& d);

    // The type record of uiUserData (named "uiUserData").
    static const utTypeID& ut_static_type();
    // The type record of the object's class.
    virtual const utTypeID& ut_dynamic_type() const;
    // Non-zero when t is the type record of uiUserData.
    virtual int ut_is_kind_of(const utTypeID& t) const;

    // The text between the class-wide delimiters; null or empty text and a
    // set without delimiters give the text itself. The result is one object
    // shared by all user data that the next call overwrites: copy what you
    // keep.
    virtual const uiSaveString& get_delimited() const;

    // p itself when it is a kind of uiUserData (asked through its virtual
    // ut_is_kind_of); null for null or another type.
    static uiUserData* ut_dynamic_cast(const uiUserData* p);

protected:
    // The class-wide delimiter set; two double quotes when the library is loaded.
    static uiDelimiter m_delimiter;
    // The type record of uiUserData, built when the library is loaded.
    static utTypeID s_ut_type_id;
};

// ---- Commands --------------------------------------------------------------

// The text of a command: a template (a command name, optionally holding the
// placeholders "%s" for the value and "%u" for the user data) with the value
// quoted by a given delimiter and the user data quoted by the class-wide
// delimiter of uiUserData. The composing constructors end the text with a
// carriage return while the class-wide flag the_cr_add_flag (initially 1) is
// non-zero; derive from uiCommand to change it.
//
// The force flag of the composing operations makes an empty or null value
// count: it is still quoted and added.
class UIUTIL_API uiCommand : public uiSaveString {
public:
    // The null string.
    uiCommand();
    // Shares c's text (no carriage return is added).
    uiCommand(const uiCommand& c);
    // Shares text, then appends the carriage return.
    uiCommand(const uiSaveString& text);
    // name with the value put in by replace("%s", value, d, force), then the
    // carriage return.
    uiCommand(const uiSaveString& name, const uiSaveString& value, const uiDelimiter& d, int force);
    // name with value and user data put in by replace_value_and_userdata,
    // then the carriage return. A null user-data pointer stands for null user
    // data. Mind the argument order, unlike the four-argument form.
    uiCommand(const uiSaveString& name, const uiDelimiter& d, const uiSaveString& value,
              const uiUserData* user_data, int force);
    ~uiCommand() override;

    // Shares c's text (or becomes null).
    void operator=(const uiCommand& c);

    // Replaces every occurrence of placeholder (non-empty) by the value
    // quoted with d. When there is none, appends the quoted value after a
    // blank. Here only force == 1 forces.
    void replace(const uiSaveString& placeholder, const uiSaveString& value, const uiDelimiter& d,
                 int force);
    // Replaces "%s" by the value quoted with d and, in the same pass, "%u" by
    // the user data quoted with the class-wide delimiter. When the text holds
    // no "%s", appends the quoted value after a blank; the user data is never
    // appended. Any non-zero force forces (the value only).
    void replace_value_and_userdata(const uiSaveString& value, const uiUserData& user_data,
                                    const uiDelimiter& d, int force);

protected:
    // Replaces the occurrences of p1 by r1 and of p2 by r2 in one pass from
    // left to right (p2 wins where both start at the same place; a null
    // replacement removes). Answers bit 0 when p1 was found and bit 1 when p2
    // was; with neither the text is unchanged. An empty or null placeholder
    // is never searched for.
    int replace_chars(const char* p1, const char* r1, const char* p2, const char* r2);

    // Non-zero (the initial 1): the composing constructors end the text with a
    // carriage return. Class-wide and unguarded.
    static int the_cr_add_flag;
};

// ---- Events and info objects ----------------------------------------------

// An empty polymorphic base for information objects.
class UIUTIL_API uiInfo {
public:
    uiInfo();
    virtual ~uiInfo();
};

// The root of the event classes. Each class of the family has its own type
// record and a tested downcast; a class's ut_is_kind_of compares its own
// record and then asks its base's.
class UIUTIL_API uiEvent {
public:
    uiEvent();

    // The type record of uiEvent (named "uiEvent").
    static const utTypeID& ut_static_type();
    // The type record of the object's class.
    virtual const utTypeID& ut_dynamic_type() const;
    // Non-zero when t is the type record of uiEvent.
    virtual int ut_is_kind_of(const utTypeID& t) const;
    virtual ~uiEvent();

    // e itself when it is a kind of uiEvent; null for null or another type.
    static uiEvent* ut_dynamic_cast(const uiEvent* e);

protected:
    // The type record of uiEvent, built when the library is loaded.
    static utTypeID s_ut_type_id;
};

// An event known by its name.
class UIUTIL_API uiSystemEvent : public uiEvent {
public:
    // Shares name's text.
    uiSystemEvent(const uiSaveString& name);

    // The type record of uiSystemEvent (named "uiSystemEvent").
    static const utTypeID& ut_static_type();
    // The type record of uiSystemEvent.
    const utTypeID& ut_dynamic_type() const override;
    // 1 when t is the record of uiSystemEvent or of uiEvent, else 0.
    int ut_is_kind_of(const utTypeID& t) const override;
    ~uiSystemEvent() override;

    // The event's name (shares the text it was made from).
    const uiSaveString& name() const { return m_name; }

    // e as a uiSystemEvent when it is a kind of uiSystemEvent; null for null
    // or another type.
    static uiSystemEvent* ut_dynamic_cast(const uiEvent* e);

protected:
    // The type record of uiSystemEvent, built when the library is loaded.
    static utTypeID s_ut_type_id;

private:
    uiSaveString m_name;
};

// ---- Resources --------------------------------------------------------------

// Codes of update resources. The library stores and compares them as ints
// without interpreting them (any int converts); the one code it sets itself
// is uiUPDATE_COPIED, carried by a resource made by the protected copy
// constructor.
enum uiUpdate : int { uiUPDATE_COPIED = 1802 };

// A resource: a value kind and a value text (a value resource), or an update
// code (kind uiVALTYPE_UPDATE). A value resource owns a heap copy of its text;
// one of kind uiVALTYPE_REFERENCE points at a string owned elsewhere (no
// operation of the library makes one).
class UIUTIL_API uiResource {
public:
    // A value resource holding a copy that shares value's text (null stays
    // null). The reserved kinds uiVALTYPE_REFERENCE and uiVALTYPE_UPDATE are
    // not value kinds: given one, the resource reports an assertion failure
    // and takes the kind uiVALTYPE_ERROR, so its string is still released.
    uiResource(const uiSaveString& value, uiValType type);
    // An update resource with the code u.
    explicit uiResource(uiUpdate u);
    // Releases an owned string.
    ~uiResource();

    // 0 for the reserved kinds, 1 for a value resource.
    int is_resource() const;
    // The value kind, or uiVALTYPE_UPDATE for an update resource.
    uiValType type() const { return m_type; }
    // The update code; meaningful for update resources only.
    uiUpdate reset_option() const;
    // The value text; for an update resource a shared, constant null string.
    const uiSaveString& value() const;
    // Sets the value text (for kind uiVALTYPE_REFERENCE the foreign string
    // changes); ignored by an update resource.
    void value(const uiSaveString& v);

protected:
    // Ignores its source: an update resource with the code uiUPDATE_COPIED.
    uiResource(const uiResource&);
    // Takes r's kind and value: a new copy of r's text for a value resource,
    // the same referenced string or update code otherwise.
    void operator=(const uiResource& r);

private:
    uiValType m_type;
    union Value {
        uiSaveString* string; // value resources and uiVALTYPE_REFERENCE
        std::intptr_t update; // uiVALTYPE_UPDATE
    } m_value;
};

class uiResourceListIter;
class uiResourceListCursor;

// An ordered list that owns its resources and skips a new resource equal to
// its first one. Not copyable.
class UIUTIL_API uiResourceList {
public:
    // An empty list.
    uiResourceList();
    uiResourceList(const uiResourceList&) = delete;
    uiResourceList& operator=(const uiResourceList&) = delete;

    // Appends an update resource, unless the first resource is an update
    // resource with the code u.
    virtual void add_uiResource(uiUpdate u);
    // Appends a value resource, unless the first resource has this kind and
    // an equal value (two null strings are equal, null and empty are not).
    virtual void add_uiResource(const uiSaveString& value, uiValType type);
    // Destroys every resource.
    virtual ~uiResourceList();

    // 1 when the list holds no resource, else 0.
    int empty() const;
    // The number of resources.
    int size() const;
    // A cursor (iterator) at the undefined position.
    uiResourceListCursor get_cursor();
    // A read-only iterator at the undefined position.
    uiResourceListIter get_iter() const;

private:
    friend class uiResourceListIter;
    uiResourcecoDListPrgcoPrgcoDList m_list;
};

// Walks a resource list. From the undefined position `++` goes to the first
// resource and `--` to the last; stepping past either end returns 0 and
// stands on the undefined position again. Must not outlive its list.
class UIUTIL_API uiResourceListIter {
public:
    // An iterator over `l`, at the undefined position.
    uiResourceListIter(const uiResourceList& l);
    // An iterator over the same list, at the same position.
    uiResourceListIter(const uiResourceListIter& i);
    ~uiResourceListIter();

    // One step forward: 1 on a resource, 0 past the last (then undefined).
    int operator++();
    // One step back: 1 on a resource, 0 before the first (then undefined).
    int operator--();
    // Back to the undefined position.
    void reset();
    // The resource it stands on. At the undefined position this is reported
    // as an assertion failure and the answer is a scratch update resource
    // that belongs to no list.
    const uiResource& operator()() const;
    // The number of resources in the list.
    int size() const;

protected:
    // The position in the list.
    uiResourcecoDListPrgcoPrgcoDListBcoIterator m_iter;
};

// An iterator with write access to the resource it stands on.
class UIUTIL_API uiResourceListCursor : public uiResourceListIter {
public:
    // A cursor over `l`, at the undefined position.
    uiResourceListCursor(uiResourceList& l);
    // A cursor over the same list, at the same position.
    uiResourceListCursor(const uiResourceListCursor& c);
    ~uiResourceListCursor();

    using uiResourceListIter::operator();
    // The resource it stands on, writable (at the undefined position: reported,
    // and a scratch resource).
    uiResource& operator()();
};
