#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <uiutil/uiutil.h>
#include <vector>

#include "paths/test_files.h"

namespace {

namespace fs = std::filesystem;

HINSTANCE fake_handle(std::uintptr_t value) {
    return reinterpret_cast<HINSTANCE>(value);
}

// Two resource libraries that load: on Windows two real modules (this program
// and the library beside it), elsewhere two plain files.
struct Libraries {
    std::string a, b;
    Libraries() {
#if defined(_WIN32)
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const fs::path program(self);
        a = program.string();
        b = (program.parent_path() / "uiutil.dll").string();
#else
        const fs::path folder = fs::temp_directory_path() / "uiutil_modules_test";
        fs::create_directories(folder);
        a = (folder / "a.res").string();
        b = (folder / "b.res").string();
        std::ofstream(a) << "resources A";
        std::ofstream(b) << "resources B";
#endif
    }
};

const char kMissing[] = "no such folder/missing.dll";

struct Report {
    std::string file, message;
    int line = 0;
    int calls = 0;
};

void record(const char* file, int line, const char* message, void* context) {
    auto* report = static_cast<Report*>(context);
    report->file = file;
    report->line = line;
    report->message = message;
    ++report->calls;
}

// Counts the changes of the current handle through an installed accessor
// pair, as a framework's own pair would see them.
HINSTANCE g_current = nullptr;
int g_sets = 0;
HINSTANCE counting_get() {
    return g_current;
}
void counting_set(HINSTANCE handle) {
    g_current = handle;
    ++g_sets;
}

// Exposes the protected query.
struct Switch : uiResourceDLL {
    using uiResourceDLL::saved_instance;
    using uiResourceDLL::uiResourceDLL;
};

class ResourceSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        ut_set_assert_handler(record, &report);
        ui_set_resource_handle(start);
    }
    void TearDown() override {
        ut_set_assert_handler(nullptr, nullptr);
        ui_set_resource_handle_accessors(nullptr, nullptr);
    }

    Libraries libraries;
    Report report;
    const HINSTANCE start = fake_handle(0x5000);
    const HINSTANCE foreign = fake_handle(0x7000);
};

TEST_F(ResourceSwitch, NestedSwitchesUnwindInReverseOrder) {
    {
        Switch a(uiSaveString(libraries.a.c_str()));
        const HINSTANCE module_a = ui_get_resource_handle();
        ASSERT_NE(module_a, nullptr);
        ASSERT_NE(module_a, start);
        EXPECT_EQ(a.saved_instance(), start);
        {
            uiSaveString path_b(libraries.b.c_str());
            Switch b(&path_b);
            const HINSTANCE module_b = ui_get_resource_handle();
            EXPECT_NE(module_b, module_a);
            EXPECT_NE(module_b, nullptr);
            EXPECT_EQ(b.saved_instance(), module_a);
        }
        EXPECT_EQ(ui_get_resource_handle(), module_a);
    }
    EXPECT_EQ(ui_get_resource_handle(), start);
    EXPECT_EQ(report.calls, 0);
}

TEST_F(ResourceSwitch, EndingTwiceChangesTheHandleOnce) {
    g_current = start;
    g_sets = 0;
    ui_set_resource_handle_accessors(counting_get, counting_set);
    {
        uiResourceDLL a(uiSaveString(libraries.a.c_str()));
        EXPECT_EQ(g_sets, 1);
        a.unset_handle();
        EXPECT_EQ(g_sets, 2);
        EXPECT_EQ(g_current, start);
        g_current = foreign; // what the destructor must leave alone
    }
    EXPECT_EQ(g_sets, 2);
    EXPECT_EQ(g_current, foreign);
}

TEST_F(ResourceSwitch, NullPathAdoptsTheCurrentHandleAndTakesALevel) {
    g_current = start;
    g_sets = 0;
    ui_set_resource_handle_accessors(counting_get, counting_set);
    {
        uiResourceDLL keep(static_cast<const uiSaveString*>(nullptr));
        EXPECT_EQ(g_sets, 0);
        {
            uiResourceDLL inner(uiSaveString(libraries.a.c_str()));
            EXPECT_NE(g_current, start);
        }
        // The inner end re-installs the adopted handle.
        EXPECT_EQ(g_current, start);
    }
    EXPECT_EQ(g_current, start);
    EXPECT_EQ(report.calls, 0);
}

TEST_F(ResourceSwitch, LibraryThatDoesNotLoadIsReportedAndSwitchesToNull) {
    {
        uiResourceDLL reference_form{uiSaveString(kMissing)};
        EXPECT_EQ(report.calls, 1);
        EXPECT_EQ(report.file, "source/misc/uiResourceDLL");
        EXPECT_EQ(report.line, 74);
        EXPECT_EQ(report.message, "uiResourceDLL -  Failure to load resource library");
        EXPECT_EQ(ui_get_resource_handle(), nullptr);
    }
    EXPECT_EQ(ui_get_resource_handle(), start);
    {
        const uiSaveString missing(kMissing);
        uiResourceDLL pointer_form(&missing);
        EXPECT_EQ(report.calls, 2);
        EXPECT_EQ(report.line, 119);
        EXPECT_EQ(ui_get_resource_handle(), nullptr);
    }
    EXPECT_EQ(ui_get_resource_handle(), start);
}

