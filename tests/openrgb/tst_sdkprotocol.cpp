// SPDX-License-Identifier: MIT
// The SDK's packets and controller data as bytes: every version's layout read back as it
// was written, and every kind of broken data refused with a reason instead of a crash or
// an allocation the data did not justify.

#include "fakesdkserver.h"

#include "host/transport/openrgb/sdkmessages.h"
#include "keylight/vantor_types.h"

#include <QtTest>

namespace {
// The controller as a server of that version can describe it: what the layout lacks
// stays at its default.
SdkController asOfVersion(SdkController controller, quint32 version)
{
    if (version < Sdk::kVendorSince)
        controller.vendor.clear();
    for (SdkMode& mode : controller.modes) {
        if (version < Sdk::kBrightnessSince)
            mode.brightnessMin = mode.brightnessMax = mode.brightness = 0;
    }
    for (SdkZone& zone : controller.zones) {
        if (version < Sdk::kSegmentsSince)
            zone.segments.clear();
    }
    return controller;
}

SdkController richKeyboard()
{
    SdkController controller = FakeDevices::keyboard();
    controller.modes[0].brightness = 40;
    controller.modes[0].speed = 2;
    controller.zones[0].segments = {{QStringLiteral("Left half"), Sdk::Linear, 0, 50}};
    controller.colors[3] = qRgb(1, 2, 3);
    return controller;
}

void overwriteU32(QByteArray& data, int offset, quint32 value)
{
    SdkWriter out;
    out.u32(value);
    data.replace(offset, 4, out.data());
}
} // namespace

class TestSdkProtocol : public QObject
{
    Q_OBJECT
private slots:
    void controllerRoundTrip_data();
    void controllerRoundTrip();
    void smallestModesRoundTrip();
    void everyTruncationRefused();
    void brokenControllerData_data();
    void brokenControllerData();
    void splitterCutsAnyDelivery();
    void splitterRefuses_data();
    void splitterRefuses();
    void ledUpdates();
};

void TestSdkProtocol::controllerRoundTrip_data()
{
    QTest::addColumn<quint32>("version");
    for (quint32 version = 0; version <= Sdk::kOurVersion; ++version)
        QTest::addRow("version %u", version) << version;
}

void TestSdkProtocol::controllerRoundTrip()
{
    QFETCH(quint32, version);
    const SdkController written = richKeyboard();
    const SdkControllerData::Parsed read =
        SdkControllerData::parse(SdkControllerData::serialize(written, version), version);
    QCOMPARE(read.error, QString());
    QVERIFY(read.controller == asOfVersion(written, version));
    QCOMPARE(read.controller.leds.first().name, QStringLiteral("Key: Escape"));
    QCOMPARE(read.controller.zones[0].matrix.size(), kLedCount);
}

void TestSdkProtocol::smallestModesRoundTrip()
{
    // Modes as small as each version allows, and nothing else: every byte is needed.
    for (quint32 version = 0; version <= Sdk::kOurVersion; ++version) {
        SdkController bare;
        bare.modes = {SdkMode(), SdkMode()};
        const SdkControllerData::Parsed read =
            SdkControllerData::parse(SdkControllerData::serialize(bare, version), version);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.controller.modes.size(), 2);
    }
}

void TestSdkProtocol::everyTruncationRefused()
{
    // A size field that still claims the whole block, over data cut anywhere.
    const QByteArray whole = SdkControllerData::serialize(richKeyboard(), Sdk::kOurVersion);
    for (int length = 0; length < whole.size(); length += 7) {
        const SdkControllerData::Parsed read =
            SdkControllerData::parse(whole.left(length), Sdk::kOurVersion);
        QVERIFY2(!read.error.isEmpty(), qPrintable(QString::number(length)));
    }
}

