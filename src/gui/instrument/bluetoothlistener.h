#pragma once

#include "instrument/instrumentlistener.h"

#include <QBluetoothServiceInfo>
#include <QPointer>

class QBluetoothServer;

namespace vantrel {

/// Listens for instruments over Bluetooth: an RFCOMM server on the first
/// local adapter with a serial-port service registered, so that an
/// instrument searching for a serial port finds the program.
class BluetoothListener : public InstrumentListener {
    Q_OBJECT
public:
    static constexpr const char* kNoAdapter = "No Bluetooth adapter is available.";

    explicit BluetoothListener(QObject* parent = nullptr);
    ~BluetoothListener() override;

    QString start() override;
    void stop() override;

    /// True when the machine has a Bluetooth adapter that the program can
    /// use. Never blocks for long: without a Bluetooth service (or without
    /// the system bus) it answers false at once.
    static bool adapterAvailable();

private:
    void takeConnection();

    QPointer<QBluetoothServer> m_server;
    QBluetoothServiceInfo m_service;
};

}  // namespace vantrel
