// SPDX-License-Identifier: MIT
// The network keyboard against a server of our own: it finds our keys among the device's
// LEDs, lights what the virtual keyboard would, sends only frames that changed, and puts
// the lighting back after the server returns.

#include "fakesdkserver.h"
#include "quicktiming.h"

#include "device/packets.h"
#include "host/openrgb/networkkeyboard.h"
#include "keylight/keytable.h"

#include <QSignalSpy>
#include <QtTest>

using Packets::record;

namespace {
constexpr int kEscapeLed = 14;
constexpr int kF1Led = 35;

int ledNamed(const SdkController& controller, const QString& name)
{
    for (int i = 0; i < controller.leds.size(); ++i) {
        if (controller.leds[i].name == name)
            return i;
    }
    return -1;
}

QRgb serverColour(const FakeSdkServer& server, int controller, const QString& led)
{
    const SdkController& device = server.controllers()[controller];
    return device.colors.value(ledNamed(device, led));
}

struct Rig
{
    FakeSdkServer server;
    NetworkKeyboard keyboard;

    explicit Rig(const QVector<SdkController>& controllers)
    {
        server.setControllers(controllers);
        keyboard.client().setTiming(quickTiming());
    }
    bool connect()
    {
        if (!server.start())
            return false;
        keyboard.client().connectToServer(QStringLiteral("127.0.0.1"), server.port());
        return true;
    }
    void light(int mode, const QColor& colour)
    {
        keyboard.send(Request::ModeParam, Packets::modeParam(record(mode, colour)));
    }
};
} // namespace

class TestNetworkKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void namesMatch_data();
    void namesMatch();
    void mapsKeysAndBorrowsForOthers();
    void choosesTheDevice_data();
    void choosesTheDevice();
    void stillEffectSendsOneFrame();
    void movingEffectStreamsAtMostThirtyFrames();
    void lightingBackAfterServerRestart();
    void noKeyboardOffered();
};

void TestNetworkKeyboard::namesMatch_data()
{
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<QString>("ours");
    QTest::newRow("as in the table") << "Key: Left Shift" << "Key: Left Shift";
    QTest::newRow("case and spacing") << "key:left  SHIFT" << "Key: Left Shift";
    QTest::newRow("short form") << "Key: Esc" << "Key: Escape";
    QTest::newRow("numpad") << "Key: Numpad 7" << "Key: Number Pad 7";
    QTest::newRow("keypad enter") << "Key: Keypad Enter" << "Key: Number Pad Enter";
    QTest::newRow("minus stays a key") << "Key: -" << "Key: -";
    QTest::newRow("control") << "Key: Left Ctrl" << "Key: Left Control";
    QTest::newRow("play") << "Key: Media Play" << "Key: Media Play/Pause";
}

void TestNetworkKeyboard::namesMatch()
{
    QFETCH(QString, theirs);
    QFETCH(QString, ours);
    QCOMPARE(KeyLedMatch::normalized(theirs), KeyLedMatch::normalized(ours));
    // No two keys of our table fold into one name.
    QSet<QString> names;
    for (const KeyInfo& key : KeyTable::kKeys)
        names.insert(KeyLedMatch::normalized(QString::fromUtf8(key.ledName)));
    QCOMPARE(names.size(), KeyTable::kKeyCount);
}

void TestNetworkKeyboard::mapsKeysAndBorrowsForOthers()
{
    const SdkController device = FakeDevices::keyboard(QStringLiteral("K"), kF1Led);
    const KeyLedMatch match = KeyLedMatch::build(device);
    QCOMPARE(match.missingKeys(), QStringList{QStringLiteral("Key: F1")});
    QCOMPARE(match.matchedLeds(), KeyTable::kKeyCount - 1);
    QCOMPARE(match.borrowedLeds(), 1); // the logo
    QCOMPARE(match.sourceLeds()[ledNamed(device, QStringLiteral("Key: Escape"))], kEscapeLed);
    for (const int source : match.sourceLeds())
        QVERIFY(source >= 0);

    // An LED of the matrix with no name of ours shows its nearest neighbour in the matrix.
    SdkController renamed = device;
    const int escape = ledNamed(renamed, QStringLiteral("Key: Escape"));
    renamed.leds[escape].name = QStringLiteral("Key: Mystery");
    const KeyLedMatch borrowed = KeyLedMatch::build(renamed);
    const int neighbour = borrowed.sourceLeds()[escape];
    QVERIFY(neighbour >= 0 && neighbour != kEscapeLed);
    // Escape's neighbours in the matrix: one column or one row away.
    QVERIFY(std::abs(neighbour / kLedMatrixRows - kEscapeLed / kLedMatrixRows)
                + std::abs(neighbour % kLedMatrixRows - kEscapeLed % kLedMatrixRows)
            == 1);
}

void TestNetworkKeyboard::choosesTheDevice_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("chosen");
    QTest::newRow("default: the first keyboard") << "" << 1;
    QTest::newRow("by index") << "2" << 2;
    QTest::newRow("by name, any case") << "second keyboard" << 2;
    QTest::newRow("a name nobody has") << "Nope" << -1;
    QTest::newRow("an index past the list") << "7" << -1;
}

