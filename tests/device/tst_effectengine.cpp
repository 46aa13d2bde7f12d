#include "host/device/effectengine.h"
#include "host/device/keylayout.h"
#include "host/device/virtualkeyboard.h"
#include "packets.h"

#include <QtTest>

#include <cmath>

using Packets::record;

namespace {
constexpr int kSlowest = 10000; // longer than any reactive effect lasts at speed 3
constexpr qint64 kAnyTimes[] = {0, 777, 60000};

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

// Hue of a synthetic key at (x, y), 0 to 1.
float hueAt(const vantor_light& light, float x, float y, qint64 t)
{
    const Rgb c = Effects::ordinary(light.mode)(light, {x, y, 0}, {t, nullptr});
    return float(QColor::fromRgb(EffectEngine::toQRgb(c)).hueF());
}

// Difference of two hues on the circle, in (-0.5, 0.5].
float hueStep(float from, float to)
{
    const float d = to - from;
    return d - std::round(d);
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
    void customShowsEachKey();
    void multilayerBlendsAndSkipsEmpty_data();
    void multilayerBlendsAndSkipsEmpty();
    void multizoneLightsZonesOnly();
    void turnOffIsDark();
    void everyModeIsRepeatable();
    void snakeCrawls();
};

void TestEffectEngine::staticOnEveryKey_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::newRow("opaqueRed") << QColor(255, 0, 0, 255);
    QTest::newRow("halfPurple") << QColor(132, 49, 155, 128);
    QTest::newRow("zeroBrightness") << QColor(10, 200, 90, 0);
}

void TestEffectEngine::staticOnEveryKey()
{
    QFETCH(QColor, colour);
    const auto keyboard = running(Request::ModeParam,
                                  Packets::modeParam(record(Mode::Static, colour)));
    for (const qint64 t : kAnyTimes) {
        const LedFrame frame = frameOf(*keyboard, t);
        const QString wrong = wrongKey(frame, [&](int) { return lit(colour); });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // Slots without a key never light.
        QCOMPARE(frame[0], qRgb(0, 0, 0));
    }
}

void TestEffectEngine::breathingPeriodFollowsSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("periodMs");
    QTest::newRow("slowest") << 1 << 8000;
    QTest::newRow("default") << 3 << 4000;
    QTest::newRow("fastest") << 5 << 2000;
    QTest::newRow("aboveRange") << 9 << 2000;
}

void TestEffectEngine::breathingPeriodFollowsSpeed()
{
    QFETCH(int, speed);
    QFETCH(int, periodMs);
    const auto keyboard = running(Request::ModeParam,
                                  Packets::modeParam(record(Mode::Breathing, Qt::green,
                                                            Qt::black, speed)));
    const int led = keyboard->layout().keys().front().led;
    const auto green = [&](qint64 t) { return qGreen(frameOf(*keyboard, t)[led]); };
    // Dark at the start of each breath, brightest half way, every key together.
    for (int breath = 0; breath < 2; ++breath) {
        QCOMPARE(green(breath * periodMs), 0);
        QCOMPARE(green(breath * periodMs + periodMs / 2), 255);
    }
    const int quarter = green(periodMs / 4);
    QVERIFY(quarter > 0 && quarter < 255);
    const LedFrame frame = frameOf(*keyboard, periodMs / 4);
    QVERIFY(wrongKey(frame, [&](int) { return frame[led]; }).isEmpty());
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
    const vantor_light light = record(Mode::RainbowWave, Qt::black, Qt::black, 3, direction);
    constexpr float kDelta = 0.05f;
    for (const qint64 t : kAnyTimes) {
        const float here = hueAt(light, 0.5f, 0.5f, t);
        const float later = hueStep(here, hueAt(light, 0.5f, 0.5f, t + 50));
        QVERIFY2(std::abs(later) > 0.001f, "the wave moves");
        // A pattern moving with velocity v satisfies dh/dt = -v dh/dx, per axis.
        const auto movement = [&](float x, float y) {
            const float along = hueStep(here, hueAt(light, x, y, t));
            return std::abs(along) < 1e-4f ? 0 : (-later / along > 0.0f ? 1 : -1);
        };
        QCOMPARE(movement(0.5f + kDelta, 0.5f), towardsX);
        QCOMPARE(movement(0.5f, 0.5f + kDelta), towardsY);
    }
}

void TestEffectEngine::reactiveLightsPressedKeyAndFades_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {Mode::ReactiveFade, Mode::ReactivePunch, Mode::Ripple, Mode::WaterRipple,
                     Mode::Crosshair, Mode::Fireball, Mode::Heartbeat})
        QTest::newRow(ModeCatalogue::info(mode).name) << mode;
}

