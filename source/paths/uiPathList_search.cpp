// Path lists: looking up files along the entries.
#include <cstring>
#include <uiutil/paths.h>

char* uiPathList::search(const char* name, uiPathListError wanted) {
    return search_entries(name, wanted, false);
}

char* uiPathList::search(const char* name) {
    return search(name, uiPATHOK);
}

char* uiPathList::search(const char* name, const char* extension) {
    return search_with_extension(name, extension, false);
}

char* uiPathList::search_reverse(const char* name) {
    return search_entries(name, uiPATHOK, true);
}

char* uiPathList::search_reverse(const char* name, const char* extension) {
    return search_with_extension(name, extension, true);
}

char* uiPathList::search_entries(const char* name, uiPathListError wanted, bool reverse) {
    if (!name) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList: search for a null name");
        return nullptr;
    }
    if (absolute_path(name))
        return check_access(name) == wanted ? apconcat(1, name) : nullptr;
    reset();
    while (reverse ? backwards() : forwards()) {
        const char* directory = *read();
        // The entry "." stands for the name as it is; any other entry is
        // joined with a slash, whatever separators it uses itself.
        char* candidate = std::strcmp(directory, ".") == 0 ? apconcat(1, name)
                                                           : apconcat(3, directory, "/", name);
        if (check_access(candidate) == wanted)
            return candidate;
        delete[] candidate;
    }
    return nullptr;
}

char* uiPathList::search_with_extension(const char* name, const char* extension, bool reverse) {
    if (!name) {
        ut_report_assert_failure(__FILE__, __LINE__, "uiPathList: search for a null name");
        return nullptr;
    }
    char* with_extension = apconcat(2, name, extension);
    char* found = search_entries(with_extension, uiPATHOK, reverse);
    delete[] with_extension;
    return found ? found : search_entries(name, uiPATHOK, reverse);
}
