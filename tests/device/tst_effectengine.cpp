#include "host/device/effectengine.h"
#include "host/device/keylayout.h"
#include "host/device/virtualkeyboard.h"
#include "packets.h"

#include <QtTest>

#include <cmath>

using Packets::record;
using Lamps = QVector<QRgb>;
Q_DECLARE_METATYPE(Lamps)

namespace {
constexpr int kSlowest = 10000; // longer than any reactive effect lasts at speed 3

bool near(QRgb a, QRgb b, int tolerance = 1)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The colour as the keyboard shows it: red, green and blue scaled by the alpha.
QRgb lit(const QColor& c)
{
    const auto k = [&c](int v) { return int(std::lround(v * c.alpha() / 255.0)); };
    return qRgb(k(c.red()), k(c.green()), k(c.blue()));
}

// Every lamp of the keyboard at a time since the effect started.
LedFrame frameOf(const VirtualKeyboard& keyboard, qint64 t)
{
    LedFrame frame{};
    keyboard.frameAt(keyboard.effectStartMs() + t, frame);
    return frame;
}

// A keyboard running what one packet says.
std::unique_ptr<VirtualKeyboard> running(int code, const QByteArray& packet)
{
    auto keyboard = std::make_unique<VirtualKeyboard>();
    keyboard->send(code, packet);
    return keyboard;
}

// Names the first key whose lamp is not `expected(led)`, or gives an empty string.
QString wrongKey(const LedFrame& frame, const std::function<QRgb(int)>& expected)
{
    static const KeyLayout layout = KeyLayout::fromForm();
    for (const KeyGeometry& key : layout.keys()) {
        const QRgb want = expected(key.led);
        if (!near(frame[key.led], want))
            return QStringLiteral("%1: %2 instead of %3")
                .arg(key.label, QColor(frame[key.led]).name(), QColor(want).name());
    }
    return QString();
}

} // namespace

class TestEffectEngine : public QObject
{
    Q_OBJECT

private slots:
    void lampsAtTime_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<qint64>("time");
        QTest::addColumn<Lamps>("expected"); // by LED index

        const auto every = [](const QColor& c) { return Lamps(kLedCount, lit(c)); };
        const QColor purple(132, 49, 155, 128);
        const auto mode = [](int m, const QColor& c, int speed = 3) {
            return Packets::modeParam(record(m, c, Qt::black, speed));
        };
        QTest::newRow("staticRed") << 20 << mode(Mode::Static, Qt::red) << 0ll << every(Qt::red);
        QTest::newRow("staticHalfBright") << 20 << mode(Mode::Static, purple) << 60000ll
                                          << every(purple);
        // A breath starts dark and is brightest half way: 8 s at speed 1, 2 s from speed 5 up.
        QTest::newRow("breathSlowestHalf") << 20 << mode(Mode::Breathing, Qt::green, 1) << 4000ll
                                           << every(Qt::green);
        QTest::newRow("breathAboveRangeHalf") << 20 << mode(Mode::Breathing, Qt::green, 9)
                                              << 1000ll << every(Qt::green);
        QTest::newRow("breathFastestAnew") << 20 << mode(Mode::Breathing, Qt::green, 5) << 2000ll
                                           << every(Qt::black);
        QTest::newRow("turnOff") << 20 << mode(Mode::TurnOff, Qt::white) << 777ll
                                 << every(Qt::black);

        vantor_light_custom custom;
        custom.brightness = 128;
        for (int i = 0; i < 3 * kLedCount; ++i)
            custom.led[i] = uchar(i * 37);
        Lamps painted;
        for (const uchar* c = custom.led; c < custom.led + 3 * kLedCount; c += 3)
            painted << lit(QColor(c[0], c[1], c[2], custom.brightness));
        QTest::newRow("customEachKey") << 23 << Packets::customLed(custom) << 500ll << painted;

        // Layers 1 and 3 are empty but carry white: if they counted, every key would be white.
        const vantor_light empty = record(Mode::Empty, Qt::white, Qt::white);
        const auto layers = [&](const QColor& first, const QColor& second) {
            return Packets::multilayer(
                {record(Mode::Static, first), empty, record(Mode::Static, second), empty});
        };
        const QColor halfRed(255, 0, 0, 128);
        QTest::newRow("layersRedAndBlue") << 25 << layers(Qt::red, Qt::blue) << 250ll
                                          << every(Qt::magenta);
        QTest::newRow("layersHalfRedTwice") << 25 << layers(halfRed, halfRed) << 250ll
                                            << every(QColor(191, 0, 0));

