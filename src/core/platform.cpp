// The parts of the platform layer that are the same on every system; the
// rest is platformposix.cpp or platformportable.cpp, as CMake chooses.

#include "platform.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <mutex>
#include <new>
#include <random>
#include <system_error>
#include <vector>

namespace vantrel::platform {

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

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

InputFile::~InputFile()
{
    Close();
}

NewFile::~NewFile()
{
    Discard();
}

bool NewFile::Create(const std::string& prefix, unsigned permissions)
{
    Discard();
    m_error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = prefix + RandomLetters(6);
        if (OpenExclusive(path, permissions)) {
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
}

bool NewFile::Fail(int error)
{
    if (m_error == 0)
        m_error = error ? error : EIO;
    return false;
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

namespace {

// Blocks given back are kept for the next ones asked for: a batch reads one
// input after another, and the desktop one file after another, and a kept
// block's pages need no new faults and no zeroing by the system. Kept pages
// are marked unused, so the system may still take them back when memory runs
// short (they read as zeros then). A kept block may go to a caller that
// asked for the other kind of pages: its pages are there already, and only
// new pages differ by kind.
struct KeptBlock {
    char* block;
    std::size_t size;
};

struct KeptBlocks {
    std::mutex mutex;
    std::vector<KeptBlock> blocks;
    std::size_t bytes = 0;
    std::size_t limit = std::size_t{256} << 20;
};

KeptBlocks& Kept()
{
    static auto* kept = new KeptBlocks;  // never destroyed: blocks may be given back at exit
    return *kept;
}

}  // namespace

char* MapBlock(std::size_t size, bool hugePages)
{
    {
        KeptBlocks& kept = Kept();
        const std::lock_guard<std::mutex> lock(kept.mutex);
        // The block given back last: its pages are the likeliest to be in the caches.
        for (auto it = kept.blocks.rbegin(); it != kept.blocks.rend(); ++it)
            if (it->size == size) {
                char* block = it->block;
                kept.blocks.erase(std::next(it).base());
                kept.bytes -= size;
                return block;
            }
    }
    return MapFreshBlock(size, hugePages);
}

void UnmapBlock(char* block, std::size_t size)
{
    {
        KeptBlocks& kept = Kept();
        const std::lock_guard<std::mutex> lock(kept.mutex);
        if (kept.bytes + size <= kept.limit) {
            try {
                kept.blocks.push_back({block, size});
            } catch (const std::bad_alloc&) {
                UnmapFreshBlock(block, size);
                return;
            }
            MarkBlockUnused(block, size);
            kept.bytes += size;
            return;
        }
    }
    UnmapFreshBlock(block, size);
}

void KeepFreedBlocks(std::size_t bytes)
{
    KeptBlocks& kept = Kept();
    const std::lock_guard<std::mutex> lock(kept.mutex);
    kept.limit = bytes;
    KeepFreedHeap();
}

std::size_t HugeBlockSize(std::size_t bytes)
{
    const std::size_t pages = std::max<std::size_t>(1, (bytes + kHugePage - 1) / kHugePage);
    if (pages <= 4)
        return pages * kHugePage;
    const std::size_t step = std::bit_floor(pages) / 4;
    return (pages + step - 1) / step * step * kHugePage;
}

void* AllocateHuge(std::size_t bytes)
{
    if (bytes > (std::size_t{1} << 46))
        throw std::bad_alloc();
    return MapBlock(HugeBlockSize(bytes), false);
}

void FreeHuge(void* block, std::size_t bytes) noexcept
{
    UnmapBlock(static_cast<char*>(block), HugeBlockSize(bytes));
}

}  // namespace vantrel::platform
