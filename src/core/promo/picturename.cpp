#include "picturename.h"

#include <cstddef>

namespace vantrel {

namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + more >= text.size())
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0u) != 0x80u)
                return false;
            code = (code << 6) | (d & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

}  // namespace

std::string CheckPictureName(std::string_view name)
{
    if (name.empty())
        return "the name is empty";
    if (name.size() > kMaxNameBytes)
        return "the name is longer than 255 bytes";
    if (name == "." || name == "..")
        return "the name is a folder reference";
    if (name.front() == '.')
        return "the name starts with a dot";
    if (name.find_first_of("/\\") != std::string_view::npos)
        return "the name holds a path separator";
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F)
            return "the name holds a control character";
    }
    if (!IsValidUtf8(name))
        return "the name is not UTF-8 text";
    if (name.find('.') == std::string_view::npos)
        return "the name has no \".\" (no base name and type)";
    return {};
}

std::string_view PictureBaseName(std::string_view name)
{
    return name.substr(0, name.find('.'));
}

}  // namespace vantrel
