#pragma once

#include <QObject>
#include <QString>

class QIODevice;

namespace vantrel {

/// Where an instrument connects: waits for one incoming connection and hands
/// it over as a device. BluetoothListener is the real one; tests give their
/// own and feed the devices themselves.
class InstrumentListener : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Starts listening. Returns an empty string on success, otherwise the
    /// message for the user; nothing stays open after a failure.
    virtual QString start() = 0;
    /// Stops listening and withdraws whatever start() announced. Connections
    /// already handed over are not touched. Safe to call more than once.
    virtual void stop() = 0;

Q_SIGNALS:
    /// A device connected. The receiver takes `device` over (reparents and
    /// deletes it); the listener forgets it.
    void connected(QIODevice* device);
    /// The device's connection is gone (for devices that do not end their
    /// stream by themselves when the peer leaves).
    void connectionLost(QIODevice* device);
    /// Listening broke down after start().
    void failed(const QString& text);
};

}  // namespace vantrel
