// Search path lists and path-separator portability.
#pragma once

#include <iosfwd>
#include <uiutil/containers.h>
#include <uiutil/export.h>
#include <uiutil/service_hooks.h>
#include <uiutil/strings.h>

// ---- Path separators ------------------------------------------------------

// Which character separates the parts of a file path on the platform, and
// the rewriting of paths written with the other convention. Static members
// only.
class UIUTIL_API uiPorting {
public:
    // The platform's separator: a backslash.
    static char path_slash();
    // Rewrites `path` in place so that every slash and every backslash is a
    // backslash; nothing else changes (length, doubled separators, dots,
    // drive letters and case stay). Returns `path`; a null path is reported
    // through ut_report_assert_failure and returns null.
    static const char* path_verify(char* path);

protected:
    // Each one character and a NUL; only the first character is consulted.
    static const char the_NT_slash[2];   // "\\"
    static const char the_UNIX_slash[2]; // "/"
};

// ---- Search path lists ----------------------------------------------------

// Results of path-list operations; the numbers are part of the interface
// (9 is not used).
enum uiPathListError {
    uiPATHOK = 0,            // success; check_access: a regular file or character device
    uiPATHINLIST = 1,        // add: the directory is already an entry
    uiPATHNOTFOUND = 2,      // check_access: no such file; remove: no such entry
    uiPATHNOHOME = 3,        // add: a leading '~' and "HOME" is not set
    uiPATHBADINDEX = 4,      // add after a position: the index is negative
    uiPATHSTATFAILED = 5,    // check_access: the status query failed otherwise
    uiPATHNOTFILE = 6,       // check_access: neither file, character device nor directory
    uiPATHISDIRECTORY = 7,   // check_access: a directory
    uiPATHRETRYLIMIT = 8,    // check_access: transient failures outlasted 15 retries
    uiPATHNAMETOOLONG = 10,  // check_access: the name is too long
    uiPATHNOPERMISSION = 11, // check_access: access denied
    uiPATHLINKERROR = 12     // check_access: too many links or a loop of symbolic links
};

// An ordered list of directories along which files are looked up by name,
// first entry first. Built from path sequences: directories separated by
// ';' (empty pieces are skipped, nothing is trimmed). Entries are kept
// exactly as given (after '~' expansion), no two alike (exact, case-sensitive
// comparison). The list owns the uiSaveString of each entry.
//
// The built-in cursor of the base list is working state of add, remove and
// the searches and means nothing between calls. One thread at a time: even
// the searches move the cursor, and check_access and cwd share static state.
//
// A null text argument (a path, a sequence, a search name) is reported
// through ut_report_assert_failure and the operation changes nothing: it
// answers uiPATHNOTFOUND, 0 or a null pointer. A null extension of a search
// searches for the name alone.
class UIUTIL_API uiPathList : public uiSaveStringcoDListPtrcoPtrcoDList {
public:
    // Where add puts a new entry.
    enum uiPathListAddCode {
        uiPATHADDAFTER = 1, // directly after the entry at a 0-based index
        uiPATHADDLAST = 2,  // at the end
        uiPATHADDFIRST = 3  // at the front
    };

    uiPathList();
    // The directories of `sequence`, in order.
    uiPathList(const char* sequence);
    // A list with copies of other's entries, in order (as assignment does).
    uiPathList(const uiPathList& other);
    ~uiPathList();

    // Replaces the entries by copies of other's, in order. Assigning a list
    // to itself changes nothing.
    void operator=(const uiPathList& other);
    // Removes every entry and deletes its string.
    void delete_contents();

    // Appends the directories of `sequence`. uiPATHOK when all were added,
    // else the error of the first one refused; refused ones don't stop the
    // rest. A leading '~' is replaced by the value of "HOME" (nothing is
    // inserted between them; "~name" is not a user's home).
    uiPathListError add(const char* sequence);
    // Removes the entry whose text equals `path` exactly: uiPATHOK, or
    // uiPATHNOTFOUND when there is none.
    uiPathListError remove(const char* path);

    // 1 when `path` is absolute: after turning slashes into backslashes it
    // starts with a backslash or '~', or with a letter, ':' and a backslash.
    static int absolute_path(const char* path);
    // Classifies what `path` names. One trailing slash or backslash is cut
    // before the query; a path that is a separator alone (the root) is
    // queried as it is. Transient failures (EINTR, ENXIO, ENODEV, EMFILE) are
    // retried, each retry cutting one more trailing separator, and after 15
    // retries give uiPATHRETRYLIMIT: at most 16 queries per call. On Linux
    // the failures are classified by their errno names; the Windows runtime's
    // unnamed number 151 ("not found") has no counterpart there.
    static uiPathListError check_access(const char* path);
    // The process's current directory, or null after printing the reason
    // through perror ("uiPathList::cwd() - getcwd() "). The text stays valid
    // until the next call. Directories of any length are returned.
    static const char* cwd();
    // Turns `path` into cwd() + "/" + path; unchanged when cwd() fails or is
    // empty.
    static void prepend_cwd(uiSaveString* path);
    // Applies prepend_cwd to every entry that is not absolute, first to last.
    void expand_to_absolute_paths();

    // The searches answer null or a new[]-allocated full path that the caller
    // owns (release it with delete[] or hand it to uiSaveString's claiming
    // constructor). An absolute name is checked by itself; otherwise each
    // entry is tried as entry + "/" + name (the entry "." tries the name
    // alone). Only a regular file or character device is found.

    // The first entry, in list order, that holds `name`.
    char* search(const char* name);
    // `name` + `extension` through all entries; when that finds nothing,
    // `name` alone.
    char* search(const char* name, const char* extension);
    // As search(name), trying the entries from the last to the first.
    char* search_reverse(const char* name);
    // As search(name, extension), trying the entries from the last to the first.
    char* search_reverse(const char* name, const char* extension);

protected:
    // Adds one directory, placed by `code` (uiPATHADDAFTER: after entry
    // `index`; at the end when `index` is at or beyond the count;
    // uiPATHBADINDEX when it is negative). Any other code adds nothing.
    uiPathListError add(const char* path, uiPathListAddCode code, int index);
    // Adds each directory of `sequence` with the same code and index, so
    // uiPATHADDFIRST (or one fixed index) reverses the sequence's order.
    uiPathListError add_path_sequence(const char* sequence, uiPathListAddCode code, int index);
    // 1 when an entry's text equals `path` (the cursor is left on it), else 0.
    int in_list(const char* path);
    // 1 when every ':' of `sequence` is a drive colon: it follows a letter
    // that begins the sequence or directly follows the_delimiter.
    static int valid_colon_check(const char* sequence);
    // The first candidate, in list order, whose check_access equals `wanted`.
    char* search(const char* name, uiPathListError wanted);

    // ';', the separator of directories in a path sequence.
    static char the_delimiter;

private:
    char* search_entries(const char* name, uiPathListError wanted, bool reverse);
    char* search_with_extension(const char* name, const char* extension, bool reverse);
};

// Writes one line per entry: "Path [" i "]: " text, counting from 0. An empty
// list writes nothing.
UIUTIL_API std::ostream& operator<<(std::ostream& out, const uiPathList& list);
