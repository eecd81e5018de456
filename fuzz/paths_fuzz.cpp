// Search path lists: path sequences added at the end, at the front and after
// an index, removal, copying, absolute paths, the colon check, the file
// status check and the searches, each against a model. Fields (separated by
// NUL): sequence, second sequence, add code, index, name, extension, path to
// remove.
//
// Every path is made relative (leading separators dropped, ".." broken) and
// the process works in a temporary directory that is also "HOME", so the
// file system is read only inside that directory.
#include "fuzz_support.h"

#include <uiutil/paths.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class PathList : public uiPathList {
public:
    using uiPathList::add;
    using uiPathList::add_path_sequence;
    using uiPathList::uiPathList;
    using uiPathList::valid_colon_check;
};

std::string home;

// A temporary directory with files, a directory and a special file to find.
void make_sandbox() {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("uiutil-fuzz-paths-" + std::to_string(getpid()));
    fs::create_directories(dir / "d" / "e");
    for (const char* file : {"a", "b.txt", "d/a", "d/c.txt", "d/e/a.txt"})
        std::ofstream(dir / file) << "x";
    std::error_code ignored;
    fs::create_symlink("/dev/null", dir / "null", ignored);
    fs::create_symlink("loop", dir / "loop", ignored);
    fs::current_path(dir);
    home = dir.string() + "/";
    static std::string sandbox;
    sandbox = dir.string();
    std::atexit([] {
        std::error_code ignored_too;
        std::filesystem::remove_all(sandbox, ignored_too);
    });
    setenv("HOME", home.c_str(), 1);
}

// Leading separators go, and ".." becomes "._", in every piece of a
// sequence; a leading '~' stays (it means the sandbox).
std::string relative(const std::string& text) {
    std::string out;
    bool piece_start = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (piece_start && (c == '/' || c == '\\'))
            continue;
        piece_start = c == ';';
        if (c == '.' && i + 1 < text.size() && text[i + 1] == '.') {
            out += "._";
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}

std::vector<std::string> pieces(const std::string& sequence) {
    std::vector<std::string> out;
    std::string piece;
    for (char c : sequence + ";") {
        if (c != ';') {
            piece += c;
        } else if (!piece.empty()) {
            out.push_back(piece);
            piece.clear();
        }
    }
    return out;
}

// add_path_sequence on a model list.
uiPathListError model_add(std::vector<std::string>& list, const std::string& sequence, int code,
                          int index) {
    uiPathListError result = uiPATHOK;
    for (std::string piece : pieces(sequence)) {
        if (piece[0] == '~')
            piece = home + piece.substr(1);
        uiPathListError r = uiPATHOK;
        if (std::find(list.begin(), list.end(), piece) != list.end())
            r = uiPATHINLIST;
        else if (code == uiPathList::uiPATHADDAFTER && index < 0)
            r = uiPATHBADINDEX;
        else if (code == uiPathList::uiPATHADDAFTER && index < static_cast<int>(list.size()))
            list.insert(list.begin() + index + 1, piece);
        else if (code == uiPathList::uiPATHADDAFTER || code == uiPathList::uiPATHADDLAST)
            list.push_back(piece);
        else if (code == uiPathList::uiPATHADDFIRST)
            list.insert(list.begin(), piece);
        if (r != uiPATHOK && result == uiPATHOK)
            result = r;
    }
    return result;
}

std::string printed(const uiPathList& list) {
    std::ostringstream out;
    out << list;
    return out.str();
}

std::string printed(const std::vector<std::string>& list) {
    std::string out;
    for (size_t i = 0; i < list.size(); ++i)
        out += "Path [" + std::to_string(i) + "]: " + list[i] + "\n";
    return out;
}

int model_absolute(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    size_t at = 0;
    if (!path.empty() && std::isalpha(static_cast<unsigned char>(path[0]))) {
        if (path.size() < 2 || path[1] != ':')
            return 0;
        at = 2;
    }
    return at < path.size() && (path[at] == '\\' || path[at] == '~') ? 1 : 0;
}

uiPathListError model_access(std::string path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\') && path.size() > 1)
        path.pop_back();
    struct stat st;
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISREG(st.st_mode) || S_ISCHR(st.st_mode))
            return uiPATHOK;
        return S_ISDIR(st.st_mode) ? uiPATHISDIRECTORY : uiPATHNOTFILE;
    }
    switch (errno) {
    case ENOENT:
    case ENOTDIR:
        return uiPATHNOTFOUND;
    case ENAMETOOLONG:
        return uiPATHNAMETOOLONG;
    case ELOOP:
        return uiPATHLINKERROR;
    case EACCES:
        return uiPATHNOPERMISSION;
    default:
        return uiPATHSTATFAILED;
    }
}

