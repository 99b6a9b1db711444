// What the core asks of a POSIX system: the system calls themselves.
// CMake builds this file or platformportable.cpp (VANTREL_PORTABLE_PLATFORM).

#include "platform.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <new>

#include <fcntl.h>
#include <locale.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel::platform {

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

bool NewFile::OpenExclusive(const std::string& path, unsigned permissions)
{
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(permissions));
    if (fd < 0)
        return false;
    m_handle = fd;
    return true;
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

char* MapFreshBlock(std::size_t size, bool hugePages)
{
    // Map a huge page more than needed and trim the mapping to a 2 MiB boundary.
    const std::size_t mapped = size + kHugePage;
    void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
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

void UnmapFreshBlock(char* block, std::size_t size)
{
    ::munmap(block, size);
}

void MarkBlockUnused(char* block, std::size_t size)
{
#ifdef MADV_FREE
    ::madvise(block, size, MADV_FREE);
#else
    (void)block;
    (void)size;
#endif
}

void KeepFreedHeap()
{
#ifdef __GLIBC__
    // No trimming of the heap's top, and arrays up to the largest threshold
    // glibc takes (32 MiB) from the heap rather than from mappings of their own.
    ::mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

}  // namespace vantrel::platform
