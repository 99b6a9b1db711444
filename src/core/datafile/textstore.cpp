#include "textstore.h"

#include "platform.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace vantrel {

namespace {
constexpr std::size_t kLargeThreshold = std::size_t{1} << 20;
}  // namespace

void TextStore::BlockFree::operator()(char* p) const
{
    platform::UnmapBlock(p, kBlockSize);
}

TextStore::TextStore()
{
    m_blocks.reserve(std::size_t{1} << (32 - kBlockBits));  // never moves: see the class comment
    char* p = Reserve(1);
    p[0] = 0;  // reference 0: the empty text
}

char* TextStore::Reserve(std::size_t bytes)
{
    std::size_t offset = m_used;
    std::size_t block = offset >> kBlockBits;
    if ((offset & kBlockMask) + bytes + kReadSlack > kBlockSize) {
        ++block;  // a text never spans two blocks; the tail of this one stays unused
        offset = block * kBlockSize;
    }
    if (block >= (std::size_t{1} << (32 - kBlockBits)))
        throw std::length_error("text store exceeds 4 GiB");
    while (m_blocks.size() <= block)
        // Mapped, so a small table commits only the pages it touches; huge
        // pages (from the second block on) cut the page faults of a large one.
        m_blocks.emplace_back(platform::MapBlock(kBlockSize, !m_blocks.empty()));
    m_used = offset + bytes;
    return m_blocks[block].get() + (offset & kBlockMask);
}

TextStore::Ref TextStore::StoreSlow(std::string_view text)
{
    if (text.empty())
        return 0;
    if (text.size() < kLong) {
        char* p = Reserve(text.size() + 1);
        p[0] = static_cast<char>(text.size());
        std::memcpy(p + 1, text.data(), text.size());
        return static_cast<Ref>(m_used - text.size() - 1);
    }
    if (text.size() < kLargeThreshold) {
        char* p = Reserve(text.size() + 5);
        const auto n = static_cast<std::uint32_t>(text.size());
        p[0] = static_cast<char>(kLong);
        std::memcpy(p + 1, &n, 4);
        std::memcpy(p + 5, text.data(), text.size());
        return static_cast<Ref>(m_used - text.size() - 5);
    }
    const auto index = static_cast<std::uint32_t>(m_large.size());
    char* p = Reserve(5);
    m_large.emplace_back(text);
    p[0] = static_cast<char>(kLarge);
    std::memcpy(p + 1, &index, 4);
    return static_cast<Ref>(m_used - 5);
}

std::size_t TextStore::Footprint() const
{
    std::size_t bytes = m_used + m_blocks.capacity() * sizeof(m_blocks[0]);
    for (const std::string& text : m_large)
        bytes += text.capacity();
    return bytes;
}

std::string_view TextStore::LongText(const char* p) const
{
    std::uint32_t v;
    std::memcpy(&v, p + 1, 4);
    if (static_cast<unsigned char>(*p) == kLong)
        return {p + 5, v};
    return m_large[v];
}

}  // namespace vantrel