        // Zone 2 is empty: its key stays dark. Zone 1 breathes, so it is dark at time 0.
        vantor_filter filter;
        filter.zone[0][30] = filter.zone[0][37] = filter.zone[1][31] = filter.zone[2][32] = 1;
        const QByteArray zones = Packets::multizone(
            {record(Mode::Static, Qt::red), record(Mode::Breathing, Qt::green), empty,
             record(Mode::Static, Qt::blue)},
            filter);
        Lamps dark = every(Qt::black);
        dark[30] = dark[37] = qRgb(255, 0, 0);
        Lamps breathing = dark;
        breathing[31] = qRgb(0, 255, 0);
        QTest::newRow("zonesAtStart") << 27 << zones << 0ll << dark;
        QTest::newRow("zonesHalfBreath")
            << 27 << zones << qint64(Effects::breathingPeriodMs(3) / 2) << breathing;
    }

    void lampsAtTime()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, packet);
        QFETCH(qint64, time);
        QFETCH(Lamps, expected);
        const auto keyboard = running(code, packet);
        keyboard->pressKey(59, keyboard->effectStartMs() + time - 1); // none of these react
        const LedFrame frame = frameOf(*keyboard, time);
        const QString wrong = wrongKey(frame, [&](int led) { return expected[led]; });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(frame[0], qRgb(0, 0, 0)); // a slot without a key never lights
    }

    void reactiveLightsPressedKeyAndFades_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode : {Mode::ReactiveFade, Mode::ReactivePunch, Mode::Ripple, Mode::WaterRipple,
                         Mode::Crosshair, Mode::Fireball})
            QTest::newRow(ModeCatalogue::info(mode).name) << mode;
    }

    void reactiveLightsPressedKeyAndFades()
    {
        QFETCH(int, mode);
        const QColor fg(255, 160, 0);
        const QColor bg(0, 0, 90);
        const auto keyboard =
            running(Request::ModeParam, Packets::modeParam(record(mode, fg, bg)));
        constexpr int kPressed = 59;  // G, in the middle of the keyboard
        constexpr int kFarAway = 173; // numeric pad Enter
        constexpr qint64 kPressAt = 1000;
        keyboard->pressKey(kPressed, keyboard->effectStartMs() + kPressAt);

        QVERIFY(near(frameOf(*keyboard, kPressAt - 1)[kPressed], lit(bg)));
        const LedFrame atPress = frameOf(*keyboard, kPressAt);
        QVERIFY(near(atPress[kPressed], lit(fg), 2));
        QVERIFY(near(atPress[kFarAway], lit(bg)));
        // It fades: on its way back the key is neither colour, and its orange fades for good.
        bool between = false;
        int lastRed = 255;
        for (qint64 t = kPressAt; t <= kPressAt + kSlowest; t += 20) {
            const QRgb c = frameOf(*keyboard, t)[kPressed];
            between = between || (!near(c, lit(fg), 8) && !near(c, lit(bg), 8));
            QVERIFY(t < kPressAt + kSlowest / 2 || qRed(c) <= lastRed + 1);
            lastRed = qRed(c);
        }
        QVERIFY(between);
        QVERIFY(near(frameOf(*keyboard, kPressAt + kSlowest)[kPressed], lit(bg)));
    }

    void unpromptedEffectsMoveAsTheySay_data()
    {
        QTest::addColumn<int>("mode");
        for (const ModeInfo& info : ModeCatalogue::kModes) {
            if (info.preview == PreviewKind::Ordinary)
                QTest::newRow(info.name) << info.mode;
        }
    }

    // Nobody types: an effect that moves by itself changes within two seconds, any other stays
    // as it starts; a reactive one then wakes for a press. Regression: HEARTBEAT never beat.
    void unpromptedEffectsMoveAsTheySay()
    {
        QFETCH(int, mode);
        const auto keyboard = running(Request::ModeParam,
                                      Packets::modeParam(record(mode, QColor(255, 160, 0),
                                                                QColor(0, 0, 90))));
        const LedFrame start = frameOf(*keyboard, 0);
        bool changed = false;
        for (qint64 t = 100; t <= 2000 && !changed; t += 100)
            changed = frameOf(*keyboard, t) != start;
        const Motion motion = Effects::motion(mode);
        QCOMPARE(changed, motion == Motion::Moving);
        const qint64 now = keyboard->effectStartMs() + 500;
        QCOMPARE(keyboard->changesAfter(now), motion == Motion::Moving);
        keyboard->pressKey(59, now);
        QCOMPARE(keyboard->changesAfter(now + 100), motion != Motion::Still);
        QCOMPARE(keyboard->changesAfter(now + kSlowest + 1), motion == Motion::Moving);
    }
};

QTEST_MAIN(TestEffectEngine)
#include "tst_effectengine.moc"
