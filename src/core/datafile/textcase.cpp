#include "textcase.h"

namespace vantrel {

void ToUpperAsciiInPlace(char* text, std::size_t size)
{
    // Branch-free, so the compiler can do many bytes at a time.
    for (std::size_t i = 0; i < size; ++i) {
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
