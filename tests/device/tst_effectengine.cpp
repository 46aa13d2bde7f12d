#include "host/device/effectengine.h"
#include "host/device/keylayout.h"
#include "host/device/virtualkeyboard.h"
#include "packets.h"

#include <QtTest>

#include <cmath>

using Packets::record;

namespace {

constexpr int kSlowest = 10000; // longer than any reactive effect lasts at speed 3

QString describe(QRgb c)
{
    return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

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

// Hue of a synthetic key at (x, y), 0 to 1.
float hueAt(const vantor_light& light, float x, float y, qint64 t)
{
    const Rgb c = Effects::ordinary(light.mode)(light, {x, y, 0}, {t, nullptr});
    return float(QColor::fromRgb(EffectEngine::toQRgb(c)).hueF());
}

// Difference of two hues on the circle, in (-0.5, 0.5].
float hueStep(float from, float to)
{
    float d = to - from;
    d -= std::round(d);
    return d;
}

} // namespace

class TestEffectEngine : public QObject
{
    Q_OBJECT

private slots:
    void staticOnEveryKey_data();
    void staticOnEveryKey();
    void breathingPeriodFollowsSpeed_data();
    void breathingPeriodFollowsSpeed();
    void rainbowWaveDirection_data();
    void rainbowWaveDirection();
    void reactiveLightsPressedKeyAndFades_data();
    void reactiveLightsPressedKeyAndFades();
    void customShowsEachKey_data();
    void customShowsEachKey();
    void multilayerBlendsAndSkipsEmpty_data();
    void multilayerBlendsAndSkipsEmpty();
    void multizoneLightsZonesOnly();
    void turnOffIsDark_data();
    void turnOffIsDark();
    void everyModeIsRepeatable();
    void snakeCrawls();

private:
    KeyLayout m_layout = KeyLayout::fromForm();
};

void TestEffectEngine::staticOnEveryKey_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::newRow("opaqueRed") << QColor(255, 0, 0, 255);
    QTest::newRow("halfPurple") << QColor(132, 49, 155, 128);
    QTest::newRow("dimWhite") << QColor(255, 255, 255, 1);
    QTest::newRow("zeroBrightness") << QColor(10, 200, 90, 0);
}

void TestEffectEngine::staticOnEveryKey()
{
    QFETCH(QColor, colour);
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Static, colour)));
    const QRgb expected = lit(colour);
    for (const qint64 t : {0, 1234, 60000}) {
        const LedFrame frame = frameOf(keyboard, t);
        for (const KeyGeometry& key : m_layout.keys())
            QVERIFY2(near(frame[key.led], expected),
                     qPrintable(key.label + describe(frame[key.led])));
        // Slots without a key never light.
        QCOMPARE(frame[0], qRgb(0, 0, 0));
        QCOMPARE(frame[6], qRgb(0, 0, 0));
    }
}

void TestEffectEngine::breathingPeriodFollowsSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("periodMs");
    QTest::newRow("slowest") << 1 << 8000;
    QTest::newRow("speed2") << 2 << 6000;
    QTest::newRow("default") << 3 << 4000;
    QTest::newRow("speed4") << 4 << 3000;
    QTest::newRow("fastest") << 5 << 2000;
    QTest::newRow("belowRange") << 0 << 8000;
    QTest::newRow("aboveRange") << 9 << 2000;
}

