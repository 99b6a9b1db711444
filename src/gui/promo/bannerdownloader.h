#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace vantrel {

/// HTTP GETs for the banner download that never block the window: each runs
/// in the background and reports once, from the event loop, when it ends.
/// A request gives up when no connection is made in time, when it takes too
/// long in all, and when its body grows past a cap (nothing of it is kept).
class BannerDownloader : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int connectMs = 0;  ///< 0: no separate limit for the connection
        int totalMs = 15000;
        qint64 maxBytes = 20 * 1024 * 1024;
    };
    struct Result {
        bool ok = false;
        QByteArray body;
        QString error;  ///< why it failed, for the log
    };
    using Done = std::function<void(const Result&)>;

    explicit BannerDownloader(QObject* parent = nullptr);
    /// Requests still running are dropped without reporting.
    ~BannerDownloader() override;

    /// Starts a GET of `url`; `done` runs once, later, with the outcome.
    void get(const QUrl& url, const Limits& limits, Done done);
    int runningCount() const;

private:
    struct Request;
    void giveUp(QNetworkReply* reply, const QString& why);
    void finish(QNetworkReply* reply);

    QNetworkAccessManager* m_network;
    QHash<QNetworkReply*, std::shared_ptr<Request>> m_requests;
};

}  // namespace vantrel
