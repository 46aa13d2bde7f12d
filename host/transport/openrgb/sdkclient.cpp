// SPDX-License-Identifier: MIT
#include "host/transport/openrgb/sdkclient.h"

#include "host/transport/openrgb/sdkmessages.h"

#include <QTcpSocket>

#include <algorithm>

namespace {
// What may wait in the socket before updates are refused: a server that stops reading
// must not make the client buffer without end. Many whole frames of a large keyboard.
constexpr qint64 kMaxUnsentBytes = 256 * 1024;
constexpr int kMsPerSecond = 1000;

QString seconds(int ms)
{
    return QString::number(ms / double(kMsPerSecond), 'g', 2);
}
} // namespace

SdkClient::SdkClient(QObject* parent)
    : QObject(parent)
{
    m_connectTimer.setSingleShot(true);
    m_answerTimer.setSingleShot(true);
    m_retryTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        fail(tr("The OpenRGB server at %1 did not accept the connection within %2 s.")
                 .arg(serverText(), seconds(m_timing.connectMs)));
    });
    connect(&m_answerTimer, &QTimer::timeout, this, &SdkClient::onAnswerTimeout);
    connect(&m_retryTimer, &QTimer::timeout, this, &SdkClient::startAttempt);
}

SdkClient::~SdkClient()
{
    dropSocket();
}

void SdkClient::dropSocket()
{
    if (!m_socket)
        return;
    // No signal of a dying socket may reach the client, half destroyed or trying anew.
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

QString SdkClient::serverText() const
{
    return QStringLiteral("%1:%2").arg(m_host).arg(m_port);
}

int SdkClient::retryInMs() const
{
    return m_state == State::Waiting ? std::max(0, m_retryTimer.remainingTime()) : 0;
}

void SdkClient::connectToServer(const QString& host, quint16 port)
{
    disconnectFromServer();
    m_host = host;
    m_port = port;
    m_nextRetryMs = m_timing.firstRetryMs;
    m_lastError.clear();
    startAttempt();
}

void SdkClient::disconnectFromServer()
{
    m_connectTimer.stop();
    m_answerTimer.stop();
    m_retryTimer.stop();
    dropSocket();
    m_controllers.clear();
    m_reading.clear();
    m_awaited.reset();
    setState(State::NotConfigured);
    emit controllersChanged();
}

void SdkClient::startAttempt()
{
    dropSocket();
    m_splitter.clear();
    m_awaited.reset();
    m_rereadRequested = false;
    m_version = 0;
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &SdkClient::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &SdkClient::onReadyRead);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &SdkClient::onSocketError);
    setState(State::Connecting);
    m_connectTimer.start(m_timing.connectMs);
    m_socket->connectToHost(m_host, m_port);
}

void SdkClient::onConnected()
{
    m_connectTimer.stop();
    setState(State::Enumerating);
    send(Sdk::PacketId::RequestProtocolVersion, 0, SdkMessages::u32(Sdk::kOurVersion));
    awaitAnswer(Sdk::PacketId::RequestProtocolVersion, m_timing.versionMs);
}

void SdkClient::onSocketError()
{
    if (!m_socket)
        return;
    const bool closed = m_socket->error() == QAbstractSocket::RemoteHostClosedError;
    if (closed && m_splitter.midPacket())
        fail(tr("The OpenRGB server at %1 closed the connection in the middle of a packet.")
                 .arg(serverText()));
    else if (closed)
        fail(tr("The OpenRGB server at %1 closed the connection.").arg(serverText()));
    else
        fail(tr("Cannot reach the OpenRGB server at %1: %2.")
                 .arg(serverText(), m_socket->errorString()));
}

void SdkClient::onReadyRead()
{
    m_splitter.feed(m_socket->readAll());
    while (m_socket) {
        const std::optional<SdkPacket> packet = m_splitter.next();
        if (!packet)
            break;
        handle(*packet);
    }
    if (m_socket && m_splitter.failed())
        fail(tr("The OpenRGB server at %1 sent data that is not the SDK protocol: %2")
                 .arg(serverText(), m_splitter.error()));
}

void SdkClient::onAnswerTimeout()
{
    if (m_awaited == Sdk::PacketId::RequestProtocolVersion) {
        // The oldest servers do not know the request and stay silent: they speak version 0.
        acceptVersion(0);
        return;
    }
    fail(tr("The OpenRGB server at %1 did not answer within %2 s.")
             .arg(serverText(), seconds(m_timing.answerMs)));
}

void SdkClient::awaitAnswer(Sdk::PacketId id, int timeoutMs)
{
    m_awaited = id;
    m_answerTimer.start(timeoutMs);
}

