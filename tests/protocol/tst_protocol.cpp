// SPDX-License-Identifier: MIT
#include "keylight/iparsevantor.h"
#include "platform/protocol/vantorpacket.h"
#include "support/recordbytes.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <random>

namespace {
constexpr int kHeader = 6;
constexpr int kKinds = 5;
enum Outcome { Decodes, Refused, Either };

using RecordBytes::bytesOf;

// The checksum is computed bit by bit, deliberately unlike the table-driven code under test.
QByteArray packet(int code, const QByteArray& payload, int version = 1,
                  const QByteArray& magic = "VK")
{
    QByteArray bytes = magic + char(version) + char(code) + char(payload.size() & 0xFF)
        + char(payload.size() >> 8) + payload;
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    for (int i = 0; i < 4; ++i)
        bytes.append(char((~crc >> (8 * i)) & 0xFFu));
    return bytes;
}

QByteArray packetBytes(const void* data)
{
    return QByteArray(static_cast<const char*>(data),
                      int(VantorPacket::packetSize(data, VantorPacket::headerSize())));
}
} // namespace

class tst_Protocol : public QObject
{
    Q_OBJECT

private slots:
    void recordLayout()
    {
        vantor_light light;
        // Every field by name at its byte: the device reads the record by position.
        uchar* fields[] = {&light.mode, &light.speed, &light.direction, &light.fg_brightness,
                           &light.fg_flag, &light.fg_r, &light.fg_g, &light.fg_b,
                           &light.bg_flag, &light.bg_r, &light.bg_g, &light.bg_b,
                           &light.flag12, &light.bg_brightness};
        for (std::size_t i = 0; i < sizeof light; ++i)
            *fields[i] = uchar(i + 1);
        QCOMPARE(bytesOf(light), QByteArray::fromHex("0102030405060708090A0B0C0D0E"));
        // The per-key record and the filter are plain arrays whose sizes and brightness offset
        // vantor_types.h asserts at compile time.

        // The default record (mode 0, speed 3, white at full brightness on a black background)
        // sent unchanged: the example of docs/protocol.md, checksum included.
        void* data = nullptr;
        QVERIFY(IParseVantor::Instance().buildModeParam(vantor_light(), data));
        QCOMPARE(packetBytes(data),
                 QByteArray::fromHex("564B01140E00 000300FF00FFFFFF0000000000FF E3D47F65"));
    }

    void encodeDecode()
    {
        std::mt19937 random(1);
        auto fill = [&](auto& record) {
            for (std::size_t i = 0; i < sizeof record; ++i)
                reinterpret_cast<uchar*>(&record)[i] = uchar(random());
        };
        vantor_light_custom custom;
        vantor_light four[kSubModeCount];
        vantor_filter filter;
        fill(custom);
        fill(four);
        const std::vector<vantor_light> layers(four, four + kSubModeCount);
        filter.zone[kSubModeCount - 1][kLedCount - 1] = 1;

        // All kinds are built before any is read: each packet must stay valid while packets
        // of the other kinds are built.
        IParseVantor& builder = IParseVantor::Instance();
        void* packets[kKinds] = {};
        QVERIFY(builder.buildReset(1, packets[0]) && builder.buildModeParam(four[1], packets[1])
                && builder.buildCustomLed(custom, packets[2])
                && builder.buildMultilayer(layers, packets[3])
                && builder.buildMultizone(layers, filter, packets[4]));
        const int codes[kKinds] = {Request::Reset, Request::ModeParam, Request::CustomLed,
                                   Request::Multilayer, Request::Multizone};
        const QByteArray layerBytes = bytesOf(layers[0], layers.size());
        const QByteArray payloads[kKinds] = {QByteArray(1, '\1'), bytesOf(four[1]),
                                             bytesOf(custom), layerBytes,
                                             layerBytes + bytesOf(filter)};
        for (int kind = 0; kind < kKinds; ++kind) {
            const QByteArray bytes = packetBytes(packets[kind]);
            QCOMPARE(bytes, packet(codes[kind], payloads[kind]));
            VantorPacket::Decoded d;
            QString error;
            QVERIFY2(VantorPacket::decode(packets[kind], std::size_t(bytes.size()), d, &error),
                     qPrintable(error));
            QCOMPARE(d.code, codes[kind]);
            const QByteArray lights = d.lights.empty() ? QByteArray()
                                                       : bytesOf(d.lights[0], d.lights.size());
            const QByteArray decoded[kKinds] = {QByteArray(1, char(d.reserved)),
                                                bytesOf(d.light), bytesOf(d.custom), lights,
                                                lights + bytesOf(d.filter)};
            QCOMPARE(decoded[kind], payloads[kind]);
        }
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expected");
        const QByteArray light = bytesOf(vantor_light());
        const QByteArray good = packet(Request::ModeParam, light);
        auto refused = [](const char* name, const QByteArray& bytes, const char* expected) {
            QTest::newRow(name) << bytes << int(Refused) << QString::fromUtf8(expected);
        };
        refused("null", good, "null");
        refused("empty", QByteArray(), "0 bytes long, shorter than the 10 bytes");
        refused("truncated", good.chopped(1), "23 bytes long; its header makes it 24");
        refused("wrongMagic", packet(Request::ModeParam, light, 1, "KV"), "magic \"VK\"");
        refused("versionTwo", packet(Request::ModeParam, light, 2), "format version 2");
        refused("lengthTooShort", packet(Request::ModeParam, light.chopped(1)),
                "payload of 13 bytes; request 20 has 14");
        refused("badCrc", good.left(kHeader) + light.chopped(1) + '\1' + good.right(4),
                "checksum does not match");
        refused("applyCode", packet(Request::Apply, QByteArray()), "Request code 39");

        // The fuzzer's seed corpus: valid-* must decode, bad-* must be refused; the fuzzer's
        // own finds carry other names and only must not crash.
        QDirIterator it(QStringLiteral(KEYLIGHT_SOURCE_DIR "/fuzz/corpus/decoder"), QDir::Files);
        if (!it.hasNext())
            QTest::newRow("noCorpus") << QByteArray() << int(Decodes) << QString();
        while (it.hasNext()) {
            QFile file(it.next());
            const QString name = QFileInfo(file).fileName();
            const Outcome outcome = name.startsWith(QStringLiteral("valid-")) ? Decodes
                : name.startsWith(QStringLiteral("bad-"))                     ? Refused
                                                                              : Either;
            file.open(QIODevice::ReadOnly); // an unreadable file is caught by its expected outcome
            QTest::newRow(qPrintable(name)) << file.readAll() << int(outcome) << QString();
        }
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, outcome);
        QFETCH(QString, expected);
        VantorPacket::Decoded decoded;
        QString error;
        // A null pointer comes with the size of a real packet.
        const char* data = expected == QLatin1String("null") ? nullptr : bytes.constData();
        const auto size = std::size_t(bytes.size());
        const bool ok = VantorPacket::decode(data, size, decoded, &error);
        QCOMPARE(VantorPacket::decode(data, size, decoded), ok); // no place for the message
        if (outcome == Decodes) {
            QVERIFY2(ok, qPrintable(error));
            QCOMPARE(packetBytes(data), bytes);
        } else if (outcome == Refused) {
            QVERIFY(!ok);
            QVERIFY2(error.contains(expected) && error.endsWith(QLatin1Char('.')),
                     qPrintable(error));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Protocol)
#include "tst_protocol.moc"
