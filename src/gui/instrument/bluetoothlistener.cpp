#include "instrument/bluetoothlistener.h"

#include <QBluetoothHostInfo>
#include <QBluetoothLocalDevice>
#include <QBluetoothServer>
#include <QBluetoothSocket>
#include <QBluetoothUuid>

namespace vantrel {

namespace {

const char* const kServiceName = "Vantrel instrument link";

QVariant sequence(std::initializer_list<QVariant> items)
{
    return QVariant::fromValue(QBluetoothServiceInfo::Sequence(QList<QVariant>(items)));
}

QVariant uuid(QBluetoothUuid::ServiceClassUuid id)
{
    return QVariant::fromValue(QBluetoothUuid(id));
}

QVariant uuid(QBluetoothUuid::ProtocolUuid id)
{
    return QVariant::fromValue(QBluetoothUuid(id));
}

}  // namespace

BluetoothListener::BluetoothListener(QObject* parent) : InstrumentListener(parent) {}

BluetoothListener::~BluetoothListener()
{
    stop();
}

bool BluetoothListener::adapterAvailable()
{
    const QList<QBluetoothHostInfo> adapters = QBluetoothLocalDevice::allDevices();
    if (adapters.isEmpty())
        return false;
    QBluetoothLocalDevice local(adapters.first().address());
    return local.isValid();
}

QString BluetoothListener::start()
{
    stop();
    const QList<QBluetoothHostInfo> adapters = QBluetoothLocalDevice::allDevices();
    if (adapters.isEmpty())
        return QString::fromLatin1(kNoAdapter);
    const QBluetoothAddress adapter = adapters.first().address();
    {
        QBluetoothLocalDevice local(adapter);
        if (!local.isValid())
            return QString::fromLatin1(kNoAdapter);
        if (local.hostMode() == QBluetoothLocalDevice::HostPoweredOff)
            return QStringLiteral("The Bluetooth adapter is switched off. Switch it on and try again.");
    }

    m_server = new QBluetoothServer(QBluetoothServiceInfo::RfcommProtocol, this);
    m_server->setMaxPendingConnections(1);
    connect(m_server, &QBluetoothServer::newConnection, this, &BluetoothListener::takeConnection);
    connect(m_server, &QBluetoothServer::errorOccurred, this, [this](QBluetoothServer::Error) {
        stop();
        Q_EMIT failed(QStringLiteral("The Bluetooth link broke down while waiting for the instrument."));
    });
    if (!m_server->listen(adapter)) {
        stop();
        return QStringLiteral("The Bluetooth server could not be started.");
    }

    // A serial-port profile service on the server's channel.
    m_service.setAttribute(QBluetoothServiceInfo::BluetoothProfileDescriptorList,
                           sequence({sequence({uuid(QBluetoothUuid::ServiceClassUuid::SerialPort),
                                               QVariant::fromValue(quint16(0x100))})}));
    m_service.setAttribute(QBluetoothServiceInfo::ServiceClassIds,
                           sequence({uuid(QBluetoothUuid::ServiceClassUuid::SerialPort)}));
    m_service.setServiceUuid(QBluetoothUuid(QBluetoothUuid::ServiceClassUuid::SerialPort));
    m_service.setAttribute(QBluetoothServiceInfo::ServiceName, QString::fromLatin1(kServiceName));
    m_service.setAttribute(QBluetoothServiceInfo::BrowseGroupList,
                           sequence({uuid(QBluetoothUuid::ServiceClassUuid::PublicBrowseGroup)}));
    m_service.setAttribute(QBluetoothServiceInfo::ProtocolDescriptorList,
                           sequence({sequence({uuid(QBluetoothUuid::ProtocolUuid::L2cap)}),
                                     sequence({uuid(QBluetoothUuid::ProtocolUuid::Rfcomm),
                                               QVariant::fromValue(quint8(m_server->serverPort()))})}));
    if (!m_service.registerService(adapter)) {
        stop();
        return QStringLiteral("The serial-port service could not be registered with Bluetooth.");
    }
    return {};
}

void BluetoothListener::stop()
{
    if (m_service.isRegistered())
        m_service.unregisterService();
    m_service = QBluetoothServiceInfo();
    if (m_server) {
        m_server->disconnect(this);
        m_server->close();
        // This may run inside the server's own signal. Connections nobody
        // took go with the server.
        m_server->deleteLater();
        m_server = nullptr;
    }
}

void BluetoothListener::takeConnection()
{
    if (!m_server)
        return;
    QBluetoothSocket* socket = m_server->nextPendingConnection();
    if (!socket)
        return;
    // One instrument at a time: the server stops taking connections.
    socket->setParent(nullptr);
    stop();
    connect(socket, &QBluetoothSocket::disconnected, this, [this, socket] { Q_EMIT connectionLost(socket); });
    connect(socket, &QBluetoothSocket::errorOccurred, this,
            [this, socket] { Q_EMIT connectionLost(socket); });
    Q_EMIT connected(socket);
}

}  // namespace vantrel