void TestEffectEngine::breathingPeriodFollowsSpeed()
{
    QFETCH(int, speed);
    QFETCH(int, periodMs);
    VirtualKeyboard keyboard;
    const vantor_light light = record(Mode::Breathing, QColor(0, 255, 0), Qt::black, speed);
    keyboard.send(Request::ModeParam, Packets::modeParam(light));
    const int led = m_layout.keys().front().led;
    // Measure the period between the middles of two dark spells, sampled every 10 ms.
    constexpr int kStep = 10;
    constexpr int kSpan = 3 * 8000;
    std::vector<int> darkMiddles;
    int darkFrom = -1;
    int brightest = 0;
    for (int t = 0; t <= kSpan; t += kStep) {
        const int green = qGreen(frameOf(keyboard, t)[led]);
        brightest = std::max(brightest, green);
        if (green == 0 && darkFrom < 0)
            darkFrom = t;
        if (green != 0 && darkFrom >= 0) {
            // The spell at time 0 has only its second half here.
            if (darkFrom > 0)
                darkMiddles.push_back((darkFrom + t - kStep) / 2);
            darkFrom = -1;
        }
    }
    QCOMPARE(brightest, 255);
    QVERIFY(darkMiddles.size() >= 2);
    QVERIFY(std::abs(darkMiddles[0] - periodMs) <= kStep);
    QVERIFY(std::abs(darkMiddles[1] - darkMiddles[0] - periodMs) <= kStep);
    // The brightest moment lies half way.
    QCOMPARE(qGreen(frameOf(keyboard, periodMs / 2)[led]), 255);
    // Every key breathes together.
    const LedFrame quarter = frameOf(keyboard, periodMs / 4);
    for (const KeyGeometry& key : m_layout.keys())
        QCOMPARE(quarter[key.led], quarter[led]);
}

void TestEffectEngine::rainbowWaveDirection_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("towardsX"); // -1 left, 0 none, 1 right
    QTest::addColumn<int>("towardsY"); // -1 up, 0 none, 1 down
    QTest::newRow("left") << int(Direction::Left) << -1 << 0;
    QTest::newRow("up") << int(Direction::Up) << 0 << -1;
    QTest::newRow("right") << int(Direction::Right) << 1 << 0;
    QTest::newRow("down") << int(Direction::Down) << 0 << 1;
}

void TestEffectEngine::rainbowWaveDirection()
{
    QFETCH(int, direction);
    QFETCH(int, towardsX);
    QFETCH(int, towardsY);
    const vantor_light light = record(Mode::RainbowWave, QColor(0, 0, 0), Qt::black, 3,
                                      direction);
    constexpr float kDelta = 0.05f;
    constexpr qint64 kLater = 50;
    for (const qint64 t : {0, 777, 5000}) {
        const float here = hueAt(light, 0.5f, 0.5f, t);
        const float later = hueStep(here, hueAt(light, 0.5f, 0.5f, t + kLater));
        const float alongX = hueStep(here, hueAt(light, 0.5f + kDelta, 0.5f, t));
        const float alongY = hueStep(here, hueAt(light, 0.5f, 0.5f + kDelta, t));
        QVERIFY2(std::abs(later) > 0.001f, "the wave moves");
        // A pattern moving with velocity v satisfies dh/dt = -v dh/dx, per axis.
        const auto movement = [later](float along) {
            if (std::abs(along) < 1e-4f)
                return 0;
            return -later / along > 0.0f ? 1 : -1;
        };
        QCOMPARE(movement(alongX), towardsX);
        QCOMPARE(movement(alongY), towardsY);
    }
    // On the real keys, the wave's colours are full rainbow colours at full brightness.
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(light));
    const LedFrame frame = frameOf(keyboard, 300);
    for (const KeyGeometry& key : m_layout.keys())
        QCOMPARE(std::max({qRed(frame[key.led]), qGreen(frame[key.led]), qBlue(frame[key.led])}),
                 255);
}

void TestEffectEngine::reactiveLightsPressedKeyAndFades_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("reactiveFade") << int(Mode::ReactiveFade);
    QTest::newRow("reactivePunch") << int(Mode::ReactivePunch);
    QTest::newRow("ripple") << int(Mode::Ripple);
    QTest::newRow("waterRipple") << int(Mode::WaterRipple);
    QTest::newRow("crosshair") << int(Mode::Crosshair);
    QTest::newRow("fireball") << int(Mode::Fireball);
    QTest::newRow("heartbeat") << int(Mode::Heartbeat);
}

