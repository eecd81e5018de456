// File-status classification on real files, and the retry rule through the
// file-status hook.
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

using test_files::ScratchDir;

TEST(CheckAccess, ClassifiesRealFiles) {
    ScratchDir scratch;
    const std::string file = scratch.file("f.txt");
    const std::string dir = scratch.dir("d");
    EXPECT_EQ(uiPathList::check_access(file.c_str()), uiPATHOK);
    EXPECT_EQ(uiPathList::check_access(dir.c_str()), uiPATHISDIRECTORY);
    EXPECT_EQ(uiPathList::check_access((scratch / "missing").c_str()), uiPATHNOTFOUND);
    EXPECT_EQ(uiPathList::check_access((scratch / "missing/deeper").c_str()), uiPATHNOTFOUND);
    EXPECT_EQ(uiPathList::check_access(""), uiPATHNOTFOUND);
}

TEST(CheckAccess, CutsOneTrailingSeparator) {
    ScratchDir scratch;
    const std::string file = scratch.file("f.txt");
    const std::string dir = scratch.dir("d");
    EXPECT_EQ(uiPathList::check_access((dir + "\\").c_str()), uiPATHISDIRECTORY);
    EXPECT_EQ(uiPathList::check_access((dir + "/").c_str()), uiPATHISDIRECTORY);
    EXPECT_EQ(uiPathList::check_access((file + "/").c_str()), uiPATHOK);
}

#if !defined(_WIN32)
TEST(CheckAccess, PosixFileKindsAndFailures) {
    ScratchDir scratch;
    const std::string fifo = scratch / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(uiPathList::check_access(fifo.c_str()), uiPATHNOTFILE);
    EXPECT_EQ(uiPathList::check_access("/dev/null"), uiPATHOK);  // a character device
    EXPECT_EQ(uiPathList::check_access("/"), uiPATHISDIRECTORY); // the root keeps its slash

    const std::string file = scratch.file("f");
    EXPECT_EQ(uiPathList::check_access((file + "/x").c_str()), uiPATHNOTFOUND); // ENOTDIR
    const std::string long_name = scratch / std::string(300, 'n');
    EXPECT_EQ(uiPathList::check_access(long_name.c_str()), uiPATHNAMETOOLONG);
    const std::string loop = scratch / "loop";
    ASSERT_EQ(symlink(loop.c_str(), loop.c_str()), 0);
    EXPECT_EQ(uiPathList::check_access(loop.c_str()), uiPATHLINKERROR);

    if (geteuid() != 0) { // root passes every permission check
        const std::string closed = scratch.dir("closed");
        scratch.file("closed/inner");
        ASSERT_EQ(chmod(closed.c_str(), 0), 0);
        EXPECT_EQ(uiPathList::check_access((closed + "/inner").c_str()), uiPATHNOPERMISSION);
        chmod(closed.c_str(), 0700);
    }
}
#endif

// Records the queried paths and answers from a script (the last answer
// repeats).
struct StatusScript {
    std::vector<int> answers;
    uiFileKind kind = uiFILEREGULAR;
    std::vector<std::string> queried;
};

int scripted_status(const char* path, uiFileKind* kind, void* context) {
    StatusScript& script = *static_cast<StatusScript*>(context);
    const std::size_t n = script.queried.size();
    script.queried.push_back(path);
    *kind = script.kind;
    return script.answers[n < script.answers.size() ? n : script.answers.size() - 1];
}

class ScriptedStatus : public ::testing::Test {
protected:
    void SetUp() override { ui_set_file_status_hook(scripted_status, &script); }
    void TearDown() override { ui_set_file_status_hook(nullptr, nullptr); }
    StatusScript script;
};

TEST_F(ScriptedStatus, TransientFailuresAreRetriedAtMostFifteenTimes) {
    script.answers = {EINTR};
    EXPECT_EQ(uiPathList::check_access("a"), uiPATHRETRYLIMIT);
    EXPECT_EQ(script.queried.size(), 16u);

    // The next check starts afresh.
    script.queried.clear();
    EXPECT_EQ(uiPathList::check_access("b"), uiPATHRETRYLIMIT);
    EXPECT_EQ(script.queried.size(), 16u);

    // Each retry cuts one more trailing separator.
    script.queried.clear();
    script.answers = {ENXIO, ENODEV, EMFILE, 0};
    script.kind = uiFILEDIRECTORY;
    EXPECT_EQ(uiPathList::check_access("dir//\\/"), uiPATHISDIRECTORY);
    EXPECT_EQ(script.queried, (std::vector<std::string>{"dir//\\", "dir//", "dir/", "dir"}));
}

TEST_F(ScriptedStatus, FailuresAreClassifiedByMeaning) {
    const struct {
        int error;
        uiPathListError expected;
    } cases[] = {
        {ENOENT, uiPATHNOTFOUND},   {EBADF, uiPATHNOTFOUND},           {EFAULT, uiPATHNOTFOUND},
        {ENOTDIR, uiPATHNOTFOUND},  {EACCES, uiPATHNOPERMISSION},      {EMLINK, uiPATHLINKERROR},
        {ELOOP, uiPATHLINKERROR},   {ENAMETOOLONG, uiPATHNAMETOOLONG}, {EIO, uiPATHSTATFAILED},
        {EINVAL, uiPATHSTATFAILED},
    };
    for (const auto& c : cases) {
        script.answers = {c.error};
        script.queried.clear();
        EXPECT_EQ(uiPathList::check_access("x"), c.expected) << "errno " << c.error;
        EXPECT_EQ(script.queried.size(), 1u);
    }
    script.answers = {0};
    script.kind = uiFILECHARDEVICE;
    EXPECT_EQ(uiPathList::check_access("x"), uiPATHOK);
    script.kind = uiFILEOTHER;
    EXPECT_EQ(uiPathList::check_access("x"), uiPATHNOTFILE);
}

} // namespace
