// SPDX-License-Identifier: MIT
// The virtual keyboard: what it takes from the host, what it keeps across a restart, the
// lamps its effects light over time, and its widget, which turns typing and clicks into
// presses and draws only while it changes.

#include "host/device/effectengine.h"
#include "host/device/keylayout.h"
#include "host/device/onboardmemoryfile.h"
#include "host/device/virtualkeyboard.h"
#include "keylight/keytable.h"
#include "host/device/virtualkeyboardwid.h"
#include "packets.h"
#include "support/filehelpers.h"

#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using Lamps = QVector<QRgb>;
Q_DECLARE_METATYPE(Lamps)
using Packets::record;

namespace {
// A dock shared with other views, where the keyboard comes in two tiers of keys about 14 px
// wide.
constexpr QSize kSharedDock(270, 215);
constexpr int kDarkGrey = 128; // the legend's rim, not the white cap around it
constexpr int kLeastLegendRows = 7;

int ledOfQ()
{
    return KeyTable::byObjectName(u"m_q")->led;
}
// The keyboard's view on show in a window of its own.
struct ShownKeyboard
{
    VirtualKeyboard keyboard;
    QMainWindow window;
    VirtualKeyboardWid* wid = new VirtualKeyboardWid(&keyboard);

    bool show()
    {
        window.setCentralWidget(wid);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

// Counts the paints a widget gets from the moment it is made.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
    int count = 0;
};

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
float hueStep(float from, float to) { return to - from - std::round(to - from); }
} // namespace

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void refusedPacketChangesNothing_data()
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

    void refusedPacketChangesNothing()
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

    void applyThenSwitchAndBack()
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

