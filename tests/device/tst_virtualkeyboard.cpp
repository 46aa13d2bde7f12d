#include "host/device/virtualkeyboard.h"
#include "packets.h"

#include <QSignalSpy>
#include <QtTest>

using Packets::record;

namespace {
vantor_filter filterWith(int zone, int led)
{
    vantor_filter filter;
    filter.zone[zone][led] = 1;
    return filter;
}
} // namespace

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void requestChangesLighting_data();
    void requestChangesLighting();
    void refusedPacketChangesNothing_data();
    void refusedPacketChangesNothing();
    void applyThenSwitchAndBack();
    void unappliedChangesGoWithASwitch();
    void sameProfileKeepsLighting();
    void unknownProfileRefused();
    void resetRestoresFactory();
    void pressesAreRememberedForAWhile();
};

void TestVirtualKeyboard::requestChangesLighting_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<int>("mode");

    const vantor_light breathing = record(Mode::Breathing, QColor(1, 2, 3, 4), Qt::black, 5);
    vantor_light_custom custom;
    custom.led[3 * 30] = 200;
    custom.brightness = 77;
    const std::vector<vantor_light> subs = {record(Mode::Stars, Qt::red),
                                            record(Mode::Empty, Qt::white),
                                            record(Mode::Rain, Qt::blue),
                                            record(Mode::RainbowWave, Qt::black, Qt::black, 1,
                                                   Direction::Down)};
    QTest::newRow("modeParam") << int(Request::ModeParam) << Packets::modeParam(breathing)
                               << int(Mode::Breathing);
    QTest::newRow("customLed") << int(Request::CustomLed) << Packets::customLed(custom)
                               << int(Mode::Custom);
    QTest::newRow("multilayer") << int(Request::Multilayer) << Packets::multilayer(subs)
                                << int(Mode::Multilayer);
    QTest::newRow("multizone") << int(Request::Multizone)
                               << Packets::multizone(subs, filterWith(2, 181))
                               << int(Mode::Multizone);
}

void TestVirtualKeyboard::requestChangesLighting()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);
    QFETCH(int, mode);
    VirtualKeyboard keyboard;
    QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
    QSignalSpy rejected(&keyboard, &VirtualKeyboard::sigRequestRejected);
    keyboard.send(code, packet);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(changed.count(), 1);

    // What the keyboard holds is exactly what the packet carried.
    VantorPacket::Decoded decoded;
    QVERIFY(VantorPacket::decode(packet.constData(), std::size_t(packet.size()), decoded));
    const LightingState& now = keyboard.state().lighting();
    QCOMPARE(int(now.mode), mode);
    LightingState expected = LightingState::factory();
    expected.mode = uchar(mode);
    switch (code) {
    case Request::ModeParam:
        expected.light = decoded.light;
        break;
    case Request::CustomLed:
        expected.custom = decoded.custom;
        break;
    case Request::Multilayer:
        std::copy(decoded.lights.begin(), decoded.lights.end(), expected.layers.begin());
        break;
    case Request::Multizone:
        std::copy(decoded.lights.begin(), decoded.lights.end(), expected.zones.begin());
        expected.filter = decoded.filter;
        break;
    }
    QVERIFY(now == expected);
    QCOMPARE(keyboard.state().rejectedCount(), 0);

    // The same packet again changes nothing and says so by staying silent.
    keyboard.send(code, packet);
    QCOMPARE(changed.count(), 1);
}

void TestVirtualKeyboard::refusedPacketChangesNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");

    const QByteArray good = Packets::modeParam(record(Mode::Rain, Qt::cyan));
    QByteArray badChecksum = good;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.at(badChecksum.size() - 1) ^ 0x5a);
    QByteArray badByte = good;
    badByte[8] = char(badByte.at(8) + 1); // a colour byte changed after the checksum was made
    QByteArray badMagic = good;
    badMagic[0] = 'X';
    vantor_light outOfRange = record(Mode::Static, Qt::red);
    outOfRange.mode = 21;

    QTest::newRow("empty") << int(Request::ModeParam) << QByteArray();
    QTest::newRow("truncated") << int(Request::ModeParam) << good.left(good.size() - 3);
    QTest::newRow("trailingByte") << int(Request::ModeParam) << good + '\0';
    QTest::newRow("badChecksum") << int(Request::ModeParam) << badChecksum;
    QTest::newRow("changedByte") << int(Request::ModeParam) << badByte;
    QTest::newRow("badMagic") << int(Request::ModeParam) << badMagic;
    QTest::newRow("codeMismatch") << int(Request::CustomLed) << good;
    QTest::newRow("unknownCode") << 21 << good;
    QTest::newRow("modeAboveRange") << int(Request::ModeParam)
                                    << Packets::modeParam(outOfRange);
}

void TestVirtualKeyboard::refusedPacketChangesNothing()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Breathing, Qt::green)));
    const LightingState before = keyboard.state().lighting();
    QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
    QSignalSpy rejected(&keyboard, &VirtualKeyboard::sigRequestRejected);

    keyboard.send(code, packet);

    QVERIFY(keyboard.state().lighting() == before);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(rejected.at(0).at(0).toInt(), code);
    QCOMPARE(rejected.at(0).at(1).toString(), keyboard.state().lastError());
    QVERIFY(!keyboard.state().lastError().isEmpty());
    QCOMPARE(keyboard.state().rejectedCount(), 1);

    // The keyboard keeps working after a bad packet.
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Static, Qt::red)));
    QCOMPARE(int(keyboard.state().lighting().mode), int(Mode::Static));
    QCOMPARE(keyboard.state().rejectedCount(), 1);
}

