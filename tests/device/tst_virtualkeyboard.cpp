// The virtual keyboard: what it takes from the host, what it keeps across a restart, and its
// widget, which turns typing and clicks into presses and draws only while it changes.

#include "host/device/onboardmemoryfile.h"
#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardwid.h"
#include "packets.h"
#include "support/filehelpers.h"

#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Packets::record;

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

    // Frames are drawn only while the picture changes: a moving effect while seen, a still one
    // never. Regression: a still effect woke the keyboard 60 times a second.
    void animatesOnlyWhileSeen()
    {
        VirtualKeyboard keyboard;
        QMainWindow window;
        auto* wid = new VirtualKeyboardWid(&keyboard);
        window.setCentralWidget(wid);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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
        window.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!wid->isAnimating());
        window.setWindowState(Qt::WindowNoState);
        window.show();
        QTRY_VERIFY(wid->isAnimating());
    }
};

QTEST_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
