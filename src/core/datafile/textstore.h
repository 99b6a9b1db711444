#pragma once

#include "platform.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// An append-only store of texts addressed by 32-bit references, shared by
/// the tables of one survey so that a row copied from one table to another,
/// or a reading repeated in the depth table, costs a reference, not a copy.
///
/// Texts live in 4 MiB blocks that never move, so stored texts stay valid
/// while the store grows. Reference 0 is the empty text. A store holds at
/// most 4 GiB; Store() throws std::length_error beyond that.
///
/// One thread may store texts shorter than 1 MiB while other threads read
/// texts stored before: neither the blocks nor the list of them ever move.
class TextStore {
public:
    using Ref = std::uint32_t;
    /// At least this many bytes from the first character of any stored text
    /// lie inside the store, so a short text may be copied in one fixed-size move.
    static constexpr std::size_t kReadSlack = 16;

    TextStore();

    Ref Store(std::string_view text)
    {
        // The common case inline: a short text that fits the current block.
        const std::size_t need = text.size() + 1;
        if (!text.empty() && text.size() < kLong && !m_blocks.empty() &&
            (m_used & kBlockMask) + need + kReadSlack <= kBlockSize && (m_used & kBlockMask) != 0) {
            char* p = m_blocks[m_used >> kBlockBits].get() + (m_used & kBlockMask);
            p[0] = static_cast<char>(text.size());
            std::memcpy(p + 1, text.data(), text.size());
            const auto ref = static_cast<Ref>(m_used);
            m_used += need;
            return ref;
        }
        return StoreSlow(text);
    }
    std::string_view Text(Ref ref) const
    {
        const char* p = m_blocks[ref >> kBlockBits].get() + (ref & kBlockMask);
        const auto head = static_cast<unsigned char>(*p);
        if (head < kLong)
            return {p + 1, head};
        return LongText(p);
    }
    /// Asks the processor to fetch a text that will be read soon.
    void Prefetch(Ref ref) const
    {
        platform::Prefetch(m_blocks[ref >> kBlockBits].get() + (ref & kBlockMask));
    }
    /// Bytes taken in the blocks so far.
    std::size_t Used() const { return m_used; }
    /// Bytes the store holds in memory: the blocks up to the last byte used
    /// (the rest of a block is never touched) and the texts of 1 MiB and more.
    std::size_t Footprint() const;

private:
    static constexpr unsigned kBlockBits = 22;
    static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
    static constexpr Ref kBlockMask = static_cast<Ref>(kBlockSize - 1);
    static constexpr unsigned char kLong = 0xFE;   // 4-byte length follows, then the text
    static constexpr unsigned char kLarge = 0xFF;  // 4-byte index into m_large follows

    Ref StoreSlow(std::string_view text);
    std::string_view LongText(const char* p) const;
    char* Reserve(std::size_t bytes);

    struct BlockFree {
        void operator()(char* p) const;
    };
    std::vector<std::unique_ptr<char, BlockFree>> m_blocks;
    std::size_t m_used = 0;  // global offset of the next free byte
    std::vector<std::string> m_large;
};

}  // namespace vantrel
