#include "jsonlines.h"

namespace vantrel {

namespace {

void AppendEscape(std::string& out, unsigned char byte)
{
    static const char* hex = "0123456789abcdef";
    out += "\\u00";
    out += hex[byte >> 4];
    out += hex[byte & 15];
}

/// Length of the valid UTF-8 sequence starting at `p`, or 0.
std::size_t Utf8Length(const unsigned char* p, std::size_t left)
{
    const unsigned char c = p[0];
    std::size_t len;
    unsigned int cp;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (left < len)
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

std::string JsonString(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = p[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            AppendEscape(out, c);
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (const std::size_t len = Utf8Length(p + i, bytes.size() - i)) {
            out.append(bytes.substr(i, len));
            i += len;
        } else {
            AppendEscape(out, c);
            ++i;
        }
    }
    out += '"';
    return out;
}

std::string JsonArray(std::span<const std::string_view> cells)
{
    std::string out = "[";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i)
            out += ',';
        out += JsonString(cells[i]);
    }
    out += ']';
    return out;
}

}  // namespace vantrel
