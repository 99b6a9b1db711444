#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>

#include <QIODevice>
class QTimer;

namespace vantrel {

class InstrumentListener;
class InstrumentReader;

/// One reading from an instrument: listen, take the first connection, read
/// its four bytes, then close the connection and stop listening. The whole
/// of it must end within the time-out.
///
/// Everything the link opened is closed when it finishes, when it is
/// cancelled and when it is destroyed. finished() comes from the event loop,
/// never from inside start() or cancel(), and only once.
class InstrumentLink : public QObject {
    Q_OBJECT
public:
    enum class Phase { Idle, Waiting, Reading, Done };
    enum class Outcome { Received, Failed, TimedOut, Cancelled };

    /// Takes `listener` over.
    InstrumentLink(InstrumentListener* listener, std::chrono::milliseconds timeout,
                   QObject* parent = nullptr);
    ~InstrumentLink() override;

    /// Starts listening; an empty string on success, otherwise the message
    /// for the user (the link is then Done and emits nothing).
    QString start();
    void cancel();

    Phase phase() const { return m_phase; }
    /// The four bytes once received.
    QByteArray bytes() const { return m_bytes; }
    /// The connected device while reading.
    QIODevice* device() const { return m_device; }

Q_SIGNALS:
    void phaseChanged(vantrel::InstrumentLink::Phase phase);
    /// `text`: the message for the user (empty for Received and Cancelled).
    void finished(vantrel::InstrumentLink::Outcome outcome, const QString& text);

private:
    void attach(QIODevice* device);
    void finish(Outcome outcome, const QString& text);
    void release();
    QString timeoutText() const;

    QPointer<InstrumentListener> m_listener;
    QPointer<QIODevice> m_device;
    InstrumentReader* m_reader = nullptr;
    QTimer* m_timer = nullptr;
    std::chrono::milliseconds m_timeout;
    Phase m_phase = Phase::Idle;
    QByteArray m_bytes;
};

}  // namespace vantrel
