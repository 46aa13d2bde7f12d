// SPDX-License-Identifier: MIT
// What SDK clients see of KeyLight and what their requests do to the session: one keyboard
// with every key and one mode per effect; a mode is one undo step that the store, the page
// and the keyboard follow; a stream of colours reaches the keyboard at once and the undo
// stack as one step once it pauses.

#include "device/packets.h"
#include "host/app/hostassembly.h"
#include "host/device/virtualkeyboard.h"
#include "host/sdkserver/remotelighting.h"
#include "host/sdkserver/sdkmodes.h"
#include "host/session/hostsession.h"
#include "host/transport/openrgb/sdkprotocol.h"
#include "keylight/keytable.h"
#include "support/scratchstore.h"

#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <set>

namespace {
struct Rig
{
    explicit Rig(ProfileStore& store)
        : host(store, &keyboard)
        , remote(host.session(), store, keyboard, {})
    {
        host.session().switchProfile(0);
    }
    ProfileData profile() { return host.store().profile(0); }
    int undoSteps() { return host.session().undoStack()->count(); }

    VirtualKeyboard keyboard;
    HostAssembly host;
    RemoteLighting remote;
};

SdkMode asked(const QString& name)
{
    SdkMode mode;
    mode.name = name;
    return mode;
}
} // namespace

class TestRemoteLighting : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_scratch = std::make_unique<ScratchStore>();
        QVERIFY(m_scratch->open());
    }
    void cleanup()
    {
        m_scratch.reset();
    }

    void everyKeyAndEveryEffect();
    void modeSettingsRoundTrip_data();
    void modeSettingsRoundTrip();
    void modeIsOneUndoStep();
    void impossibleSettingsAreIgnored();
    void streamIsOneUndoStep();
    void pageChangeDuringStreamIsKept();
    void saveModeApplies();

private:
    std::unique_ptr<ScratchStore> m_scratch;
};

void TestRemoteLighting::everyKeyAndEveryEffect()
{
    Rig rig(m_scratch->store);
    const SdkController controller = rig.remote.controller();
    QCOMPARE(controller.type, qint32(Sdk::Keyboard));
    QCOMPARE(controller.name, QStringLiteral("KeyLight keyboard"));
    QCOMPARE(controller.leds.size(), KeyTable::kKeyCount);
    QCOMPARE(controller.leds.first().name, QStringLiteral("Key: Escape"));
    QCOMPARE(controller.colors.size(), controller.leds.size());
    // Every matrix cell that holds an LED holds a different one, and all of them appear.
    std::set<quint32> cells;
    for (quint32 cell : controller.zones.first().matrix) {
        if (cell != Sdk::kNoLed)
            QVERIFY(cells.insert(cell).second);
    }
    QCOMPARE(int(cells.size()), KeyTable::kKeyCount);
    // One mode per effect, each once, the per-key one first.
    QCOMPARE(controller.modes.size(), Mode::Count);
    QCOMPARE(controller.modes.first().name, QStringLiteral("Direct"));
    std::set<int> values;
    for (const SdkMode& mode : controller.modes)
        values.insert(mode.value);
    QCOMPARE(int(values.size()), Mode::Count);
    // The colours are what the keyboard shows: the factory profile is white static light.
    QCOMPARE(controller.modes[controller.activeMode].name, QStringLiteral("Static"));
    QCOMPARE(controller.colors.first(), qRgb(255, 255, 255));
}

void TestRemoteLighting::modeSettingsRoundTrip_data()
{
    QTest::addColumn<int>("mode");
    for (const ModeInfo& info : ModeCatalogue::kModes)
        QTest::newRow(info.networkName) << info.mode;
}

void TestRemoteLighting::modeSettingsRoundTrip()
{
    // A client that sends back what it was shown changes nothing.
    QFETCH(int, mode);
    vantor_light record;
    record.mode = uchar(mode);
    record.speed = 2;
    record.direction = Direction::Down;
    record.fg_brightness = 200;
    record.fg_r = 10;
    record.fg_g = 20;
    record.fg_b = 30;
    record.bg_flag = ModeCatalogue::usesBackground(mode) ? 1 : 0;
    record.bg_r = 40;
    const SdkMode shown = SdkModes::describe(mode, record, 255);
    const vantor_light back = SdkModes::apply(mode, shown, record);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&back), sizeof back),
             QByteArray(reinterpret_cast<const char*>(&record), sizeof record));
    // What a mode offers matches what the page offers for it.
    QCOMPARE(bool(shown.flags & Sdk::HasSpeed),
             ModeCatalogue::isOrdinary(mode) && ModeCatalogue::hasSpeed(mode));
    QCOMPARE(bool(shown.flags & Sdk::HasDirectionUD),
             ModeCatalogue::isOrdinary(mode) && ModeCatalogue::hasDirection(mode)
                 && ModeCatalogue::hasVerticalDirection(mode));
    QCOMPARE(shown.colors.size(), int(shown.colorsMax));
}