void TestEffectEngine::reactiveLightsPressedKeyAndFades()
{
    QFETCH(int, mode);
    const QColor fg(255, 160, 0);
    const QColor bg(0, 0, 90);
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(record(mode, fg, bg)));
    constexpr int kPressed = 59;    // G, in the middle of the keyboard
    constexpr int kFarAway = 173;   // numeric pad Enter
    constexpr qint64 kPressAt = 1000;
    keyboard.pressKey(kPressed, keyboard.effectStartMs() + kPressAt);

    QVERIFY(near(frameOf(keyboard, kPressAt - 1)[kPressed], lit(bg)));
    const LedFrame atPress = frameOf(keyboard, kPressAt);
    QVERIFY2(near(atPress[kPressed], lit(fg), 2), qPrintable(describe(atPress[kPressed])));
    QVERIFY(near(atPress[kFarAway], lit(bg)));
    // It fades: on its way back to the background the key is neither colour, and its
    // orange fades for good.
    bool between = false;
    int lastRed = 255;
    int risesAfterFade = 0;
    for (qint64 t = kPressAt; t <= kPressAt + kSlowest; t += 20) {
        const QRgb c = frameOf(keyboard, t)[kPressed];
        between = between || (!near(c, lit(fg), 8) && !near(c, lit(bg), 8));
        if (qRed(c) > lastRed + 1 && t > kPressAt + kSlowest / 2)
            ++risesAfterFade;
        lastRed = qRed(c);
    }
    QVERIFY(between);
    QCOMPARE(risesAfterFade, 0);
    QVERIFY(near(frameOf(keyboard, kPressAt + kSlowest)[kPressed], lit(bg)));
}

void TestEffectEngine::customShowsEachKey_data()
{
    QTest::addColumn<int>("brightness");
    QTest::newRow("full") << 255;
    QTest::newRow("half") << 128;
    QTest::newRow("off") << 0;
}

void TestEffectEngine::customShowsEachKey()
{
    QFETCH(int, brightness);
    vantor_light_custom custom;
    for (int led = 0; led < kLedCount; ++led) {
        custom.led[3 * led] = uchar(led);
        custom.led[3 * led + 1] = uchar(255 - led);
        custom.led[3 * led + 2] = uchar((led * 37) % 256);
    }
    custom.brightness = uchar(brightness);
    VirtualKeyboard keyboard;
    keyboard.send(Request::CustomLed, Packets::customLed(custom));
    QCOMPARE(int(keyboard.state().lighting().mode), int(Mode::Custom));
    const LedFrame frame = frameOf(keyboard, 500);
    for (const KeyGeometry& key : m_layout.keys()) {
        const QColor expected(key.led, 255 - key.led, (key.led * 37) % 256, brightness);
        QVERIFY2(near(frame[key.led], lit(expected)),
                 qPrintable(key.label + describe(frame[key.led])));
    }
    QCOMPARE(frame[0], qRgb(0, 0, 0)); // a colour for a slot without a key shows nowhere
}

void TestEffectEngine::multilayerBlendsAndSkipsEmpty_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("redAndBlue") << QColor(255, 0, 0) << QColor(0, 0, 255) << qRgb(255, 0, 255);
    QTest::newRow("halfRedTwice") << QColor(255, 0, 0, 128) << QColor(255, 0, 0, 128)
                                  << qRgb(191, 0, 0);
    QTest::newRow("greenOverBlack") << QColor(0, 255, 0) << QColor(0, 0, 0)
                                    << qRgb(0, 255, 0);
}

void TestEffectEngine::multilayerBlendsAndSkipsEmpty()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(QRgb, expected);
    // Layers 1 and 3 are empty but carry white: if they counted, every key would be white.
    vantor_light empty = record(Mode::Empty, Qt::white, Qt::white);
    const std::vector<vantor_light> layers = {record(Mode::Static, first), empty,
                                              record(Mode::Static, second), empty};
    VirtualKeyboard keyboard;
    keyboard.send(Request::Multilayer, Packets::multilayer(layers));
    const LedFrame frame = frameOf(keyboard, 250);
    for (const KeyGeometry& key : m_layout.keys())
        QVERIFY2(near(frame[key.led], expected), qPrintable(key.label + describe(frame[key.led])));
}

