#include "textcase.h"

#include <cstdint>
#include <cstring>

namespace vantrel {

namespace {

void UpperWordsAndTail(char* text, std::size_t size)
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

}  // namespace

std::size_t Gb18030Length(const char* p, const char* end)
{
    const std::size_t left = static_cast<std::size_t>(end - p);
    const std::size_t n = left > 1 && p[1] >= '0' && p[1] <= '9' ? 4 : 2;
    return n < left ? n : left;
}

void ToUpperAsciiInPlace(char* text, std::size_t size, ByteForm form)
{
    if (form == ByteForm::SingleOrUtf8) {
        UpperWordsAndTail(text, size);
        return;
    }
    // Runs of ASCII go through the fast path; a lead byte takes its trail bytes with it.
    char* p = text;
    char* const end = text + size;
    while (p < end) {
        char* run = p;
        while (p < end && static_cast<unsigned char>(*p) < 0x81)
            ++p;
        UpperWordsAndTail(run, static_cast<std::size_t>(p - run));
        if (p < end)
            p += Gb18030Length(p, end);
    }
}

std::string ToUpperAscii(std::string_view text, ByteForm form)
{
    std::string s(text);
    ToUpperAsciiInPlace(s.data(), s.size(), form);
    return s;
}

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace vantrel