void TestNetworkKeyboard::choosesTheDevice()
{
    QFETCH(QString, choice);
    QFETCH(int, chosen);
    Rig rig({FakeDevices::mouse(), FakeDevices::keyboard(),
             FakeDevices::keyboard(QStringLiteral("Second Keyboard"))});
    rig.keyboard.setDeviceChoice(choice);
    QVERIFY(rig.connect());
    QTRY_VERIFY_WITH_TIMEOUT(rig.keyboard.client().state() == SdkClient::State::Connected,
                             kWaitMs);
    QCOMPARE(rig.keyboard.controllerIndex(), chosen);
    if (chosen < 0)
        return;
    // The per-key mode first, then the frame.
    QTRY_VERIFY_WITH_TIMEOUT(rig.server.count(Sdk::PacketId::UpdateLeds) > 0, kWaitMs);
    const SdkController& lit = rig.server.controllers()[chosen];
    QCOMPARE(lit.modes[lit.activeMode].name, QStringLiteral("Direct"));
    const auto& received = rig.server.received();
    const auto modeSwitch = std::find_if(received.begin(), received.end(), [](const auto& p) {
        return p.id == Sdk::PacketId::UpdateMode;
    });
    QVERIFY(modeSwitch != received.end());
    QCOMPARE(modeSwitch->deviceIndex, quint32(chosen));
}

void TestNetworkKeyboard::stillEffectSendsOneFrame()
{
    Rig rig({FakeDevices::keyboard()});
    rig.light(Mode::Static, Qt::red);
    QVERIFY(rig.connect());
    QTRY_COMPARE_WITH_TIMEOUT(serverColour(rig.server, 0, QStringLiteral("Key: Escape")),
                              qRgb(255, 0, 0), kWaitMs);
    // The logo borrows a key's colour, so the device lights as one.
    QCOMPARE(serverColour(rig.server, 0, QStringLiteral("Logo")), qRgb(255, 0, 0));

    // Nothing more while nothing changes: wait for a frame that would have come.
    const int frames = rig.server.count(Sdk::PacketId::UpdateLeds);
    QCOMPARE(frames, 1);
    QTest::qWait(300);
    QCOMPARE(rig.server.count(Sdk::PacketId::UpdateLeds), frames);
    QCOMPARE(rig.keyboard.framesSent(), 1);

    rig.light(Mode::Static, Qt::blue);
    QTRY_COMPARE_WITH_TIMEOUT(serverColour(rig.server, 0, QStringLiteral("Key: F1")),
                              qRgb(0, 0, 255), kWaitMs);
    QCOMPARE(rig.keyboard.framesSent(), 2);
}

void TestNetworkKeyboard::movingEffectStreamsAtMostThirtyFrames()
{
    Rig rig({FakeDevices::keyboard()});
    rig.light(Mode::RainbowWave, Qt::red);
    QVERIFY(rig.connect());
    QSignalSpy frames(&rig.keyboard, &NetworkKeyboard::sigFrameSent);
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 5, kWaitMs);
    // The per-second count never exceeds the limit, however fast the loop could go.
    QVERIFY(rig.keyboard.framesPerSecond() <= NetworkKeyboard::kMaxFramesPerSecond);
    QVERIFY(rig.keyboard.framesPerSecond() > 0);
}

void TestNetworkKeyboard::lightingBackAfterServerRestart()
{
    Rig rig({FakeDevices::keyboard()});
    rig.light(Mode::Static, Qt::green);
    QVERIFY(rig.connect());
    const quint16 port = rig.server.port();
    QTRY_COMPARE_WITH_TIMEOUT(serverColour(rig.server, 0, QStringLiteral("Key: Escape")),
                              qRgb(0, 255, 0), kWaitMs);

    // A server that comes back knows nothing of what it showed.
    rig.server.stop();
    rig.server.setControllers({FakeDevices::keyboard()});
    rig.server.clearReceived();
    QTRY_COMPARE_WITH_TIMEOUT(rig.keyboard.controllerIndex(), -1, kWaitMs);
    QVERIFY(rig.server.start(port));
    QTRY_COMPARE_WITH_TIMEOUT(serverColour(rig.server, 0, QStringLiteral("Key: Escape")),
                              qRgb(0, 255, 0), kWaitMs);
    QCOMPARE(rig.server.count(Sdk::PacketId::UpdateMode), 1);

    // The device list changed under it: the lighting is sent again, whole.
    rig.server.setControllers({FakeDevices::keyboard()});
    rig.server.announceListUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(serverColour(rig.server, 0, QStringLiteral("Key: Escape")),
                              qRgb(0, 255, 0), kWaitMs);
}

void TestNetworkKeyboard::noKeyboardOffered()
{
    Rig rig({FakeDevices::mouse()});
    rig.light(Mode::Static, Qt::red);
    QVERIFY(rig.connect());
    QTRY_VERIFY_WITH_TIMEOUT(rig.keyboard.client().state() == SdkClient::State::Connected,
                             kWaitMs);
    QCOMPARE(rig.keyboard.controllerIndex(), -1);
    QTest::qWait(100);
    QCOMPARE(rig.server.count(Sdk::PacketId::UpdateLeds), 0);
    QCOMPARE(rig.server.count(Sdk::PacketId::UpdateMode), 0);
}

QTEST_MAIN(TestNetworkKeyboard)
#include "tst_networkkeyboard.moc"
