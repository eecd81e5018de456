// The link reader that stands in for the shell's component off Windows:
// symbolic links, desktop entry links and shell link files in their binary
// format, including damaged ones.
#include <gtest/gtest.h>

#if !defined(_WIN32)

#include <clocale>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <uiutil/uiutil.h>
#include <unistd.h>

#include "paths/test_files.h"

namespace {

namespace fs = std::filesystem;

struct Result {
    long hr;
    std::string target;
};

Result resolve(const fs::path& link) {
    uiShortcutResolver resolver;
    char buffer[300];
    std::memset(buffer, 'x', sizeof buffer);
    const long hr = resolver.get_link_info(nullptr, link.wstring().c_str(), buffer);
    for (std::size_t i = 260; i < sizeof buffer; ++i)
        EXPECT_EQ(buffer[i], 'x') << "written past 260 bytes at " << i;
    return {hr, std::string(buffer, strnlen(buffer, 260))};
}

// Selects a character set for the test's duration.
struct Locale {
    std::string saved;
    explicit Locale(const char* name) : saved(std::setlocale(LC_CTYPE, nullptr)) {
        EXPECT_NE(std::setlocale(LC_CTYPE, name), nullptr);
    }
    ~Locale() { std::setlocale(LC_CTYPE, saved.c_str()); }
};

class LinkReader : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per test case: ctest runs cases in parallel processes.
        folder = fs::temp_directory_path() /
                 (std::string("uiutil_link_reader_test_") +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path write(const std::string& name, const std::string& bytes) {
        const fs::path path = folder / name;
        std::ofstream(path.string(), std::ios::binary) << bytes;
        return path;
    }

    fs::path folder;
};

TEST_F(LinkReader, SymbolicLinks) {
    const fs::path target = write("target.txt", "t");
    fs::create_symlink(target, folder / "absolute");
    fs::create_symlink("../target.txt", folder / "sub" / "relative");
    fs::create_symlink("gone/nowhere.txt", folder / "dangling");
    EXPECT_EQ(resolve(folder / "absolute").target, target.string());
    const Result relative = resolve(folder / "sub" / "relative");
    EXPECT_EQ(relative.hr, S_OK);
    EXPECT_EQ(relative.target, target.string());
    // A dangling link still names its target.
    const Result dangling = resolve(folder / "dangling");
    EXPECT_EQ(dangling.hr, S_OK);
    EXPECT_EQ(dangling.target, (folder / "gone" / "nowhere.txt").string());
    // Resolved against the current folder when the link path is relative.
    const fs::path here = fs::current_path();
    fs::current_path(folder / "sub");
    const Result from_here = resolve("relative");
    fs::current_path(here);
    EXPECT_EQ(from_here.target, target.string());
}

TEST_F(LinkReader, DesktopEntryLinks) {
    Locale utf8("C.UTF-8");
    const Result spaced = resolve(write("a.desktop", "# made by hand\n\n[Desktop Entry]\r\n"
                                                     "Name=Report\nType = Link\n"
                                                     "URL=file:///srv/my%20files/r%C3%A9sum%C3%A9."
                                                     "txt\n[Other]\nURL=file:///wrong\n"));
    EXPECT_EQ(spaced.hr, S_OK);
    EXPECT_EQ(spaced.target, "/srv/my files/r\xC3\xA9sum\xC3\xA9.txt");
    EXPECT_EQ(resolve(write("b.desktop", "[Desktop Entry]\nType=Link\n"
                                         "URL=file://localhost/etc/hosts%zz\n"))
                  .target,
              "/etc/hosts%zz");
    // Links without a local file path.
    for (const char* url : {"https://example.org/", "file://server/share/x", ""}) {
        const Result r = resolve(
            write("c.desktop", std::string("[Desktop Entry]\nType=Link\nURL=") + url + "\n"));
        EXPECT_EQ(r.hr, S_FALSE) << url;
        EXPECT_EQ(r.target, "") << url;
    }
    // A launcher is no link.
    const Result launcher =
        resolve(write("d.desktop", "[Desktop Entry]\nType=Application\nExec=/bin/true\n"));
    EXPECT_TRUE(FAILED(launcher.hr));
    EXPECT_EQ(launcher.target, "");
}

TEST_F(LinkReader, LongTargetFailsWithoutOverflow) {
    const std::string long_target = "/" + std::string(240, 'a') + "/" + std::string(30, 'b');
    fs::create_symlink(long_target, folder / "long");
    const Result r = resolve(folder / "long");
    EXPECT_EQ(r.hr, HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(r.target, "");
    // 259 bytes fit, with the NUL.
    const std::string fitting = "/" + std::string(200, 'a') + "/" + std::string(57, 'b');
    fs::create_symlink(fitting, folder / "fits");
    EXPECT_EQ(resolve(folder / "fits").target, fitting);
}

TEST_F(LinkReader, NonAsciiPathsFollowTheLocale) {
    fs::create_symlink("/srv/caf\xC3\xA9", folder / "cafe");
    {
        // Every byte survives in a single-byte locale, as with the library's
        // other conversions.
        Locale c("C");
        const Result r = resolve(folder / "cafe");
        EXPECT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.target, "/srv/caf\xC3\xA9");
    }
    Locale utf8("C.UTF-8");
    EXPECT_EQ(resolve(folder / "cafe").target, "/srv/caf\xC3\xA9");
    // A link made on Windows with the path in code page 1252.
    const Result r = resolve(fs::path(UIUTIL_TEST_DATA_DIR) / "shortcuts" / "cafe_cp1252.lnk");
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.target, "Z:\\tmp\\samples\\docs\\caf\xC3\xA9 \xE2\x82\xAC.txt");
}

