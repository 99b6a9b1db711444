#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A link of the banner list and the key it is kept under: the base name of
/// the picture named last before it (empty before any picture).
struct BannerLink {
    std::string key;
    std::string link;
};

/// What a banner-list reply says, cut as the tick handler needs it.
struct BannerReply {
    /// The reply holds "img" in double quotes: it replaces the old pictures
    /// and links. Without it nothing else of the reply is looked at.
    bool hasBanners = false;
    /// Usable picture names, in reply order.
    std::vector<std::string> pictures;
    /// Links in reply order; a later link with the same key replaces an earlier one.
    std::vector<BannerLink> links;
    /// One line for each name or link left out, for the log.
    std::vector<std::string> notes;
};

/// The reply body as the cutting reads it: line by line (a line ends at "\n",
/// a "\r" before it is dropped), every line followed by "\r\n".
std::string ReplyText(std::string_view body);

/// The next token of `text` at `pos` with the double quote as the only
/// delimiter: delimiters are skipped, the token runs up to the next delimiter
/// or the end, and `pos` moves just past that delimiter (or to the end).
/// When only delimiters are left the token is empty and `pos` is the end.
std::string_view NextQuotedToken(std::string_view text, std::size_t& pos);

/// Cuts a banner-list reply (already through ReplyText) at its double quotes.
/// The token "img" is followed by a separator token, dropped, and the picture
/// name; "value" by a separator and the link, kept under the base name of the
/// picture named last. Names that CheckPictureName refuses are left out of
/// `pictures`, and so are the links that follow them until the next picture.
BannerReply CutBannerReply(std::string_view text);

}  // namespace vantrel
