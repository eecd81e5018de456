// Readers of Windows shell link (.lnk) files and desktop entry links.
//
// A shell link file is little-endian: a 76-byte header (size 0x4C, the shell
// link class identifier, the link flags), an optional item-ID list, an
// optional LinkInfo structure with the target's local base path, network
// share and common path suffix, then counted strings (name, relative path,
// working folder, arguments, icon location) and extra data blocks.
#include "internal/shell_link_file.h"

#include <cstdint>
#include <cstring>

namespace uiutil_internal {

namespace {

const std::uint32_t kHeaderSize = 0x4C;
const unsigned char kShellLinkClassId[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                             0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Link flags.
const std::uint32_t kHasIdList = 0x01;
const std::uint32_t kHasLinkInfo = 0x02;
const std::uint32_t kHasName = 0x04;
const std::uint32_t kHasRelativePath = 0x08;
const std::uint32_t kHasWorkingDir = 0x10;
const std::uint32_t kHasArguments = 0x20;
const std::uint32_t kHasIconLocation = 0x40;
const std::uint32_t kIsUnicode = 0x80;
const std::uint32_t kForceNoLinkInfo = 0x100;

// LinkInfo flags.
const std::uint32_t kVolumeIdAndLocalBasePath = 0x01;
const std::uint32_t kNetworkLinkAndPathSuffix = 0x02;

// LinkInfo header sizes from which the Unicode offsets are present.
const std::uint32_t kLinkInfoUnicodeHeader = 0x24;
// Network link offsets beyond which its Unicode offsets are present.
const std::uint32_t kNetworkLinkUnicodeOffset = 0x14;

// Windows-1252 characters 0x80 to 0x9F; the five undefined bytes keep their
// own values, as the platform's conversion does.
const wchar_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A bounded view of a byte range; every read checks its bounds.
class Bytes {
public:
    Bytes(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t size() const { return m_size; }

    bool u16(std::size_t at, std::uint32_t& value) const {
        if (at > m_size || m_size - at < 2)
            return false;
        value = static_cast<std::uint32_t>(m_data[at] | m_data[at + 1] << 8);
        return true;
    }

    bool u32(std::size_t at, std::uint32_t& value) const {
        if (at > m_size || m_size - at < 4)
            return false;
        value = static_cast<std::uint32_t>(m_data[at]) |
                static_cast<std::uint32_t>(m_data[at + 1]) << 8 |
                static_cast<std::uint32_t>(m_data[at + 2]) << 16 |
                static_cast<std::uint32_t>(m_data[at + 3]) << 24;
        return true;
    }

    // The part [at, at + length), or false when it reaches past the end.
    bool part(std::size_t at, std::size_t length, Bytes& out) const {
        if (at > m_size || m_size - at < length)
            return false;
        out = Bytes(m_data + at, length);
        return true;
    }

    // A NUL-terminated code-page string starting at `at`.
    bool ansi_z(std::size_t at, std::wstring& text) const {
        text.clear();
        for (std::size_t i = at; i < m_size; ++i) {
            if (m_data[i] == 0)
                return true;
            text += from_cp1252(m_data[i]);
        }
        return false;
    }

    // A NUL-terminated UTF-16 string starting at `at`.
    bool utf16_z(std::size_t at, std::wstring& text) const {
        std::size_t end = at;
        std::uint32_t unit = 0;
        while (u16(end, unit) && unit != 0)
            end += 2;
        if (!u16(end, unit))
            return false;
        return utf16(at, (end - at) / 2, text);
    }

    // `count` UTF-16 units starting at `at`.
    bool utf16(std::size_t at, std::size_t count, std::wstring& text) const {
        text.clear();
        if (count > m_size / 2 || at > m_size || m_size - at < count * 2)
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            std::uint32_t unit = 0, next = 0;
            u16(at + 2 * i, unit);
            if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < count && u16(at + 2 * i + 2, next) &&
                next >= 0xDC00 && next < 0xE000) {
                append_code_point(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
            } else {
                append_code_point(text, unit);
            }
        }
        return true;
    }

    // `count` code-page bytes starting at `at`.
    bool ansi(std::size_t at, std::size_t count, std::wstring& text) const {
        text.clear();
        if (at > m_size || m_size - at < count)
            return false;
        for (std::size_t i = 0; i < count; ++i)
            text += from_cp1252(m_data[at + i]);
        return true;
    }

private:
    static wchar_t from_cp1252(unsigned char byte) {
        return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : static_cast<wchar_t>(byte);
    }

    static void append_code_point(std::wstring& text, std::uint32_t code_point) {
        if (sizeof(wchar_t) >= 4 || code_point < 0x10000) {
            text += static_cast<wchar_t>(code_point);
        } else {
            code_point -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (code_point >> 10));
            text += static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF));
        }
    }

