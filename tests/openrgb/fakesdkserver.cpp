// SPDX-License-Identifier: MIT
#include "fakesdkserver.h"

#include "host/transport/openrgb/sdkmessages.h"
#include "keylight/keytable.h"
#include "keylight/vantor_types.h"

#include <QTcpSocket>

#include <algorithm>

namespace {
constexpr quint32 kAbsurdSize = 0x7FFFFFF0u;
constexpr quint32 kAbsurdCount = 0xFFFFFFF0u;
constexpr int kMatrixColumns = kLedCount / kLedMatrixRows;

QByteArray header(const char* magic, quint32 deviceIndex, Sdk::PacketId id, quint32 size)
{
    SdkWriter out;
    out.bytes(QByteArray(magic, 4));
    out.u32(deviceIndex);
    out.u32(quint32(id));
    out.u32(size);
    return out.data();
}
} // namespace

FakeSdkServer::FakeSdkServer(quint32 version, QObject* parent)
    : QObject(parent)
    , m_version(version)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FakeSdkServer::onNewConnection);
}

bool FakeSdkServer::start(quint16 port)
{
    if (!m_server.listen(QHostAddress::LocalHost, port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

void FakeSdkServer::stop()
{
    m_server.close();
    for (QTcpSocket* socket : m_splitters.keys()) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_splitters.clear();
}

void FakeSdkServer::setControllers(const QVector<SdkController>& controllers)
{
    m_controllers = controllers;
}

void FakeSdkServer::announceListUpdate()
{
    for (QTcpSocket* socket : m_splitters.keys())
        socket->write(header("ORGB", 0, Sdk::PacketId::DeviceListUpdated, 0));
}

int FakeSdkServer::count(Sdk::PacketId id) const
{
    return int(std::count_if(m_received.begin(), m_received.end(),
                             [id](const Received& packet) { return packet.id == id; }));
}

int FakeSdkServer::clientCount() const
{
    return m_splitters.size();
}

void FakeSdkServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_splitters.insert(socket, SdkPacketSplitter());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_splitters.remove(socket);
            socket->deleteLater();
        });
    }
}

void FakeSdkServer::onReadyRead(QTcpSocket* socket)
{
    if (!m_splitters.contains(socket))
        return;
    m_splitters[socket].feed(socket->readAll());
    while (m_splitters.contains(socket)) {
        const std::optional<SdkPacket> packet = m_splitters[socket].next();
        if (!packet)
            break;
        m_received.push_back({packet->deviceIndex, packet->id, packet->payload});
        apply(*packet);
        answer(socket, *packet);
        emit packetReceived(packet->id);
    }
}