        // RESET redraws once; the onboard copy stays until the next APPLY.
        QSignalSpy changed(&keyboard, &VirtualKeyboard::sigLightingChanged);
        keyboard.send(Request::Reset, Packets::reset());
        keyboard.send(Request::Reset, Packets::reset());
        QCOMPARE(changed.count(), 1);
        QVERIFY(keyboard.state().lighting() == LightingState::factory());
        QVERIFY(*keyboard.onboardProfile(3) == third);
    }

    void memoryOutlivesRestart()
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

    void pressesStayFewAndOnKeys()
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
    void typedKeysArePresses()
    {
        VirtualKeyboard keyboard;
        QWidget window;
        auto* other = new QWidget(&window);
        other->setFocusPolicy(Qt::StrongFocus);
        auto* wid = new VirtualKeyboardWid(&keyboard, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        wid->setFocus();

        QTest::keyClick(wid, Qt::Key_Q);
        QTest::keyClick(wid, Qt::Key_VolumeDown); // no key of its own
        QTest::keyClick(wid, Qt::Key_Enter, Qt::KeypadModifier);
        // A held key repeats, but is one press.
        for (const bool autoRepeat : {false, true, true}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, QStringLiteral("w"),
                            autoRepeat);
            QApplication::sendEvent(wid, &press);
        }
        std::vector<int> leds;
        for (const KeyPress& press : keyboard.presses())
            leds.push_back(press.led);
        QCOMPARE(leds, (std::vector<int>{30, 173, 37}));
        QVERIFY(wid->hasFocus());

        // Regression: the focus could not get out. Tab moves it on, Escape gives it back.
        QTest::keyClick(wid, Qt::Key_Tab);
        QVERIFY(other->hasFocus());
        QTest::keyClick(other, Qt::Key_Backtab);
        QVERIFY(wid->hasFocus());
        QTest::keyClick(wid, Qt::Key_Escape);
        QVERIFY(other->hasFocus());
        QCOMPARE(keyboard.presses().size(), std::size_t(3));
    }

    void clickOnDrawnKeyIsAPress()
    {
        constexpr int led = 173; // numeric pad Enter, in a widget taller than the keyboard
        VirtualKeyboard keyboard;
        VirtualKeyboardWid wid(&keyboard);
        wid.resize(500, 400);
        const QRectF key = wid.keyRect(led);
        QVERIFY(QRectF(wid.rect()).contains(key));
        // Near a corner of the key as well as at its centre.
        for (const QPointF& at : {key.center(), key.topLeft() + QPointF(2, 2)})
            QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, at.toPoint());
        // Between Esc and F1 lies a gap with no key; so does the widget's corner.
        const QRectF esc = wid.keyRect(14);
        const QPointF gap((esc.right() + wid.keyRect(35).left()) / 2, esc.center().y()); // F1
        QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, gap.toPoint());
        QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(int(keyboard.presses().size()), 2);
        QCOMPARE(keyboard.presses().front().led, led);
        QCOMPARE(keyboard.presses().back().led, led);
    }

    void drawnKeysShowTheirLamps()
    {
        VirtualKeyboard keyboard;
        VirtualKeyboardWid wid(&keyboard);
        wid.resize(900, 262);
        constexpr int kLit = 52; // F, in red; every other key is dark
        keyboard.send(Request::CustomLed, Packets::customLed(Packets::paintedKey(kLit, Qt::red)));
        const QImage image = wid.renderAt(keyboard.clockMs(), wid.size());
        QCOMPARE(image.size(), wid.size());
        // Sampled below the legend, in the lower part of the cap.
        const auto shown = [&](int led) {
            const QRectF key = wid.keyRect(led);
            return image.pixelColor(QPointF(key.center().x(), key.bottom() - 4).toPoint());
        };
        const QColor lamp = shown(kLit);
        QVERIFY2(lamp.red() > 150 && lamp.green() < 90 && lamp.blue() < 90,
                 qPrintable(lamp.name()));
        // A dark key next to it and one far away stay dark.
        for (const int dark : {59, 173})
            QVERIFY(std::max({shown(dark).red(), shown(dark).green(), shown(dark).blue()}) < 90);
    }

    // The tiers hold every key once, none on another, in less width than the whole; the
    // effects read the keys' places in the whole keyboard, which stay.
    void tiersKeepEveryKey_data()
    {
        QTest::addColumn<int>("tiers");
        QTest::addColumn<qreal>("mostWidth");   // of the whole keyboard's
        QTest::addColumn<qreal>("leastHeight"); // likewise
        QTest::newRow("two") << 2 << 0.75 << 1.9;
        QTest::newRow("three") << 3 << 0.45 << 2.9;
    }

    void tiersKeepEveryKey()
    {
        QFETCH(int, tiers);
        QFETCH(qreal, mostWidth);
        QFETCH(qreal, leastHeight);
        const KeyLayout whole = KeyLayout::fromForm();
        const KeyLayout split = tiers == 2 ? whole.wrapped() : whole.inThreeTiers();
        QCOMPARE(split.keys().size(), whole.keys().size());
        for (std::size_t i = 0; i < split.keys().size(); ++i) {
            const KeyGeometry& key = split.keys()[i];
            QCOMPARE(key.led, whole.keys()[i].led);
            QCOMPARE(key.rect.size(), whole.keys()[i].rect.size());
            QCOMPARE(key.x, whole.keys()[i].x);
            QCOMPARE(key.y, whole.keys()[i].y);
            for (std::size_t j = i + 1; j < split.keys().size(); ++j)
                QVERIFY(!key.rect.intersects(split.keys()[j].rect));
        }
        QVERIFY(split.keyArea().width() < mostWidth * whole.keyArea().width());
        QVERIFY(split.keyArea().height() > leastHeight * whole.keyArea().height());
    }

    // Three tiers part the main block between T and Y, G and H, B and N, as a split keyboard
    // does: there the wider half is narrowest, with the space bar on the left.
    void threeTiersPartTheMainBlockInTheMiddle()
    {
        const KeyLayout split = KeyLayout::fromForm().inThreeTiers();
        const auto top = [&split](const char* objectName) {
            const KeyInfo* key = KeyTable::byObjectName(QString::fromLatin1(objectName));
            const int index = split.indexOfLed(key->led);
            return split.keys()[std::size_t(index)].rect.top();
        };
        for (const auto& [left, right] : {std::pair("m_t", "m_y"), std::pair("m_g", "m_h"),
                                           std::pair("m_b", "m_n"), std::pair("m_f4", "m_f5"),
                                           std::pair("m_space", "m_r_alt")})
            QVERIFY2(top(left) < top(right), left);
        // The macro keys go with the navigation block, under both halves.
        QVERIFY(top("m_m1") > top("m_y"));
        QCOMPARE(top("m_m1"), top("m_ins"));
    }

    // Regression: light-grey legends could not be read on white keys. On a white cap and on
    // a dark one alike, a legend shows both near-white and near-black pixels.
    void legendsReadOnAnyLamp_data()
    {
        QTest::addColumn<QColor>("lamp");
        QTest::newRow("white") << QColor(Qt::white);
        QTest::newRow("yellow") << QColor(Qt::yellow);
        QTest::newRow("dark") << QColor(Qt::black);
    }

    void legendsReadOnAnyLamp()
    {
        QFETCH(QColor, lamp);
        VirtualKeyboard keyboard;
        VirtualKeyboardWid wid(&keyboard);
        wid.resize(900, 262);
        keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Static, lamp)));
        const QImage image = wid.renderAt(keyboard.clockMs(), wid.size());
        // Q: a one-letter legend in the top left of the cap.
        const QRect cap = wid.keyRect(ledOfQ()).toAlignedRect();
        // Inside the cap's edge, which is dark on any lamp and says nothing of the legend.
        constexpr int kEdge = 3;
        const QRect legend(cap.topLeft() + QPoint(kEdge, kEdge),
                           QSize(cap.width() / 2, cap.height() / 2));
        int darkest = 255;
        int lightest = 0;
        for (int y = legend.top(); y <= legend.bottom(); ++y) {
            for (int x = legend.left(); x <= legend.right(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                darkest = std::min(darkest, grey);
                lightest = std::max(lightest, grey);
            }
        }
        QVERIFY2(darkest < 80 && lightest > 200,
                 qPrintable(QStringLiteral("%1 to %2").arg(darkest).arg(lightest)));
    }

    // Regression: in the narrow dock beside the page (keys under 15 px wide) the legends were
    // four pixels high. Measured on a white cap by the rows that the legend's dark rim takes.
    void legendsReadableOnSmallPicture()
    {
        VirtualKeyboard keyboard;
        VirtualKeyboardWid wid(&keyboard);
        wid.resize(kSharedDock);
        keyboard.send(Request::ModeParam, Packets::modeParam(record(Mode::Static, Qt::white)));
        const QImage image = wid.renderAt(keyboard.clockMs(), wid.size());
        const QRect cap = wid.keyRect(ledOfQ()).toAlignedRect();
        QVERIFY2(cap.width() < 16, qPrintable(QString::number(cap.width())));
        constexpr int kEdge = 2; // the cap's own dark edge
        int rows = 0;
        for (int y = cap.top() + kEdge; y <= cap.bottom() - kEdge; ++y) {
            bool dark = false;
            for (int x = cap.left() + kEdge; x <= cap.right() - kEdge && !dark; ++x)
                dark = qGray(image.pixel(x, y)) < kDarkGrey;
            rows += dark ? 1 : 0;
        }
        QVERIFY2(rows >= kLeastLegendRows, qPrintable(QString::number(rows)));
    }

    // Frames are drawn only while the picture changes: a moving effect while seen, a still one
    // never. Regression: a still effect woke the keyboard 60 times a second.
    void animatesOnlyWhileSeen()
    {
        ShownKeyboard shown;
        QVERIFY(shown.show());
        VirtualKeyboard& keyboard = shown.keyboard;
        VirtualKeyboardWid* wid = shown.wid;
        QVERIFY(!wid->isAnimating()); // the factory lighting is still
        keyboard.send(Request::ModeParam, Packets::modeParam(Packets::record(Mode::ReactiveFade,
                                                                             Qt::red)));
        QVERIFY(!wid->isAnimating()); // waits for a press
        QTest::keyClick(wid, Qt::Key_G);
        QVERIFY(wid->isAnimating());
        keyboard.send(Request::ModeParam, Packets::modeParam(Packets::record(Mode::RainbowWave,
                                                                             Qt::red)));
        QVERIFY(wid->isAnimating());

        wid->hide();
        QVERIFY(!wid->isAnimating());
        wid->show();
        QVERIFY(wid->isAnimating());
        shown.window.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!wid->isAnimating());
        shown.window.setWindowState(Qt::WindowNoState);
        shown.window.show();
        QTRY_VERIFY(wid->isAnimating());
    }

    // Regression: a still effect after a moving one (MULTIZONE after MULTILAYER, another
    // profile after a moving one) stopped the frames without drawing the new lighting, so
    // the keyboard stayed on the moving effect's last frame.
    void stillAfterMovingIsDrawn_data()
    {
        QTest::addColumn<int>("moving");
        QTest::addColumn<int>("still");
        QTest::newRow("rainbow wave, then static") << int(Mode::RainbowWave) << int(Mode::Static);
        QTest::newRow("breathing, then custom") << int(Mode::Breathing) << int(Mode::Custom);
        QTest::newRow("rain, then off") << int(Mode::Rain) << int(Mode::TurnOff);
    }

    void stillAfterMovingIsDrawn()
    {
        QFETCH(int, moving);
        QFETCH(int, still);
        ShownKeyboard shown;
        QVERIFY(shown.show());
        VirtualKeyboard& keyboard = shown.keyboard;
        VirtualKeyboardWid* wid = shown.wid;
        keyboard.send(Request::ModeParam, Packets::modeParam(record(moving, Qt::red)));
        QVERIFY(wid->isAnimating());
        QTest::qWait(0); // the frames of the moving effect are drawn

        PaintCounter paints(wid);
        keyboard.send(Request::ModeParam, Packets::modeParam(record(still, Qt::blue)));
        QVERIFY(!wid->isAnimating());
        QTRY_VERIFY(paints.count > 0);
    }

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
        QTest::newRow("breathQuarter") << 20 << mode(Mode::Breathing, Qt::green, 5) << 500ll
                                       << every(QColor(0, 128, 0));
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

    void rainbowWaveDirection_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("towardsX"); // -1 left, 0 none, 1 right
        QTest::addColumn<int>("towardsY"); // -1 up, 0 none, 1 down
        QTest::newRow("left") << int(Direction::Left) << -1 << 0;
        QTest::newRow("up") << int(Direction::Up) << 0 << -1;
        QTest::newRow("right") << int(Direction::Right) << 1 << 0;
        QTest::newRow("down") << int(Direction::Down) << 0 << 1;
    }

    void rainbowWaveDirection()
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

QTEST_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
