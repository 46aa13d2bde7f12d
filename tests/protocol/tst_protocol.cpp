#include "keylight/iparsevantor.h"
#include "platform/protocol/vantorpacket.h"
#include "platform/protocol/vantorprotocol.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <cstddef>
#include <cstring>
#include <functional>
#include <random>

namespace {
constexpr int kHeader = 6;
constexpr int kCrc = 4;
constexpr int kLightSize = 14;

QByteArray bytesOf(const void* data, std::size_t size)
{
    return QByteArray(static_cast<const char*>(data), int(size));
}

template <typename T>
QByteArray bytesOf(const T& record)
{
    return bytesOf(&record, sizeof record);
}

// Bit by bit, deliberately unlike the table-driven code under test.
quint32 referenceCrc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray withCrc(QByteArray headerAndPayload)
{
    const quint32 crc = referenceCrc32(headerAndPayload);
    for (int i = 0; i < kCrc; ++i)
        headerAndPayload.append(char((crc >> (8 * i)) & 0xFFu));
    return headerAndPayload;
}

QByteArray packet(int code, const QByteArray& payload, int version = 1,
                  const QByteArray& magic = "VK")
{
    QByteArray bytes = magic;
    bytes.append(char(version));
    bytes.append(char(code));
    bytes.append(char(payload.size() & 0xFF));
    bytes.append(char((payload.size() >> 8) & 0xFF));
    return withCrc(bytes + payload);
}

vantor_light randomLight(std::mt19937& random)
{
    vantor_light light;
    for (std::size_t i = 0; i < sizeof light; ++i)
        recordBytes(light)[i] = uchar(random());
    return light;
}

std::vector<vantor_light> randomLights(std::mt19937& random)
{
    std::vector<vantor_light> lights;
    for (int i = 0; i < kSubModeCount; ++i)
        lights.push_back(randomLight(random));
    return lights;
}

// One build of each kind, with the bytes it must carry as payload.
struct Build
{
    int code;
    QByteArray payload;
    std::function<bool(IParseVantor&, void*&)> run;
};

std::vector<Build> buildsOfEveryKind(unsigned seed)
{
    std::mt19937 random(seed);
    const vantor_light light = randomLight(random);
    vantor_light_custom custom;
    for (uchar& b : custom.led)
        b = uchar(random());
    custom.brightness = uchar(random());
    const std::vector<vantor_light> layers = randomLights(random);
    const std::vector<vantor_light> zones = randomLights(random);
    vantor_filter filter;
    for (int led = 0; led < kLedCount; ++led)
        filter.zone[random() % kSubModeCount][led] = 1;
    const int reserved = int(seed % 2);

    QByteArray layerBytes;
    for (const vantor_light& l : layers)
        layerBytes += bytesOf(l);
    QByteArray zoneBytes;
    for (const vantor_light& l : zones)
        zoneBytes += bytesOf(l);

    return {
        {Request::Reset, QByteArray(1, char(reserved)),
         [=](IParseVantor& b, void*& p) { return b.buildReset(reserved, p); }},
        {Request::ModeParam, bytesOf(light),
         [=](IParseVantor& b, void*& p) { return b.buildModeParam(light, p); }},
        {Request::CustomLed, bytesOf(custom),
         [=](IParseVantor& b, void*& p) { return b.buildCustomLed(custom, p); }},
        {Request::Multilayer, layerBytes,
         [=](IParseVantor& b, void*& p) { return b.buildMultilayer(layers, p); }},
        {Request::Multizone, zoneBytes + bytesOf(filter),
         [=](IParseVantor& b, void*& p) { return b.buildMultizone(zones, filter, p); }},
    };
}

QByteArray packetBytes(const void* data)
{
    const std::size_t size = VantorPacket::packetSize(data, VantorPacket::headerSize());
    return size ? bytesOf(data, size) : QByteArray();
}
} // namespace

class tst_Protocol : public QObject
{
    Q_OBJECT

private slots:
    void recordLayout_data();
    void recordLayout();
    void defaultRecordBytes();
    void filterByteOfLedInZone();
    void encodeDecode_data();
    void encodeDecode();
    void wrongLayerCountBuildsNothing_data();
    void wrongLayerCountBuildsNothing();
    void malformedPacketRejected_data();
    void malformedPacketRejected();
    void nullPacketRejected();
    void packetSizeFromHeader_data();
    void packetSizeFromHeader();
    void packetOutlivesBuildsOfOtherKinds_data();
    void packetOutlivesBuildsOfOtherKinds();
    void corpusFiles_data();
    void corpusFiles();
};