TEST_F(ResourceSwitch, RepeatedSwitchInstallsTheAdoptedHandle) {
    uiResourceDLL a(uiSaveString(libraries.a.c_str()));
    a.unset_handle();
    ui_set_resource_handle(foreign);
    a.set_handle_from_current();
    ui_set_resource_handle(start);
    a.set_handle();
    EXPECT_EQ(ui_get_resource_handle(), foreign);
    a.unset_handle();
    EXPECT_EQ(ui_get_resource_handle(), start);
}

TEST_F(ResourceSwitch, ForeignChangesBetweenSwitches) {
    Switch a(uiSaveString(libraries.a.c_str()));
    const HINSTANCE module_a = ui_get_resource_handle();
    ui_set_resource_handle(foreign);
    {
        Switch b(uiSaveString(libraries.b.c_str()));
        const HINSTANCE module_b = ui_get_resource_handle();
        EXPECT_EQ(b.saved_instance(), module_a); // a marker lies between them
        {
            // Made on top of the marker: it remembers the handle it found,
            // and finds it afresh when it switches again.
            uiResourceDLL c(uiSaveString(libraries.a.c_str()));
            EXPECT_EQ(ui_get_resource_handle(), module_a);
            c.unset_handle();
            EXPECT_EQ(ui_get_resource_handle(), module_b);
            const HINSTANCE later = fake_handle(0x9000);
            ui_set_resource_handle(later);
            c.set_handle();
            EXPECT_EQ(ui_get_resource_handle(), module_a);
            c.unset_handle();
            EXPECT_EQ(ui_get_resource_handle(), later);
            ui_set_resource_handle(module_b);
        }
        EXPECT_EQ(ui_get_resource_handle(), module_b);
    }
    // Ending b re-installs a's module, not the foreign handle.
    EXPECT_EQ(ui_get_resource_handle(), module_a);
    a.unset_handle();
    EXPECT_EQ(ui_get_resource_handle(), start);
}

TEST_F(ResourceSwitch, ThirtyThirdSwitchIsRefused) {
    std::vector<std::unique_ptr<uiResourceDLL>> levels;
    const uiSaveString path(libraries.a.c_str());
    for (int i = 0; i < 32; ++i)
        levels.push_back(std::make_unique<uiResourceDLL>(path));
    const HINSTANCE module_a = ui_get_resource_handle();
    EXPECT_EQ(report.calls, 0);

    ui_set_resource_handle(foreign);
    {
        uiResourceDLL refused(static_cast<const uiSaveString*>(nullptr));
        EXPECT_EQ(report.calls, 1);
        EXPECT_EQ(report.file, "source/misc/uiResourceDLL");
        EXPECT_EQ(report.line, 40);
        EXPECT_EQ(report.message, "uiResourceDLL -  Too many nested resource library switches");
        EXPECT_EQ(ui_get_resource_handle(), foreign);
    }
    // The refused switch's end left the stack and the handle alone.
    EXPECT_EQ(ui_get_resource_handle(), foreign);
    ui_set_resource_handle(module_a);
    while (!levels.empty()) {
        EXPECT_EQ(ui_get_resource_handle(), module_a);
        levels.pop_back();
    }
    EXPECT_EQ(ui_get_resource_handle(), start);

    // The stack is empty again: 32 more levels fit.
    for (int i = 0; i < 32; ++i)
        levels.push_back(std::make_unique<uiResourceDLL>(path));
    while (!levels.empty())
        levels.pop_back();
    EXPECT_EQ(report.calls, 1);
    EXPECT_EQ(ui_get_resource_handle(), start);
}

TEST_F(ResourceSwitch, EndsOutOfOrderNeitherUnderflowNorDangle) {
    {
        uiResourceDLL a(uiSaveString(libraries.a.c_str()));
        uiResourceDLL b(uiSaveString(libraries.b.c_str()));
        a.unset_handle(); // drops b's level and re-installs a, still in force
        b.unset_handle(); // drops a's level
        a.unset_handle(); // nothing left to drop
    }
    {
        auto a = std::make_unique<uiResourceDLL>(uiSaveString(libraries.a.c_str()));
        auto b = std::make_unique<uiResourceDLL>(uiSaveString(libraries.b.c_str()));
        a.reset();                                          // leaves its own level behind
        uiResourceDLL c(uiSaveString(libraries.b.c_str())); // looks at that level
    }
    // Exactly 32 levels fit again.
    std::vector<std::unique_ptr<uiResourceDLL>> levels;
    const uiSaveString path(libraries.a.c_str());
    for (int i = 0; i < 33; ++i)
        levels.push_back(std::make_unique<uiResourceDLL>(path));
    EXPECT_EQ(report.calls, 1);
    EXPECT_EQ(report.line, 40);
    while (!levels.empty())
        levels.pop_back();
}