void FakeSdkServer::reply(QTcpSocket* socket, quint32 deviceIndex, Sdk::PacketId id,
                          QByteArray payload)
{
    switch (m_fault) {
    case Fault::WrongMagic:
        socket->write(header("XRGB", deviceIndex, id, quint32(payload.size())) + payload);
        return;
    case Fault::HugeSize:
        socket->write(header("ORGB", deviceIndex, id, kAbsurdSize) + payload);
        return;
    case Fault::DropMidPacket: {
        const QByteArray whole = header("ORGB", deviceIndex, id, quint32(payload.size())) + payload;
        socket->write(whole.left(whole.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    }
    default:
        socket->write(header("ORGB", deviceIndex, id, quint32(payload.size())) + payload);
    }
}

void FakeSdkServer::answer(QTcpSocket* socket, const SdkPacket& packet)
{
    if (m_fault == Fault::NeverAnswer)
        return;
    SdkReader in(packet.payload);
    switch (packet.id) {
    case Sdk::PacketId::RequestProtocolVersion:
        // A server of the first protocol does not know this request.
        if (m_version > 0)
            reply(socket, 0, packet.id, SdkMessages::u32(m_version));
        break;
    case Sdk::PacketId::SetClientName:
        m_clientName = QString::fromUtf8(packet.payload.constData(),
                                         int(qstrnlen(packet.payload.constData(),
                                                      uint(packet.payload.size()))));
        break;
    case Sdk::PacketId::RequestControllerCount:
        reply(socket, 0, packet.id,
              SdkMessages::u32(m_fault == Fault::ImpossibleCount ? kAbsurdCount
                                                                 : quint32(m_controllers.size())));
        break;
    case Sdk::PacketId::RequestControllerData: {
        const quint32 asked = packet.payload.size() >= 4 ? in.u32("version") : 0;
        if (packet.deviceIndex < quint32(m_controllers.size()))
            reply(socket, packet.deviceIndex, packet.id,
                  controllerData(int(packet.deviceIndex), std::min(asked, m_version)));
        break;
    }
    default:
        break;
    }
}

QByteArray FakeSdkServer::controllerData(int index, quint32 version) const
{
    SdkController controller = m_controllers[index];
    switch (m_fault) {
    case Fault::TruncatedData:
        return SdkControllerData::serialize(controller, version).chopped(3);
    case Fault::InconsistentData:
        controller.zones.last().ledsCount += 1;
        return SdkControllerData::serialize(controller, version);
    case Fault::CountPastData: {
        SdkWriter out;
        out.u32(0);
        out.i32(controller.type);
        out.string(controller.name);
        if (version >= Sdk::kVendorSince)
            out.string(controller.vendor);
        for (int i = 0; i < 4; ++i)
            out.string(QString());
        out.u16(4000); // modes that are not there
        out.i32(0);
        out.patchU32(0, quint32(out.size()));
        return out.data();
    }
    default:
        return SdkControllerData::serialize(controller, version);
    }
}

void FakeSdkServer::apply(const SdkPacket& packet)
{
    if (packet.deviceIndex >= quint32(m_controllers.size()))
        return;
    SdkController& controller = m_controllers[int(packet.deviceIndex)];
    switch (packet.id) {
    case Sdk::PacketId::UpdateLeds: {
        const SdkMessages::LedUpdate update = SdkMessages::readUpdateLeds(packet.payload);
        if (update.error.isEmpty() && update.colours.size() == controller.colors.size())
            controller.colors = update.colours;
        break;
    }
    case Sdk::PacketId::UpdateZoneLeds: {
        const SdkMessages::LedUpdate update = SdkMessages::readUpdateZoneLeds(packet.payload);
        if (update.error.isEmpty() && update.zone < quint32(controller.zones.size())
            && quint32(update.colours.size()) == controller.zones[int(update.zone)].ledsCount)
            std::copy(update.colours.begin(), update.colours.end(),
                      controller.colors.begin() + controller.zoneStart(int(update.zone)));
        break;
    }
    case Sdk::PacketId::UpdateSingleLed: {
        SdkReader in(packet.payload);
        const qint32 led = in.i32("led");
        const QRgb colour = in.colour("colour");
        if (in.ok() && led >= 0 && led < controller.colors.size())
            controller.colors[led] = colour;
        break;
    }
    case Sdk::PacketId::UpdateMode: {
        SdkReader in(packet.payload);
        in.u32("size");
        const qint32 mode = in.i32("mode index");
        if (in.ok() && mode >= 0 && mode < controller.modes.size())
            controller.activeMode = mode;
        break;
    }
    case Sdk::PacketId::SetCustomMode:
        controller.activeMode = std::max(0, controller.modeIndex(QStringLiteral("Direct")));
        break;
    default:
        break;
    }
}

SdkController FakeDevices::keyboard(const QString& name, int missingLed)
{
    SdkController controller;
    controller.type = Sdk::Keyboard;
    controller.name = name;
    controller.vendor = QStringLiteral("Test Vendor");
    controller.description = QStringLiteral("A keyboard of the tests");
    controller.version = QStringLiteral("1.0");
    controller.serial = QStringLiteral("0001");
    controller.location = QStringLiteral("HID: /dev/hidraw9");

    SdkMode direct;
    direct.name = QStringLiteral("Direct");
    direct.value = 0x10;
    direct.flags = Sdk::HasPerLedColor;
    direct.colorMode = Sdk::ColorPerLed;
    SdkMode still;
    still.name = QStringLiteral("Static");
    still.value = 0x01;
    still.flags = Sdk::HasModeSpecificColor | Sdk::HasBrightness;
    still.colorsMin = still.colorsMax = 1;
    still.colorMode = Sdk::ColorModeSpecific;
    still.brightnessMax = 100;
    still.colors = {qRgb(255, 255, 255)};
    controller.modes = {still, direct};
    controller.activeMode = 0;

    SdkZone keys;
    keys.name = QStringLiteral("Keyboard");
    keys.type = Sdk::Matrix;
    keys.matrixHeight = kLedMatrixRows;
    keys.matrixWidth = kMatrixColumns;
    keys.matrix.fill(Sdk::kNoLed, kLedCount);
    for (const KeyInfo& key : KeyTable::kKeys) {
        if (key.led == missingLed)
            continue;
        const int cell = (key.led % kLedMatrixRows) * kMatrixColumns + key.led / kLedMatrixRows;
        keys.matrix[cell] = quint32(controller.leds.size());
        controller.leds.push_back({QString::fromUtf8(key.ledName), key.led});
    }
    keys.ledsCount = keys.ledsMin = keys.ledsMax = quint32(controller.leds.size());
    SdkZone logo;
    logo.name = QStringLiteral("Logo");
    logo.type = Sdk::Single;
    logo.ledsCount = logo.ledsMin = logo.ledsMax = 1;
    controller.leds.push_back({QStringLiteral("Logo"), 0});
    controller.zones = {keys, logo};
    controller.colors.fill(qRgb(0, 0, 0), controller.leds.size());
    return controller;
}

SdkController FakeDevices::mouse()
{
    SdkController controller;
    controller.type = Sdk::Mouse;
    controller.name = QStringLiteral("Test Mouse");
    SdkMode direct;
    direct.name = QStringLiteral("Direct");
    direct.flags = Sdk::HasPerLedColor;
    direct.colorMode = Sdk::ColorPerLed;
    controller.modes = {direct};
    SdkZone body;
    body.name = QStringLiteral("Body");
    body.type = Sdk::Single;
    body.ledsCount = body.ledsMin = body.ledsMax = 1;
    controller.zones = {body};
    controller.leds = {{QStringLiteral("Logo"), 0}};
    controller.colors = {qRgb(0, 0, 0)};
    return controller;
}
