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

using Texts = std::vector<std::string>;

class PathList : public uiPathList {
public:
    using uiPathList::search;
    using uiPathList::uiPathList;
};

// A search result, released; "(null)" for none.
std::string found(char* result) {
    std::unique_ptr<char[]> owned(result);
    return owned ? std::string(owned.get()) : "(null)";
}

int record_missing(const char* path, uiFileKind*, void* queried) {
    static_cast<Texts*>(queried)->push_back(path);
    return ENOENT;
}

TEST(PathListSearch, CandidatesJoinEntryAndNameWithASlash) {
    PathList list(".;A;B\\;C/");
    Texts queried;
    ui_set_file_status_hook(record_missing, &queried);
    const std::string long_name(10000, 'n');
    EXPECT_EQ(found(list.search("n.wav")), "(null)");
    EXPECT_EQ(found(list.search("/abs/n.wav")), "(null)");        // consults no entry
    EXPECT_EQ(found(list.search_reverse("C:\\n.wav")), "(null)"); // nor does this
    EXPECT_EQ(found(list.search_reverse(long_name.c_str())), "(null)");
    ui_set_file_status_hook(nullptr, nullptr);
    EXPECT_EQ(queried,
              (Texts{"n.wav", "A/n.wav", "B\\/n.wav", "C//n.wav", "/abs/n.wav", "C:\\n.wav",
                     "C//" + long_name, "B\\/" + long_name, "A/" + long_name, long_name}));
}

TEST(PathListSearch, FirstForwardsLastBackwardsAndNeverADirectory) {
    test_files::ScratchDir scratch;
    const std::string one = scratch.dir("one"), two = scratch.dir("two"), three = scratch.dir("3");
    scratch.file("one/f");
    scratch.file("3/f");
    scratch.dir("two/d");
    scratch.file("3/d");
    PathList list((one + ";" + two + ";" + three).c_str());
    EXPECT_EQ(found(list.search("f")), one + "/f");
    EXPECT_EQ(found(list.search_reverse("f")), three + "/f");
    EXPECT_EQ(found(list.search("d")), three + "/d");
    EXPECT_EQ(found(list.search("d", uiPATHISDIRECTORY)), two + "/d");
    EXPECT_EQ(found(PathList(two.c_str()).search("d")), "(null)");
    EXPECT_EQ(found(PathList(two.c_str()).search((one + "/f").c_str())), one + "/f");
    EXPECT_EQ(found(PathList(one.c_str()).search(two.c_str())), "(null)");
}

TEST(PathListSearch, TheExtensionIsTriedEverywhereBeforeTheBareName) {
    test_files::ScratchDir scratch;
    const std::string one = scratch.dir("one"), two = scratch.dir("two");
    scratch.file("one/n");
    scratch.file("two/n");
    PathList list((one + ";" + two).c_str());
    EXPECT_EQ(found(list.search("n", ".wav")), one + "/n");
    EXPECT_EQ(found(list.search_reverse("n", ".wav")), two + "/n");
    scratch.file("two/n.wav");
    EXPECT_EQ(found(list.search("n", ".wav")), two + "/n.wav");
    scratch.file("one/n.wav");
    EXPECT_EQ(found(list.search_reverse("n", ".wav")), two + "/n.wav");
    EXPECT_EQ(found(list.search("x", ".wav")), "(null)");
}

TEST(PathListCwd, EntriesBecomeAbsolute) {
    test_files::ScratchDir scratch;
    std::string relative = "d";
#if !defined(_WIN32) // longer than a fixed 512-byte request (Windows stops at MAX_PATH)
    while (relative.size() < 700)
        relative += "/" + std::string(99, 'd');
#endif
    test_files::ScopedCwd in_scratch(scratch.dir(relative));
    const std::string here = std::filesystem::current_path().string();
    ASSERT_NE(uiPathList::cwd(), nullptr);
    EXPECT_EQ(std::string(uiPathList::cwd()), here);

    uiPathList list("./x;/abs;C:\\abs;sub");
    list.expand_to_absolute_paths();
    Texts texts;
    for (uiSaveStringcoDListPtrcoPtrcoDListcoIterator entry(&list); ++entry;)
        texts.push_back(static_cast<const char*>(*entry()));
    EXPECT_EQ(texts, (Texts{here + "/./x", "/abs", "C:\\abs", here + "/sub"}));
}

} // namespace
