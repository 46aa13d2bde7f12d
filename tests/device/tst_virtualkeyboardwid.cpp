#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardwid.h"
#include "packets.h"

#include <QMainWindow>
#include <QtTest>

using Packets::record;

class TestVirtualKeyboardWid : public QObject
{
    Q_OBJECT

private slots:
    void ledForKey_data();
    void ledForKey();
    void typedKeyIsAPress_data();
    void typedKeyIsAPress();
    void heldKeyPressesOnce();
    void clickOnDrawnKeyIsAPress_data();
    void clickOnDrawnKeyIsAPress();
    void clickBesideKeysIsNoPress();
    void drawnKeysShowTheirLamps_data();
    void drawnKeysShowTheirLamps();
    void animatesOnlyWhileSeen();
};

void TestVirtualKeyboardWid::ledForKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("led");
    QTest::newRow("escape") << int(Qt::Key_Escape) << false << 14;
    QTest::newRow("letterA") << int(Qt::Key_A) << false << 31;
    QTest::newRow("digit5") << int(Qt::Key_5) << false << 57;
    QTest::newRow("keypad5") << int(Qt::Key_5) << true << 157;
    QTest::newRow("shifted5") << int(Qt::Key_Percent) << false << 57;
    QTest::newRow("space") << int(Qt::Key_Space) << false << 61;
    QTest::newRow("return") << int(Qt::Key_Return) << false << 122;
    QTest::newRow("keypadEnter") << int(Qt::Key_Enter) << true << 173;
    QTest::newRow("keypadMinus") << int(Qt::Key_Minus) << true << 169;
    QTest::newRow("minus") << int(Qt::Key_Minus) << false << 99;
    QTest::newRow("lastFunctionKey") << int(Qt::Key_F12) << false << 119;
    QTest::newRow("arrowRight") << int(Qt::Key_Right) << false << 145;
    QTest::newRow("notOnTheKeyboard") << int(Qt::Key_VolumeUp) << false << -1;
    QTest::newRow("beyondF12") << int(Qt::Key_F13) << false << -1;
}

void TestVirtualKeyboardWid::ledForKey()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, led);
    QCOMPARE(VirtualKeyboardWid::ledForKey(key, keypad ? Qt::KeypadModifier : Qt::NoModifier),
             led);
    // Every LED a key maps to is a key of the drawn keyboard.
    if (led >= 0) {
        VirtualKeyboard keyboard;
        QVERIFY(keyboard.layout().indexOfLed(led) >= 0);
    }
}

void TestVirtualKeyboardWid::typedKeyIsAPress_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("led");
    QTest::addColumn<int>("presses");
    QTest::newRow("letterQ") << int(Qt::Key_Q) << 30 << 1;
    // Tab lights its key instead of moving the focus away.
    QTest::newRow("tab") << int(Qt::Key_Tab) << 16 << 1;
    QTest::newRow("unknownKey") << int(Qt::Key_VolumeDown) << -1 << 0;
}

void TestVirtualKeyboardWid::typedKeyIsAPress()
{
    QFETCH(int, key);
    QFETCH(int, led);
    QFETCH(int, presses);
    VirtualKeyboard keyboard;
    QWidget window;
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    auto* wid = new VirtualKeyboardWid(&keyboard, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    wid->setFocus();
    QTest::keyClick(wid, Qt::Key(key));
    QCOMPARE(int(keyboard.presses().size()), presses);
    if (presses > 0)
        QCOMPARE(keyboard.presses().back().led, led);
    QVERIFY(wid->hasFocus());
}

void TestVirtualKeyboardWid::heldKeyPressesOnce()
{
    VirtualKeyboard keyboard;
    VirtualKeyboardWid wid(&keyboard);
    QKeyEvent first(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, QStringLiteral("w"), false);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, QStringLiteral("w"), true);
    QApplication::sendEvent(&wid, &first);
    QApplication::sendEvent(&wid, &repeat);
    QApplication::sendEvent(&wid, &repeat);
    QCOMPARE(int(keyboard.presses().size()), 1);
    QCOMPARE(keyboard.presses().front().led, 37);
}