void tst_Protocol::recordLayout_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");
    QTest::newRow("mode") << int(offsetof(vantor_light, mode)) << 0;
    QTest::newRow("speed") << int(offsetof(vantor_light, speed)) << 1;
    QTest::newRow("direction") << int(offsetof(vantor_light, direction)) << 2;
    QTest::newRow("fg_brightness") << int(offsetof(vantor_light, fg_brightness)) << 3;
    QTest::newRow("fg_flag") << int(offsetof(vantor_light, fg_flag)) << 4;
    QTest::newRow("fg_r") << int(offsetof(vantor_light, fg_r)) << 5;
    QTest::newRow("fg_g") << int(offsetof(vantor_light, fg_g)) << 6;
    QTest::newRow("fg_b") << int(offsetof(vantor_light, fg_b)) << 7;
    QTest::newRow("bg_flag") << int(offsetof(vantor_light, bg_flag)) << 8;
    QTest::newRow("bg_r") << int(offsetof(vantor_light, bg_r)) << 9;
    QTest::newRow("bg_g") << int(offsetof(vantor_light, bg_g)) << 10;
    QTest::newRow("bg_b") << int(offsetof(vantor_light, bg_b)) << 11;
    QTest::newRow("flag12") << int(offsetof(vantor_light, flag12)) << 12;
    QTest::newRow("bg_brightness") << int(offsetof(vantor_light, bg_brightness)) << 13;
    QTest::newRow("sizeof vantor_light") << int(sizeof(vantor_light)) << 14;
    QTest::newRow("custom brightness") << int(offsetof(vantor_light_custom, brightness)) << 546;
    QTest::newRow("sizeof vantor_light_custom") << int(sizeof(vantor_light_custom)) << 547;
    QTest::newRow("sizeof vantor_filter") << int(sizeof(vantor_filter)) << 768;
    QTest::newRow("custom_color red") << int(offsetof(custom_color, red)) << 1;
    QTest::newRow("custom_color alpha") << int(offsetof(custom_color, alpha)) << 4;
    QTest::newRow("sizeof custom_color") << int(sizeof(custom_color)) << 5;
}

void tst_Protocol::recordLayout()
{
    QFETCH(int, offset);
    QFETCH(int, expected);
    QCOMPARE(offset, expected);
}

void tst_Protocol::defaultRecordBytes()
{
    const QByteArray expected = QByteArray::fromHex("000300FF00FFFFFF00000000 00FF");
    QCOMPARE(bytesOf(vantor_light()), expected);

    // Sent unchanged, the record reaches the device byte for byte.
    VantorProtocol builder;
    void* data = nullptr;
    QVERIFY(builder.buildModeParam(vantor_light(), data));
    QCOMPARE(packetBytes(data).mid(kHeader, kLightSize), expected);

    vantor_light_custom custom;
    QCOMPARE(bytesOf(custom), QByteArray(547, '\0'));
    QCOMPARE(bytesOf(vantor_filter()), QByteArray(768, '\0'));
}

void tst_Protocol::filterByteOfLedInZone()
{
    vantor_filter filter;
    filter.zone[2][5] = 1;
    const QByteArray bytes = bytesOf(filter);
    QCOMPARE(int(bytes.at(389)), 1);
    QCOMPARE(int(bytes.at(5)), 0);
    QCOMPARE(int(bytes.at(197)), 0);
    QCOMPARE(int(bytes.at(581)), 0);
    QCOMPARE(bytes.count('\1'), 1);

    // In a multizone packet the filter follows the four zone records.
    VantorProtocol builder;
    void* data = nullptr;
    QVERIFY(builder.buildMultizone(std::vector<vantor_light>(4), filter, data));
    const QByteArray payload = packetBytes(data).mid(kHeader);
    QCOMPARE(int(payload.at(kSubModeCount * kLightSize + 389)), 1);
}

void tst_Protocol::encodeDecode_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("kind");
    const char* names[] = {"reset", "modeParam", "customLed", "multilayer", "multizone"};
    for (unsigned seed = 1; seed <= 2; ++seed) {
        for (int kind = 0; kind < 5; ++kind)
            QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(names[kind]).arg(seed)))
                << seed << kind;
    }
}

