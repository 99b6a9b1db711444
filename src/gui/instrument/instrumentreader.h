#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <QIODevice>

namespace vantrel {

/// Takes exactly kMessageSize bytes from a device, however they arrive in
/// pieces. Bytes after the fourth are left unread. When the device ends
/// first (closed, end of stream, or lost()), the reading fails and what came
/// so far is dropped.
///
/// Emits exactly one of received() or failed(), once.
class InstrumentReader : public QObject {
    Q_OBJECT
public:
    static constexpr int kMessageSize = 4;

    explicit InstrumentReader(QIODevice* device, QObject* parent = nullptr);

    /// Takes what the device holds already; later bytes are taken as they
    /// come. Connect to the signals first.
    void start();

    bool isDone() const { return m_done; }
    /// The bytes taken so far (all four after received()).
    QByteArray bytes() const { return m_bytes; }

    /// "0A 1B 2C 3D".
    static QString hex(const QByteArray& bytes);

public Q_SLOTS:
    /// The connection is gone: whatever the device still buffers is taken,
    /// then the reading fails unless it is complete.
    void lost();

Q_SIGNALS:
    void received(const QByteArray& bytes);
    void failed(const QString& text);

private:
    void take();
    void fail();

    QPointer<QIODevice> m_device;
    QByteArray m_bytes;
    bool m_done = false;
};

}  // namespace vantrel
