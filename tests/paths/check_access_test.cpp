// File-status classification on real files, and the retry rule through the
// file-status hook.
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

#include "paths/test_files.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

uiPathListError check(const std::string& path) {
    return uiPathList::check_access(path.c_str());
}

TEST(CheckAccess, ClassifiesRealFiles) {
    test_files::ScratchDir scratch;
    const std::string file = scratch.file("f.txt"), dir = scratch.dir("d");
    EXPECT_EQ(check(file), uiPATHOK);
    EXPECT_EQ(check(file + "/"), uiPATHOK);
    EXPECT_EQ(check(dir), uiPATHISDIRECTORY);
    EXPECT_EQ(check(dir + "\\"), uiPATHISDIRECTORY);
    EXPECT_EQ(check(scratch / "missing/deeper"), uiPATHNOTFOUND);
    EXPECT_EQ(check(""), uiPATHNOTFOUND);
#if !defined(_WIN32)
    ASSERT_EQ(mkfifo((scratch / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(check(scratch / "fifo"), uiPATHNOTFILE);
    EXPECT_EQ(check("/dev/null"), uiPATHOK);       // a character device
    EXPECT_EQ(check("/"), uiPATHISDIRECTORY);      // the root keeps its slash
    EXPECT_EQ(check(file + "/x"), uiPATHNOTFOUND); // ENOTDIR
    EXPECT_EQ(check(scratch / std::string(300, 'n')), uiPATHNAMETOOLONG);
    ASSERT_EQ(symlink((scratch / "loop").c_str(), (scratch / "loop").c_str()), 0);
    EXPECT_EQ(check(scratch / "loop"), uiPATHLINKERROR);
    if (geteuid() != 0) { // root passes every permission check
        scratch.file("closed/inner");
        chmod((scratch / "closed").c_str(), 0);
        EXPECT_EQ(check(scratch / "closed/inner"), uiPATHNOPERMISSION);
        chmod((scratch / "closed").c_str(), 0700);
    }
#endif
}

// Records the queried paths and answers from a script (the last answer
// repeats).
struct StatusScript {
    std::vector<int> answers;
    uiFileKind kind = uiFILEDIRECTORY;
    std::vector<std::string> queried;

    StatusScript() { ui_set_file_status_hook(answer, this); }
    ~StatusScript() { ui_set_file_status_hook(nullptr, nullptr); }
    static int answer(const char* path, uiFileKind* kind, void* self) {
        StatusScript& s = *static_cast<StatusScript*>(self);
        s.queried.push_back(path);
        *kind = s.kind;
        return s.answers[std::min(s.queried.size(), s.answers.size()) - 1];
    }
};

TEST(CheckAccess, TransientFailuresAreRetriedAtMostFifteenTimes) {
    StatusScript script;
    script.answers = {EINTR};
    EXPECT_EQ(uiPathList::check_access("a"), uiPATHRETRYLIMIT);
    EXPECT_EQ(uiPathList::check_access("b"), uiPATHRETRYLIMIT); // starts afresh
    EXPECT_EQ(script.queried.size(), 32u);

    // Each retry cuts one more trailing separator.
    script.queried.clear();
    script.answers = {ENXIO, ENODEV, EMFILE, 0};
    EXPECT_EQ(uiPathList::check_access("dir//\\/"), uiPATHISDIRECTORY);
    EXPECT_EQ(script.queried, (std::vector<std::string>{"dir//\\", "dir//", "dir/", "dir"}));

    // Other failures are final.
    script.answers = {EACCES};
    EXPECT_EQ(uiPathList::check_access("x"), uiPATHNOPERMISSION);
    script.answers = {EIO};
    EXPECT_EQ(uiPathList::check_access("x"), uiPATHSTATFAILED);
    EXPECT_EQ(script.queried.size(), 6u);
}

} // namespace
