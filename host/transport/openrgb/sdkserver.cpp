// SPDX-License-Identifier: MIT
#include "host/transport/openrgb/sdkserver.h"

#include "host/transport/openrgb/sdkmessages.h"
#include "host/transport/openrgb/sdkwire.h"

#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace {
// A client name longer than this is cut: it is only shown.
constexpr int kMaxNameBytes = 256;
// A packet begun and not finished within this time is a client that stopped half-way.
constexpr int kPacketCompletionMs = 10000;
// Answers a client does not read are not kept beyond this; the client is dropped.
constexpr qint64 kMaxUnreadBytes = 1024 * 1024;
// The one controller every client sees.
constexpr quint32 kControllerIndex = 0;
} // namespace

struct SdkServer::Client
{
    QTcpSocket* socket = nullptr;
    SdkPacketSplitter splitter;
    quint32 version = 0; // until the client says which it speaks
    QString name;
    // Runs while a packet is incomplete. A child of the socket, so that it goes with it,
    // later, even when it is the timer that dropped the client.
    QTimer* unfinished = nullptr;
};

SdkServer::SdkServer(Device& device, QObject* parent)
    : QObject(parent)
    , m_device(device)
{
    connect(&m_server, &QTcpServer::newConnection, this, &SdkServer::onNewConnection);
}

SdkServer::~SdkServer()
{
    close();
}

bool SdkServer::listen(const SdkAddress& address, QString* error)
{
    close();
    QHostAddress host;
    if (!host.setAddress(address.host)) {
        if (address.host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0) {
            if (error)
                *error = tr("Cannot serve OpenRGB clients on %1: the host must be an IP "
                            "address of this computer.")
                             .arg(address.toString());
            return false;
        }
        host = QHostAddress::LocalHost;
    }
    if (!m_server.listen(host, address.port)) {
        if (error)
            *error = m_server.serverError() == QAbstractSocket::AddressInUseError
                ? tr("Cannot serve OpenRGB clients on %1: another program uses the port.")
                      .arg(address.toString())
                : tr("Cannot serve OpenRGB clients on %1: %2.")
                      .arg(address.toString(), m_server.errorString());
        return false;
    }
    m_address = address;
    m_address.port = m_server.serverPort();
    return true;
}

void SdkServer::close()
{
    m_server.close();
    while (!m_clients.empty())
        forget(*m_clients.back());
}

QStringList SdkServer::clientNames() const
{
    QStringList names;
    for (const auto& client : m_clients)
        names << describe(*client);
    return names;
}

QString SdkServer::describe(const Client& client) const
{
    const QString peer = QStringLiteral("%1:%2")
                             .arg(client.socket->peerAddress().toString())
                             .arg(client.socket->peerPort());
    return client.name.isEmpty() ? peer : QStringLiteral("%1 (%2)").arg(client.name, peer);
}

void SdkServer::announceListUpdate()
{
    for (const auto& client : m_clients)
        reply(*client, 0, quint32(Sdk::PacketId::DeviceListUpdated), {});
}

void SdkServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (int(m_clients.size()) >= kMaxClients) {
            // The protocol has no word for "busy": the connection closes at once, and the
            // user hears why.
            emit clientProblem(tr("An OpenRGB client from %1 was turned away: %2 clients "
                                  "are connected already.")
                                   .arg(socket->peerAddress().toString())
                                   .arg(kMaxClients));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto client = std::make_unique<Client>();
        client->socket = socket;
        client->unfinished = new QTimer(socket);
        client->unfinished->setSingleShot(true);
        Client* raw = client.get();
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { onReadyRead(*raw); });
        connect(socket, &QTcpSocket::disconnected, this, [this, raw] {
            if (raw->splitter.midPacket())
                drop(*raw, tr("it left a packet half sent"));
            else
                forget(*raw);
        });
        connect(client->unfinished, &QTimer::timeout, this, [this, raw] {
            drop(*raw, tr("it left a packet unfinished for %1 s")
                           .arg(kPacketCompletionMs / 1000));
        });
        m_clients.push_back(std::move(client));
        emit clientsChanged();
    }
}

SdkServer::Client* SdkServer::find(QTcpSocket* socket)
{
    for (const auto& client : m_clients) {
        if (client->socket == socket)
            return client.get();
    }
    return nullptr;
}

void SdkServer::onReadyRead(Client& client)
{
    QTcpSocket* socket = client.socket;
    client.splitter.feed(socket->readAll());
    // Every packet is handled before the next is read, and a drop ends the loop.
    while (find(socket)) {
        const std::optional<SdkPacket> packet = client.splitter.next();
        if (!packet)
            break;
        handle(client, *packet);
    }
    if (!find(socket))
        return;
    if (client.splitter.failed()) {
        drop(client, client.splitter.error());
        return;
    }
    if (client.splitter.midPacket() && !client.unfinished->isActive())
        client.unfinished->start(kPacketCompletionMs);
    else if (!client.splitter.midPacket())
        client.unfinished->stop();
}

