// Path lists: construction, copying, adding and removing entries, printing.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <uiutil/paths.h>

namespace {

using Base = uiSaveStringcoDListPtrcoPtrcoDList;
using EntryIterator = uiSaveStringcoDListPtrcoPtrcoDListcoIterator;

} // namespace

char uiPathList::the_delimiter = ';';

uiPathList::uiPathList() {}

uiPathList::uiPathList(const char* sequence) {
    add_path_sequence(sequence, uiPATHADDLAST, 0);
}

// The base list's copy would share the entries' strings; the entries are
// copied as new strings by the assignment instead.
uiPathList::uiPathList(const uiPathList& other) : Base() { // NOLINT(bugprone-copy-constructor-init)
    *this = other;
}

uiPathList::~uiPathList() {
    delete_contents();
}

void uiPathList::operator=(const uiPathList& other) {
    if (&other == this)
        return;
    delete_contents();
    EntryIterator entry(&other);
    while (++entry)
        add_path_sequence(*entry(), uiPATHADDLAST, 0);
}

void uiPathList::delete_contents() {
    while (!empty()) {
        delete read_first();
        remove_first();
    }
}

uiPathListError uiPathList::add(const char* sequence) {
    return add_path_sequence(sequence, uiPATHADDLAST, 0);
}

uiPathListError uiPathList::add(const char* path, uiPathListAddCode code, int index) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList::add: null path");
        return uiPATHNOTFOUND;
    }
    // A leading '~' stands for the value of HOME, joined to the rest as is.
    std::unique_ptr<char[]> expanded;
    const char* text = path;
    if (path[0] == '~') {
        const char* home = std::getenv("HOME");
        if (!home)
            return uiPATHNOHOME;
        expanded.reset(apconcat(2, home, path + 1));
        text = expanded.get();
    }
    if (in_list(text))
        return uiPATHINLIST;
    if (code == uiPATHADDAFTER && index < 0)
        return uiPATHBADINDEX;

    std::unique_ptr<uiSaveString> entry(new uiSaveString(text));
    switch (code) {
    case uiPATHADDAFTER:
        if (index >= size()) {
            insert_last(entry.get());
        } else {
            reset();
            set_index(index);
            insert_after(entry.get());
        }
        break;
    case uiPATHADDLAST:
        insert_last(entry.get());
        break;
    case uiPATHADDFIRST:
        insert_first(entry.get());
        break;
    default:
        return uiPATHOK; // an unknown place adds nothing
    }
    static_cast<void>(entry.release()); // the list holds it now
    return uiPATHOK;
}

uiPathListError uiPathList::add_path_sequence(const char* sequence, uiPathListAddCode code,
                                              int index) {
    if (!sequence) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList: null path sequence");
        return uiPATHNOTFOUND;
    }
    uiPathListError first_refusal = uiPATHOK;
    const char* piece = sequence;
    while (*piece) {
        const char* end = std::strchr(piece, the_delimiter);
        if (!end)
            end = piece + std::strlen(piece);
        if (end != piece) {
            const std::string directory(piece, end);
            const uiPathListError result = add(directory.c_str(), code, index);
            if (result != uiPATHOK && first_refusal == uiPATHOK)
                first_refusal = result;
        }
        if (!*end)
            break;
        piece = end + 1;
    }
    return first_refusal;
}

uiPathListError uiPathList::remove(const char* path) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList::remove: null path");
        return uiPATHNOTFOUND;
    }
    if (!in_list(path))
        return uiPATHNOTFOUND;
    delete read();
    Base::remove();
    return uiPATHOK;
}

int uiPathList::in_list(const char* path) {
    if (!path) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList::in_list: null path");
        return 0;
    }
    if (empty())
        return 0;
    reset();
    while (forwards()) {
        if (std::strcmp(*read(), path) == 0)
            return 1;
    }
    return 0;
}

std::ostream& operator<<(std::ostream& out, const uiPathList& list) {
    EntryIterator entry(&list);
    for (int i = 0; ++entry; ++i)
        out << "Path [" << i << "]: " << *entry() << std::endl;
    return out;
}
