// Path lists: building from sequences, add orders, '~', removal, copying,
// printing and the colon and absolute-path rules.
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

#include "paths/test_files.h"

namespace {

// Opens the protected members to the tests.
class PathList : public uiPathList {
public:
    using uiPathList::add;
    using uiPathList::add_path_sequence;
    using uiPathList::in_list;
    using uiPathList::uiPathList;
    using uiPathList::valid_colon_check;
};

std::vector<std::string> entries(const uiPathList& list) {
    std::vector<std::string> texts;
    uiSaveStringcoDListPtrcoPtrcoDListcoIterator entry(&list);
    while (++entry)
        texts.push_back(static_cast<const char*>(*entry()));
    return texts;
}

using Texts = std::vector<std::string>;

TEST(PathListSequence, EmptyPiecesAreSkippedAndNothingIsTrimmed) {
    EXPECT_EQ(entries(PathList("a;;b;")), (Texts{"a", "b"}));
    EXPECT_EQ(entries(PathList(";a")), (Texts{"a"}));
    EXPECT_EQ(entries(PathList(";;;")), Texts{});
    EXPECT_EQ(entries(PathList(" a ;b\\")), (Texts{" a ", "b\\"}));

    PathList list;
    EXPECT_EQ(list.add(""), uiPATHOK);
    EXPECT_EQ(list.size(), 0);
}

TEST(PathListSequence, DuplicatesAreRefusedWithoutStoppingTheRest) {
    PathList list;
    EXPECT_EQ(list.add("a;a"), uiPATHINLIST);
    EXPECT_EQ(entries(list), (Texts{"a"}));

    PathList holding_b("b");
    EXPECT_EQ(holding_b.add("a;b;c"), uiPATHINLIST);
    EXPECT_EQ(entries(holding_b), (Texts{"b", "a", "c"}));

    // Comparison is exact: case and trailing separators make other entries.
    EXPECT_EQ(holding_b.add("B;b/"), uiPATHOK);
    EXPECT_EQ(holding_b.size(), 5);
    EXPECT_EQ(holding_b.in_list("b/"), 1);
    EXPECT_EQ(holding_b.in_list("d"), 0);
    EXPECT_EQ(PathList().in_list("a"), 0);
}

TEST(PathListAdd, PlacesEntriesByCode) {
    PathList list("x");
    EXPECT_EQ(list.add_path_sequence("y;z", uiPathList::uiPATHADDFIRST, 0), uiPATHOK);
    EXPECT_EQ(entries(list), (Texts{"z", "y", "x"}));

    PathList after("a;b");
    EXPECT_EQ(after.add("m", uiPathList::uiPATHADDAFTER, 0), uiPATHOK);
    EXPECT_EQ(entries(after), (Texts{"a", "m", "b"}));
    EXPECT_EQ(after.add("end", uiPathList::uiPATHADDAFTER, 5), uiPATHOK);
    EXPECT_EQ(after.add("last", uiPathList::uiPATHADDAFTER, 4), uiPATHOK);
    EXPECT_EQ(entries(after), (Texts{"a", "m", "b", "end", "last"}));
    // A sequence after one fixed index ends up reversed.
    EXPECT_EQ(after.add_path_sequence("p;q", uiPathList::uiPATHADDAFTER, 0), uiPATHOK);
    EXPECT_EQ(entries(after), (Texts{"a", "q", "p", "m", "b", "end", "last"}));
}

TEST(PathListAdd, RefusalsLeaveTheListAsItWas) {
    PathList list("a;b");
    EXPECT_EQ(list.add("c", uiPathList::uiPATHADDAFTER, -1), uiPATHBADINDEX);
    // A duplicate is reported before a bad index.
    EXPECT_EQ(list.add("a", uiPathList::uiPATHADDAFTER, -1), uiPATHINLIST);
    EXPECT_EQ(list.add("c", static_cast<uiPathList::uiPathListAddCode>(7), 0), uiPATHOK);
    EXPECT_EQ(entries(list), (Texts{"a", "b"}));
}

TEST(PathListAdd, TildeTakesHome) {
    PathList list;
    {
        test_files::ScopedEnv no_home("HOME", nullptr);
        EXPECT_EQ(list.add("~/bin"), uiPATHNOHOME);
        EXPECT_EQ(list.add("~/x;plain"), uiPATHNOHOME);
        EXPECT_EQ(entries(list), (Texts{"plain"}));
    }
    {
        test_files::ScopedEnv home("HOME", "/home/me");
        EXPECT_EQ(list.add("~/bin;~user;a~"), uiPATHOK);
        EXPECT_EQ(list.add("/home/me/bin"), uiPATHINLIST);
    }
    EXPECT_EQ(entries(list), (Texts{"plain", "/home/me/bin", "/home/meuser", "a~"}));
}

TEST(PathListAdd, LongHomesAndPiecesAreKeptWhole) {
    const std::string home(5000, 'h');
    const std::string piece(20000, 'p');
    test_files::ScopedEnv long_home("HOME", home.c_str());
    PathList list;
    EXPECT_EQ(list.add(("~/tail;" + piece + ";x").c_str()), uiPATHOK);
    EXPECT_EQ(entries(list), (Texts{home + "/tail", piece, "x"}));
}

TEST(PathListRemove, RemovesOnlyExactEntries) {
    PathList list("a;b;c");
    EXPECT_EQ(list.remove("b"), uiPATHOK);
    EXPECT_EQ(list.remove("b"), uiPATHNOTFOUND);
    EXPECT_EQ(list.remove("A"), uiPATHNOTFOUND);
    EXPECT_EQ(entries(list), (Texts{"a", "c"}));
    // The cursor's later use is not disturbed by the removal.
    EXPECT_EQ(list.add("n", uiPathList::uiPATHADDAFTER, 0), uiPATHOK);
    EXPECT_EQ(entries(list), (Texts{"a", "n", "c"}));
    list.delete_contents();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.remove("a"), uiPATHNOTFOUND);
}