void SdkServer::handle(Client& client, const SdkPacket& packet)
{
    using Id = Sdk::PacketId;
    const auto refuse = [&](const QString& error) {
        drop(client, tr("packet %1 was broken: %2").arg(quint32(packet.id)).arg(error));
    };
    // Requests for controllers we do not have change nothing; answering them with nothing
    // is what a server does whose list shrank under the client.
    const bool ours = packet.deviceIndex == kControllerIndex;
    switch (packet.id) {
    case Id::RequestProtocolVersion: {
        SdkReader in(packet.payload);
        const quint32 theirs = in.u32("protocol version");
        if (!in.ok())
            return refuse(in.error());
        client.version = std::min(theirs, Sdk::kOurVersion);
        reply(client, 0, quint32(packet.id), SdkMessages::u32(Sdk::kOurVersion));
        return;
    }
    case Id::SetClientName:
        client.name = SdkMessages::readName(packet.payload, kMaxNameBytes);
        emit clientsChanged();
        return;
    case Id::RequestControllerCount:
        reply(client, 0, quint32(packet.id), SdkMessages::u32(1));
        return;
    case Id::RequestControllerData: {
        quint32 version = 0;
        if (packet.payload.size() >= 4) {
            SdkReader in(packet.payload);
            version = std::min(in.u32("protocol version"), Sdk::kOurVersion);
        }
        if (ours)
            reply(client, packet.deviceIndex, quint32(packet.id),
                  SdkControllerData::serialize(m_device.controller(), version));
        return;
    }
    case Id::RequestProfileList:
        reply(client, 0, quint32(packet.id), SdkMessages::profileList(m_device.profileNames()));
        return;
    case Id::LoadProfile:
        m_device.loadProfile(SdkMessages::readName(packet.payload, kMaxNameBytes));
        return;
    case Id::SaveProfile:
        m_device.saveProfile(SdkMessages::readName(packet.payload, kMaxNameBytes));
        return;
    case Id::UpdateLeds: {
        const SdkMessages::LedUpdate update = SdkMessages::readUpdateLeds(packet.payload);
        if (!update.error.isEmpty())
            return refuse(update.error);
        if (ours)
            m_device.setColours(0, update.colours);
        return;
    }
    case Id::UpdateZoneLeds: {
        const SdkMessages::LedUpdate update = SdkMessages::readUpdateZoneLeds(packet.payload);
        if (!update.error.isEmpty())
            return refuse(update.error);
        if (!ours)
            return;
        const SdkController controller = m_device.controller();
        if (update.zone < quint32(controller.zones.size()))
            m_device.setColours(controller.zoneStart(int(update.zone)),
                                update.colours.mid(0, int(controller.zones[int(update.zone)].ledsCount)));
        return;
    }
    case Id::UpdateSingleLed: {
        const SdkMessages::SingleLedUpdate update = SdkMessages::readUpdateSingleLed(packet.payload);
        if (!update.error.isEmpty())
            return refuse(update.error);
        if (ours && update.led >= 0)
            m_device.setColours(update.led, {update.colour});
        return;
    }
    case Id::SetCustomMode:
        if (ours)
            m_device.setCustomMode();
        return;
    case Id::UpdateMode:
    case Id::SaveMode: {
        const SdkMessages::ModeUpdate update =
            SdkMessages::readUpdateMode(packet.payload, client.version);
        if (!update.error.isEmpty())
            return refuse(update.error);
        if (ours)
            m_device.setMode(update.modeIndex, update.mode, packet.id == Id::SaveMode);
        return;
    }
    default:
        // Packets of newer protocols, or for devices we do not have: nothing to do.
        return;
    }
}

void SdkServer::reply(Client& client, quint32 deviceIndex, quint32 id, const QByteArray& payload)
{
    if (client.socket->bytesToWrite() > kMaxUnreadBytes) {
        drop(client, tr("it does not read its answers"));
        return;
    }
    SdkPacket packet;
    packet.deviceIndex = deviceIndex;
    packet.id = static_cast<Sdk::PacketId>(id);
    packet.payload = payload;
    client.socket->write(packet.toBytes());
}

void SdkServer::drop(Client& client, const QString& why)
{
    emit clientProblem(tr("The OpenRGB client %1 was disconnected: %2.")
                           .arg(describe(client), why));
    forget(client);
}

void SdkServer::forget(Client& client)
{
    QTcpSocket* socket = client.socket;
    client.unfinished->stop();
    client.unfinished->disconnect(this);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    m_clients.erase(std::remove_if(m_clients.begin(), m_clients.end(),
                                   [socket](const auto& c) { return c->socket == socket; }),
                    m_clients.end());
    emit clientsChanged();
}
