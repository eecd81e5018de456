// Path lists: sequences, add orders, '~', removal, copying, printing, and the
// colon, absolute-path and separator rules.
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

#include "paths/test_files.h"

namespace {

using Texts = std::vector<std::string>;

// Opens the protected members to the tests.
class PathList : public uiPathList {
public:
    using uiPathList::add;
    using uiPathList::add_path_sequence;
    using uiPathList::uiPathList;
    using uiPathList::valid_colon_check;
};

Texts entries(const uiPathList& list) {
    Texts texts;
    for (uiSaveStringcoDListPtrcoPtrcoDListcoIterator entry(&list); ++entry;)
        texts.push_back(static_cast<const char*>(*entry()));
    return texts;
}

TEST(PathListAdd, SequencesSkipEmptyPiecesAndRefuseDuplicates) {
    EXPECT_EQ(entries(PathList(";a;;b ;")), (Texts{"a", "b "}));
    EXPECT_EQ(entries(PathList("")), Texts{});
    PathList list("b");
    EXPECT_EQ(list.add("a;b;c;a"), uiPATHINLIST); // the rest is still added
    EXPECT_EQ(list.add("B;b/"), uiPATHOK);        // exact comparison
    EXPECT_EQ(entries(list), (Texts{"b", "a", "c", "B", "b/"}));
}

TEST(PathListAdd, PlacesEntriesByCode) {
    PathList list("x");
    EXPECT_EQ(list.add_path_sequence("y;z", uiPathList::uiPATHADDFIRST, 0), uiPATHOK);
    EXPECT_EQ(list.add("m", uiPathList::uiPATHADDAFTER, 0), uiPATHOK);
    EXPECT_EQ(list.add("end", uiPathList::uiPATHADDAFTER, 5), uiPATHOK);
    EXPECT_EQ(list.add_path_sequence("p;q", uiPathList::uiPATHADDAFTER, 1), uiPATHOK);
    EXPECT_EQ(entries(list), (Texts{"z", "m", "q", "p", "y", "x", "end"}));

    EXPECT_EQ(list.add("n", uiPathList::uiPATHADDAFTER, -1), uiPATHBADINDEX);
    EXPECT_EQ(list.add("z", uiPathList::uiPATHADDAFTER, -1), uiPATHINLIST);
    EXPECT_EQ(list.add("n", static_cast<uiPathList::uiPathListAddCode>(7), 0), uiPATHOK);
    EXPECT_EQ(list.size(), 7);
}

TEST(PathListAdd, TildeTakesHomeWhateverItsLength) {
    PathList list;
    {
        test_files::ScopedEnv no_home("HOME", nullptr);
        EXPECT_EQ(list.add("~/x;plain"), uiPATHNOHOME);
    }
    const std::string home(5000, 'h'), piece(20000, 'p');
    test_files::ScopedEnv long_home("HOME", home.c_str());
    EXPECT_EQ(list.add(("~/bin;~user;a~;" + piece).c_str()), uiPATHOK);
    EXPECT_EQ(list.add((home + "/bin").c_str()), uiPATHINLIST);
    EXPECT_EQ(entries(list), (Texts{"plain", home + "/bin", home + "user", "a~", piece}));
}

TEST(PathListRemove, RemovesOnlyExactEntries) {
    PathList list("a;b;c");
    EXPECT_EQ(list.remove("b"), uiPATHOK);
    EXPECT_EQ(list.remove("b"), uiPATHNOTFOUND);
    EXPECT_EQ(list.remove("A"), uiPATHNOTFOUND);
    EXPECT_EQ(list.add("n", uiPathList::uiPATHADDAFTER, 0), uiPATHOK);
    EXPECT_EQ(entries(list), (Texts{"a", "n", "c"}));
    list.delete_contents();
    EXPECT_EQ(list.remove("a"), uiPATHNOTFOUND);
}

TEST(PathListCopy, CopiesAreIndependentAndPrintable) {
    PathList source("a;b");
    PathList& same = source;
    source = same;
    PathList target("x;y;z");
    target = source;
    uiPathList copy(source);
    source.delete_contents();
    EXPECT_EQ(entries(target), (Texts{"a", "b"}));
    std::ostringstream out;
    out << copy << source;
    EXPECT_EQ(out.str(), "Path [0]: a\nPath [1]: b\n");
}

TEST(PathListRules, ColonsAbsolutePathsAndSeparators) {
    for (const char* ok : {"C:\\a;D:\\b", "a;b", "", "C:\\a;;D:"})
        EXPECT_EQ(PathList::valid_colon_check(ok), 1) << ok;
    for (const char* bad : {":a", "1:\\a", "ab:\\a", "C:\\a;xD:", "C:\\a:b"})
        EXPECT_EQ(PathList::valid_colon_check(bad), 0) << bad;

    for (const char* path : {"C:\\x", "c:/x", "/usr", "\\\\server\\share", "~/x"})
        EXPECT_EQ(uiPathList::absolute_path(path), 1) << path;
    for (const char* path : {"x", "./x", "..\\x", "C:", "C:x", "", "ab/c"})
        EXPECT_EQ(uiPathList::absolute_path(path), 0) << path;

    char mixed[] = "a/b\\c//d/";
    EXPECT_EQ(uiPorting::path_verify(mixed), mixed);
    EXPECT_STREQ(mixed, "a\\b\\c\\\\d\\");
    EXPECT_EQ(uiPorting::path_slash(), '\\');
}

} // namespace