void TestEffectEngine::multizoneLightsZonesOnly()
{
    const std::vector<int> zoneKeys[kSubModeCount] = {{30, 37, 44}, {31, 38}, {32}, {}};
    vantor_filter filter;
    for (int z = 0; z < kSubModeCount; ++z) {
        for (int led : zoneKeys[z])
            filter.zone[z][led] = 1;
    }
    // Zone 2 is empty: its key stays dark. Zone 1 breathes, so it is dark at time 0.
    const std::vector<vantor_light> zones = {
        record(Mode::Static, QColor(255, 0, 0)),
        record(Mode::Breathing, QColor(0, 255, 0), Qt::black, 3),
        record(Mode::Empty, Qt::white),
        record(Mode::Static, QColor(0, 0, 255)),
    };
    VirtualKeyboard keyboard;
    keyboard.send(Request::Multizone, Packets::multizone(zones, filter));
    const int halfBreath = Effects::breathingPeriodMs(3) / 2;
    for (const qint64 t : {qint64(0), qint64(halfBreath)}) {
        const LedFrame frame = frameOf(keyboard, t);
        for (const KeyGeometry& key : m_layout.keys()) {
            QRgb expected = qRgb(0, 0, 0);
            if (filter.zone[0][key.led])
                expected = qRgb(255, 0, 0);
            else if (filter.zone[1][key.led])
                expected = t == 0 ? qRgb(0, 0, 0) : qRgb(0, 255, 0);
            QVERIFY2(near(frame[key.led], expected),
                     qPrintable(key.label + describe(frame[key.led])));
        }
    }
}

void TestEffectEngine::turnOffIsDark_data()
{
    QTest::addColumn<qint64>("time");
    QTest::newRow("start") << qint64(0);
    QTest::newRow("later") << qint64(4321);
    QTest::newRow("afterPress") << qint64(1001);
}

void TestEffectEngine::turnOffIsDark()
{
    QFETCH(qint64, time);
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam,
                  Packets::modeParam(record(Mode::TurnOff, Qt::white, Qt::white)));
    keyboard.pressKey(59, keyboard.effectStartMs() + 1000);
    const LedFrame frame = frameOf(keyboard, time);
    for (QRgb lamp : frame)
        QCOMPARE(lamp, qRgb(0, 0, 0));
}

void TestEffectEngine::everyModeIsRepeatable()
{
    // Frames depend only on the time and the presses: a second keyboard given the same
    // packets and presses shows the same frames.
    for (const ModeInfo& info : ModeCatalogue::kModes) {
        QVERIFY2(EffectEngine::modeFn(info.mode), info.name);
        if (info.preview != PreviewKind::Ordinary)
            continue;
        VirtualKeyboard a;
        VirtualKeyboard b;
        const QByteArray packet = Packets::modeParam(record(info.mode, Qt::yellow, Qt::blue));
        a.send(Request::ModeParam, packet);
        b.send(Request::ModeParam, packet);
        a.pressKey(44, a.effectStartMs() + 100);
        b.pressKey(44, b.effectStartMs() + 100);
        for (const qint64 t : {0, 150, 2500, 9000})
            QVERIFY2(frameOf(a, t) == frameOf(b, t), info.name);
    }
    QVERIFY(!EffectEngine::modeFn(Mode::Count));
}

void TestEffectEngine::snakeCrawls()
{
    VirtualKeyboard keyboard;
    keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::GameSnake, Qt::white)));
    // The head is the one key of its colour; it moves on from frame to frame.
    QSet<int> heads;
    for (qint64 t = 0; t < 3000; t += 200) {
        const LedFrame frame = frameOf(keyboard, t);
        int lit = 0;
        for (const KeyGeometry& key : m_layout.keys())
            lit += frame[key.led] != qRgb(0, 0, 0) ? 1 : 0;
        QVERIFY2(lit >= 1 && lit <= 12, qPrintable(QString::number(lit)));
        const auto green = std::max_element(frame.begin(), frame.end(), [](QRgb a, QRgb b) {
            return qGreen(a) + qRed(a) / 2 < qGreen(b) + qRed(b) / 2;
        });
        heads.insert(int(green - frame.begin()));
    }
    QVERIFY(heads.size() >= 10);
}

QTEST_MAIN(TestEffectEngine)
#include "tst_effectengine.moc"
