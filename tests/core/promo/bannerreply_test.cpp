#include "promo/bannerreply.h"
#include "promo/bannerschedule.h"
#include "promo/picturename.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantrel;

namespace {

std::vector<std::string> Tokens(std::string_view text)
{
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < text.size())
        tokens.emplace_back(NextQuotedToken(text, pos));
    return tokens;
}

std::vector<std::pair<std::string, std::string>> Links(const BannerReply& reply)
{
    std::vector<std::pair<std::string, std::string>> links;
    for (const BannerLink& l : reply.links)
        links.emplace_back(l.key, l.link);
    return links;
}

using Strings = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;
using Kind = BannerSchedule::DownloadStep::Kind;

BannerReply Listing(std::vector<std::string> pictures)
{
    BannerReply reply;
    reply.hasBanners = true;
    reply.pictures = std::move(pictures);
    return reply;
}

}  // namespace

TEST(PictureName, PlainNamesAreAcceptedAndThoseThatWouldLeaveTheFolderOrHideAreRefused)
{
    for (const std::string& name : Strings{"a.jpg", "banner 2024.v2.png", "\xE5\xB9\xBF\xE5\x91\x8A.jpg",
                                           "x.", "a..b", std::string(251, 'n') + ".bmp"})
        EXPECT_EQ(CheckPictureName(name), "") << name;
    EXPECT_EQ(PictureBaseName("a.tar.gz"), "a");
    EXPECT_EQ(PictureBaseName("plain"), "plain");

    const std::vector<std::pair<std::string, Strings>> refused = {
        {"empty", {""}},
        {"folder reference", {".", ".."}},
        {"starts with a dot", {"../x.bmp", ".hidden.png"}},
        {"path separator", {"/etc/passwd", "sub/x.bmp", "a\\b.jpg"}},
        {"control character", {"a\x01.png", "a\r\n.png", "a\x7F.png"}},
        {"longer than 255", {std::string(252, 'n') + ".bmp"}},
        {"no \".\"", {"noextension"}},
        // A byte UTF-8 never uses, an overlong "/", a cut multi-byte character, a
        // surrogate, a character cut at the very end.
        {"UTF-8", {"\xFF.png", "\xC0\xAF.png", "a\xE5\xB9.png", "a\xED\xA0\x80.png", "a.png\xE5"}},
    };
    for (const auto& [why, names] : refused)
        for (const std::string& name : names) {
            const std::string reason = CheckPictureName(name);
            EXPECT_NE(reason.find(why), std::string::npos) << "name '" << name << "' gave '" << reason << "'";
        }
}

TEST(BannerReply, TokensSkipEveryRunOfQuotes)
{
    EXPECT_EQ(Tokens(R"({"img":"a.jpg"})"), Strings({"{", "img", ":", "a.jpg", "}"}));
    // An empty quoted text is no token: the next run is taken instead.
    EXPECT_EQ(Tokens(R"("img":"","value")"), Strings({"img", ":", ",", "value"}));
    EXPECT_EQ(Tokens("no quotes"), Strings({"no quotes"}));
    std::size_t pos = 3;
    EXPECT_EQ(NextQuotedToken(R"(a""""")", pos), "");
    EXPECT_EQ(pos, 6u);
    // Every line of the reply ends in "\r\n", the last one too.
    EXPECT_EQ(ReplyText("a\r\nb\nc"), "a\r\nb\r\nc\r\n");
}

TEST(BannerReply, OnlyImgInQuotesMakesAListAndLinksFollowTheLastNameBeforeThem)
{
    for (const char* body : {"", "{\"value\":\"http://x/\"}", "{\"images\":[\"a.jpg\"]}", "{img:\"a.jpg\"}",
                             "<html>503 Service Unavailable</html>"}) {
        const BannerReply reply = CutBannerReply(ReplyText(body));
        EXPECT_FALSE(reply.hasBanners) << body;
        EXPECT_TRUE(reply.pictures.empty() && reply.links.empty()) << body;
    }

    // A link before any picture goes under the empty key; a picture without a
    // link gets none; two links after one picture: the later wins when written.
    const BannerReply reply = CutBannerReply(
        R"([{"value":"http://first/"},{"img":"x.tar.gz"},{"img":"y.png","value":"http://y/","value":"http://y2/"}])");
    EXPECT_EQ(reply.pictures, Strings({"x.tar.gz", "y.png"}));
    EXPECT_EQ(Links(reply), Pairs({{"", "http://first/"}, {"y", "http://y/"}, {"y", "http://y2/"}}));
}

TEST(BannerReply, RefusedNamesDropTheirLinksButNotTheRest)
{
    const BannerReply reply = CutBannerReply(R"([{"img":"../x.bmp","value":"http://evil/"},)"
                                             R"({"img":"/etc/passwd","value":"http://evil2/"},)"
                                             R"({"img":"a\\b.jpg"},{"img":".hidden.png"},)"
                                             R"({"img":"good.jpg","value":"http://good/"},)"
                                             R"({"img":"noext","value":"http://noext/"},)"
                                             "{\"img\":\"a\x1b[2J.png\"}]");
    EXPECT_TRUE(reply.hasBanners);
    EXPECT_EQ(reply.pictures, Strings({"good.jpg"}));
    EXPECT_EQ(Links(reply), Pairs({{"good", "http://good/"}}));
    ASSERT_EQ(reply.notes.size(), 9u);
    EXPECT_EQ(reply.notes[0], "picture \"../x.bmp\" skipped: the name starts with a dot");
    EXPECT_EQ(reply.notes[1], "link \"http://evil/\" skipped: its picture was skipped");
    // The log shows control characters escaped, never raw.
    EXPECT_EQ(reply.notes[8], "picture \"a\\x1B[2J.png\" skipped: the name holds a control character");
}

// The schedule's run (one list, one download a tick, a failed list asked for
// again, an existing file blocking the rest) is driven through a real server in
// the banner download tests of the desktop.
TEST(BannerSchedule, AListWithoutUsablePicturesIsDoneAtOnce)
{
    BannerSchedule empty;
    ASSERT_TRUE(empty.StartListRequest());
    EXPECT_TRUE(empty.ListArrived(Listing({})));
    EXPECT_EQ(empty.State(), BannerState::Idle);
    EXPECT_EQ(empty.NextDownload([](std::string_view) { return false; }).kind, Kind::Nothing);
    EXPECT_FALSE(empty.StartListRequest()) << "one list per run";
}