void TestVirtualKeyboardWid::clickOnDrawnKeyIsAPress_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("led");
    QTest::newRow("escape") << QSize(900, 262) << 14;
    QTest::newRow("spaceInWideWidget") << QSize(1400, 300) << 61;
    QTest::newRow("numpadEnterInTallWidget") << QSize(500, 400) << 173;
    QTest::newRow("zeroSpansTwoColumns") << QSize(900, 262) << 152;
}

void TestVirtualKeyboardWid::clickOnDrawnKeyIsAPress()
{
    QFETCH(QSize, size);
    QFETCH(int, led);
    VirtualKeyboard keyboard;
    VirtualKeyboardWid wid(&keyboard);
    wid.resize(size);
    const QRectF key = wid.keyRect(led);
    QVERIFY(QRectF(wid.rect()).contains(key));
    // Near a corner of the key as well as at its centre.
    const QPointF corner = key.topLeft() + QPointF(2, 2);
    QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, key.center().toPoint());
    QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, corner.toPoint());
    QCOMPARE(int(keyboard.presses().size()), 2);
    QCOMPARE(keyboard.presses().front().led, led);
    QCOMPARE(keyboard.presses().back().led, led);
}

void TestVirtualKeyboardWid::clickBesideKeysIsNoPress()
{
    VirtualKeyboard keyboard;
    VirtualKeyboardWid wid(&keyboard);
    wid.resize(900, 262);
    // Between Esc and F1 lies a gap with no key; so does the widget's corner.
    const QRectF esc = wid.keyRect(14);
    const QRectF f1 = wid.keyRect(35);
    QVERIFY(esc.right() < f1.left());
    const QPointF gap((esc.right() + f1.left()) / 2, esc.center().y());
    QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, gap.toPoint());
    QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QVERIFY(keyboard.presses().empty());
    QVERIFY(wid.keyRect(0).isEmpty());
}

void TestVirtualKeyboardWid::drawnKeysShowTheirLamps_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red") << QColor(255, 0, 0);
    QTest::newRow("green") << QColor(0, 255, 0);
    QTest::newRow("blue") << QColor(0, 0, 255);
}

void TestVirtualKeyboardWid::drawnKeysShowTheirLamps()
{
    QFETCH(QColor, colour);
    VirtualKeyboard keyboard;
    VirtualKeyboardWid wid(&keyboard);
    wid.resize(900, 262);
    // Custom: one key in the colour, all others dark.
    constexpr int kLit = 52; // F
    vantor_light_custom custom;
    custom.led[3 * kLit] = uchar(colour.red());
    custom.led[3 * kLit + 1] = uchar(colour.green());
    custom.led[3 * kLit + 2] = uchar(colour.blue());
    custom.brightness = 255;
    keyboard.send(Request::CustomLed, Packets::customLed(custom));
    const QImage image = wid.renderAt(keyboard.clockMs(), wid.size());
    QCOMPARE(image.size(), wid.size());

    const auto dominant = [&](int led) {
        // Sample below the legend, in the lower part of the cap.
        const QRectF key = wid.keyRect(led);
        const QColor c = image.pixelColor(QPointF(key.center().x(), key.bottom() - 4).toPoint());
        return std::max({c.red(), c.green(), c.blue()});
    };
    const QRectF key = wid.keyRect(kLit);
    const QColor shown = image.pixelColor(QPointF(key.center().x(), key.bottom() - 4).toPoint());
    QVERIFY2(shown.red() * colour.red() + shown.green() * colour.green()
                     + shown.blue() * colour.blue()
                 > 150 * 255,
             qPrintable(shown.name()));
    QVERIFY(dominant(kLit) > 150);
    // A dark key next to it and one far away stay dark.
    QVERIFY(dominant(59) < 90);
    QVERIFY(dominant(173) < 90);
}

void TestVirtualKeyboardWid::animatesOnlyWhileSeen()
{
    VirtualKeyboard keyboard;
    QMainWindow window;
    auto* wid = new VirtualKeyboardWid(&keyboard);
    window.setCentralWidget(wid);
    QVERIFY(!wid->isAnimating());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
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

    window.hide();
    QVERIFY(!wid->isAnimating());
}

QTEST_MAIN(TestVirtualKeyboardWid)
#include "tst_virtualkeyboardwid.moc"
