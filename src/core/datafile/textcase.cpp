#include "textcase.h"

namespace vantrel {

void ToUpperAsciiInPlace(char* text, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        if (text[i] >= 'a' && text[i] <= 'z')
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
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
