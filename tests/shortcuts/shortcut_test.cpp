// Shortcut resolution on both platforms: sample links made with the shell's
// own component, files that are no links, and the answers that must never
// overflow the caller's buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <uiutil/uiutil.h>

#include "paths/test_files.h"

#if defined(_WIN32)
#include <objbase.h>
#include <shobjidl.h>
#include <thread>
#endif

namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(UIUTIL_TEST_DATA_DIR) + "/shortcuts/";

// Exposes the protected interface pointers and the component's lifetime.
struct Resolver : uiShortcutResolver {
    using uiShortcutResolver::destroy_file_find_interfaces;
    bool holds_component() const { return m_shell_link && m_persist_file; }
    bool holds_nothing() const { return !m_shell_link && !m_persist_file; }
};

struct Result {
    long hr;
    std::string target;
};

// Resolves into a buffer larger than the 260 bytes asked for, so that a write
// past them shows.
Result resolve(const uiShortcutResolver& resolver, const std::wstring& link) {
    char buffer[300];
    std::memset(buffer, 'x', sizeof buffer);
    const long hr = resolver.get_link_info(nullptr, link.c_str(), buffer);
    for (std::size_t i = 260; i < sizeof buffer; ++i)
        EXPECT_EQ(buffer[i], 'x') << "written past 260 bytes at " << i;
    return {hr, std::string(buffer, strnlen(buffer, 260))};
}

std::wstring wide(const std::string& path) {
    return fs::path(path).wstring();
}

fs::path scratch_folder() {
    const fs::path folder = fs::temp_directory_path() / "uiutil_shortcuts_test";
    fs::create_directories(folder);
    return folder;
}

class Shortcuts : public ::testing::Test {
#if defined(_WIN32)
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        CoUninitialize();
    }
#endif
};

TEST_F(Shortcuts, SampleLinksMadeByTheShellResolve) {
    Resolver resolver;
    ASSERT_TRUE(resolver.holds_component());
    Result r = resolve(resolver, wide(kData + "win_ini.lnk"));
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.target, "C:\\windows\\win.ini");
    // Name and arguments are stored beside the path.
    r = resolve(resolver, wide(kData + "notepad.lnk"));
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.target, "C:\\windows\\notepad.exe");
    // A link to a shell folder that is no file.
    r = resolve(resolver, wide(kData + "my_computer.lnk"));
    EXPECT_EQ(r.hr, S_FALSE);
    EXPECT_EQ(r.target, "");
}

TEST_F(Shortcuts, FilesThatAreNoLinksFailWithAnEmptyTarget) {
    Resolver resolver;
    const fs::path text = scratch_folder() / "plain.txt";
    std::ofstream(text.string()) << "not a link\n";
    const struct {
        fs::path path;
        long hr;
    } cases[] = {
        {text, E_FAIL},
        {scratch_folder() / "missing.lnk", HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
        {scratch_folder() / "missing" / "a.lnk", HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)},
        {scratch_folder(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)},
    };
    for (const auto& c : cases) {
        const Result r = resolve(resolver, c.path.wstring());
        EXPECT_EQ(r.hr, c.hr) << c.path;
        EXPECT_EQ(r.target, "") << c.path;
    }
}

TEST_F(Shortcuts, LinkPathsOf260CharactersAreRefused) {
    Resolver resolver;
    const std::wstring folder = scratch_folder().wstring();
    const std::wstring longest = folder + L"/" + std::wstring(259 - folder.size() - 1, L'n');
    ASSERT_EQ(longest.size(), 259u);
    // 259 characters reach the shell, which finds no file.
    Result r = resolve(resolver, longest);
    EXPECT_TRUE(FAILED(r.hr));
    EXPECT_NE(r.hr, HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    r = resolve(resolver, longest + L"n");
    EXPECT_EQ(r.hr, HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(r.target, "");
}

TEST_F(Shortcuts, ObjectWithoutComponentAnswersWithoutTouchingIt) {
    Resolver resolver;
    resolver.destroy_file_find_interfaces();
    EXPECT_TRUE(resolver.holds_nothing());
    resolver.destroy_file_find_interfaces();
    const Result r = resolve(resolver, wide(kData + "win_ini.lnk"));
    EXPECT_EQ(r.hr, E_NOINTERFACE);
    EXPECT_EQ(r.target, "");
    char target[260] = "x";
    EXPECT_EQ(resolver.get_link_info(nullptr, nullptr, target), E_POINTER);
    EXPECT_EQ(target[0], '\0');
    EXPECT_EQ(resolver.get_link_info(nullptr, L"a.lnk", nullptr), E_POINTER);
}

#if defined(_WIN32)

// A link made the way applications make them.
HRESULT save_link(const std::wstring& link, const std::wstring& target) {
    IShellLinkW* shell_link = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&shell_link));
    if (FAILED(hr))
        return hr;
    IPersistFile* file = nullptr;
    hr = shell_link->SetPath(target.c_str());
    if (SUCCEEDED(hr))
        hr = shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) {
        hr = file->Save(link.c_str(), TRUE);
        file->Release();
    }
    shell_link->Release();
    return hr;
}