TEST(PathListCopy, AssignmentAndCopyMakeIndependentLists) {
    PathList source("a;b");
    PathList& same = source;
    source = same;
    EXPECT_EQ(entries(source), (Texts{"a", "b"}));

    PathList target("x;y;z");
    target = source;
    EXPECT_EQ(entries(target), (Texts{"a", "b"}));

    uiPathList copy(source);
    source.delete_contents();
    source.add("other");
    EXPECT_EQ(entries(copy), (Texts{"a", "b"}));
    EXPECT_EQ(entries(target), (Texts{"a", "b"}));
}

TEST(PathListPrint, OneNumberedLinePerEntry) {
    std::ostringstream out;
    out << PathList("a;b");
    EXPECT_EQ(out.str(), "Path [0]: a\nPath [1]: b\n");
    std::ostringstream empty;
    empty << PathList();
    EXPECT_EQ(empty.str(), "");
}

TEST(PathListRules, ColonsMayOnlyBeDriveColons) {
    EXPECT_EQ(PathList::valid_colon_check("C:\\a;D:\\b"), 1);
    EXPECT_EQ(PathList::valid_colon_check("a;b"), 1);
    EXPECT_EQ(PathList::valid_colon_check(""), 1);
    EXPECT_EQ(PathList::valid_colon_check(":a"), 0);
    EXPECT_EQ(PathList::valid_colon_check("1:\\a"), 0);
    EXPECT_EQ(PathList::valid_colon_check("ab:\\a"), 0);
    EXPECT_EQ(PathList::valid_colon_check("C:\\a;xD:"), 0);
    EXPECT_EQ(PathList::valid_colon_check("C:\\a:b"), 0);
}

TEST(PathListRules, AbsolutePaths) {
    for (const char* path : {"C:\\x", "c:/x", "/usr", "\\x", "\\\\server\\share", "~", "~/x"})
        EXPECT_EQ(uiPathList::absolute_path(path), 1) << path;
    for (const char* path : {"x", "./x", "..\\x", "C:", "C:x", "", "1:\\x", "ab/c"})
        EXPECT_EQ(uiPathList::absolute_path(path), 0) << path;
}

TEST(Porting, RewritesEverySeparatorAndNothingElse) {
    char mixed[] = "a/b\\c//d/";
    EXPECT_EQ(uiPorting::path_verify(mixed), mixed);
    EXPECT_STREQ(mixed, "a\\b\\c\\\\d\\");
    char plain[] = "C:name.txt";
    EXPECT_STREQ(uiPorting::path_verify(plain), "C:name.txt");
    char empty[] = "";
    EXPECT_STREQ(uiPorting::path_verify(empty), "");
    EXPECT_EQ(uiPorting::path_slash(), '\\');
}

} // namespace