void TestVirtualKeyboard::applyThenSwitchAndBack()
{
    VirtualKeyboard keyboard;
    QSignalSpy applied(&keyboard, &VirtualKeyboard::sigApplied);
    QVERIFY(!keyboard.onboardProfile(0));

    vantor_light_custom custom;
    custom.led[3 * 44] = 255;
    custom.brightness = 200;
    keyboard.send(Request::CustomLed, Packets::customLed(custom));
    const LightingState first = keyboard.state().lighting();
    keyboard.send(Request::Apply, QByteArray());
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).value<uchar>(), uchar(0));

    keyboard.selectProfile(3);
    QVERIFY(!keyboard.onboardProfile(3));
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Stars, Qt::blue)));
    const LightingState third = keyboard.state().lighting();
    keyboard.send(Request::Apply, QByteArray());
    QCOMPARE(applied.count(), 2);
    QCOMPARE(applied.at(1).at(0).value<uchar>(), uchar(3));

    keyboard.selectProfile(0);
    QVERIFY(keyboard.onboardProfile(0));
    QVERIFY(*keyboard.onboardProfile(0) == first);
    QVERIFY(*keyboard.onboardProfile(3) == third);
    // Coming back, the keyboard lights the profile it holds.
    QVERIFY(keyboard.state().lighting() == first);
    keyboard.selectProfile(3);
    QVERIFY(keyboard.state().lighting() == third);
}

void TestVirtualKeyboard::unappliedChangesGoWithASwitch()
{
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Static, Qt::red)));
    keyboard.send(Request::Apply, QByteArray());
    const LightingState applied = keyboard.state().lighting();
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Ripple, Qt::green)));

    QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
    keyboard.selectProfile(1);
    QVERIFY(keyboard.state().lighting() == LightingState::factory());
    keyboard.selectProfile(0);
    QVERIFY(keyboard.state().lighting() == applied);
    QCOMPARE(changed.count(), 2);
}

void TestVirtualKeyboard::sameProfileKeepsLighting()
{
    VirtualKeyboard keyboard;
    keyboard.selectProfile(2);
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Heartbeat, Qt::red)));
    const LightingState before = keyboard.state().lighting();
    QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
    // The host names the profile before its requests; naming it again reloads nothing.
    keyboard.selectProfile(2);
    QVERIFY(keyboard.state().lighting() == before);
    QCOMPARE(changed.count(), 0);
}

void TestVirtualKeyboard::unknownProfileRefused()
{
    VirtualKeyboard keyboard;
    keyboard.selectProfile(1);
    QSignalSpy rejected(&keyboard, &VirtualKeyboard::sigRequestRejected);
    keyboard.selectProfile(kProfileCount);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(int(keyboard.state().profile()), 1);
    keyboard.send(Request::Apply, QByteArray());
    QVERIFY(keyboard.onboardProfile(1));
    QVERIFY(!keyboard.onboardProfile(kProfileCount));
}

void TestVirtualKeyboard::resetRestoresFactory()
{
    VirtualKeyboard keyboard;
    vantor_filter filter = filterWith(0, 30);
    keyboard.send(Request::Multizone,
                  Packets::multizone({4, record(Mode::Snowing, Qt::white)}, filter));
    keyboard.send(Request::Apply, QByteArray());
    const LightingState applied = keyboard.state().lighting();
    QVERIFY(applied != LightingState::factory());

    QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
    keyboard.send(Request::Reset, Packets::reset());
    QCOMPARE(changed.count(), 1);
    QVERIFY(keyboard.state().lighting() == LightingState::factory());
    // The onboard copy stays until the next APPLY.
    QVERIFY(*keyboard.onboardProfile(0) == applied);

    // Factory lighting: white on every key at full brightness.
    LedFrame frame{};
    keyboard.frameAt(keyboard.clockMs(), frame);
    for (const KeyGeometry& key : keyboard.layout().keys())
        QCOMPARE(frame[key.led], qRgb(255, 255, 255));
}

void TestVirtualKeyboard::pressesAreRememberedForAWhile()
{
    VirtualKeyboard keyboard;
    keyboard.pressKey(30, 1000);
    keyboard.pressKey(0, 1001);     // no key carries LED 0
    keyboard.pressKey(182, 1002);   // beyond the matrix
    QCOMPARE(int(keyboard.presses().size()), 1);
    const KeyGeometry& q = keyboard.layout().keys()[std::size_t(keyboard.layout().indexOfLed(30))];
    QCOMPARE(keyboard.presses().front().x, q.x);
    QCOMPARE(keyboard.presses().front().y, q.y);

    // Long after, a new press lets the old one go.
    keyboard.pressKey(31, 60000);
    QCOMPARE(int(keyboard.presses().size()), 1);
    QCOMPARE(keyboard.presses().front().led, 31);

    // Fast typing keeps a bounded number of presses, the newest ones.
    for (int i = 0; i < 500; ++i)
        keyboard.pressKey(44, 60001 + i);
    QVERIFY(keyboard.presses().size() < 500);
    QCOMPARE(keyboard.presses().back().timeMs, qint64(60500));
}

QTEST_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
