// SPDX-License-Identifier: MIT
// The SDK server with a recording device behind it: our client reads it in every protocol
// version, and every kind of hostile client is dropped alone, with a sentence, while a
// good client beside it goes on.

#include "fakesdkserver.h"
#include "quicktiming.h"

#include "host/transport/openrgb/sdkclient.h"
#include "host/transport/openrgb/sdkmessages.h"
#include "host/transport/openrgb/sdkserver.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

namespace {
class RecordingDevice : public SdkServer::Device
{
public:
    SdkController controller() const override { return keyboard; }
    QStringList profileNames() const override { return {"One", "Two"}; }
    void setMode(int modeIndex, const SdkMode& mode, bool save) override
    {
        calls << QStringLiteral("mode %1 %2%3").arg(modeIndex).arg(mode.name, save ? " saved" : "");
    }
    void setColours(int firstLed, const QVector<QRgb>& colours) override
    {
        calls << QStringLiteral("colours %1 %2").arg(firstLed).arg(colours.size());
    }
    void setCustomMode() override { calls << QStringLiteral("custom"); }
    void loadProfile(const QString& name) override { calls << QStringLiteral("load ") + name; }
    void saveProfile(const QString& name) override { calls << QStringLiteral("save ") + name; }

    SdkController keyboard = FakeDevices::keyboard();
    QStringList calls;
};

QByteArray packet(Sdk::PacketId id, const QByteArray& payload, quint32 device = 0)
{
    SdkPacket p;
    p.deviceIndex = device;
    p.id = id;
    p.payload = payload;
    return p.toBytes();
}

// This computer, on a port the system picks.
SdkAddress anyPort()
{
    return SdkAddress{SdkAddress::kDefaultHost, 0};
}

struct Rig
{
    RecordingDevice device;
    SdkServer server{device};
    SdkClient good;

    bool start()
    {
        QString error;
        if (!server.listen(anyPort(), &error))
            return false;
        good.setTiming(quickTiming());
        good.connectToServer(QStringLiteral("127.0.0.1"), server.address().port);
        return QTest::qWaitFor([&] { return good.state() == SdkClient::State::Connected; },
                               kWaitMs);
    }
};
} // namespace

class TestSdkServer : public QObject
{
    Q_OBJECT
private slots:
    void servesEveryVersion_data();
    void servesEveryVersion();
    void requestsReachTheDevice();
    void hostileClientDroppedAlone_data();
    void hostileClientDroppedAlone();
    void seventeenthClientTurnedAway();
    void listUpdateIsAnnounced();
    void portInUseIsOneSentence();
};

void TestSdkServer::servesEveryVersion_data()
{
    QTest::addColumn<quint32>("clientVersion");
    for (quint32 version = 0; version <= Sdk::kOurVersion + 1; ++version)
        QTest::addRow("client speaks %u", version) << version;
}

void TestSdkServer::servesEveryVersion()
{
    QFETCH(quint32, clientVersion);
    RecordingDevice device;
    SdkServer server(device);
    QString error;
    QVERIFY2(server.listen(anyPort(), &error), qPrintable(error));
    // A client of that version, by hand: ask the version, then the controller in it.
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), server.address().port);
    QVERIFY(socket.waitForConnected(kWaitMs));
    const quint32 agreed = std::min(clientVersion, Sdk::kOurVersion);
    if (clientVersion > 0)
        socket.write(packet(Sdk::PacketId::RequestProtocolVersion, SdkMessages::u32(clientVersion)));
    socket.write(packet(Sdk::PacketId::RequestControllerData,
                        clientVersion > 0 ? SdkMessages::u32(agreed) : QByteArray()));
    SdkPacketSplitter splitter;
    std::optional<SdkPacket> version;
    std::optional<SdkPacket> data;
    QVERIFY(QTest::qWaitFor([&] {
        splitter.feed(socket.readAll());
        while (std::optional<SdkPacket> next = splitter.next())
            (next->id == Sdk::PacketId::RequestProtocolVersion ? version : data) = next;
        return data.has_value();
    }, kWaitMs));
    // A client of protocol 0 never asks, and hears no version.
    QCOMPARE(version.has_value(), clientVersion > 0);
    if (version)
        QCOMPARE(version->payload, SdkMessages::u32(Sdk::kOurVersion));
    const SdkControllerData::Parsed read = SdkControllerData::parse(data->payload, agreed);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.controller.leds.size(), device.keyboard.leds.size());
    QCOMPARE(read.controller.name, device.keyboard.name);
}

void TestSdkServer::requestsReachTheDevice()
{
    Rig rig;
    QVERIFY(rig.start());
    const int leds = rig.device.keyboard.leds.size();
    QVERIFY(rig.good.updateLeds(0, QVector<QRgb>(leds, qRgb(1, 2, 3))));
    QVERIFY(rig.good.updateZoneLeds(0, 1, {qRgb(4, 5, 6)}));
    QVERIFY(rig.good.updateSingleLed(0, 7, qRgb(7, 8, 9)));
    QVERIFY(rig.good.setCustomMode(0));
    QVERIFY(rig.good.updateMode(0, 1, rig.device.keyboard.modes[1]));
    const QStringList expected = {QStringLiteral("colours 0 %1").arg(leds),
                                  QStringLiteral("colours %1 1").arg(leds - 1),
                                  QStringLiteral("colours 7 1"), QStringLiteral("custom"),
                                  QStringLiteral("mode 1 Direct")};
    QTRY_COMPARE_WITH_TIMEOUT(rig.device.calls, expected, kWaitMs);
    QCOMPARE(rig.server.clientNames().size(), 1);
    QVERIFY(rig.server.clientNames().first().startsWith(QStringLiteral("KeyLight (")));
}

