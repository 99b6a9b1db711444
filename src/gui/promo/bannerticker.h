#pragma once

#include "promo/bannerdownloader.h"
#include "promo/bannerschedule.h"

#include <QObject>
#include <QUrl>

#include <functional>

namespace vantrel {

class CFileView;

/// The picture panel's timer handler. Every tick, in this order: ask the
/// banner server for its list until one reply with banners has been taken
/// in (it replaces the old pictures and links); download one pending picture;
/// let the panel rescan its folder; show the next picture.
///
/// Requests run in the background: the tick that starts one finishes its
/// steps when the reply arrives, and a tick that finds one still running
/// skips its own. A tick whose banner list failed, or held no banners, ends
/// there without showing the next picture. With no server, no request is
/// ever made and the ticks only show the next picture.
class BannerTicker : public QObject {
    Q_OBJECT
public:
    /// The settings entry with the server's base address, such as http://host:port.
    static constexpr const char* kServerKey = "BannerServer";
    static constexpr const char* kBannerListPath = "/api/misc/banners";
    static constexpr const char* kPictureFilePath = "/api/misc/files/";
    /// The folder of the pictures, below the current directory.
    static constexpr const char* kPictureFolder = "Picture";
    /// The settings group of the links, keyed by picture base name.
    static constexpr const char* kLinkGroup = "SelvoSoftwareHttpLink";
    static constexpr int kConnectTimeoutMs = 2000;
    static constexpr int kRequestTimeoutMs = 15000;
    static constexpr qint64 kMaxPictureBytes = 20 * 1024 * 1024;

    /// What the ticks do to the picture panel.
    struct Panel {
        std::function<void()> loadPictures;
        std::function<void()> showNextPicture;
    };

    explicit BannerTicker(Panel panel, QObject* parent = nullptr);
    ~BannerTicker() override;

    /// A new ticker over `pane`, with the server of the settings, for the
    /// main frame's banner timer to drive (OnTimer). It goes with the pane.
    static BannerTicker* attach(CFileView& pane);

    /// The base address of the settings entry; an empty URL when there is
    /// none or it is not an http or https address.
    static QUrl serverFromSettings();
    /// An empty URL: no server.
    void setServer(const QUrl& base);
    QUrl server() const { return m_server; }
    void setTimeouts(int connectMs, int requestMs);

    const BannerSchedule& schedule() const { return m_schedule; }
    QUrl bannerListUrl() const;
    QUrl pictureUrl(const std::string& name) const;

public Q_SLOTS:
    void OnTimer();

Q_SIGNALS:
    /// The steps of one tick have run to their end, at once or when its
    /// request ended.
    void tickFinished();

private:
    void listArrived(const BannerDownloader::Result& result);
    void takeInList(const BannerReply& reply);
    void downloadStep();
    void pictureArrived(const QString& name, const BannerDownloader::Result& result);
    void finishTick(bool showNext);

    Panel m_panel;
    BannerSchedule m_schedule;
    BannerDownloader* m_downloader;
    QUrl m_server;
    int m_connectTimeoutMs = kConnectTimeoutMs;
    int m_requestTimeoutMs = kRequestTimeoutMs;
};

}  // namespace vantrel
