#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// Everything the core asks of the operating system, in one place: file
/// status, reading and exclusive creation, permissions, and large memory
/// blocks. POSIX systems get the system calls (platformposix.cpp); elsewhere
/// plain standard C++ stands in (platformportable.cpp: no huge pages,
/// permissions through std::filesystem). CMake builds one of the two.
namespace vantrel::platform {

/// The alignment of the large blocks, a transparent huge page.
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

/// `count` letters and digits drawn at random, for fresh file names.
std::string RandomLetters(std::size_t count);

/// What a path names, symbolic links followed.
struct PathInfo {
    bool exists = false;
    bool regular = false;
    bool directory = false;
    std::uint64_t size = 0;    ///< bytes of a regular file, else 0
    unsigned permissions = 0;  ///< the permission bits, 07777 at most
};
PathInfo Inspect(const std::string& path);

/// The file a symbolic link at `path` points to; any other path unchanged.
std::string FollowLink(const std::string& path);
/// Whether an existing file may be replaced: its owner-write bit is set and
/// the user may write it (so a read-only file stays read-only, for root too).
bool MayReplace(const std::string& path, const PathInfo& info);

/// strtod in the C locale whatever the process's locale: decimal point,
/// hexadecimal, INF and NAN as strtod reads them.
double StrtodC(const char* text);

/// The system's text for an error number ("Permission denied").
std::string ErrorText(int error);

/// A file read from start to end in binary mode: a regular file, a pipe, a
/// FIFO, a device, or standard input.
class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    /// False when the file cannot be opened; Error() says why.
    bool Open(const std::string& path);
    /// Standard input, left open when this object goes.
    void OpenStandardInput();
    /// Up to `size` bytes; 0 at the end of the file, -1 on a read error.
    std::ptrdiff_t Read(char* buffer, std::size_t size);
    int Error() const { return m_error; }

private:
    void Close();
    std::intptr_t m_handle = -1;
    bool m_owned = false;
    int m_error = 0;
};

/// A file created under a fresh name that no other file had, written, then
/// either kept (Close) or removed (Discard, also on destruction).
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    /// Creates "`prefix`XXXXXX" with random letters in place of the X's.
    /// The file gets `permissions` less the process's file-creation mask, as
    /// any new file would (the system applies the mask; it is never changed).
    bool Create(const std::string& prefix, unsigned permissions);
    bool Write(const char* data, std::size_t size);
    /// Sets exactly these permission bits, whatever the file-creation mask.
    bool SetPermissions(unsigned permissions);
    /// Closes the file and renames it over `target` in one step; false (the
    /// file is then removed) when a write, the close or the rename failed.
    bool CloseAndRename(const std::string& target);
    /// Closes and removes the file.
    void Discard();

    const std::string& Path() const { return m_path; }
    /// The error number of the first failure, 0 without one.
    int Error() const { return m_error; }

private:
    /// Opens `path` for writing only if it does not exist yet; false with
    /// errno set otherwise.
    bool OpenExclusive(const std::string& path, unsigned permissions);
    bool Close();
    bool Fail(int error);
    std::intptr_t m_handle = -1;
    std::string m_path;
    int m_error = 0;
};

/// A block of `size` bytes aligned to 2 MiB whose pages are committed only
/// when touched (where the system allows); `hugePages` asks for transparent
/// huge pages. A block's bytes are undefined: it may be one given back before.
/// Throws std::bad_alloc.
char* MapBlock(std::size_t size, bool hugePages);
/// Gives a block back. Blocks given back are kept for the next MapBlock of
/// the same size (of either kind of pages), up to KeepFreedBlocks() bytes,
/// their pages marked free for the system to take back when memory runs short.
void UnmapBlock(char* block, std::size_t size);
/// How many bytes of given-back blocks are kept (256 MiB unless set): a
/// batch running an input on every core keeps a share for each of them.
/// Once set, the C library's heap also keeps what is freed instead of giving
/// it back to the system, so the next input's smaller arrays and texts do not
/// fault in fresh zeroed pages either.
void KeepFreedBlocks(std::size_t bytes);

/// At least `bytes`, aligned to 2 MiB, without huge pages, from blocks of a
/// few sizes (2 MiB steps, then quarter steps between powers of two), so an
/// array freed by one input is taken up by the next input's array of about
/// its size. Throws std::bad_alloc.
void* AllocateHuge(std::size_t bytes);
/// Gives back what AllocateHuge(bytes) gave.
void FreeHuge(void* block, std::size_t bytes) noexcept;
/// The size AllocateHuge maps for `bytes`.
std::size_t HugeBlockSize(std::size_t bytes);

/// For MapBlock and UnmapBlock, in the file of each system: a block from the
/// system itself, its return, and marking a kept block's pages unused.
char* MapFreshBlock(std::size_t size, bool hugePages);
void UnmapFreshBlock(char* block, std::size_t size);
void MarkBlockUnused(char* block, std::size_t size);
/// Asks the C library's heap to keep freed memory (where it can be asked).
void KeepFreedHeap();

/// Asks the processor to fetch the memory at `address` into its cache ahead
/// of a read; does nothing where the compiler has no such hint.
inline void Prefetch(const void* address)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    static_cast<void>(address);
#endif
}

}  // namespace vantrel::platform
