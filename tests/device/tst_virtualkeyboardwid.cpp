#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardwid.h"
#include "packets.h"

#include <QMainWindow>
#include <QtTest>

class TestVirtualKeyboardWid : public QObject
{
    Q_OBJECT

private slots:
    void typedKeysArePresses();
    void clickOnDrawnKeyIsAPress();
    void drawnKeysShowTheirLamps();
    void animatesOnlyWhileSeen();
};

void TestVirtualKeyboardWid::typedKeysArePresses()
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

void TestVirtualKeyboardWid::clickOnDrawnKeyIsAPress()
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

void TestVirtualKeyboardWid::drawnKeysShowTheirLamps()
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
    QVERIFY2(lamp.red() > 150 && lamp.green() < 90 && lamp.blue() < 90, qPrintable(lamp.name()));
    // A dark key next to it and one far away stay dark.
    for (const int dark : {59, 173})
        QVERIFY(std::max({shown(dark).red(), shown(dark).green(), shown(dark).blue()}) < 90);
}

// Frames are drawn only while the picture changes: a moving effect while seen, a still one
// never. Regression: a still effect woke the keyboard 60 times a second.
void TestVirtualKeyboardWid::animatesOnlyWhileSeen()
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

QTEST_MAIN(TestVirtualKeyboardWid)
#include "tst_virtualkeyboardwid.moc"