void tst_Protocol::encodeDecode()
{
    QFETCH(unsigned, seed);
    QFETCH(int, kind);
    const Build build = buildsOfEveryKind(seed)[std::size_t(kind)];

    VantorProtocol builder;
    void* data = nullptr;
    QVERIFY(build.run(builder, data));
    QVERIFY(data);
    const QByteArray bytes = packetBytes(data);
    QCOMPARE(bytes, packet(build.code, build.payload));

    VantorPacket::Decoded decoded;
    QString error;
    QVERIFY2(VantorPacket::decode(bytes.constData(), std::size_t(bytes.size()), decoded, &error),
             qPrintable(error));
    QCOMPARE(decoded.code, build.code);
    QByteArray payload;
    switch (build.code) {
    case Request::Reset:
        payload = QByteArray(1, char(decoded.reserved));
        break;
    case Request::ModeParam:
        payload = bytesOf(decoded.light);
        break;
    case Request::CustomLed:
        payload = bytesOf(decoded.custom);
        break;
    case Request::Multizone:
    case Request::Multilayer:
        QCOMPARE(decoded.lights.size(), std::size_t(kSubModeCount));
        payload = bytesOf(decoded.lights.data(), decoded.lights.size() * sizeof(vantor_light));
        if (build.code == Request::Multizone)
            payload += bytesOf(decoded.filter);
        break;
    }
    QCOMPARE(payload, build.payload);
}

void tst_Protocol::wrongLayerCountBuildsNothing_data()
{
    QTest::addColumn<bool>("zones");
    QTest::addColumn<int>("count");
    QTest::newRow("threeLayers") << false << 3;
    QTest::newRow("fiveLayers") << false << 5;
    QTest::newRow("noZones") << true << 0;
    QTest::newRow("fiveZones") << true << 5;
}

void tst_Protocol::wrongLayerCountBuildsNothing()
{
    QFETCH(bool, zones);
    QFETCH(int, count);
    VantorProtocol builder;
    void* data = nullptr;
    const std::vector<vantor_light> lights(static_cast<std::size_t>(count));
    const bool built = zones ? builder.buildMultizone(lights, vantor_filter(), data)
                             : builder.buildMultilayer(lights, data);
    QVERIFY(!built);
    QCOMPARE(data, nullptr);
}

void tst_Protocol::malformedPacketRejected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QByteArray light = bytesOf(vantor_light());
    const QByteArray good = packet(Request::ModeParam, light);
    QByteArray badCrc = good;
    badCrc[kHeader + 3] = char(badCrc[kHeader + 3] ^ 0x01);
    QByteArray badCrcByte = good;
    badCrcByte[badCrcByte.size() - 1] = char(badCrcByte.back() ^ 0x80);

    QTest::newRow("empty") << QByteArray() << "0 bytes long, shorter than the 10 bytes";
    QTest::newRow("headerOnly") << good.left(kHeader) << "6 bytes long, shorter";
    QTest::newRow("truncated") << good.left(good.size() - 1)
                               << "The packet is 23 bytes long; its header makes it 24";
    QTest::newRow("extraByte") << good + '\0' << "25 bytes long; its header makes it 24";
    QTest::newRow("wrongMagic") << packet(Request::ModeParam, light, 1, "KV")
                                << "does not start with the magic \"VK\"";
    QTest::newRow("versionZero") << packet(Request::ModeParam, light, 0) << "format version 0";
    QTest::newRow("versionTwo") << packet(Request::ModeParam, light, 2) << "format version 2";
    QTest::newRow("lengthTooShort") << packet(Request::ModeParam, light.left(13))
                                    << "payload of 13 bytes; request 20 has 14";
    QTest::newRow("layerPayloadForZones") << packet(Request::Multizone, QByteArray(56, '\0'))
                                          << "payload of 56 bytes; request 27 has 824";
    QTest::newRow("badCrcInPayload") << badCrc << "checksum does not match";
    QTest::newRow("badCrcByte") << badCrcByte << "checksum does not match";
    QTest::newRow("applyCode") << packet(Request::Apply, QByteArray()) << "Request code 39";
    QTest::newRow("unknownCode") << packet(21, light) << "Request code 21 carries no packet";
}

