// Searching along path lists, and making entries absolute.
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

#include "paths/test_files.h"

namespace {

using test_files::ScratchDir;

class PathList : public uiPathList {
public:
    using uiPathList::search;
    using uiPathList::uiPathList;
};

// A search result, owned; "(null)" for none.
std::string found(char* result) {
    std::unique_ptr<char[]> owned(result);
    return owned ? std::string(owned.get()) : std::string("(null)");
}

// Records queried paths and reports every one missing.
int record_missing(const char* path, uiFileKind*, void* context) {
    static_cast<std::vector<std::string>*>(context)->push_back(path);
    return ENOENT;
}

struct RecordQueries {
    std::vector<std::string> queried;
    RecordQueries() { ui_set_file_status_hook(record_missing, &queried); }
    ~RecordQueries() { ui_set_file_status_hook(nullptr, nullptr); }
};

TEST(PathListSearch, CandidatesJoinEntryAndNameWithASlash) {
    PathList list(".;A;B\\;C/");
    RecordQueries record;
    EXPECT_EQ(found(list.search("n.wav")), "(null)");
    EXPECT_EQ(record.queried,
              (std::vector<std::string>{"n.wav", "A/n.wav", "B\\/n.wav", "C//n.wav"}));

    // An absolute name consults no entry.
    record.queried.clear();
    EXPECT_EQ(found(list.search("/abs/n.wav")), "(null)");
    EXPECT_EQ(found(list.search_reverse("C:\\abs\\n.wav")), "(null)");
    EXPECT_EQ(record.queried, (std::vector<std::string>{"/abs/n.wav", "C:\\abs\\n.wav"}));

    // A long name is passed whole.
    record.queried.clear();
    const std::string long_name(10000, 'n');
    EXPECT_EQ(found(list.search_reverse(long_name.c_str())), "(null)");
    ASSERT_EQ(record.queried.size(), 4u);
    EXPECT_EQ(record.queried.front(), "C//" + long_name);
    EXPECT_EQ(record.queried.back(), long_name);
}

TEST(PathListSearch, FirstForwardsLastBackwardsAndNeverADirectory) {
    ScratchDir scratch;
    const std::string one = scratch.dir("one"), two = scratch.dir("two"),
                      three = scratch.dir("three");
    scratch.file("one/f");
    scratch.file("three/f");
    scratch.dir("two/d");
    scratch.file("three/d");
    PathList list((one + ";" + two + ";" + three).c_str());
    EXPECT_EQ(found(list.search("f")), one + "/f");
    EXPECT_EQ(found(list.search_reverse("f")), three + "/f");
    EXPECT_EQ(found(list.search("d")), three + "/d");
    EXPECT_EQ(found(list.search("missing")), "(null)");
    EXPECT_EQ(found(list.search("d", uiPATHISDIRECTORY)), two + "/d");

    PathList only_dir(two.c_str());
    EXPECT_EQ(found(only_dir.search("d")), "(null)");
    EXPECT_EQ(found(PathList().search("f")), "(null)");

    // Absolute names: a copy when they name a file.
    const std::string absolute = one + "/f";
    EXPECT_EQ(found(only_dir.search(absolute.c_str())), absolute);
    EXPECT_EQ(found(only_dir.search(two.c_str())), "(null)");
}

TEST(PathListSearch, TheExtensionIsTriedEverywhereBeforeTheBareName) {
    ScratchDir scratch;
    const std::string one = scratch.dir("one"), two = scratch.dir("two");
    scratch.file("one/n");
    scratch.file("two/n");
    PathList list((one + ";" + two).c_str());
    EXPECT_EQ(found(list.search("n", ".wav")), one + "/n");
    EXPECT_EQ(found(list.search_reverse("n", ".wav")), two + "/n");
    scratch.file("two/n.wav");
    EXPECT_EQ(found(list.search("n", ".wav")), two + "/n.wav");
    EXPECT_EQ(found(list.search_reverse("n", ".wav")), two + "/n.wav");
    scratch.file("one/n.wav");
    EXPECT_EQ(found(list.search_reverse("n", ".wav")), two + "/n.wav");
    EXPECT_EQ(found(list.search("n", ".wav")), one + "/n.wav");
    EXPECT_EQ(found(list.search("x", ".wav")), "(null)");
}

TEST(PathListSearch, TheDotEntryLooksInTheCurrentDirectory) {
    ScratchDir scratch;
    scratch.file("here.wav");
    test_files::ScopedCwd in_scratch(scratch.path());
    PathList dot(".");
    EXPECT_EQ(found(dot.search("here.wav")), "here.wav");
    EXPECT_EQ(found(dot.search("here", ".wav")), "here.wav");
    EXPECT_EQ(found(dot.search("gone.wav")), "(null)");
}

TEST(PathListCwd, EntriesBecomeAbsolute) {
    ScratchDir scratch;
    test_files::ScopedCwd in_scratch(scratch.path());
    const std::string here = std::filesystem::current_path().string();
    ASSERT_NE(uiPathList::cwd(), nullptr);
    EXPECT_EQ(std::string(uiPathList::cwd()), here);

    uiSaveString relative("rel");
    uiPathList::prepend_cwd(&relative);
    EXPECT_EQ(std::string(relative), here + "/rel");

    uiPathList list("./x;/abs;C:\\abs;sub");
    list.expand_to_absolute_paths();
    std::vector<std::string> texts;
    uiSaveStringcoDListPtrcoPtrcoDListcoIterator entry(&list);
    while (++entry)
        texts.push_back(static_cast<const char*>(*entry()));
    EXPECT_EQ(texts, (std::vector<std::string>{here + "/./x", "/abs", "C:\\abs", here + "/sub"}));
}

#if !defined(_WIN32)
TEST(PathListCwd, LongCurrentDirectoriesAreReturned) {
    ScratchDir scratch;
    std::string relative = "d";
    while (relative.size() < 1500)
        relative += "/" + std::string(100, 'd');
    const std::string deep = scratch.dir(relative);
    test_files::ScopedCwd in_deep(deep);
    ASSERT_NE(uiPathList::cwd(), nullptr);
    EXPECT_EQ(std::string(uiPathList::cwd()), std::filesystem::current_path().string());
}
#endif

} // namespace
