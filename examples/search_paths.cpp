// Finding a file along a list of directories.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <uiutil/uiutil.h>

namespace fs = std::filesystem;

int main() {
    // Two folders, the second holding notes.txt.
    fs::path base = fs::temp_directory_path() / "uiutil_search_paths_example";
    fs::create_directories(base / "first");
    fs::create_directories(base / "second");
    std::ofstream(base / "second" / "notes.txt") << "hello\n";

    // A path sequence separates directories with ';'.
    std::string sequence = (base / "first").string() + ";" + (base / "second").string();
    uiPathList folders(sequence.c_str());
    std::cout << folders; // one "Path [i]: ..." line per entry

    // The searches answer a new[] array that the caller owns: the claiming
    // constructor hands it to a string, which releases it.
    uiSaveString found(uiClaimOwnership, folders.search("notes", ".txt"));
    uiSaveString missing(uiClaimOwnership, folders.search("absent.txt"));
    std::cout << "found: " << found << "\n";

    bool ok = missing.empty() && found == (base / "second" / "notes.txt").string().c_str() &&
              uiPathList::check_access(found) == uiPATHOK &&
              folders.add(sequence.c_str()) == uiPATHINLIST;
    fs::remove_all(base);
    return ok ? 0 : 1;
}