void TestSdkProtocol::brokenControllerData_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("reasonMentions");

    const SdkController keyboard = FakeDevices::keyboard();
    const QByteArray whole = SdkControllerData::serialize(keyboard, Sdk::kOurVersion);

    QByteArray wrongSize = whole;
    overwriteU32(wrongSize, 0, quint32(whole.size() + 100));
    QTest::newRow("size beyond the packet") << wrongSize << "size";

    SdkController zonesShort = keyboard;
    zonesShort.zones.last().ledsCount += 1;
    QTest::newRow("zone LEDs do not add up")
        << SdkControllerData::serialize(zonesShort, Sdk::kOurVersion) << "LED";

    SdkController fewColours = keyboard;
    fewColours.colors.removeLast();
    QTest::newRow("fewer colours than LEDs")
        << SdkControllerData::serialize(fewColours, Sdk::kOurVersion) << "colour";

    SdkController badCell = keyboard;
    badCell.zones[0].matrix[0] = 5000;
    QTest::newRow("matrix cell past the zone")
        << SdkControllerData::serialize(badCell, Sdk::kOurVersion) << "cell";

    SdkController badActive = keyboard;
    badActive.activeMode = 7;
    QTest::newRow("active mode that is not there")
        << SdkControllerData::serialize(badActive, Sdk::kOurVersion) << "mode";

    // The matrix header claims more cells than its size holds.
    SdkController matrix = keyboard;
    matrix.zones[0].matrixHeight = 100000;
    QTest::newRow("matrix larger than its bytes")
        << SdkControllerData::serialize(matrix, Sdk::kOurVersion) << "matrix";

    SdkWriter countPast;
    countPast.u32(0);
    countPast.i32(Sdk::Keyboard);
    for (int i = 0; i < 6; ++i)
        countPast.string(QStringLiteral("x"));
    countPast.u16(4000);
    countPast.patchU32(0, quint32(countPast.size()));
    QTest::newRow("mode count past the data") << countPast.data() << "mode";

    SdkWriter longString;
    longString.u32(0);
    longString.i32(Sdk::Keyboard);
    longString.u16(60000);
    longString.bytes("abc");
    longString.patchU32(0, quint32(longString.size()));
    QTest::newRow("string longer than the data") << longString.data() << "name";

    QTest::newRow("empty") << QByteArray() << "size";
}

void TestSdkProtocol::brokenControllerData()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, reasonMentions);
    const SdkControllerData::Parsed read = SdkControllerData::parse(payload, Sdk::kOurVersion);
    QVERIFY(!read.error.isEmpty());
    QVERIFY2(read.error.contains(reasonMentions, Qt::CaseInsensitive), qPrintable(read.error));
}

void TestSdkProtocol::splitterCutsAnyDelivery()
{
    SdkPacket first;
    first.id = Sdk::PacketId::RequestControllerCount;
    first.payload = SdkMessages::u32(3);
    SdkPacket second;
    second.deviceIndex = 2;
    second.id = Sdk::PacketId::RequestControllerData;
    second.payload = SdkControllerData::serialize(FakeDevices::mouse(), 4);
    const QByteArray stream = first.toBytes() + second.toBytes();

    for (const int chunk : {1, 5, 16, 17, int(stream.size())}) {
        SdkPacketSplitter splitter;
        QVector<SdkPacket> packets;
        for (int at = 0; at < stream.size(); at += chunk) {
            splitter.feed(stream.mid(at, chunk));
            while (const std::optional<SdkPacket> packet = splitter.next())
                packets << *packet;
        }
        QCOMPARE(packets.size(), 2);
        QCOMPARE(packets[0].payload, first.payload);
        QCOMPARE(packets[1].deviceIndex, 2u);
        QCOMPARE(packets[1].id, Sdk::PacketId::RequestControllerData);
        QCOMPARE(packets[1].payload, second.payload);
        QVERIFY(!splitter.midPacket());
    }
}

void TestSdkProtocol::splitterRefuses_data()
{
    QTest::addColumn<QByteArray>("stream");
    SdkPacket packet;
    packet.payload = SdkMessages::u32(1);
    QByteArray wrongMagic = packet.toBytes();
    wrongMagic[0] = 'X';
    QTest::newRow("wrong magic") << wrongMagic;
    QByteArray huge = packet.toBytes();
    overwriteU32(huge, 12, Sdk::kMaxPayload + 1);
    QTest::newRow("size over the limit") << huge;
}

void TestSdkProtocol::splitterRefuses()
{
    QFETCH(QByteArray, stream);
    SdkPacketSplitter splitter;
    splitter.feed(stream);
    QVERIFY(!splitter.next());
    QVERIFY(splitter.failed());
    QVERIFY(!splitter.error().isEmpty());
    // Once broken, the stream stays refused: a resynchronisation could read garbage as data.
    SdkPacket good;
    splitter.feed(good.toBytes());
    QVERIFY(!splitter.next());
}

void TestSdkProtocol::ledUpdates()
{
    const QVector<QRgb> colours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const QByteArray all = SdkMessages::updateLeds(colours);
    // Size, count, then R G B 0 for each LED.
    QCOMPARE(all.size(), 4 + 2 + 3 * 4);
    QCOMPARE(all.mid(6, 4), QByteArray("\xFF\x00\x00\x00", 4));
    QCOMPARE(SdkMessages::readUpdateLeds(all).colours, colours);
    const SdkMessages::LedUpdate zone =
        SdkMessages::readUpdateZoneLeds(SdkMessages::updateZoneLeds(1, colours));
    QCOMPARE(zone.zone, 1u);
    QCOMPARE(zone.colours, colours);
    QVERIFY(!SdkMessages::readUpdateLeds(all.left(all.size() - 1)).error.isEmpty());
}

QTEST_GUILESS_MAIN(TestSdkProtocol)
#include "tst_sdkprotocol.moc"