std::string model_search(const std::vector<std::string>& list, const std::string& name,
                         bool reverse) {
    if (model_absolute(name))
        return model_access(name) == uiPATHOK ? name : std::string();
    std::vector<std::string> order = list;
    if (reverse)
        std::reverse(order.begin(), order.end());
    for (const std::string& entry : order) {
        const std::string candidate = entry == "." ? name : entry + "/" + name;
        if (model_access(candidate) == uiPATHOK)
            return candidate;
    }
    return std::string();
}

std::string taken(char* found) {
    const std::string out = found ? found : "";
    delete[] found;
    return out;
}

int model_colons(const std::string& sequence) {
    for (size_t i = 0; i < sequence.size(); ++i) {
        if (sequence[i] != ':')
            continue;
        if (i == 0 || !std::isalpha(static_cast<unsigned char>(sequence[i - 1])))
            return 0;
        if (i >= 2 && sequence[i - 2] != ';')
            return 0;
    }
    return 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (fuzz::install_report_handlers(), make_sandbox(), true);
    (void)ready;
    const auto f = fuzz::split_fields(data, size, 7);
    const std::string first = relative(fuzz::field(f, 0));
    const std::string second = relative(fuzz::field(f, 1));
    const int code = fuzz::field_int(f, 2, 0, 3, uiPathList::uiPATHADDLAST);
    const int index = fuzz::field_int(f, 3, -5, 100, 0);
    std::string name = relative(fuzz::field(f, 4));
    const std::string extension = fuzz::field(f, 5);
    const std::string removed = relative(fuzz::field(f, 6));
    if (!name.empty() && name[0] == '~')
        name[0] = '_'; // "~" would be read from the root of the file system

    PathList list;
    std::vector<std::string> model;
    const uiPathListError added = list.add(first.c_str());
    fuzz::check(added == model_add(model, first, uiPathList::uiPATHADDLAST, 0), "add result",
                first);
    const uiPathListError inserted = list.add_path_sequence(
        second.c_str(), static_cast<uiPathList::uiPathListAddCode>(code), index);
    fuzz::check(inserted == model_add(model, second, code, index), "add_path_sequence result",
                second);
    fuzz::check(printed(list) == printed(model), "entries", printed(model));

    const PathList copy(list);
    fuzz::check(printed(copy) == printed(model), "copy");

    const bool present = std::find(model.begin(), model.end(), removed) != model.end();
    fuzz::check(list.remove(removed.c_str()) == (present ? uiPATHOK : uiPATHNOTFOUND), "remove");
    if (present)
        model.erase(std::find(model.begin(), model.end(), removed));
    fuzz::check(printed(list) == printed(model), "entries after remove");

    fuzz::check(uiPathList::absolute_path(name.c_str()) == model_absolute(name), "absolute_path",
                name);
    fuzz::check(PathList::valid_colon_check(first.c_str()) == model_colons(first),
                "valid_colon_check", first);
    fuzz::check(uiPathList::check_access(name.c_str()) == model_access(name), "check_access", name);

    fuzz::check(taken(list.search(name.c_str())) == model_search(model, name, false), "search",
                name);
    fuzz::check(taken(list.search_reverse(name.c_str())) == model_search(model, name, true),
                "search_reverse", name);
    std::string expected = model_search(model, name + extension, false);
    if (expected.empty())
        expected = model_search(model, name, false);
    fuzz::check(taken(list.search(name.c_str(), extension.c_str())) == expected,
                "search with extension", name);

    std::string path = name;
    uiPorting::path_verify(&path[0]);
    std::string slashes = name;
    std::replace(slashes.begin(), slashes.end(), '/', '\\');
    fuzz::check(path == slashes, "path_verify", name);

    const std::string cwd = uiPathList::cwd();
    list.expand_to_absolute_paths();
    for (std::string& entry : model)
        if (!model_absolute(entry))
            entry = cwd + "/" + entry;
    fuzz::check(printed(list) == printed(model), "expand_to_absolute_paths");
    return 0;
}