#if !defined(_WIN32)
TEST(DataModule, MapsTheFileOnceAndKeepsItMapped) {
    Libraries libraries;
    const HINSTANCE a = LoadLibraryExU(libraries.a.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(LoadLibraryExU(libraries.a.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), a);
    fs::remove(libraries.a); // the mapping outlives the name
    const void* data = nullptr;
    std::size_t size = 0;
    ASSERT_EQ(ui_data_module_bytes(a, &data, &size), 1);
    EXPECT_EQ(std::string(static_cast<const char*>(data), size), "resources A");

    const fs::path empty = fs::temp_directory_path() / "uiutil_modules_test" / "empty.res";
    std::ofstream(empty.string()).close();
    const HINSTANCE e = LoadLibraryExU(empty.string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(ui_data_module_bytes(e, &data, &size), 1);
    EXPECT_EQ(size, 0u);

    EXPECT_EQ(ui_data_module_bytes(fake_handle(0x5000), &data, &size), 0);
    EXPECT_EQ(LoadLibraryExU(kMissing, nullptr, LOAD_LIBRARY_AS_DATAFILE), nullptr);
    EXPECT_EQ(LoadLibraryExU(fs::temp_directory_path().string().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE),
              nullptr);
    EXPECT_EQ(LoadLibraryExU(libraries.b.c_str(), nullptr, 0), nullptr);
}

#endif

// What a path names is looked at before anything is read from it: a pipe, a
// device, a socket, a folder or a dangling link answers null at once (a
// named pipe with no writer used to block the load for ever), and so does a
// switch made from such a path. Each load runs with a deadline.
const std::chrono::milliseconds kDeadline = test_files::kBlockedAfter;

// LoadLibraryExU of `path` as a data file: "null" or "handle", or
// "(blocked)" when it has not answered within the deadline.
std::string load_answer(const std::string& path) {
    const std::optional<std::string> answer = test_files::within(kDeadline, [path] {
        return std::string(
            LoadLibraryExU(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE) ? "handle" : "null");
    });
    return answer ? *answer : "(blocked)";
}

// A switch made from `path`: the reported line and whether the current
// handle became null.
std::string switch_answer(const std::string& path) {
    const std::optional<std::string> answer = test_files::within(kDeadline, [path] {
        Report report;
        ut_set_assert_handler(record, &report);
        ui_set_resource_handle(fake_handle(0x5000));
        uiResourceDLL failed(uiSaveString(path.c_str()));
        const bool null_current = ui_get_resource_handle() == nullptr;
        ut_set_assert_handler(nullptr, nullptr);
        return std::to_string(report.line) + (null_current ? " null" : " not null");
    });
    return answer ? *answer : "(blocked)";
}

#if !defined(_WIN32)

TEST(DataModule, WhatIsNoRegularFileIsRefusedAtOnce) {
    test_files::ScratchDir scratch;
    const std::string fifo = scratch.fifo("pipe.res");
    for (const std::string& path :
         {fifo, scratch.link("zero.res", "/dev/zero"), scratch.link("pipe_link.res", fifo),
          scratch.link("dangling.res", scratch / "gone.res"), scratch.socket("socket.res"),
          scratch.dir("folder.res"), std::string("/dev/null"), std::string("/dev/zero")})
        EXPECT_EQ(load_answer(path), "null") << path;
    EXPECT_EQ(switch_answer(fifo), "74 null");
}

TEST(DataModule, LargeFilesMapWithoutBeingRead) {
    test_files::ScratchDir scratch;
    const std::string large = scratch.sparse("large.res", 2LL << 30); // 2 GiB, no disk used
    const std::optional<std::string> answer = test_files::within(kDeadline, [large] {
        const HINSTANCE module = LoadLibraryExU(large.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        const void* data = nullptr;
        std::size_t size = 0;
        if (!module || ui_data_module_bytes(module, &data, &size) != 1)
            return std::string("not loaded");
        return std::to_string(size);
    });
    EXPECT_EQ(answer.value_or("(blocked)"), std::to_string(2ULL << 30));
}

#else

TEST(DataModule, PipesDevicesAndFoldersAreRefusedAtOnce) {
    const test_files::NamedPipe pipe("modules-test", PIPE_ACCESS_INBOUND);
    ASSERT_TRUE(pipe.made());
    const std::string pipe_path = pipe.path();
    test_files::ScratchDir scratch;
    for (const std::string& path : {pipe_path, std::string("NUL"), std::string("\\\\.\\NUL"),
                                    scratch.dir("folder.res"), scratch / "missing.res"})
        EXPECT_EQ(load_answer(path), "null") << path;
    EXPECT_EQ(switch_answer(pipe_path), "74 null");
    // A real module still loads.
    Libraries libraries;
    EXPECT_EQ(load_answer(libraries.b), "handle");
}

#endif

} // namespace
