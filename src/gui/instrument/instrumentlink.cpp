#include "instrument/instrumentlink.h"

#include "instrument/instrumentlistener.h"
#include "instrument/instrumentreader.h"

#include <QIODevice>
#include <QLocale>
#include <QTimer>

namespace vantrel {

InstrumentLink::InstrumentLink(InstrumentListener* listener, std::chrono::milliseconds timeout,
                               QObject* parent)
    : QObject(parent), m_listener(listener), m_timer(new QTimer(this)), m_timeout(timeout)
{
    listener->setParent(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { finish(Outcome::TimedOut, timeoutText()); });
    connect(listener, &InstrumentListener::connected, this, &InstrumentLink::attach);
    connect(listener, &InstrumentListener::connectionLost, this, [this](QIODevice* device) {
        if (m_reader && device == m_device)
            m_reader->lost();
    });
    connect(listener, &InstrumentListener::failed, this,
            [this](const QString& text) { finish(Outcome::Failed, text); });
}

InstrumentLink::~InstrumentLink()
{
    release();
}

QString InstrumentLink::start()
{
    if (m_phase != Phase::Idle)
        return QStringLiteral("The instrument link is already in use.");
    const QString error = m_listener->start();
    if (!error.isEmpty()) {
        m_phase = Phase::Done;
        release();
        return error;
    }
    m_phase = Phase::Waiting;
    m_timer->start(m_timeout);
    Q_EMIT phaseChanged(m_phase);
    return {};
}

void InstrumentLink::cancel()
{
    finish(Outcome::Cancelled, {});
}

void InstrumentLink::attach(QIODevice* device)
{
    if (!device)
        return;
    if (m_phase != Phase::Waiting) {
        // Late comers are turned away.
        device->close();
        device->deleteLater();
        return;
    }
    device->setParent(this);
    m_device = device;
    m_listener->stop();
    m_phase = Phase::Reading;
    Q_EMIT phaseChanged(m_phase);
    m_reader = new InstrumentReader(device, this);
    connect(m_reader, &InstrumentReader::received, this, [this](const QByteArray& bytes) {
        m_bytes = bytes;
        finish(Outcome::Received, {});
    });
    connect(m_reader, &InstrumentReader::failed, this,
            [this](const QString& text) { finish(Outcome::Failed, text); });
    m_reader->start();
}

void InstrumentLink::finish(Outcome outcome, const QString& text)
{
    if (m_phase == Phase::Done || m_phase == Phase::Idle)
        return;
    m_phase = Phase::Done;
    release();
    QMetaObject::invokeMethod(
        this, [this, outcome, text] { Q_EMIT finished(outcome, text); }, Qt::QueuedConnection);
}

void InstrumentLink::release()
{
    m_timer->stop();
    if (m_listener)
        m_listener->stop();
    if (m_reader) {
        // The reader must not take our own closing for the instrument's.
        m_reader->disconnect(this);
        if (m_device)
            m_device->disconnect(m_reader);
    }
    if (m_device) {
        m_device->close();
        // We may be inside one of the device's signals.
        m_device->deleteLater();
    }
}

QString InstrumentLink::timeoutText() const
{
    const QString seconds = QLocale::c().toString(double(m_timeout.count()) / 1000.0);
    return m_phase == Phase::Reading
        ? QStringLiteral("The instrument connected but did not send its four bytes within %1 seconds.")
              .arg(seconds)
        : QStringLiteral("No instrument connected within %1 seconds.").arg(seconds);
}

}  // namespace vantrel
