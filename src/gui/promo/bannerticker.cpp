#include "promo/bannerticker.h"

#include "promo/bannerpictures.h"
#include "panes/cfileview.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>

namespace vantrel {

namespace {

Q_LOGGING_CATEGORY(lcBanner, "vantrel.banner", QtWarningMsg)

QUrl endpoint(const QUrl& base, const QByteArray& encodedPath)
{
    QByteArray address = base.toEncoded(QUrl::RemoveQuery | QUrl::RemoveFragment);
    while (address.endsWith('/'))
        address.chop(1);
    return QUrl::fromEncoded(address + encodedPath, QUrl::StrictMode);
}

QString fromBytes(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

BannerTicker::BannerTicker(Panel panel, QObject* parent)
    : QObject(parent), m_panel(std::move(panel)), m_downloader(new BannerDownloader(this))
{}

BannerTicker::~BannerTicker()
{
    // The requests still running report to nobody.
    delete m_downloader;
}

BannerTicker* BannerTicker::attach(CFileView& pane)
{
    // The ticker goes with the pane, so the pane is there for every call.
    Panel panel;
    panel.loadPictures = [&pane] { pane.LoadPictures(); };
    panel.showNextPicture = [&pane] { pane.ShowNextPicture(); };
    auto* ticker = new BannerTicker(std::move(panel), &pane);
    ticker->setObjectName(QStringLiteral("BannerTicker"));
    ticker->setServer(serverFromSettings());
    return ticker;
}

QUrl BannerTicker::serverFromSettings()
{
    const QString text = QSettings().value(QString::fromLatin1(kServerKey)).toString().trimmed();
    if (text.isEmpty())
        return {};
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        qCWarning(lcBanner) << "banner server" << text
                            << "is no http or https address: no banners are fetched";
        return {};
    }
    return url;
}

void BannerTicker::setServer(const QUrl& base)
{
    m_server = base;
}

void BannerTicker::setTimeouts(int connectMs, int requestMs)
{
    m_connectTimeoutMs = connectMs;
    m_requestTimeoutMs = requestMs;
}

QUrl BannerTicker::bannerListUrl() const
{
    return endpoint(m_server, kBannerListPath);
}

QUrl BannerTicker::pictureUrl(const std::string& name) const
{
    return endpoint(m_server, QByteArray(kPictureFilePath) + QUrl::toPercentEncoding(fromBytes(name)));
}

void BannerTicker::OnTimer()
{
    if (!m_server.isEmpty() && m_schedule.StartListRequest()) {
        BannerDownloader::Limits limits;
        limits.connectMs = m_connectTimeoutMs;
        limits.totalMs = m_requestTimeoutMs;
        limits.maxBytes = kMaxPictureBytes;
        m_downloader->get(bannerListUrl(), limits,
                          [this](const BannerDownloader::Result& result) { listArrived(result); });
        return;
    }
    downloadStep();
}

void BannerTicker::listArrived(const BannerDownloader::Result& result)
{
    if (!result.ok)
        qCInfo(lcBanner) << "banner list not fetched:" << result.error;
    const BannerReply reply = result.ok
        ? CutBannerReply(ReplyText(std::string_view(result.body.constData(), result.body.size())))
        : BannerReply{};
    if (!m_schedule.ListArrived(reply)) {
        if (result.ok)
            qCInfo(lcBanner) << "the banner list names no picture; asked again on the next tick";
        finishTick(false);
        return;
    }
    takeInList(reply);
    downloadStep();
}

void BannerTicker::takeInList(const BannerReply& reply)
{
    for (const std::string& note : reply.notes)
        qCWarning(lcBanner).noquote() << "banner list:" << fromBytes(note);

    QSettings settings;
    const QString group = QString::fromLatin1(kLinkGroup);
    settings.remove(group);
    for (const BannerLink& link : reply.links) {
        // The empty key (a link before any picture) is the group's own value.
        const QString key = link.key.empty() ? group : group + QLatin1Char('/') + fromBytes(link.key);
        settings.setValue(key, fromBytes(link.link));
    }
    settings.sync();

    for (const QString& failure : deleteOldPictures(QDir(QString::fromLatin1(kPictureFolder))))
        qCWarning(lcBanner).noquote() << failure;
}

void BannerTicker::downloadStep()
{
    const QDir folder(QString::fromLatin1(kPictureFolder));
    const auto step = m_schedule.NextDownload([&folder](std::string_view name) {
        return QFileInfo::exists(folder.filePath(fromBytes(std::string(name))));
    });
    using Kind = BannerSchedule::DownloadStep::Kind;
    switch (step.kind) {
    case Kind::Nothing: finishTick(true); return;
    case Kind::Busy:
    case Kind::Blocked:
        m_panel.loadPictures();
        finishTick(true);
        return;
    case Kind::Start: break;
    }

    const QString name = fromBytes(step.name);
    if (!folder.exists()) {
        qCInfo(lcBanner).noquote() << "no folder" << folder.path() << "for the picture" << name;
        m_schedule.DownloadEnded();
        m_panel.loadPictures();
        finishTick(true);
        return;
    }
    BannerDownloader::Limits limits;
    limits.totalMs = m_requestTimeoutMs;
    limits.maxBytes = kMaxPictureBytes;
    m_downloader->get(pictureUrl(step.name), limits,
                      [this, name](const BannerDownloader::Result& result) { pictureArrived(name, result); });
}

void BannerTicker::pictureArrived(const QString& name, const BannerDownloader::Result& result)
{
    m_schedule.DownloadEnded();
    if (!result.ok) {
        qCWarning(lcBanner).noquote() << "picture" << name << "not downloaded:" << result.error;
    } else {
        const PictureSaveResult saved =
            saveBannerPicture(QDir(QString::fromLatin1(kPictureFolder)), name, result.body);
        if (!saved.converted)
            qCWarning(lcBanner).noquote() << saved.message;
    }
    m_panel.loadPictures();
    finishTick(true);
}

void BannerTicker::finishTick(bool showNext)
{
    if (showNext)
        m_panel.showNextPicture();
    Q_EMIT tickFinished();
}

}  // namespace vantrel
