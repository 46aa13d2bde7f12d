#include "host/device/onboardmemoryfile.h"
#include "host/device/virtualkeyboard.h"
#include "packets.h"
#include "support/filehelpers.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Packets::record;

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void refusedPacketChangesNothing_data();
    void refusedPacketChangesNothing();
    void applyThenSwitchAndBack();
    void resetRestoresFactory();
    void memoryOutlivesRestart();
    void pressesStayFewAndOnKeys();
};

void TestVirtualKeyboard::refusedPacketChangesNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");

    const QByteArray good = Packets::modeParam(record(Mode::Rain, Qt::cyan));
    QByteArray badChecksum = good;
    badChecksum[good.size() - 1] = char(good.at(good.size() - 1) ^ 0x5a);
    QTest::newRow("truncated") << int(Request::ModeParam) << good.left(good.size() - 3);
    QTest::newRow("badChecksum") << int(Request::ModeParam) << badChecksum;
    QTest::newRow("codeMismatch") << int(Request::CustomLed) << good;
    QTest::newRow("unknownCode") << 21 << good;
    QTest::newRow("modeAboveRange") << int(Request::ModeParam)
                                    << Packets::modeParam(record(Mode::Count, Qt::red));
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
    QVERIFY(!rejected.at(0).at(1).toString().isEmpty());

    // The keyboard keeps working after a bad packet.
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Static, Qt::red)));
    QCOMPARE(int(keyboard.state().lighting().mode), int(Mode::Static));
}

void TestVirtualKeyboard::applyThenSwitchAndBack()
{
    VirtualKeyboard keyboard;
    QVERIFY(!keyboard.onboardProfile(0));
    keyboard.send(Request::CustomLed, Packets::customLed(Packets::paintedKey(44, Qt::red)));
    const LightingState first = keyboard.state().lighting();
    keyboard.send(Request::Apply, QByteArray());
    // A change after APPLY is not kept: the keyboard holds what was applied.
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Ripple, Qt::green)));

    keyboard.selectProfile(3);
    QVERIFY(keyboard.state().lighting() == LightingState::factory());
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Stars, Qt::blue)));
    const LightingState third = keyboard.state().lighting();
    keyboard.send(Request::Apply, QByteArray());

    // Coming back, the keyboard lights the profile it holds.
    keyboard.selectProfile(0);
    QVERIFY(*keyboard.onboardProfile(0) == first);
    QVERIFY(keyboard.state().lighting() == first);
    // The host names the profile before its requests; naming it again reloads nothing.
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Heartbeat, Qt::red)));
    const LightingState shown = keyboard.state().lighting();
    keyboard.selectProfile(0);
    QVERIFY(keyboard.state().lighting() == shown);
    keyboard.selectProfile(3);
    QVERIFY(keyboard.state().lighting() == third);
}

void TestVirtualKeyboard::resetRestoresFactory()
{
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Snowing, Qt::red)));
    keyboard.send(Request::Apply, QByteArray());
    const LightingState applied = keyboard.state().lighting();

    QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
    keyboard.send(Request::Reset, Packets::reset());
    keyboard.send(Request::Reset, Packets::reset()); // already factory: nothing to redraw
    QCOMPARE(changed.count(), 1);
    QVERIFY(keyboard.state().lighting() == LightingState::factory());
    // The onboard copy stays until the next APPLY.
    QVERIFY(*keyboard.onboardProfile(0) == applied);
}

void TestVirtualKeyboard::memoryOutlivesRestart()
{
    VirtualKeyboard keyboard;
    keyboard.send(Request::CustomLed, Packets::customLed(Packets::paintedKey(44, Qt::red)));
    keyboard.send(Request::Apply, QByteArray());
    keyboard.selectProfile(3);
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Stars, Qt::blue)));
    keyboard.send(Request::Apply, QByteArray());
    QTemporaryDir dir;
    const QString path = OnboardMemoryFile::pathBeside(dir.filePath("profiles.json"));
    DeviceState::OnboardMemory memory;
    QString error;
    QVERIFY(OnboardMemoryFile::load(path, memory, &error)); // no file yet: empty
    QVERIFY(memory == DeviceState::OnboardMemory());
    QVERIFY(OnboardMemoryFile::save(path, keyboard.state().onboardMemory(), &error));

    VirtualKeyboard restarted;
    QVERIFY(OnboardMemoryFile::load(path, memory, &error));
    restarted.restoreOnboardMemory(memory);
    QVERIFY(restarted.state().onboardMemory() == keyboard.state().onboardMemory());
    QVERIFY(restarted.state().lighting() == *keyboard.onboardProfile(0));

    // A damaged file is refused whole, and says which file it is.
    const QByteArray text = FileHelpers::readAll(path);
    QByteArray unknownMode = text;
    unknownMode.replace("\"mode\": 4", "\"mode\": 21");
    for (const QByteArray& bad : {text.left(text.size() / 2), unknownMode}) {
        QVERIFY(bad != text && FileHelpers::writeAll(path, bad));
        DeviceState::OnboardMemory untouched;
        QVERIFY(!OnboardMemoryFile::load(path, untouched, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY(untouched == DeviceState::OnboardMemory());
    }
}

void TestVirtualKeyboard::pressesStayFewAndOnKeys()
{
    VirtualKeyboard keyboard;
    keyboard.pressKey(0, 1000);   // no key carries LED 0
    keyboard.pressKey(182, 1001); // beyond the matrix
    QVERIFY(keyboard.presses().empty());
    // Fast typing keeps a bounded number of presses, the newest ones.
    for (int i = 0; i < 500; ++i)
        keyboard.pressKey(44, 2000 + i);
    QVERIFY(keyboard.presses().size() < 500);
    QCOMPARE(keyboard.presses().back().timeMs, qint64(2499));
}

QTEST_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
