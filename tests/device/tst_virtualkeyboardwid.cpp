#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardwid.h"
#include "packets.h"

#include <QMainWindow>
#include <QtTest>

namespace {
constexpr int kEscape = 14;
constexpr int kF1 = 35;
} // namespace

class TestVirtualKeyboardWid : public QObject
{
    Q_OBJECT

private slots:
    void ledForKey_data();
    void ledForKey();
    void typedKeysArePresses();
    void clickOnDrawnKeyIsAPress_data();
    void clickOnDrawnKeyIsAPress();
    void drawnKeysShowTheirLamps();
    void animatesOnlyWhileSeen();
};

void TestVirtualKeyboardWid::ledForKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("led");
    QTest::newRow("escape") << int(Qt::Key_Escape) << false << kEscape;
    QTest::newRow("shifted5") << int(Qt::Key_Percent) << false << 57;
    QTest::newRow("keypad5") << int(Qt::Key_5) << true << 157;
    QTest::newRow("keypadEnter") << int(Qt::Key_Enter) << true << 173;
    QTest::newRow("lastFunctionKey") << int(Qt::Key_F12) << false << 119;
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
    QVERIFY(led < 0 || VirtualKeyboard().layout().indexOfLed(led) >= 0);
}

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
    QTest::keyClick(wid, Qt::Key_Tab); // lights its key instead of moving the focus away
    QTest::keyClick(wid, Qt::Key_VolumeDown);
    // A held key repeats, but is one press.
    for (const bool autoRepeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, QStringLiteral("w"),
                        autoRepeat);
        QApplication::sendEvent(wid, &press);
    }
    std::vector<int> leds;
    for (const KeyPress& press : keyboard.presses())
        leds.push_back(press.led);
    QCOMPARE(leds, (std::vector<int>{30, 16, 37}));
    QVERIFY(wid->hasFocus());
}

void TestVirtualKeyboardWid::clickOnDrawnKeyIsAPress_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("led");
    QTest::newRow("escape") << QSize(900, 262) << kEscape;
    QTest::newRow("spaceInWideWidget") << QSize(1400, 300) << 61;
    QTest::newRow("numpadEnterInTallWidget") << QSize(500, 400) << 173;
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
    for (const QPointF& at : {key.center(), key.topLeft() + QPointF(2, 2)})
        QTest::mouseClick(&wid, Qt::LeftButton, Qt::NoModifier, at.toPoint());
    // Between Esc and F1 lies a gap with no key; so does the widget's corner.
    const QRectF esc = wid.keyRect(kEscape);
    const QPointF gap((esc.right() + wid.keyRect(kF1).left()) / 2, esc.center().y());
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
}

QTEST_MAIN(TestVirtualKeyboardWid)
#include "tst_virtualkeyboardwid.moc"
