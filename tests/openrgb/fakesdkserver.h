// SPDX-License-Identifier: MIT
#pragma once

// A small OpenRGB SDK server for the tests, written from the protocol's documentation: it
// serves its controllers in the layout of the protocol version it speaks, records every
// packet it is sent, applies the LED and mode updates to its controllers, and misbehaves
// on request as a hostile or broken server would.

#include "host/transport/openrgb/sdkcontroller.h"
#include "host/transport/openrgb/sdkwire.h"

#include <QTcpServer>
#include <QVector>

class QTcpSocket;

class FakeSdkServer : public QObject
{
    Q_OBJECT
public:
    enum class Fault {
        None,
        WrongMagic,         // every answer starts with "XRGB"
        HugeSize,           // an answer claims a payload far over any sane size
        TruncatedData,      // controller data ends before its last field
        InconsistentData,   // zone LED counts that do not add up to the LEDs
        CountPastData,      // an LED count that runs past the data
        ImpossibleCount,    // a controller count of four billion
        NeverAnswer,        // accepts and stays silent
        DropMidPacket,      // sends half an answer and closes
    };

    explicit FakeSdkServer(quint32 version = 4, QObject* parent = nullptr);
    ~FakeSdkServer() override { stop(); }

    // On 127.0.0.1; port 0 picks a free one, a given one serves again after a stop.
    bool start(quint16 port = 0);
    void stop();
    quint16 port() const { return m_port; }

    void setFault(Fault fault) { m_fault = fault; }
    void setControllers(const QVector<SdkController>& controllers);
    const QVector<SdkController>& controllers() const { return m_controllers; }
    // Tells every client that the device list changed.
    void announceListUpdate();

    struct Received
    {
        quint32 deviceIndex;
        Sdk::PacketId id;
        QByteArray payload;
    };
    const QVector<Received>& received() const { return m_received; }
    int count(Sdk::PacketId id) const;
    void clearReceived() { m_received.clear(); }
    QString clientName() const { return m_clientName; }
    int clientCount() const;

signals:
    void packetReceived(Sdk::PacketId id);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const SdkPacket& packet);
    void reply(QTcpSocket* socket, quint32 deviceIndex, Sdk::PacketId id, QByteArray payload);
    QByteArray controllerData(int index, quint32 version) const;
    void apply(const SdkPacket& packet);

    QTcpServer m_server;
    quint16 m_port = 0;
    quint32 m_version;
    Fault m_fault = Fault::None;
    QVector<SdkController> m_controllers;
    QVector<Received> m_received;
    QString m_clientName;
    QHash<QTcpSocket*, SdkPacketSplitter> m_splitters;
};

namespace FakeDevices {
// A full-size keyboard of the key table's LEDs, one key left out (`missingLed`, by our
// LED index; -1 keeps all), a logo LED the table has no key for, and a matrix map.
SdkController keyboard(const QString& name = QStringLiteral("Test Keyboard"),
                       int missingLed = -1);
// A mouse, to be passed over when the first keyboard is looked for.
SdkController mouse();
}