    const unsigned char* m_data;
    std::size_t m_size;
};

// `first` and `second` joined with one backslash between them.
std::wstring join_windows_path(const std::wstring& first, const std::wstring& second) {
    if (first.empty() || second.empty())
        return first + second;
    if (first.back() == L'\\')
        return first + second;
    return first + L'\\' + second;
}

// A string of the LinkInfo structure: at the Unicode offset when the
// structure has one that is set, else at the code-page offset.
bool link_info_string(const Bytes& info, std::uint32_t ansi_offset, std::uint32_t unicode_offset,
                      std::wstring& text) {
    if (unicode_offset != 0)
        return info.utf16_z(unicode_offset, text);
    return info.ansi_z(ansi_offset, text);
}

bool read_network_link(const Bytes& info, std::uint32_t offset, std::wstring& share) {
    std::uint32_t size = 0, net_name = 0, net_name_unicode = 0;
    Bytes link(nullptr, 0);
    if (!info.u32(offset, size) || !info.part(offset, size, link) || !link.u32(8, net_name))
        return false;
    if (net_name > kNetworkLinkUnicodeOffset && !link.u32(20, net_name_unicode))
        return false;
    return link_info_string(link, net_name, net_name_unicode, share);
}

bool read_link_info(const Bytes& info, LinkFileTarget& target) {
    std::uint32_t header_size = 0, flags = 0, local_base = 0, network_link = 0, suffix = 0;
    std::uint32_t local_base_unicode = 0, suffix_unicode = 0;
    if (!info.u32(4, header_size) || !info.u32(8, flags) || !info.u32(16, local_base) ||
        !info.u32(20, network_link) || !info.u32(24, suffix))
        return false;
    if (header_size >= kLinkInfoUnicodeHeader &&
        (!info.u32(28, local_base_unicode) || !info.u32(32, suffix_unicode)))
        return false;
    std::wstring suffix_text;
    if (!link_info_string(info, suffix, suffix_unicode, suffix_text))
        return false;
    if (flags & kVolumeIdAndLocalBasePath) {
        std::wstring base;
        if (!link_info_string(info, local_base, local_base_unicode, base))
            return false;
        target.local_path = join_windows_path(base, suffix_text);
    }
    if (flags & kNetworkLinkAndPathSuffix) {
        std::wstring share;
        if (!read_network_link(info, network_link, share))
            return false;
        target.network_path = join_windows_path(share, suffix_text);
    }
    return true;
}

// Reads the counted strings after LinkInfo, keeping the relative path.
bool read_strings(const Bytes& file, std::size_t at, std::uint32_t flags, LinkFileTarget& target) {
    const std::uint32_t present[] = {kHasName, kHasRelativePath, kHasWorkingDir, kHasArguments,
                                     kHasIconLocation};
    const bool unicode = (flags & kIsUnicode) != 0;
    for (std::uint32_t bit : present) {
        if (!(flags & bit))
            continue;
        std::uint32_t count = 0;
        if (!file.u16(at, count))
            return false;
        at += 2;
        std::wstring text;
        if (unicode ? !file.utf16(at, count, text) : !file.ansi(at, count, text))
            return false;
        at += unicode ? 2 * static_cast<std::size_t>(count) : count;
        if (bit == kHasRelativePath)
            target.relative_path = text;
    }
    return true;
}

} // namespace

bool is_shell_link_file(const unsigned char* bytes, std::size_t size) {
    std::uint32_t header_size = 0;
    Bytes file(bytes, size);
    return size >= kHeaderSize && file.u32(0, header_size) && header_size == kHeaderSize &&
           std::memcmp(bytes + 4, kShellLinkClassId, sizeof kShellLinkClassId) == 0;
}

bool read_shell_link_file(const unsigned char* bytes, std::size_t size, LinkFileTarget& target) {
    target = LinkFileTarget();
    if (!is_shell_link_file(bytes, size))
        return false;
    const Bytes file(bytes, size);
    std::uint32_t flags = 0;
    file.u32(20, flags);
    std::size_t at = kHeaderSize;
    if (flags & kHasIdList) {
        std::uint32_t id_list_size = 0;
        if (!file.u16(at, id_list_size) || file.size() - at - 2 < id_list_size)
            return false;
        at += 2 + id_list_size;
    }
    if (flags & kHasLinkInfo) {
        std::uint32_t info_size = 0;
        Bytes info(nullptr, 0);
        if (!file.u32(at, info_size) || info_size < 4 || !file.part(at, info_size, info))
            return false;
        if (!(flags & kForceNoLinkInfo) && !read_link_info(info, target))
            return false;
        at += info_size;
    }
    return read_strings(file, at, flags, target);
}

} // namespace uiutil_internal
