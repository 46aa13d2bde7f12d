// SPDX-License-Identifier: MIT
// The SDK client against a server of our own: it meets every protocol version, reads every
// controller, reads again when told to, and survives every broken server with a sentence
// and a later retry.

#include "fakesdkserver.h"
#include "quicktiming.h"

#include "host/transport/openrgb/sdkclient.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(FakeSdkServer::Fault)

namespace {
bool connected(const SdkClient& client)
{
    return client.state() == SdkClient::State::Connected;
}
} // namespace

class TestSdkClient : public QObject
{
    Q_OBJECT
private slots:
    void enumeratesEveryVersion_data();
    void enumeratesEveryVersion();
    void readsAgainOnListUpdate();
    void reconnectsAfterServerRestart();
    void brokenServer_data();
    void brokenServer();
    void updatesOnlyWhenConnected();
    void unreachableServer();
};

void TestSdkClient::enumeratesEveryVersion_data()
{
    QTest::addColumn<quint32>("serverVersion");
    for (quint32 version = 0; version <= Sdk::kOurVersion + 1; ++version)
        QTest::addRow("server speaks %u", version) << version;
}

void TestSdkClient::enumeratesEveryVersion()
{
    QFETCH(quint32, serverVersion);
    FakeSdkServer server(serverVersion);
    server.setControllers({FakeDevices::mouse(), FakeDevices::keyboard()});
    QVERIFY(server.start());
    SdkClient client;
    client.setTiming(quickTiming());
    client.connectToServer(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY_WITH_TIMEOUT(connected(client), kWaitMs);

    QCOMPARE(client.protocolVersion(), std::min(serverVersion, Sdk::kOurVersion));
    QCOMPARE(server.clientName(), QStringLiteral("KeyLight"));
    QCOMPARE(client.controllers().size(), 2);
    const SdkController& keyboard = client.controllers()[1];
    QCOMPARE(keyboard.name, QStringLiteral("Test Keyboard"));
    QCOMPARE(keyboard.vendor.isEmpty(), client.protocolVersion() < Sdk::kVendorSince);
    QCOMPARE(keyboard.leds.size(), server.controllers()[1].leds.size());
    QCOMPARE(keyboard.zones[0].matrix, server.controllers()[1].zones[0].matrix);
    QCOMPARE(keyboard.modes[1].name, QStringLiteral("Direct"));
    QVERIFY(client.lastError().isEmpty());
    // The version request carries ours, so a newer server can meet us where we are.
    const auto& first = server.received().first();
    QCOMPARE(first.id, Sdk::PacketId::RequestProtocolVersion);
    QCOMPARE(first.payload, QByteArray("\x04\0\0\0", 4));
}

void TestSdkClient::readsAgainOnListUpdate()
{
    FakeSdkServer server;
    server.setControllers({FakeDevices::keyboard()});
    QVERIFY(server.start());
    SdkClient client;
    client.setTiming(quickTiming());
    QSignalSpy readings(&client, &SdkClient::controllersChanged);
    client.connectToServer(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY_WITH_TIMEOUT(connected(client), kWaitMs);
    const int before = readings.count();

    server.setControllers({FakeDevices::keyboard(), FakeDevices::keyboard("Second")});
    server.announceListUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(client.controllers().size(), 2, kWaitMs);
    QVERIFY(connected(client));
    QCOMPARE(readings.count(), before + 1);
    QCOMPARE(client.controllers()[1].name, QStringLiteral("Second"));
}

void TestSdkClient::reconnectsAfterServerRestart()
{
    FakeSdkServer server;
    server.setControllers({FakeDevices::keyboard()});
    QVERIFY(server.start());
    const quint16 port = server.port();
    SdkClient client;
    client.setTiming(quickTiming());
    client.connectToServer(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY_WITH_TIMEOUT(connected(client), kWaitMs);

    server.stop();
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), SdkClient::State::Waiting, kWaitMs);
    QVERIFY(client.lastError().contains(QStringLiteral("127.0.0.1")));
    QVERIFY(server.start(port));
    QTRY_VERIFY_WITH_TIMEOUT(connected(client), kWaitMs);
    QVERIFY(client.lastError().isEmpty());
}

void TestSdkClient::brokenServer_data()
{
    QTest::addColumn<FakeSdkServer::Fault>("fault");
    QTest::addColumn<QString>("sentenceMentions");
    using F = FakeSdkServer::Fault;
    QTest::newRow("wrong magic") << F::WrongMagic << "ORGB";
    QTest::newRow("size over the limit") << F::HugeSize << "bytes";
    QTest::newRow("truncated controller data") << F::TruncatedData << "controller 0";
    QTest::newRow("inconsistent controller data") << F::InconsistentData << "controller 0";
    QTest::newRow("count past the data") << F::CountPastData << "controller 0";
    QTest::newRow("impossible controller count") << F::ImpossibleCount << "count";
    QTest::newRow("never answers") << F::NeverAnswer << "did not answer";
    QTest::newRow("drops mid-packet") << F::DropMidPacket << "closed";
}

void TestSdkClient::brokenServer()
{
    QFETCH(FakeSdkServer::Fault, fault);
    QFETCH(QString, sentenceMentions);
    FakeSdkServer server;
    server.setControllers({FakeDevices::keyboard()});
    server.setFault(fault);
    QVERIFY(server.start());
    SdkClient client;
    client.setTiming(quickTiming());
    QSignalSpy problems(&client, &SdkClient::problem);
    client.connectToServer(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY_WITH_TIMEOUT(!problems.isEmpty(), kWaitMs);

    const QString sentence = problems.first().first().toString();
    QVERIFY2(sentence.contains(sentenceMentions, Qt::CaseInsensitive), qPrintable(sentence));
    QCOMPARE(client.lastError(), sentence);
    QVERIFY(!connected(client));
    QVERIFY(client.controllers().isEmpty());
    // The server mends its ways; the next retry reads it whole.
    server.setFault(FakeSdkServer::Fault::None);
    QTRY_VERIFY_WITH_TIMEOUT(connected(client), kWaitMs);
    QCOMPARE(client.controllers().size(), 1);
}

void TestSdkClient::updatesOnlyWhenConnected()
{
    FakeSdkServer server;
    server.setControllers({FakeDevices::keyboard()});
    SdkClient client;
    client.setTiming(quickTiming());
    const QVector<QRgb> red(server.controllers()[0].leds.size(), qRgb(255, 0, 0));
    QVERIFY(!client.updateLeds(0, red));

    QVERIFY(server.start());
    client.connectToServer(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY_WITH_TIMEOUT(connected(client), kWaitMs);
    QVERIFY(!client.updateLeds(1, red)); // no such controller
    QVERIFY(client.updateLeds(0, red));
    QVERIFY(client.updateSingleLed(0, 2, qRgb(0, 0, 255)));
    QTRY_COMPARE_WITH_TIMEOUT(server.count(Sdk::PacketId::UpdateSingleLed), 1, kWaitMs);
    QCOMPARE(server.controllers()[0].colors[0], qRgb(255, 0, 0));
    QCOMPARE(server.controllers()[0].colors[2], qRgb(0, 0, 255));

    client.disconnectFromServer();
    QCOMPARE(client.state(), SdkClient::State::NotConfigured);
    QVERIFY(!client.updateLeds(0, red));
}

void TestSdkClient::unreachableServer()
{
    // A port nobody listens on: refused at once, and retried with growing pauses.
    FakeSdkServer probe;
    QVERIFY(probe.start());
    const quint16 port = probe.port();
    probe.stop();
    SdkClient client;
    client.setTiming(quickTiming());
    QSignalSpy problems(&client, &SdkClient::problem);
    client.connectToServer(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY_WITH_TIMEOUT(problems.count() >= 3, kWaitMs);
    QVERIFY(client.lastError().contains(QString::number(port)));
}

QTEST_GUILESS_MAIN(TestSdkClient)
#include "tst_sdkclient.moc"