void tst_Protocol::malformedPacketRejected()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    VantorPacket::Decoded decoded;
    decoded.code = -5;
    QString error;
    const char* data = bytes.isEmpty() ? "" : bytes.constData();
    QVERIFY(!VantorPacket::decode(data, std::size_t(bytes.size()), decoded, &error));
    QVERIFY2(error.contains(expected), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1Char('.')));
    QCOMPARE(decoded.code, -5);
    // Without a place for the message it still refuses.
    QVERIFY(!VantorPacket::decode(data, std::size_t(bytes.size()), decoded));
}

void tst_Protocol::nullPacketRejected()
{
    VantorPacket::Decoded decoded;
    QString error;
    QVERIFY(!VantorPacket::decode(nullptr, 24, decoded, &error));
    QVERIFY2(error.contains(QStringLiteral("null")), qPrintable(error));
    QCOMPARE(VantorPacket::packetSize(nullptr, 24), std::size_t(0));
}

void tst_Protocol::packetSizeFromHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("expected");
    const QByteArray reset = packet(Request::Reset, QByteArray(1, '\0'));
    const QByteArray zones = packet(Request::Multizone, QByteArray(824, '\0'));
    QTest::newRow("reset") << reset << kHeader << 11;
    QTest::newRow("multizone") << zones << kHeader << 834;
    QTest::newRow("lengthAbove255") << zones.left(kHeader) << kHeader << 6 + 824 + 4;
    QTest::newRow("headerNotComplete") << reset << kHeader - 1 << 0;
    QTest::newRow("wrongMagic") << packet(Request::Reset, QByteArray(1, '\0'), 1, "XK")
                                << kHeader << 0;
}

void tst_Protocol::packetSizeFromHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, available);
    QFETCH(int, expected);
    QCOMPARE(int(VantorPacket::packetSize(bytes.constData(), std::size_t(available))), expected);
}

void tst_Protocol::packetOutlivesBuildsOfOtherKinds_data()
{
    QTest::addColumn<int>("kind");
    const char* names[] = {"reset", "modeParam", "customLed", "multilayer", "multizone"};
    for (int kind = 0; kind < 5; ++kind)
        QTest::newRow(names[kind]) << kind;
}

void tst_Protocol::packetOutlivesBuildsOfOtherKinds()
{
    QFETCH(int, kind);
    const std::vector<Build> first = buildsOfEveryKind(3);
    const std::vector<Build> others = buildsOfEveryKind(4);
    IParseVantor& builder = IParseVantor::Instance();

    void* kept = nullptr;
    QVERIFY(first[std::size_t(kind)].run(builder, kept));
    const QByteArray before = packetBytes(kept);
    for (std::size_t other = 0; other < others.size(); ++other) {
        if (int(other) == kind)
            continue;
        void* data = nullptr;
        QVERIFY(others[other].run(builder, data));
        QVERIFY(data != kept);
    }
    QCOMPARE(packetBytes(kept), before);
    VantorPacket::Decoded decoded;
    QVERIFY(VantorPacket::decode(kept, std::size_t(before.size()), decoded));
    QCOMPARE(decoded.code, first[std::size_t(kind)].code);
}

void tst_Protocol::corpusFiles_data()
{
    QTest::addColumn<QString>("path");
    // Files named valid-* must decode, bad-* must be refused; the fuzzer's own finds
    // carry other names and only must not crash.
    const QString folder = QStringLiteral(KEYLIGHT_SOURCE_DIR "/fuzz/corpus/decoder");
    QDirIterator it(folder, QDir::Files);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
        ++count;
    }
    if (count == 0)
        QTest::newRow("noCorpus") << QString();
}

void tst_Protocol::corpusFiles()
{
    QFETCH(QString, path);
    QVERIFY2(!path.isEmpty(), "the seed corpus is missing");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString name = QFileInfo(path).fileName();

    VantorPacket::Decoded decoded;
    QString error;
    const bool ok = VantorPacket::decode(bytes.isEmpty() ? "" : bytes.constData(),
                                         std::size_t(bytes.size()), decoded, &error);
    if (name.startsWith(QStringLiteral("valid-")))
        QVERIFY2(ok, qPrintable(error));
    if (name.startsWith(QStringLiteral("bad-")))
        QVERIFY(!ok && !error.isEmpty());
    if (ok) {
        QCOMPARE(int(VantorPacket::packetSize(bytes.constData(), std::size_t(bytes.size()))),
                 bytes.size());
        QCOMPARE(VantorPacket::requestName(decoded.code) == QStringLiteral("unknown"), false);
    }
}

QTEST_GUILESS_MAIN(tst_Protocol)
#include "tst_protocol.moc"