TEST_F(Shortcuts, LinksSavedByTheShellResolveToTheirTargets) {
    const fs::path folder = scratch_folder();
    const fs::path report = folder / "report.txt";
    const fs::path spaced = folder / "with space" / "notes.txt";
    fs::create_directories(spaced.parent_path());
    std::ofstream(report.string()) << "r";
    std::ofstream(spaced.string()) << "n";
    ASSERT_EQ(save_link((folder / "report.lnk").wstring(), report.wstring()), S_OK);
    ASSERT_EQ(save_link((folder / "notes.lnk").wstring(), spaced.wstring()), S_OK);

    Resolver resolver;
    Result r = resolve(resolver, (folder / "report.lnk").wstring());
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(fs::path(r.target), report);
    // The same object resolves again, with another link loaded.
    r = resolve(resolver, (folder / "notes.lnk").wstring());
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(fs::path(r.target), spaced);
}

// A target path in the thread's code page (1252 here) beyond ASCII comes
// back in it. (A path the code page cannot spell exactly is refused by the
// library's conversion, which tests/text/code_page_unit.cpp checks: Wine's
// shell itself keeps such a name only as its code-page form, U+03A9 as 'O',
// so a link saved and loaded through it cannot show the refusal.)
TEST_F(Shortcuts, TargetsBeyondAsciiComeBackInTheCodePage) {
    const fs::path folder = scratch_folder();
    const fs::path cafe = folder / L"caf\x00E9.txt";
    std::ofstream(cafe).put('c');
    ASSERT_EQ(save_link((folder / "cafe.lnk").wstring(), cafe.wstring()), S_OK);
    Resolver resolver;
    const Result r = resolve(resolver, (folder / "cafe.lnk").wstring());
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.target, (folder / "caf").string() + "\xE9.txt");
}

// What a path names is looked at before the shell reads it: a pipe or a
// device is no link file, a folder is refused as the shell refuses it, and a
// file larger than any link (1 MiB) is no link file, judged by its size
// without being read. Each resolution runs with a deadline.
TEST(ShortcutFiles, PipesDevicesAndLargeFilesAreRefusedAtOnce) {
    const test_files::NamedPipe pipe("shortcut-test", PIPE_ACCESS_OUTBOUND);
    ASSERT_TRUE(pipe.made());
    const fs::path large = scratch_folder() / "large.lnk";
    {
        const HANDLE file = CreateFileW(large.wstring().c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER size;
        size.QuadPart = 2LL << 30; // 2 GiB, no disk used where the file system allows
        SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    const struct {
        std::wstring path;
        long hr;
    } cases[] = {
        {pipe.wide_path(), E_FAIL},
        {L"NUL", E_FAIL},
        {L"\\\\.\\NUL", E_FAIL},
        {scratch_folder().wstring(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)},
        {large.wstring(), E_FAIL},
    };
    for (const auto& c : cases) {
        const std::wstring path = c.path;
        const std::optional<std::string> answer =
            test_files::within(test_files::kBlockedAfter, [path] {
                CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                long hr = 0;
                char target[MAX_PATH] = "x";
                {
                    uiShortcutResolver resolver;
                    hr = resolver.get_link_info(nullptr, path.c_str(), target);
                }
                CoUninitialize();
                return std::to_string(hr) + " " + target;
            });
        EXPECT_EQ(answer.value_or("(blocked)"), std::to_string(c.hr) + " ")
            << fs::path(c.path).string();
    }
    fs::remove(large);
}

TEST(ShortcutsWithoutCom, ObjectMadeOnSuchAThreadHoldsNothing) {
    bool held_nothing = false;
    long hr = S_OK;
    std::thread worker([&] {
        Resolver resolver;
        held_nothing = resolver.holds_nothing();
        hr = resolve(resolver, wide(kData + "win_ini.lnk")).hr;
    });
    worker.join();
    EXPECT_TRUE(held_nothing);
    EXPECT_EQ(hr, E_NOINTERFACE);
}

#endif // _WIN32

} // namespace
