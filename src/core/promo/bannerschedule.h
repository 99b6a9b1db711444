#pragma once

#include "bannerreply.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace vantrel {

/// Where the banner download stands in this run.
enum class BannerState {
    NotFetched,   ///< no banner list received yet: every tick asks for one
    Downloading,  ///< pictures wait for download, one per tick
    Idle,         ///< nothing left to download: ticks only show the next picture
};

/// The rules of the picture panel's timer ticks, without the network and the
/// files: the banner list is asked for until one reply with banners arrived,
/// then the listed pictures are downloaded one per tick, in reply order. A
/// picture whose file already exists is not downloaded and stays first in the
/// list, so it blocks the names after it for the rest of the run. Requests
/// run while the ticks go on; a tick that finds one still running skips its
/// own request.
class BannerSchedule {
public:
    BannerState State() const;
    bool BannersFetched() const { return m_bBannersFetched; }
    const std::deque<std::string>& PendingPictures() const { return m_lstPendingPictures; }
    bool ListRequestRunning() const { return m_bListRunning; }
    bool DownloadRunning() const { return m_bDownloadRunning; }

    /// Whether this tick asks for the banner list (none received yet and no
    /// request for it running). When it does, it marks the request running.
    bool StartListRequest();
    /// The banner list request ended with `reply` (an empty one when it
    /// failed). Returns whether the reply carries banners; when it does, its
    /// pictures join the pending list and the list counts as fetched.
    bool ListArrived(const BannerReply& reply);

    /// What the download step of a tick does.
    struct DownloadStep {
        enum class Kind {
            Nothing,  ///< no picture pending
            Busy,     ///< the download of an earlier tick is still running
            Blocked,  ///< the first pending picture's file exists: it stays first
            Start,    ///< download `name` now; it has left the pending list
        };
        Kind kind = Kind::Nothing;
        std::string name;
    };
    /// The download step: `fileExists` tells whether a picture's file is in
    /// the picture folder already. A Start marks the download running.
    DownloadStep NextDownload(const std::function<bool(std::string_view name)>& fileExists);
    /// The running download ended, whatever its outcome (a failed picture is
    /// not tried again in this run).
    void DownloadEnded();

private:
    bool m_bBannersFetched = false;
    bool m_bListRunning = false;
    bool m_bDownloadRunning = false;
    std::deque<std::string> m_lstPendingPictures;
};

}  // namespace vantrel
