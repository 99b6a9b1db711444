#include "textcase.h"

#include <cstdint>
#include <cstring>

namespace vantrel {

void ToUpperAsciiInPlace(char* text, std::size_t size)
{
    // Eight bytes at a time: a byte is an ASCII lower-case letter when its
    // high bit is clear and its low seven bits lie in 'a'..'z'; adding to the
    // seven bits never carries into the next byte.
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, text + i, 8);
        const std::uint64_t low7 = w & ~kHigh;
        const std::uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
        const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;
        const std::uint64_t lower = atLeastA & ~aboveZ & ~w & kHigh;
        w ^= lower >> 2;
        std::memcpy(text + i, &w, 8);
    }
    for (; i < size; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        text[i] = static_cast<char>(c ^ (static_cast<unsigned char>(c - 'a') < 26u ? 0x20u : 0u));
    }
}

std::string ToUpperAscii(std::string_view text)
{
    std::string s(text);
    ToUpperAsciiInPlace(s.data(), s.size());
    return s;
}

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace vantrel