void TestEffectEngine::reactiveLightsPressedKeyAndFades()
{
    QFETCH(int, mode);
    const QColor fg(255, 160, 0);
    const QColor bg(0, 0, 90);
    const auto keyboard = running(Request::ModeParam, Packets::modeParam(record(mode, fg, bg)));
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

void TestEffectEngine::customShowsEachKey()
{
    vantor_light_custom custom;
    const auto colourOf = [](int led) {
        return QColor(led, 255 - led, (led * 37) % 256, 128);
    };
    for (int led = 0; led < kLedCount; ++led) {
        const QColor c = colourOf(led);
        custom.led[3 * led] = uchar(c.red());
        custom.led[3 * led + 1] = uchar(c.green());
        custom.led[3 * led + 2] = uchar(c.blue());
    }
    custom.brightness = 128;
    const auto keyboard = running(Request::CustomLed, Packets::customLed(custom));
    const LedFrame frame = frameOf(*keyboard, 500);
    const QString wrong = wrongKey(frame, [&](int led) { return lit(colourOf(led)); });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
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
}

void TestEffectEngine::multilayerBlendsAndSkipsEmpty()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(QRgb, expected);
    // Layers 1 and 3 are empty but carry white: if they counted, every key would be white.
    const vantor_light empty = record(Mode::Empty, Qt::white, Qt::white);
    const auto keyboard = running(
        Request::Multilayer,
        Packets::multilayer({record(Mode::Static, first), empty, record(Mode::Static, second),
                             empty}));
    const QString wrong = wrongKey(frameOf(*keyboard, 250), [&](int) { return expected; });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestEffectEngine::multizoneLightsZonesOnly()
{
    // Zone 2 is empty: its key stays dark. Zone 1 breathes, so it is dark at time 0.
    const std::vector<int> zoneKeys[kSubModeCount] = {{30, 37, 44}, {31, 38}, {32}, {}};
    vantor_filter filter;
    for (int z = 0; z < kSubModeCount; ++z) {
        for (int led : zoneKeys[z])
            filter.zone[z][led] = 1;
    }
    const auto keyboard = running(
        Request::Multizone,
        Packets::multizone({record(Mode::Static, Qt::red), record(Mode::Breathing, Qt::green),
                            record(Mode::Empty, Qt::white), record(Mode::Static, Qt::blue)},
                           filter));
    for (const qint64 t : {0, Effects::breathingPeriodMs(3) / 2}) {
        const QString wrong = wrongKey(frameOf(*keyboard, t), [&](int led) {
            if (filter.zone[0][led])
                return qRgb(255, 0, 0);
            return filter.zone[1][led] && t > 0 ? qRgb(0, 255, 0) : qRgb(0, 0, 0);
        });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
}

void TestEffectEngine::turnOffIsDark()
{
    const auto keyboard = running(
        Request::ModeParam, Packets::modeParam(record(Mode::TurnOff, Qt::white, Qt::white)));
    keyboard->pressKey(59, keyboard->effectStartMs() + 1000);
    for (const qint64 t : {0, 1001, 4321}) {
        for (QRgb lamp : frameOf(*keyboard, t))
            QCOMPARE(lamp, qRgb(0, 0, 0));
    }
}

void TestEffectEngine::everyModeIsRepeatable()
{
    // Frames depend only on the time and the presses: a second keyboard given the same
    // packets and presses shows the same frames.
    for (const ModeInfo& info : ModeCatalogue::kModes) {
        QVERIFY2(EffectEngine::modeFn(info.mode), info.name);
        if (info.preview != PreviewKind::Ordinary)
            continue;
        const QByteArray packet = Packets::modeParam(record(info.mode, Qt::yellow, Qt::blue));
        const auto a = running(Request::ModeParam, packet);
        const auto b = running(Request::ModeParam, packet);
        a->pressKey(44, a->effectStartMs() + 100);
        b->pressKey(44, b->effectStartMs() + 100);
        for (const qint64 t : {0, 150, 2500, 9000})
            QVERIFY2(frameOf(*a, t) == frameOf(*b, t), info.name);
    }
    QVERIFY(!EffectEngine::modeFn(Mode::Count));
}

void TestEffectEngine::snakeCrawls()
{
    const auto keyboard = running(Request::ModeParam,
                                  Packets::modeParam(record(Mode::GameSnake, Qt::white)));
    // A short snake whose head, the brightest green, moves on from frame to frame.
    QSet<int> heads;
    for (qint64 t = 0; t < 3000; t += 200) {
        const LedFrame frame = frameOf(*keyboard, t);
        const auto litKeys = std::count_if(frame.begin(), frame.end(),
                                           [](QRgb c) { return c != qRgb(0, 0, 0); });
        QVERIFY2(litKeys >= 1 && litKeys <= 12, qPrintable(QString::number(litKeys)));
        const auto head = std::max_element(frame.begin(), frame.end(), [](QRgb a, QRgb b) {
            return qGreen(a) + qRed(a) / 2 < qGreen(b) + qRed(b) / 2;
        });
        heads.insert(int(head - frame.begin()));
    }
    QVERIFY(heads.size() >= 10);
}

QTEST_MAIN(TestEffectEngine)
#include "tst_effectengine.moc"