void TestSdkServer::hostileClientDroppedAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sentenceMentions");
    QTest::newRow("not the protocol") << QByteArray("GET / HTTP/1.1\r\n\r\n") << "ORGB";
    QByteArray huge = packet(Sdk::PacketId::UpdateLeds, {});
    huge.replace(12, 4, SdkMessages::u32(0x7FFFFFFF));
    QTest::newRow("a size over the limit") << huge << "bytes";
    QByteArray lie = SdkMessages::updateLeds({qRgb(1, 1, 1)});
    lie.replace(0, 4, SdkMessages::u32(500));
    QTest::newRow("an LED update that lies about its size")
        << packet(Sdk::PacketId::UpdateLeds, lie) << "packet 1050";
    QTest::newRow("a mode update cut short")
        << packet(Sdk::PacketId::UpdateMode, SdkMessages::u32(12) + SdkMessages::u32(1))
        << "packet 1101";
    QTest::newRow("a packet left half sent")
        << packet(Sdk::PacketId::UpdateLeds, SdkMessages::updateLeds({qRgb(9, 9, 9)})).left(20)
        << "half";
}

void TestSdkServer::hostileClientDroppedAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sentenceMentions);
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy problems(&rig.server, &SdkServer::clientProblem);
    {
        QTcpSocket bad;
        bad.connectToHost(QStringLiteral("127.0.0.1"), rig.server.address().port);
        QVERIFY(bad.waitForConnected(kWaitMs));
        QTRY_COMPARE_WITH_TIMEOUT(rig.server.clientCount(), 2, kWaitMs);
        bad.write(bytes);
        bad.flush();
        // A client that stops in the middle goes away; the others are dropped by the server.
        if (sentenceMentions == QLatin1String("half"))
            bad.disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(problems.count(), 1, kWaitMs);
    }
    const QString sentence = problems.first().first().toString();
    QVERIFY2(sentence.contains(sentenceMentions), qPrintable(sentence));
    QCOMPARE(rig.server.clientCount(), 1);
    // Nothing the bad client sent reached the device, and the good one goes on.
    QVERIFY(rig.device.calls.isEmpty());
    QVERIFY(rig.good.setCustomMode(0));
    QTRY_COMPARE_WITH_TIMEOUT(rig.device.calls, QStringList{QStringLiteral("custom")}, kWaitMs);
    QCOMPARE(rig.good.state(), SdkClient::State::Connected);
}

void TestSdkServer::seventeenthClientTurnedAway()
{
    Rig rig;
    QVERIFY(rig.start());
    std::vector<std::unique_ptr<QTcpSocket>> others;
    for (int i = 1; i < SdkServer::kMaxClients; ++i) {
        others.push_back(std::make_unique<QTcpSocket>());
        others.back()->connectToHost(QStringLiteral("127.0.0.1"), rig.server.address().port);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig.server.clientCount(), SdkServer::kMaxClients, kWaitMs);
    QSignalSpy problems(&rig.server, &SdkServer::clientProblem);
    QTcpSocket extra;
    extra.connectToHost(QStringLiteral("127.0.0.1"), rig.server.address().port);
    QTRY_COMPARE_WITH_TIMEOUT(problems.count(), 1, kWaitMs);
    QVERIFY(problems.first().first().toString().contains(QString::number(SdkServer::kMaxClients)));
    QTRY_COMPARE_WITH_TIMEOUT(extra.state(), QAbstractSocket::UnconnectedState, kWaitMs);
    QCOMPARE(rig.server.clientCount(), SdkServer::kMaxClients);
}

void TestSdkServer::listUpdateIsAnnounced()
{
    Rig rig;
    QVERIFY(rig.start());
    QSignalSpy readings(&rig.good, &SdkClient::controllersChanged);
    rig.device.keyboard.name = QStringLiteral("Renamed");
    rig.server.announceListUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(readings.count(), 1, kWaitMs);
    QCOMPARE(rig.good.controllers().first().name, QStringLiteral("Renamed"));
}

void TestSdkServer::portInUseIsOneSentence()
{
    RecordingDevice device;
    SdkServer first(device);
    SdkServer second(device);
    QString error;
    QVERIFY(first.listen(anyPort(), &error));
    SdkAddress taken = first.address();
    QVERIFY(!second.listen(taken, &error));
    QVERIFY2(error.contains(QStringLiteral("another program")), qPrintable(error));
    QVERIFY(!error.contains(QLatin1Char('\n')));
    QVERIFY(!second.isListening());
}

QTEST_GUILESS_MAIN(TestSdkServer)
#include "tst_sdkserver.moc"
