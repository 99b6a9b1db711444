#include "bannerreply.h"

#include "picturename.h"

namespace vantrel {

namespace {

/// The text with control characters written as \xHH, for a log line.
std::string Printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace

std::string ReplyText(std::string_view body)
{
    std::string text;
    text.reserve(body.size() + body.size() / 16 + 2);
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t newline = body.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? body.size() : newline;
        std::string_view line = body.substr(start, end - start);
        if (newline != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text.append(line);
        text.append("\r\n");
        start = end + 1;
    }
    return text;
}

std::string_view NextQuotedToken(std::string_view text, std::size_t& pos)
{
    const std::size_t begin = pos < text.size() ? text.find_first_not_of('"', pos) : std::string_view::npos;
    if (begin == std::string_view::npos) {
        pos = text.size();
        return {};
    }
    const std::size_t end = text.find('"', begin);
    if (end == std::string_view::npos) {
        pos = text.size();
        return text.substr(begin);
    }
    pos = end + 1;
    return text.substr(begin, end - begin);
}

BannerReply CutBannerReply(std::string_view text)
{
    BannerReply reply;
    reply.hasBanners = text.find("\"img\"") != std::string_view::npos;
    if (!reply.hasBanners)
        return reply;

    std::string_view key;  // before any picture: the empty key
    bool keyUsable = true;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view token = NextQuotedToken(text, pos);
        if (token == "img") {
            NextQuotedToken(text, pos);
            const std::string_view name = NextQuotedToken(text, pos);
            const std::string refused = CheckPictureName(name);
            keyUsable = refused.empty();
            if (keyUsable) {
                reply.pictures.emplace_back(name);
                key = PictureBaseName(name);
            } else {
                reply.notes.push_back("picture \"" + Printable(name) + "\" skipped: " + refused);
            }
        } else if (token == "value") {
            NextQuotedToken(text, pos);
            const std::string_view link = NextQuotedToken(text, pos);
            if (keyUsable)
                reply.links.push_back({std::string(key), std::string(link)});
            else
                reply.notes.push_back("link \"" + Printable(link) + "\" skipped: its picture was skipped");
        }
    }
    return reply;
}

}  // namespace vantrel
