#include "promo/bannerschedule.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vantrel;
using Kind = BannerSchedule::DownloadStep::Kind;

namespace {

BannerReply Listing(std::vector<std::string> pictures)
{
    BannerReply reply;
    reply.hasBanners = true;
    reply.pictures = std::move(pictures);
    return reply;
}

}  // namespace

TEST(BannerSchedule, StatesThroughARun)
{
    std::set<std::string, std::less<>> files;
    const auto exists = [&files](std::string_view name) { return files.count(name) > 0; };
    BannerSchedule s;
    EXPECT_EQ(s.State(), BannerState::NotFetched);
    ASSERT_TRUE(s.StartListRequest());
    EXPECT_FALSE(s.StartListRequest()) << "a second request while the first runs";
    EXPECT_FALSE(s.ListArrived(BannerReply{}));  // server down, or no "img"
    EXPECT_EQ(s.State(), BannerState::NotFetched);

    ASSERT_TRUE(s.StartListRequest()) << "retried on the next tick";
    EXPECT_TRUE(s.ListArrived(Listing({"a.jpg", "b.png", "c.bmp"})));
    EXPECT_FALSE(s.StartListRequest()) << "one list per run";
    EXPECT_EQ(s.State(), BannerState::Downloading);

    files = {"b.png"};
    auto step = s.NextDownload(exists);
    EXPECT_EQ(step.kind, Kind::Start);
    EXPECT_EQ(step.name, "a.jpg");
    EXPECT_EQ(s.NextDownload(exists).kind, Kind::Busy);
    s.DownloadEnded();  // failed or not, a.jpg is not tried again
    for (int tick = 0; tick < 3; ++tick) {
        step = s.NextDownload(exists);
        EXPECT_EQ(step.kind, Kind::Blocked);
        EXPECT_EQ(step.name, "b.png");
    }
    EXPECT_EQ(s.State(), BannerState::Downloading);

    files.clear();
    for (const char* name : {"b.png", "c.bmp"}) {
        step = s.NextDownload(exists);
        EXPECT_EQ(step.name, name);
        EXPECT_EQ(s.State(), BannerState::Downloading) << "while the last download runs";
        s.DownloadEnded();
    }
    EXPECT_EQ(s.State(), BannerState::Idle);
    EXPECT_EQ(s.NextDownload(exists).kind, Kind::Nothing);
}

TEST(BannerSchedule, ListWithoutUsablePicturesIsDoneAtOnce)
{
    BannerSchedule s;
    s.StartListRequest();
    EXPECT_TRUE(s.ListArrived(Listing({})));
    EXPECT_EQ(s.State(), BannerState::Idle);
}
