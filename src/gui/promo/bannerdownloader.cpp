#include "promo/bannerdownloader.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace vantrel {

struct BannerDownloader::Request {
    Limits limits;
    Done done;
    QByteArray body;
    QString failure;  ///< set when this side gave up
};

namespace {

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("the reply is larger than %1 bytes").arg(maxBytes);
}

}  // namespace

BannerDownloader::BannerDownloader(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{}

BannerDownloader::~BannerDownloader()
{
    const auto replies = m_requests.keys();
    m_requests.clear();
    for (QNetworkReply* reply : replies) {
        reply->disconnect(this);
        reply->abort();
    }
}

int BannerDownloader::runningCount() const
{
    return static_cast<int>(m_requests.size());
}

void BannerDownloader::get(const QUrl& url, const Limits& limits, Done done)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QCoreApplication::applicationName());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = m_network->get(request);

    auto state = std::make_shared<Request>();
    state->limits = limits;
    state->done = std::move(done);
    m_requests.insert(reply, state);

    if (limits.connectMs > 0) {
        auto* connectTimer = new QTimer(reply);
        connectTimer->setSingleShot(true);
        connect(connectTimer, &QTimer::timeout, this, [this, reply, ms = limits.connectMs] {
            giveUp(reply, QStringLiteral("no connection within %1 ms").arg(ms));
        });
        connect(reply, &QNetworkReply::requestSent, connectTimer, &QTimer::stop);
        connectTimer->start(limits.connectMs);
    }
    auto* totalTimer = new QTimer(reply);
    totalTimer->setSingleShot(true);
    connect(totalTimer, &QTimer::timeout, this, [this, reply, ms = limits.totalMs] {
        giveUp(reply, QStringLiteral("not done within %1 ms").arg(ms));
    });
    totalTimer->start(limits.totalMs);

    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const auto it = m_requests.constFind(reply);
        if (it == m_requests.cend())
            return;
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > (*it)->limits.maxBytes)
            giveUp(reply, tooLarge((*it)->limits.maxBytes));
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        const auto it = m_requests.constFind(reply);
        if (it == m_requests.cend() || !(*it)->failure.isEmpty())
            return;
        Request& r = **it;
        const QByteArray piece = reply->readAll();
        if (r.body.size() + piece.size() > r.limits.maxBytes) {
            r.body.clear();
            giveUp(reply, tooLarge(r.limits.maxBytes));
            return;
        }
        r.body.append(piece);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void BannerDownloader::giveUp(QNetworkReply* reply, const QString& why)
{
    const auto it = m_requests.constFind(reply);
    if (it == m_requests.cend() || !(*it)->failure.isEmpty())
        return;
    (*it)->failure = why;
    reply->abort();
}

void BannerDownloader::finish(QNetworkReply* reply)
{
    const std::shared_ptr<Request> state = m_requests.take(reply);
    reply->disconnect(this);
    reply->deleteLater();
    if (!state)
        return;

    Result result;
    if (!state->failure.isEmpty()) {
        result.error = state->failure;
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else {
        const QByteArray rest = reply->readAll();
        if (state->body.size() + rest.size() > state->limits.maxBytes) {
            result.error = tooLarge(state->limits.maxBytes);
        } else {
            result.ok = true;
            result.body = std::move(state->body);
            result.body.append(rest);
        }
    }
    if (state->done)
        state->done(result);
}

}  // namespace vantrel
