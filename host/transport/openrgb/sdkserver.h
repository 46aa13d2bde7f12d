// SPDX-License-Identifier: MIT
#pragma once

// An OpenRGB SDK server with one controller, for the clients that want to drive KeyLight:
// each client is met at its own protocol version, asked packet by packet, and dropped on
// its own, with one sentence, when it breaks the protocol, claims sizes it does not send
// or leaves a packet half sent. Only whole, valid packets reach the device behind it.

#include "host/transport/openrgb/sdkaddress.h"
#include "host/transport/openrgb/sdkcontroller.h"

#include <QObject>
#include <QStringList>
#include <QTcpServer>

#include <memory>
#include <vector>

class QTcpSocket;

class SdkServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxClients = 16;

    // What the clients see and change, supplied by the host.
    class Device
    {
    public:
        virtual ~Device() = default;
        // The controller as it is now: its modes, LEDs and the colours they show.
        virtual SdkController controller() const = 0;
        virtual QStringList profileNames() const = 0;
        // A mode of the controller's list, with the client's settings; `save` keeps it.
        virtual void setMode(int modeIndex, const SdkMode& mode, bool save) = 0;
        // New colours for the LEDs from `firstLed` on.
        virtual void setColours(int firstLed, const QVector<QRgb>& colours) = 0;
        virtual void setCustomMode() = 0;
        virtual void loadProfile(const QString& name) = 0;
        virtual void saveProfile(const QString& name) = 0;
    };

    explicit SdkServer(Device& device, QObject* parent = nullptr);
    ~SdkServer() override;

    // Starts serving; false with *error set to one sentence when the address cannot be used.
    bool listen(const SdkAddress& address, QString* error);
    void close();
    bool isListening() const { return m_server.isListening(); }
    SdkAddress address() const { return m_address; }

    int clientCount() const { return int(m_clients.size()); }
    // The names clients gave themselves, or their address where they gave none.
    QStringList clientNames() const;
    // Tells every client to read the controller again.
    void announceListUpdate();

signals:
    void clientsChanged();
    // A client was refused or dropped; `sentence` says which and why.
    void clientProblem(const QString& sentence);

private:
    struct Client;

    void onNewConnection();
    void onReadyRead(Client& client);
    void handle(Client& client, const struct SdkPacket& packet);
    void reply(Client& client, quint32 deviceIndex, quint32 id, const QByteArray& payload);
    void drop(Client& client, const QString& why);
    void forget(Client& client);
    Client* find(QTcpSocket* socket);
    QString describe(const Client& client) const;

    Device& m_device;
    QTcpServer m_server;
    SdkAddress m_address;
    std::vector<std::unique_ptr<Client>> m_clients;
};
