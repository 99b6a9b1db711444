#include "platform.h"

#include <cerrno>
#include <charconv>
#include <cctype>
#include <cmath>
#include <string_view>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define VANTREL_POSIX 1
#include <fcntl.h>
#include <locale.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel::platform {

namespace {

constexpr std::size_t kTwoMiB = std::size_t{2} << 20;

std::string RandomLetters(std::size_t count)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters(count, 'x');
    for (char& c : letters)
        c = kLetters[pick(generator)];
    return letters;
}

}  // namespace

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

bool NewFile::CloseAndRename(const std::string& target)
{
    if (!Close()) {
        Discard();
        return false;
    }
    errno = 0;
    if (std::rename(m_path.c_str(), target.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    m_path.clear();
    return true;
}

#ifdef VANTREL_POSIX

double StrtodC(const char* text)
{
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return ::strtod_l(text, nullptr, c);
}

PathInfo Inspect(const std::string& path)
{
    PathInfo info;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return info;
    info.exists = true;
    info.regular = S_ISREG(st.st_mode);
    info.directory = S_ISDIR(st.st_mode);
    info.size = info.regular ? static_cast<std::uint64_t>(st.st_size) : 0;
    info.permissions = static_cast<unsigned>(st.st_mode & 07777);
    return info;
}

std::string FollowLink(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

bool MayReplace(const std::string& path, const PathInfo& info)
{
    return (info.permissions & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

InputFile::~InputFile()
{
    Close();
}

void InputFile::Close()
{
    if (m_owned && m_handle >= 0)
        ::close(static_cast<int>(m_handle));
    m_handle = -1;
    m_owned = false;
}

bool InputFile::Open(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    m_handle = fd;
    m_owned = true;
    m_error = 0;
    return true;
}

void InputFile::OpenStandardInput()
{
    Close();
    m_handle = STDIN_FILENO;
    m_error = 0;
}

std::ptrdiff_t InputFile::Read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(m_handle), buffer, size);
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            m_error = errno;
            return -1;
        }
    }
}

NewFile::~NewFile()
{
    Discard();
}

bool NewFile::Fail(int error)
{
    if (m_error == 0)
        m_error = error ? error : EIO;
    return false;
}

bool NewFile::Create(const std::string& prefix, unsigned permissions)
{
    Discard();
    m_error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = prefix + RandomLetters(6);
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(permissions));
        if (fd >= 0) {
            m_handle = fd;
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
}

bool NewFile::Write(const char* data, std::size_t size)
{
    if (m_handle < 0)
        return Fail(EBADF);
    while (size > 0) {
        const ssize_t put = ::write(static_cast<int>(m_handle), data, size);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool NewFile::SetPermissions(unsigned permissions)
{
    if (m_handle < 0)
        return Fail(EBADF);
    return ::fchmod(static_cast<int>(m_handle), static_cast<mode_t>(permissions)) == 0 || Fail(errno);
}

bool NewFile::Close()
{
    if (m_handle < 0)
        return Fail(EBADF);
    const int closed = ::close(static_cast<int>(m_handle));
    m_handle = -1;
    if (closed != 0)
        Fail(errno);
    return m_error == 0;
}

void NewFile::Discard()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle));
    m_handle = -1;
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
}

char* MapBlock(std::size_t size, bool hugePages)
{
    // Map a huge page more than needed and trim the mapping to a 2 MiB boundary.
    const std::size_t mapped = size + kTwoMiB;
    void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (start + kTwoMiB - 1) & ~(kTwoMiB - 1);
    if (aligned > start)
        ::munmap(p, aligned - start);
    if (start + mapped > aligned + size)
        ::munmap(reinterpret_cast<void*>(aligned + size), start + mapped - aligned - size);
#ifdef MADV_HUGEPAGE
    if (hugePages)
        ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
#else
    (void)hugePages;
#endif
    return reinterpret_cast<char*>(aligned);
}

void UnmapBlock(char* block, std::size_t size)
{
    ::munmap(block, size);
}

#else  // plain standard C++

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

InputFile::~InputFile()
{
    Close();
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

NewFile::~NewFile()
{
    Discard();
}

bool NewFile::Fail(int error)
{
    if (m_error == 0)
        m_error = error ? error : EIO;
    return false;
}

bool NewFile::Create(const std::string& prefix, unsigned)
{
    Discard();
    m_error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = prefix + RandomLetters(6);
        errno = 0;
        if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
            m_handle = reinterpret_cast<std::intptr_t>(f);
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
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

char* MapBlock(std::size_t size, bool)
{
    return static_cast<char*>(::operator new (size, std::align_val_t{kTwoMiB}));
}

void UnmapBlock(char* block, std::size_t)
{
    ::operator delete (block, std::align_val_t{kTwoMiB});
}

#endif

void* AllocateHuge(std::size_t bytes)
{
    const std::size_t rounded = (bytes + kTwoMiB - 1) / kTwoMiB * kTwoMiB;
    void* p = ::operator new (rounded, std::align_val_t{kTwoMiB});
#if defined(VANTREL_POSIX) && defined(MADV_HUGEPAGE)
    ::madvise(p, rounded, MADV_HUGEPAGE);
#endif
    return p;
}

void FreeHuge(void* block) noexcept
{
    ::operator delete (block, std::align_val_t{kTwoMiB});
}

}  // namespace vantrel::platform
