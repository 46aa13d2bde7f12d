// SPDX-License-Identifier: MIT
#pragma once

// A client of an OpenRGB SDK server on a TCP socket, driven by the event loop so that the
// window never waits for it. It meets the server at the lower of both protocol versions,
// names itself, reads every controller, reads them again whenever the server says its
// device list changed, and after any failure (an error of the socket, an answer that
// never comes, data that does not hold together) tries again later, ever more patiently.

#include "host/transport/openrgb/sdkcontroller.h"
#include "host/transport/openrgb/sdkwire.h"

#include <QObject>
#include <QTimer>
#include <QVector>

class QTcpSocket;

class SdkClient : public QObject
{
    Q_OBJECT
public:
    enum class State {
        NotConfigured, // no server given, or disconnected on request
        Connecting,    // waiting for the server to accept
        Enumerating,   // connected, reading the protocol version and the controllers
        Connected,     // controllers read; updates go out
        Waiting,       // failed; the next attempt is scheduled
    };

    // How long the client waits, in milliseconds. Tests shorten them; the defaults are
    // what a person at the window expects.
    struct Timing
    {
        int connectMs = 3000;    // for the server to accept
        int answerMs = 3000;     // for any answer the client waits on
        int versionMs = 1000;    // servers of protocol 0 never answer the version request
        int firstRetryMs = 500;  // after the first failure, doubling after each one
        int longestRetryMs = 10000;
    };

    explicit SdkClient(QObject* parent = nullptr);
    ~SdkClient() override;

    void setTiming(const Timing& timing) { m_timing = timing; }
    void setClientName(const QString& name) { m_clientName = name; }

    // Connects now, and keeps connecting after every failure until disconnected.
    void connectToServer(const QString& host, quint16 port);
    void disconnectFromServer();

    State state() const { return m_state; }
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    // "host:port", as the user gave it.
    QString serverText() const;
    // The version both ends speak; meaningful from Enumerating on.
    quint32 protocolVersion() const { return m_version; }
    // What the server offered at the last complete reading.
    const QVector<SdkController>& controllers() const { return m_controllers; }
    // The last failure in one sentence; empty after a complete reading.
    QString lastError() const { return m_lastError; }
    // Until the next attempt while Waiting, else 0.
    int retryInMs() const;

    // Requests that change a controller. They return false, and send nothing, unless the
    // client is Connected, the index is one of the controllers and the server keeps up
    // with what was sent before.
    bool updateLeds(int controller, const QVector<QRgb>& colours);
    bool updateZoneLeds(int controller, int zone, const QVector<QRgb>& colours);
    bool updateSingleLed(int controller, int led, QRgb colour);
    bool setCustomMode(int controller);
    bool updateMode(int controller, int modeIndex, const SdkMode& mode);

    qint64 packetsSent() const { return m_packetsSent; }

signals:
    void stateChanged(SdkClient::State state);
    // A complete reading of the controllers, after every connection and list update.
    void controllersChanged();
    // Something failed; `sentence` says what, and a retry is scheduled.
    void problem(const QString& sentence);

private:
    void startAttempt();
    void dropSocket();
    void onConnected();
    void onReadyRead();
    void onSocketError();
    void onAnswerTimeout();
    void handle(const SdkPacket& packet);
    void acceptVersion(quint32 serverVersion);
    void requestCount();
    void requestNextController();
    void fail(const QString& sentence);
    void setState(State state);
    bool send(Sdk::PacketId id, quint32 deviceIndex, const QByteArray& payload);
    bool canUpdate(int controller) const;
    void awaitAnswer(Sdk::PacketId id, int timeoutMs);

    QTcpSocket* m_socket = nullptr;
    Timing m_timing;
    QString m_clientName = QString::fromLatin1(Sdk::kClientName);
    QString m_host;
    quint16 m_port = Sdk::kDefaultPort;
    State m_state = State::NotConfigured;
    quint32 m_version = 0;
    SdkPacketSplitter m_splitter;

    // The answer awaited while enumerating, and what has been read so far.
    std::optional<Sdk::PacketId> m_awaited;
    bool m_rereadRequested = false;
    int m_expectedCount = 0;
    QVector<SdkController> m_reading;
    QVector<SdkController> m_controllers;

    QTimer m_connectTimer;
    QTimer m_answerTimer;
    QTimer m_retryTimer;
    int m_nextRetryMs = 0;
    QString m_lastError;
    qint64 m_packetsSent = 0;
};
