// What the core asks of the operating system, in standard C++ alone: files
// through <cstdio> and <filesystem>, aligned blocks through operator new
// (no huge pages), numbers through <charconv>. CMake builds this file where
// there is no POSIX, or with VANTREL_PORTABLE_PLATFORM, which tools/test uses
// so that this file is built and its tests run on every change.

#include "platform.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string_view>
#include <system_error>

namespace vantrel::platform {

double StrtodC(const char* text)
{
    // from_chars reads decimals, INF and NAN as the C locale does; a "0x"
    // prefix is left to it in its hexadecimal form.
    std::string_view s(text);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    auto format = std::chars_format::general;
    if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
        format = std::chars_format::hex;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, format);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const auto e = s.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
        value = e != std::string_view::npos && s.size() > e + 1 && s[e + 1] == '-' ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

PathInfo Inspect(const std::string& path)
{
    namespace fs = std::filesystem;
    PathInfo info;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st))
        return info;
    info.exists = true;
    info.regular = fs::is_regular_file(st);
    info.directory = fs::is_directory(st);
    info.size = info.regular ? static_cast<std::uint64_t>(fs::file_size(path, ec)) : 0;
    info.permissions = static_cast<unsigned>(st.permissions()) & 07777;
    return info;
}

std::string FollowLink(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto real = std::filesystem::canonical(path, ec);
        if (!ec)
            return real.string();
    }
    return path;
}

bool MayReplace(const std::string&, const PathInfo& info)
{
    return (info.permissions & 0200) != 0;
}

void InputFile::Close()
{
    if (m_owned && m_handle != -1)
        std::fclose(reinterpret_cast<std::FILE*>(m_handle));
    m_handle = -1;
    m_owned = false;
}

bool InputFile::Open(const std::string& path)
{
    Close();
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        m_error = errno ? errno : ENOENT;
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(f);
    m_owned = true;
    m_error = 0;
    return true;
}

void InputFile::OpenStandardInput()
{
    Close();
    m_handle = reinterpret_cast<std::intptr_t>(stdin);
    m_error = 0;
}

std::ptrdiff_t InputFile::Read(char* buffer, std::size_t size)
{
    auto* f = reinterpret_cast<std::FILE*>(m_handle);
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, size, f);
    if (got == 0 && std::ferror(f)) {
        m_error = errno ? errno : EIO;
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

bool NewFile::OpenExclusive(const std::string& path, unsigned)
{
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "wbx");
    if (!f)
        return false;
    m_handle = reinterpret_cast<std::intptr_t>(f);
    return true;
}

bool NewFile::Write(const char* data, std::size_t size)
{
    if (m_handle == -1)
        return Fail(EBADF);
    errno = 0;
    return std::fwrite(data, 1, size, reinterpret_cast<std::FILE*>(m_handle)) == size || Fail(errno);
}

bool NewFile::SetPermissions(unsigned permissions)
{
    std::error_code ec;
    std::filesystem::permissions(m_path, static_cast<std::filesystem::perms>(permissions), ec);
    return !ec || Fail(ec.value());
}

bool NewFile::Close()
{
    if (m_handle == -1)
        return Fail(EBADF);
    errno = 0;
    const int closed = std::fclose(reinterpret_cast<std::FILE*>(m_handle));
    m_handle = -1;
    if (closed != 0)
        Fail(errno);
    return m_error == 0;
}

void NewFile::Discard()
{
    if (m_handle != -1)
        std::fclose(reinterpret_cast<std::FILE*>(m_handle));
    m_handle = -1;
    if (!m_path.empty())
        std::remove(m_path.c_str());
    m_path.clear();
}

char* MapFreshBlock(std::size_t size, bool)
{
    return static_cast<char*>(::operator new (size, std::align_val_t{kHugePage}));
}

void UnmapFreshBlock(char* block, std::size_t)
{
    ::operator delete (block, std::align_val_t{kHugePage});
}

void MarkBlockUnused(char*, std::size_t) {}

void KeepFreedHeap() {}

}  // namespace vantrel::platform
