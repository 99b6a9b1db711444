#include "instrument/instrumentreader.h"

#include <QIODevice>

namespace vantrel {

InstrumentReader::InstrumentReader(QIODevice* device, QObject* parent) : QObject(parent), m_device(device)
{
    connect(device, &QIODevice::readyRead, this, &InstrumentReader::take);
    connect(device, &QIODevice::readChannelFinished, this, &InstrumentReader::lost);
    connect(device, &QIODevice::aboutToClose, this, &InstrumentReader::lost);
    connect(device, &QObject::destroyed, this, &InstrumentReader::fail);
}

void InstrumentReader::start()
{
    take();
}

QString InstrumentReader::hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void InstrumentReader::take()
{
    if (m_done || !m_device || !m_device->isOpen())
        return;
    while (m_bytes.size() < kMessageSize) {
        const QByteArray piece = m_device->read(kMessageSize - m_bytes.size());
        if (piece.isEmpty())
            break;
        m_bytes += piece;
    }
    if (m_bytes.size() == kMessageSize) {
        m_done = true;
        Q_EMIT received(m_bytes);
    }
}

void InstrumentReader::lost()
{
    take();
    fail();
}

void InstrumentReader::fail()
{
    if (m_done)
        return;
    m_done = true;
    const qsizetype count = m_bytes.size();
    m_bytes.clear();
    Q_EMIT failed(count == 0 ? QStringLiteral("The instrument closed the connection before sending anything.")
                             : QStringLiteral("The instrument closed the connection after %1 of %2 bytes; "
                                              "nothing was received.")
                                   .arg(count)
                                   .arg(kMessageSize));
}

}  // namespace vantrel
