#include "bannerschedule.h"

namespace vantrel {

BannerState BannerSchedule::State() const
{
    if (!m_bBannersFetched)
        return BannerState::NotFetched;
    if (!m_lstPendingPictures.empty() || m_bDownloadRunning)
        return BannerState::Downloading;
    return BannerState::Idle;
}

bool BannerSchedule::StartListRequest()
{
    if (m_bBannersFetched || m_bListRunning)
        return false;
    m_bListRunning = true;
    return true;
}

bool BannerSchedule::ListArrived(const BannerReply& reply)
{
    m_bListRunning = false;
    if (m_bBannersFetched || !reply.hasBanners)
        return false;
    m_lstPendingPictures.insert(m_lstPendingPictures.end(), reply.pictures.begin(), reply.pictures.end());
    m_bBannersFetched = true;
    return true;
}

BannerSchedule::DownloadStep BannerSchedule::NextDownload(
    const std::function<bool(std::string_view)>& fileExists)
{
    using Kind = DownloadStep::Kind;
    if (m_lstPendingPictures.empty())
        return {};
    if (m_bDownloadRunning)
        return {Kind::Busy, {}};
    if (fileExists(m_lstPendingPictures.front()))
        return {Kind::Blocked, m_lstPendingPictures.front()};
    DownloadStep step{Kind::Start, std::move(m_lstPendingPictures.front())};
    m_lstPendingPictures.pop_front();
    m_bDownloadRunning = true;
    return step;
}

void BannerSchedule::DownloadEnded()
{
    m_bDownloadRunning = false;
}

}  // namespace vantrel
