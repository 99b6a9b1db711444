#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// Upper-cases the ASCII letters only; other bytes stay as they are.
void ToUpperAsciiInPlace(char* text, std::size_t size);
std::string ToUpperAscii(std::string_view text);
bool EndsWith(std::string_view text, std::string_view tail);

}  // namespace vantrel