void SdkClient::handle(const SdkPacket& packet)
{
    if (packet.id == Sdk::PacketId::DeviceListUpdated) {
        // Read again; while a reading runs, once its current answer is in.
        if (m_state == State::Connected)
            requestCount();
        else
            m_rereadRequested = true;
        return;
    }
    // Anything not awaited (an answer that came after its time, a packet of a newer
    // protocol) changes nothing.
    if (!m_awaited || packet.id != *m_awaited)
        return;
    m_answerTimer.stop();
    m_awaited.reset();
    SdkReader in(packet.payload);
    switch (packet.id) {
    case Sdk::PacketId::RequestProtocolVersion:
        acceptVersion(in.u32("protocol version"));
        break;
    case Sdk::PacketId::RequestControllerCount: {
        const quint32 count = in.u32("controller count");
        if (!in.ok() || count > quint32(Sdk::kMaxControllers)) {
            fail(tr("The OpenRGB server at %1 sent an impossible controller count (%2).")
                     .arg(serverText(), in.ok() ? QString::number(count) : in.error()));
            return;
        }
        m_expectedCount = int(count);
        m_reading.clear();
        requestNextController();
        break;
    }
    case Sdk::PacketId::RequestControllerData: {
        if (packet.deviceIndex != quint32(m_reading.size())) {
            fail(tr("The OpenRGB server at %1 answered for controller %2 when asked for %3.")
                     .arg(serverText())
                     .arg(packet.deviceIndex)
                     .arg(m_reading.size()));
            return;
        }
        SdkControllerData::Parsed parsed = SdkControllerData::parse(packet.payload, m_version);
        if (!parsed.error.isEmpty()) {
            fail(tr("The OpenRGB server at %1 sent broken data for controller %2: %3")
                     .arg(serverText())
                     .arg(packet.deviceIndex)
                     .arg(parsed.error));
            return;
        }
        m_reading << std::move(parsed.controller);
        requestNextController();
        break;
    }
    default:
        break;
    }
}

void SdkClient::acceptVersion(quint32 serverVersion)
{
    m_version = std::min(serverVersion, Sdk::kOurVersion);
    SdkWriter name;
    name.bytes(m_clientName.toUtf8());
    name.bytes(QByteArray(1, '\0'));
    send(Sdk::PacketId::SetClientName, 0, name.data());
    requestCount();
}

void SdkClient::requestCount()
{
    m_rereadRequested = false;
    if (m_state == State::Connected)
        setState(State::Enumerating);
    send(Sdk::PacketId::RequestControllerCount, 0, {});
    awaitAnswer(Sdk::PacketId::RequestControllerCount, m_timing.answerMs);
}

void SdkClient::requestNextController()
{
    if (m_rereadRequested) {
        requestCount();
        return;
    }
    if (m_reading.size() < m_expectedCount) {
        const QByteArray payload =
            m_version >= Sdk::kVendorSince ? SdkMessages::u32(m_version) : QByteArray();
        send(Sdk::PacketId::RequestControllerData, quint32(m_reading.size()), payload);
        awaitAnswer(Sdk::PacketId::RequestControllerData, m_timing.answerMs);
        return;
    }
    m_controllers = m_reading;
    m_reading.clear();
    m_lastError.clear();
    m_nextRetryMs = m_timing.firstRetryMs;
    setState(State::Connected);
    emit controllersChanged();
}

void SdkClient::fail(const QString& sentence)
{
    m_connectTimer.stop();
    m_answerTimer.stop();
    m_awaited.reset();
    dropSocket();
    m_lastError = sentence;
    const int delay = m_nextRetryMs > 0 ? m_nextRetryMs : m_timing.firstRetryMs;
    m_nextRetryMs = std::min(delay * 2, m_timing.longestRetryMs);
    m_retryTimer.start(delay);
    setState(State::Waiting);
    emit problem(sentence);
}

void SdkClient::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

bool SdkClient::send(Sdk::PacketId id, quint32 deviceIndex, const QByteArray& payload)
{
    if (!m_socket)
        return false;
    SdkPacket packet;
    packet.deviceIndex = deviceIndex;
    packet.id = id;
    packet.payload = payload;
    m_socket->write(packet.toBytes());
    // Out now rather than on the next turn of the event loop: a frame is due at once.
    m_socket->flush();
    ++m_packetsSent;
    return true;
}

bool SdkClient::canUpdate(int controller) const
{
    return m_state == State::Connected && m_socket && controller >= 0
        && controller < m_controllers.size() && m_socket->bytesToWrite() < kMaxUnsentBytes;
}

bool SdkClient::updateLeds(int controller, const QVector<QRgb>& colours)
{
    return canUpdate(controller)
        && send(Sdk::PacketId::UpdateLeds, quint32(controller), SdkMessages::updateLeds(colours));
}

bool SdkClient::updateZoneLeds(int controller, int zone, const QVector<QRgb>& colours)
{
    return canUpdate(controller)
        && send(Sdk::PacketId::UpdateZoneLeds, quint32(controller),
                SdkMessages::updateZoneLeds(quint32(zone), colours));
}

bool SdkClient::updateSingleLed(int controller, int led, QRgb colour)
{
    return canUpdate(controller)
        && send(Sdk::PacketId::UpdateSingleLed, quint32(controller),
                SdkMessages::updateSingleLed(led, colour));
}

bool SdkClient::setCustomMode(int controller)
{
    return canUpdate(controller) && send(Sdk::PacketId::SetCustomMode, quint32(controller), {});
}

bool SdkClient::updateMode(int controller, int modeIndex, const SdkMode& mode)
{
    return canUpdate(controller)
        && send(Sdk::PacketId::UpdateMode, quint32(controller),
                SdkMessages::updateMode(modeIndex, mode, m_version));
}