void TestRemoteLighting::modeIsOneUndoStep()
{
    Rig rig(m_scratch->store);
    QSignalSpy reloads(&rig.host.session(), &HostSession::sigReloadRequested);
    const int before = rig.undoSteps();
    SdkMode breathing = asked(QStringLiteral("Breathing"));
    breathing.speed = 5;
    breathing.brightnessMax = 100;
    breathing.brightness = 50;
    breathing.colors = {qRgb(0, 255, 0)};
    rig.remote.setMode(SdkModes::indexOf(Mode::Breathing), breathing, false);

    const ProfileData data = rig.profile();
    QCOMPARE(int(data.activeMode), int(Mode::Breathing));
    const vantor_light& record = data.modeLights[Mode::Breathing];
    QCOMPARE(int(record.speed), 5);
    QCOMPARE(int(record.fg_g), 255);
    QCOMPARE(int(record.fg_r), 0);
    QCOMPARE(int(record.fg_brightness), 128); // half of the client's range
    QCOMPARE(rig.undoSteps(), before + 1);
    QCOMPARE(reloads.count(), 1);
    QCOMPARE(int(rig.keyboard.state().lighting().mode), int(Mode::Breathing));
    // Undo puts the effect back, on the keyboard too.
    rig.host.session().undoStack()->undo();
    QCOMPARE(int(rig.keyboard.state().lighting().mode), int(Mode::Static));
}

void TestRemoteLighting::impossibleSettingsAreIgnored()
{
    Rig rig(m_scratch->store);
    SdkMode wild = asked(QStringLiteral("Circle Spectrum"));
    wild.speed = 99;
    wild.direction = Sdk::Up; // it turns left or right only
    const vantor_light before = rig.profile().modeLights[Mode::CircleSpectrum];
    rig.remote.setMode(SdkModes::indexOf(Mode::CircleSpectrum), wild, false);
    const vantor_light after = rig.profile().modeLights[Mode::CircleSpectrum];
    QCOMPARE(int(rig.profile().activeMode), int(Mode::CircleSpectrum));
    QCOMPARE(after.speed, before.speed);
    QCOMPARE(after.direction, before.direction);
    // An index past the list changes nothing at all.
    const int steps = rig.undoSteps();
    rig.remote.setMode(Mode::Count, wild, false);
    QCOMPARE(rig.undoSteps(), steps);
}

void TestRemoteLighting::streamIsOneUndoStep()
{
    Rig rig(m_scratch->store);
    const int before = rig.undoSteps();
    const int escape = 0;
    for (int frame = 0; frame < 30; ++frame) {
        rig.remote.setColours(0, QVector<QRgb>(KeyTable::kKeyCount, qRgb(frame, 0, 0)));
        // The keyboard follows every frame at once.
        QCOMPARE(int(rig.keyboard.state().lighting().custom.led[3 * KeyTable::kKeys[escape].led]),
                 frame);
    }
    QCOMPARE(int(rig.keyboard.state().lighting().mode), int(Mode::Custom));
    QCOMPARE(rig.undoSteps(), before);
    // The page follows within a tenth of a second, the undo stack once the stream pauses.
    QTRY_COMPARE_WITH_TIMEOUT(int(rig.profile().custom.led[3 * KeyTable::kKeys[escape].led]),
                              29, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.undoSteps(), before + 1, 5000);
    QCOMPARE(int(rig.profile().activeMode), int(Mode::Custom));
    rig.host.session().undoStack()->undo();
    QCOMPARE(int(rig.profile().activeMode), int(Mode::Static));
}

void TestRemoteLighting::pageChangeDuringStreamIsKept()
{
    Rig rig(m_scratch->store);
    rig.remote.setColours(0, QVector<QRgb>(KeyTable::kKeyCount, qRgb(0, 0, 200)));
    // A person changes RAIN's speed on the page while the client streams on.
    QByteArray rain = Packets::modeParam(Packets::record(Mode::Rain, Qt::blue, Qt::black, 1));
    rig.host.session().handleRequest(Request::ModeParam, rain.data());
    rig.remote.setColours(0, QVector<QRgb>(KeyTable::kKeyCount, qRgb(0, 0, 250)));
    rig.remote.finishStream();
    const ProfileData data = rig.profile();
    QCOMPARE(int(data.modeLights[Mode::Rain].speed), 1);
    QCOMPARE(int(data.custom.led[3 * KeyTable::kKeys[0].led + 2]), 250);
    QCOMPARE(int(data.activeMode), int(Mode::Custom));
}

void TestRemoteLighting::saveModeApplies()
{
    Rig rig(m_scratch->store);
    QSignalSpy applied(&rig.keyboard, &VirtualKeyboard::sigApplied);
    rig.remote.setMode(SdkModes::indexOf(Mode::Rain), asked(QStringLiteral("Rain")), true);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(int(rig.keyboard.onboardProfile(0)->mode), int(Mode::Rain));
}

QTEST_MAIN(TestRemoteLighting)
#include "tst_remotelighting.moc"