// A link whose name has a byte above 127, in the "C" locale, converted to
// wide text as `uiutil resolve` converts its arguments: the library's
// conversion keeps the byte (as 0xDC00 + byte), and so must the reader.
TEST_F(LinkReader, EightBitLinkNamesResolveInTheCLocale) {
    Locale c("C");
    const fs::path target = write("t\xE9te.txt", "t");
    const std::string link = (folder / "caf\xE9").string();
    fs::create_symlink(target, link);
    wchar_t wide[MAX_PATH];
    ASSERT_GT(ui_LPCSTR_to_TCHAR(link.c_str(), wide, MAX_PATH), 0);
    EXPECT_EQ(wide[std::strlen(link.c_str()) - 1], static_cast<wchar_t>(0xDC00 + 0xE9));
    uiShortcutResolver resolver;
    char out[MAX_PATH];
    EXPECT_EQ(resolver.get_link_info(nullptr, wide, out), S_OK);
    EXPECT_EQ(std::string(out), target.string());
    // A character the locale cannot spell (from a link made on Windows) is
    // refused, never replaced.
    const Result r = resolve(fs::path(UIUTIL_TEST_DATA_DIR) / "shortcuts" / "cafe_cp1252.lnk");
    EXPECT_EQ(r.hr, HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_EQ(r.target, "");
}

// ---- Shell link files built byte by byte -----------------------------------

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::string utf16z(const std::u16string& text) {
    std::string out;
    for (char16_t c : text)
        put16(out, c);
    put16(out, 0);
    return out;
}

struct LinkInfo {
    std::string local_base;      // code page bytes; empty: none
    std::u16string local_base_w; // empty: no Unicode offsets
    std::string share;           // empty: no network part
    std::string suffix;
};

std::string link_info(const LinkInfo& info) {
    const bool unicode = !info.local_base_w.empty();
    const bool local = !info.local_base.empty(), network = !info.share.empty();
    const std::uint32_t header = unicode ? 0x24 : 0x1C;
    std::string body;
    auto place = [&](const std::string& part) {
        const std::uint32_t at = header + static_cast<std::uint32_t>(body.size());
        body += part;
        return at;
    };
    const std::uint32_t volume_at =
        local ? place(std::string("\x11\0\0\0\3\0\0\0\0\0\0\0\x10\0\0\0\0", 17)) : 0;
    const std::uint32_t base_at = local ? place(info.local_base + '\0') : 0;
    std::string share; // size, flags, name offset, device offset, provider, name
    for (std::uint32_t field :
         {0x15 + static_cast<std::uint32_t>(info.share.size()), 0u, 0x14u, 0u, 0x20000u})
        put32(share, field);
    const std::uint32_t share_at = network ? place(share + info.share + '\0') : 0;
    const std::uint32_t suffix_at = place(info.suffix + '\0');
    const std::uint32_t base_w_at = unicode ? place(utf16z(info.local_base_w)) : 0;
    const std::uint32_t suffix_w_at = unicode ? place(utf16z(u"")) : 0;
    std::string out;
    for (std::uint32_t field :
         {header + static_cast<std::uint32_t>(body.size()), header,
          (local ? 1u : 0u) | (network ? 2u : 0u), volume_at, base_at, share_at, suffix_at})
        put32(out, field);
    if (unicode) {
        put32(out, base_w_at);
        put32(out, suffix_w_at);
    }
    return out + body;
}

// A shell link file: header, an item-ID list, LinkInfo and Unicode strings.
std::string shell_link(const LinkInfo* info, const std::u16string& relative,
                       bool with_id_list = true) {
    std::uint32_t flags = 0x80 | 0x04; // Unicode strings, a name
    flags |= with_id_list ? 0x01 : 0;
    flags |= info ? 0x02 : 0;
    flags |= relative.empty() ? 0 : 0x08;
    std::string out;
    put32(out, 0x4C);
    out += std::string("\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46", 16);
    put32(out, flags);
    out += std::string(76 - out.size(), '\0');
    if (with_id_list) {
        put16(out, 6);
        out += std::string("\x04\0\x1F\x50\0\0", 6);
    }
    if (info)
        out += link_info(*info);
    const std::u16string name = u"A name";
    put16(out, static_cast<std::uint32_t>(name.size()));
    out += utf16z(name).substr(0, 2 * name.size());
    if (!relative.empty()) {
        put16(out, static_cast<std::uint32_t>(relative.size()));
        out += utf16z(relative).substr(0, 2 * relative.size());
    }
    put32(out, 0); // no extra data
    return out;
}

TEST_F(LinkReader, ShellLinkPathsFromLinkInfo) {
    Locale utf8("C.UTF-8");
    const LinkInfo ansi{"C:\\Programme\\\x80uro.txt", u"", "", ""};
    EXPECT_EQ(resolve(write("ansi.lnk", shell_link(&ansi, u""))).target,
              "C:\\Programme\\\xE2\x82\xACuro.txt");
    const LinkInfo unicode{"C:\\?.txt", u"C:\\\u00DCber\\\U0001F600.txt", "", ""};
    EXPECT_EQ(resolve(write("unicode.lnk", shell_link(&unicode, u"", false))).target,
              "C:\\\xC3\x9C"
              "ber\\\xF0\x9F\x98\x80.txt");
    // A network share, alone and beside a local path (asked for first).
    const LinkInfo share{"", u"", "\\\\server\\share", "docs\\a.txt"};
    EXPECT_EQ(resolve(write("share.lnk", shell_link(&share, u""))).target,
              "\\\\server\\share\\docs\\a.txt");
    const LinkInfo both{"S:\\docs\\a.txt", u"", "\\\\server\\share", ""};
    EXPECT_EQ(resolve(write("both.lnk", shell_link(&both, u""))).target, "\\\\server\\share");
    // Neither path nor relative path: no file path.
    const Result none = resolve(write("none.lnk", shell_link(nullptr, u"")));
    EXPECT_EQ(none.hr, S_FALSE);
    EXPECT_EQ(none.target, "");
}

TEST_F(LinkReader, ShellLinkRelativePathWinsWhenItsFileExists) {
    const LinkInfo recorded{"C:\\Users\\me\\target.txt", u"", "", ""};
    const fs::path link = write("sub/rel.lnk", shell_link(&recorded, u"..\\target.txt"));
    EXPECT_EQ(resolve(link).target, "C:\\Users\\me\\target.txt");
    const fs::path target = write("target.txt", "t");
    EXPECT_EQ(resolve(link).target, target.string());
    // Only a relative path: given even when the file is missing.
    fs::remove(target);
    const Result alone = resolve(write("sub/alone.lnk", shell_link(nullptr, u"..\\target.txt")));
    EXPECT_EQ(alone.hr, S_OK);
    EXPECT_EQ(alone.target, target.string());
}

TEST_F(LinkReader, DamagedShellLinksFailSafely) {
    const LinkInfo info{"C:\\a\\b.txt", u"C:\\a\\b.txt", "\\\\s\\t", "x"};
    const std::string good = shell_link(&info, u"..\\b.txt");
    ASSERT_EQ(resolve(write("good.lnk", good)).hr, S_OK);
    // Every truncation is either a failure or a readable shorter link; none
    // reads past the end (the sanitizer runs watch this too).
    for (std::size_t size = 0; size < good.size(); ++size) {
        const Result r = resolve(write("cut.lnk", good.substr(0, size)));
        if (FAILED(r.hr)) {
            EXPECT_EQ(r.target, "") << size;
        }
    }
    // Sizes and offsets that point far beyond the file: the item-ID list's
    // size, LinkInfo's size, its network part's and Unicode path's offsets.
    for (std::size_t field : {76, 84 + 2, 84 + 20 + 2, 84 + 28 + 2}) {
        std::string bad = good;
        bad[field] = '\x7F';
        bad[field + 1] = '\x7F';
        const Result r = resolve(write("bad.lnk", bad));
        EXPECT_TRUE(FAILED(r.hr)) << field;
        EXPECT_EQ(r.target, "") << field;
    }
}

// What a path names is looked at before it is read: a pipe (which used to
// make the reader wait for a writer for ever once it had been put in the
// place of a link file), a device or a socket is no link file, a folder is
// refused as the shell refuses it, and a file larger than any link (1 MiB)
// is no link file, judged by its size without being read. A symbolic link is
// read as a link whatever it names. Each resolution runs with a deadline.
TEST_F(LinkReader, PipesDevicesAndLargeFilesAreRefusedAtOnce) {
    test_files::ScratchDir scratch;
    const std::string valid = shell_link(nullptr, u"target.txt");
    const struct {
        std::string path;
        long hr;
        std::string target;
    } cases[] = {
        {scratch.fifo("pipe.lnk"), E_FAIL, ""},
        {scratch.socket("socket.lnk"), E_FAIL, ""},
        {"/dev/null", E_FAIL, ""},
        {scratch.dir("folder.lnk"), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), ""},
        {scratch.sparse("large.lnk", 2LL << 30), E_FAIL, ""},
        {scratch.file("just_too_large.lnk",
                      valid + std::string((1 << 20) + 1 - valid.size(), '\0')),
         E_FAIL, ""},
        {scratch.file("largest.lnk", valid + std::string((1 << 20) - valid.size(), '\0')), S_OK,
         scratch / "target.txt"},
        {scratch.link("zero.lnk", "/dev/zero"), S_OK, "/dev/zero"},
        {scratch.link("pipe_link.lnk", scratch / "pipe.lnk"), S_OK, scratch / "pipe.lnk"},
    };
    for (const auto& c : cases) {
        const std::string path = c.path;
        const std::optional<std::string> answer =
            test_files::within(test_files::kBlockedAfter, [path] {
                uiShortcutResolver resolver;
                char target[MAX_PATH];
                const long hr =
                    resolver.get_link_info(nullptr, fs::path(path).wstring().c_str(), target);
                return std::to_string(hr) + " " + target;
            });
        EXPECT_EQ(answer.value_or("(blocked)"), std::to_string(c.hr) + " " + c.target) << c.path;
    }
}

} // namespace

#endif // !_WIN32
