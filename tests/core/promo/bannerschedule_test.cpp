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

struct Folder {
    std::set<std::string> files;
    std::function<bool(std::string_view)> exists()
    {
        return [this](std::string_view name) { return files.count(std::string(name)) > 0; };
    }
};

}  // namespace

TEST(BannerSchedule, ListIsAskedForUntilOneWithBannersArrives)
{
    BannerSchedule s;
    EXPECT_EQ(s.State(), BannerState::NotFetched);
    ASSERT_TRUE(s.StartListRequest());
    EXPECT_FALSE(s.StartListRequest()) << "a second request while the first runs";
    EXPECT_FALSE(s.ListArrived(BannerReply{}));  // server down or no "img"
    EXPECT_EQ(s.State(), BannerState::NotFetched);
    EXPECT_FALSE(s.BannersFetched());

    ASSERT_TRUE(s.StartListRequest()) << "retried on the next tick";
    EXPECT_TRUE(s.ListArrived(Listing({"a.jpg", "b.png"})));
    EXPECT_EQ(s.State(), BannerState::Downloading);
    EXPECT_FALSE(s.StartListRequest()) << "one list per run";
    EXPECT_FALSE(s.ListArrived(Listing({"late.jpg"})));
    EXPECT_EQ(s.PendingPictures(), std::deque<std::string>({"a.jpg", "b.png"}));
}

TEST(BannerSchedule, OnePictureAtATimeInReplyOrder)
{
    BannerSchedule s;
    Folder folder;
    EXPECT_EQ(s.NextDownload(folder.exists()).kind, Kind::Nothing);
    s.StartListRequest();
    s.ListArrived(Listing({"a.jpg", "b.png", "c.bmp"}));

    auto step = s.NextDownload(folder.exists());
    EXPECT_EQ(step.kind, Kind::Start);
    EXPECT_EQ(step.name, "a.jpg");
    EXPECT_EQ(s.NextDownload(folder.exists()).kind, Kind::Busy);
    s.DownloadEnded();  // failed: a.jpg is not tried again
    step = s.NextDownload(folder.exists());
    EXPECT_EQ(step.name, "b.png");
    s.DownloadEnded();
    EXPECT_EQ(s.State(), BannerState::Downloading);
    step = s.NextDownload(folder.exists());
    EXPECT_EQ(step.name, "c.bmp");
    EXPECT_EQ(s.State(), BannerState::Downloading) << "the last download still runs";
    s.DownloadEnded();
    EXPECT_EQ(s.State(), BannerState::Idle);
    EXPECT_EQ(s.NextDownload(folder.exists()).kind, Kind::Nothing);
}

TEST(BannerSchedule, AnExistingFileBlocksTheNamesAfterIt)
{
    BannerSchedule s;
    Folder folder;
    s.StartListRequest();
    s.ListArrived(Listing({"a.jpg", "b.png", "c.bmp"}));
    folder.files = {"b.png"};
    EXPECT_EQ(s.NextDownload(folder.exists()).kind, Kind::Start);
    s.DownloadEnded();
    for (int tick = 0; tick < 3; ++tick) {
        const auto step = s.NextDownload(folder.exists());
        EXPECT_EQ(step.kind, Kind::Blocked);
        EXPECT_EQ(step.name, "b.png");
    }
    EXPECT_EQ(s.State(), BannerState::Downloading);
    EXPECT_EQ(s.PendingPictures(), std::deque<std::string>({"b.png", "c.bmp"}));
}

TEST(BannerSchedule, ListWithoutUsablePicturesIsDoneAtOnce)
{
    BannerSchedule s;
    s.StartListRequest();
    EXPECT_TRUE(s.ListArrived(Listing({})));
    EXPECT_EQ(s.State(), BannerState::Idle);
    EXPECT_FALSE(s.StartListRequest());
}
