#include "display/leddisplaywid.h"
#include "keylight/keylightwid.h"
#include "keylight/vantor_types.h"
#include "platform/toolkit/sliderex.h"
#include "speed/ledspeedwid.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr auto kVeilStyle = "background:rgba(84,86,91,150)";
constexpr int kVeilOverhang = 6;
constexpr int kStartSpeed = 3;
constexpr int kNoButton = -1;

// Picture pages of the direction stack.
constexpr int kPlainPage = 0;
constexpr int kUpPage = 1;
constexpr int kDownPage = 2;
constexpr int kLeftPage = 3;
constexpr int kRightPage = 4;

struct Panel
{
    Panel()
    {
        slider = widget.findChild<SliderEx*>("m_ledSpeed");
        pictures = widget.findChild<QStackedWidget*>("m_ledDirWid");
        speedPart = widget.findChild<QWidget*>("m_speedWid");
        dirPart = widget.findChild<QWidget*>("m_dirWid");
        // The veils are the panel's only direct label children, speed veil first.
        const auto labels = widget.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        if (labels.size() == 2) {
            speedVeil = labels.at(0);
            dirVeil = labels.at(1);
        }
    }

    QToolButton* button(const char* name) const
    {
        return widget.findChild<QToolButton*>(QLatin1String(name));
    }

    // The id of the checked direction button, or kNoButton.
    int checkedDirection() const
    {
        const auto* group = button("m_up")->group();
        return group && group->checkedButton() ? group->id(group->checkedButton()) : kNoButton;
    }

    void invoke(const char* slot, int a)
    {
        QVERIFY(QMetaObject::invokeMethod(&widget, slot, Q_ARG(int, a)));
    }
    void invoke(const char* slot, int a, int b)
    {
        QVERIFY(QMetaObject::invokeMethod(&widget, slot, Q_ARG(int, a), Q_ARG(int, b)));
    }

    // Shows the panel as the page does: a child placed at a fixed size, whatever its
    // layout would like.
    bool show(const QSize& size)
    {
        host.resize(size);
        widget.setGeometry(QRect(QPoint(0, 0), size));
        host.show();
        return QTest::qWaitForWindowExposed(&host);
    }

    QWidget host;
    LedSpeedWid widget{&host};
    SliderEx* slider = nullptr;
    QStackedWidget* pictures = nullptr;
    QWidget* speedPart = nullptr;
    QWidget* dirPart = nullptr;
    QLabel* speedVeil = nullptr;
    QLabel* dirVeil = nullptr;
};

// A key press as a platform delivers it: the native code is what the panel looks at.
void pressKey(QWidget* target, Qt::Key key, quint32 nativeKey,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, 0, nativeKey, 0);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, 0, nativeKey, 0);
    QApplication::sendEvent(target, &release);
}

QPoint centreInPanel(QWidget* child, QWidget* panel)
{
    return child->mapTo(panel, child->rect().center());
}
} // namespace

class TestLedSpeedWid : public QObject
{
    Q_OBJECT

private slots:
    void freshPanelShowsBothVeils();
    void modeRules_data();
    void modeRules();
    void subModeSlotsFollowTheLayerEffect_data();
    void subModeSlotsFollowTheLayerEffect();
    void verticalDirectionsComeBack_data();
    void verticalDirectionsComeBack();
    void setModeParamShowsSilently_data();
    void setModeParamShowsSilently();
    void directionClickEmits_data();
    void directionClickEmits();
    void veilTakesThePress_data();
    void veilTakesThePress();
    void keys_data();
    void keys();
    void veilGeometry_data();
    void veilGeometry();
    void profileLoadSendsNothing_data();
    void profileLoadSendsNothing();
};

void TestLedSpeedWid::freshPanelShowsBothVeils()
{
    Panel panel;
    QVERIFY(panel.speedVeil && panel.dirVeil);
    QCOMPARE(panel.speedVeil->styleSheet(), QString::fromLatin1(kVeilStyle));
    QCOMPARE(panel.dirVeil->styleSheet(), QString::fromLatin1(kVeilStyle));
    QVERIFY(!panel.speedVeil->isHidden());
    QVERIFY(!panel.dirVeil->isHidden());
    QCOMPARE(panel.slider->value(), kStartSpeed);
    QCOMPARE(panel.pictures->currentIndex(), kPlainPage);
}

void TestLedSpeedWid::modeRules_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("speedVeiled");
    QTest::addColumn<bool>("dirVeiled");
    QTest::addColumn<bool>("upDownEnabled");

    QTest::newRow("static") << 0 << true << true << true;
    QTest::newRow("rainbowWave") << 1 << false << false << true;
    QTest::newRow("crosshair") << 2 << false << true << true;
    QTest::newRow("reactiveFade") << 3 << false << true << true;
    QTest::newRow("custom") << 4 << true << true << true;
    QTest::newRow("stars") << 5 << false << true << true;
    QTest::newRow("snowing") << 6 << false << true << true;
    QTest::newRow("colorCycle") << 7 << false << true << true;
    QTest::newRow("breathing") << 8 << false << true << true;
    QTest::newRow("ripple") << 9 << false << true << true;
    QTest::newRow("reactivePunch") << 10 << false << true << true;
    QTest::newRow("heartbeat") << 11 << false << true << true;
    QTest::newRow("fireball") << 12 << false << true << true;
    QTest::newRow("circleSpectrum") << 13 << false << false << false;
    QTest::newRow("reactiveTornado") << 14 << false << false << false;
    QTest::newRow("waterRipple") << 15 << false << true << true;
    QTest::newRow("gameSnake") << 16 << false << true << true;
    QTest::newRow("turnOff") << 17 << true << true << true;
    QTest::newRow("rain") << 18 << false << true << true;
    QTest::newRow("multilayer") << 19 << false << true << true;
    QTest::newRow("multizone") << 20 << false << true << true;
    QTest::newRow("firstUnknown") << 21 << false << true << true;
    QTest::newRow("farAboveRange") << 99 << false << true << true;
    QTest::newRow("belowRange") << -1 << false << true << true;
}

void TestLedSpeedWid::modeRules()
{
    QFETCH(int, mode);
    QFETCH(bool, speedVeiled);
    QFETCH(bool, dirVeiled);
    QFETCH(bool, upDownEnabled);

    Panel panel;
    // Start from the opposite of every expectation, so each rule has to act.
    panel.invoke("slotLedModeChanged", speedVeiled ? 1 : 0);
    panel.invoke("slotLedModeChanged", upDownEnabled ? 13 : 1);
    panel.invoke("slotLedModeChanged", dirVeiled ? 1 : 0);
    QSignalSpy speed(&panel.widget, &LedSpeedWid::sigLedSpeedChanged);
    QSignalSpy direction(&panel.widget, &LedSpeedWid::sigLedDirectChanged);

    panel.invoke("slotLedModeChanged", mode);

    QCOMPARE(panel.speedVeil->isHidden(), !speedVeiled);
    QCOMPARE(panel.dirVeil->isHidden(), !dirVeiled);
    QCOMPARE(panel.button("m_up")->isEnabled(), upDownEnabled);
    QCOMPARE(panel.button("m_down")->isEnabled(), upDownEnabled);
    QVERIFY(panel.button("m_left")->isEnabled());
    QVERIFY(panel.button("m_right")->isEnabled());
    // Veils cover the controls; they do not disable them.
    QVERIFY(panel.slider->isEnabled());
    QCOMPARE(speed.count() + direction.count(), 0);
}

void TestLedSpeedWid::subModeSlotsFollowTheLayerEffect_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("subMode");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("speedVeiled");
    QTest::addColumn<bool>("dirVeiled");

    QTest::newRow("layerRainbow") << "slotCurrMultilayerMode" << 0 << 1 << false << false;
    QTest::newRow("layerStatic") << "slotCurrMultilayerMode" << 3 << 0 << true << true;
    QTest::newRow("layerEmpty") << "slotCurrMultilayerMode" << 2 << 17 << true << true;
    QTest::newRow("zoneTornado") << "slotCurrMultizoneMode" << 1 << 14 << false << false;
    QTest::newRow("zoneBreathing") << "slotCurrMultizoneMode" << 3 << 8 << false << true;
    QTest::newRow("zoneStatic") << "slotCurrMultizoneMode" << 0 << 0 << true << true;
}

void TestLedSpeedWid::subModeSlotsFollowTheLayerEffect()
{
    QFETCH(QString, slot);
    QFETCH(int, subMode);
    QFETCH(int, mode);
    QFETCH(bool, speedVeiled);
    QFETCH(bool, dirVeiled);

    Panel panel;
    panel.invoke("slotLedModeChanged", speedVeiled ? 1 : 0);
    panel.invoke(slot.toLatin1().constData(), subMode, mode);

    QCOMPARE(panel.speedVeil->isHidden(), !speedVeiled);
    QCOMPARE(panel.dirVeil->isHidden(), !dirVeiled);
}

void TestLedSpeedWid::verticalDirectionsComeBack_data()
{
    QTest::addColumn<int>("leftRightMode");
    QTest::addColumn<int>("nextMode");
    QTest::addColumn<bool>("enabledAfter");

    QTest::newRow("circleThenRainbow") << 13 << 1 << true;
    QTest::newRow("tornadoThenRainbow") << 14 << 1 << true;
    QTest::newRow("circleThenTornado") << 13 << 14 << false;
    QTest::newRow("tornadoThenStatic") << 14 << 0 << true;
}

void TestLedSpeedWid::verticalDirectionsComeBack()
{
    QFETCH(int, leftRightMode);
    QFETCH(int, nextMode);
    QFETCH(bool, enabledAfter);

    Panel panel;
    panel.widget.setModeParam(leftRightMode, kStartSpeed, Direction::Left);
    QVERIFY(!panel.button("m_up")->isEnabled());
    QVERIFY(!panel.button("m_down")->isEnabled());

    panel.widget.setModeParam(nextMode, kStartSpeed, Direction::Left);
    QCOMPARE(panel.button("m_up")->isEnabled(), enabledAfter);
    QCOMPARE(panel.button("m_down")->isEnabled(), enabledAfter);
}

void TestLedSpeedWid::setModeParamShowsSilently_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("direct");
    QTest::addColumn<int>("expectedSpeed");
    QTest::addColumn<int>("expectedChecked");
    QTest::addColumn<int>("expectedPage");

    // Before each row the panel shows mode 1 with speed 3, direction left.
    QTest::newRow("rainbowDown") << 1 << 5 << int(Direction::Down) << 5 << int(Direction::Down)
                                 << kDownPage;
    QTest::newRow("breathingKeepsButton") << 8 << 2 << int(Direction::Down) << 2
                                          << int(Direction::Left) << kPlainPage;
    QTest::newRow("rainbowUp") << 1 << 1 << int(Direction::Up) << 1 << int(Direction::Up)
                               << kUpPage;
    QTest::newRow("circleRight") << 13 << 4 << int(Direction::Right) << 4
                                 << int(Direction::Right) << kRightPage;
    QTest::newRow("tornadoLeft") << 14 << 2 << int(Direction::Left) << 2 << int(Direction::Left)
                                 << kLeftPage;
    QTest::newRow("staticPlain") << 0 << 3 << int(Direction::Up) << 3 << int(Direction::Left)
                                 << kPlainPage;
    QTest::newRow("unknownModePlain") << 99 << 4 << int(Direction::Right) << 4
                                      << int(Direction::Left) << kPlainPage;
    QTest::newRow("unknownDirection") << 1 << 4 << 5 << 4 << int(Direction::Left) << kLeftPage;
    // A code without a button still names a picture page when one has that index.
    QTest::newRow("codeOneShowsPageOne") << 1 << 4 << 1 << 4 << int(Direction::Left)
                                         << kUpPage;
    QTest::newRow("speedBelowRange") << 1 << 0 << int(Direction::Left) << 1
                                     << int(Direction::Left) << kLeftPage;
    QTest::newRow("speedAboveRange") << 1 << 9 << int(Direction::Left) << 5
                                     << int(Direction::Left) << kLeftPage;
}

void TestLedSpeedWid::setModeParamShowsSilently()
{
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(int, direct);
    QFETCH(int, expectedSpeed);
    QFETCH(int, expectedChecked);
    QFETCH(int, expectedPage);

    // Given a panel that shows rainbow wave to the left
    Panel panel;
    panel.widget.setModeParam(1, kStartSpeed, Direction::Left);
    QCOMPARE(panel.checkedDirection(), int(Direction::Left));
    QCOMPARE(panel.pictures->currentIndex(), kLeftPage);
    QSignalSpy speedSpy(&panel.widget, &LedSpeedWid::sigLedSpeedChanged);
    QSignalSpy directionSpy(&panel.widget, &LedSpeedWid::sigLedDirectChanged);
    QSignalSpy sliderSpy(panel.slider, &SliderEx::sigValChanged);

    // When a record is shown
    panel.widget.setModeParam(mode, speed, direct);

    // Then it shows, and nothing is reported
    QCOMPARE(panel.slider->value(), expectedSpeed);
    QCOMPARE(panel.checkedDirection(), expectedChecked);
    QCOMPARE(panel.pictures->currentIndex(), expectedPage);
    QCOMPARE(speedSpy.count(), 0);
    QCOMPARE(directionSpy.count(), 0);
    QCOMPARE(sliderSpy.count(), 0);
}

void TestLedSpeedWid::directionClickEmits_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("expectedCode");
    QTest::addColumn<int>("expectedPage");

    QTest::newRow("left") << "m_left" << 1 << int(Direction::Left) << kLeftPage;
    QTest::newRow("up") << "m_up" << 1 << int(Direction::Up) << kUpPage;
    QTest::newRow("right") << "m_right" << 1 << int(Direction::Right) << kRightPage;
    QTest::newRow("down") << "m_down" << 1 << int(Direction::Down) << kDownPage;
    // The panel starts with down checked: clicking it again still reports.
    QTest::newRow("alreadyChecked") << "m_down" << 2 << int(Direction::Down) << kDownPage;
    QTest::newRow("leftTwice") << "m_left" << 2 << int(Direction::Left) << kLeftPage;
}

void TestLedSpeedWid::directionClickEmits()
{
    QFETCH(QString, button);
    QFETCH(int, clicks);
    QFETCH(int, expectedCode);
    QFETCH(int, expectedPage);

    Panel panel;
    panel.widget.setModeParam(1, kStartSpeed, Direction::Down);
    QToolButton* arrow = panel.button(button.toLatin1().constData());
    QSignalSpy directionSpy(&panel.widget, &LedSpeedWid::sigLedDirectChanged);
    QSignalSpy speedSpy(&panel.widget, &LedSpeedWid::sigLedSpeedChanged);

    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(arrow, Qt::LeftButton);

    QCOMPARE(directionSpy.count(), clicks);
    for (const QList<QVariant>& emitted : directionSpy)
        QCOMPARE(emitted.at(0).toInt(), expectedCode);
    QCOMPARE(panel.checkedDirection(), expectedCode);
    QCOMPARE(panel.pictures->currentIndex(), expectedPage);
    QCOMPARE(speedSpy.count(), 0);
}

void TestLedSpeedWid::veilTakesThePress_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("reachable");

    QTest::newRow("staticSlider") << 0 << "m_ledSpeed" << false;
    QTest::newRow("breathingSlider") << 8 << "m_ledSpeed" << true;
    QTest::newRow("breathingLeft") << 8 << "m_left" << false;
    QTest::newRow("rainbowLeft") << 1 << "m_left" << true;
    QTest::newRow("rainbowDown") << 1 << "m_down" << true;
    QTest::newRow("customDown") << 4 << "m_down" << false;
    QTest::newRow("circleRight") << 13 << "m_right" << true;
}

void TestLedSpeedWid::veilTakesThePress()
{
    QFETCH(int, mode);
    QFETCH(QString, control);
    QFETCH(bool, reachable);

    Panel panel;
    QVERIFY(panel.show(QSize(266, 220)));
    panel.widget.setModeParam(mode, kStartSpeed, Direction::Left);

    auto* target = panel.widget.findChild<QWidget*>(control);
    QVERIFY(target);
    QWidget* hit = panel.widget.childAt(centreInPanel(target, &panel.widget));
    QVERIFY(hit);
    if (reachable)
        QCOMPARE(hit, target);
    else
        QVERIFY(hit == panel.speedVeil || hit == panel.dirVeil);
}

void TestLedSpeedWid::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<quint32>("nativeKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expectedSpeed");

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    // Windows virtual-key codes: the arrows and keypad 2/4/6/8 are consumed.
    QTest::newRow("vkLeft") << int(Qt::Key_Left) << quint32(0x25) << none << kStartSpeed;
    QTest::newRow("vkUp") << int(Qt::Key_Up) << quint32(0x26) << none << kStartSpeed;
    QTest::newRow("vkRight") << int(Qt::Key_Right) << quint32(0x27) << none << kStartSpeed;
    QTest::newRow("vkDown") << int(Qt::Key_Down) << quint32(0x28) << none << kStartSpeed;
    QTest::newRow("vkNumpad2") << int(Qt::Key_Down) << quint32(0x62) << keypad << kStartSpeed;
    QTest::newRow("vkNumpad4") << int(Qt::Key_Left) << quint32(0x64) << keypad << kStartSpeed;
    QTest::newRow("vkNumpad6") << int(Qt::Key_Right) << quint32(0x66) << keypad << kStartSpeed;
    QTest::newRow("vkNumpad8") << int(Qt::Key_Up) << quint32(0x68) << keypad << kStartSpeed;
#if defined(Q_OS_LINUX)
    // X11 keysyms of the same keys, keypad with and without Num Lock.
    QTest::newRow("xkLeft") << int(Qt::Key_Left) << quint32(0xff51) << none << kStartSpeed;
    QTest::newRow("xkUp") << int(Qt::Key_Up) << quint32(0xff52) << none << kStartSpeed;
    QTest::newRow("xkRight") << int(Qt::Key_Right) << quint32(0xff53) << none << kStartSpeed;
    QTest::newRow("xkDown") << int(Qt::Key_Down) << quint32(0xff54) << none << kStartSpeed;
    QTest::newRow("xkKp2") << int(Qt::Key_Down) << quint32(0xffb2) << keypad << kStartSpeed;
    QTest::newRow("xkKp4") << int(Qt::Key_Left) << quint32(0xffb4) << keypad << kStartSpeed;
    QTest::newRow("xkKp6") << int(Qt::Key_Right) << quint32(0xffb6) << keypad << kStartSpeed;
    QTest::newRow("xkKp8") << int(Qt::Key_Up) << quint32(0xffb8) << keypad << kStartSpeed;
    QTest::newRow("xkKpLeft") << int(Qt::Key_Left) << quint32(0xff96) << keypad << kStartSpeed;
    QTest::newRow("xkKpUp") << int(Qt::Key_Up) << quint32(0xff97) << keypad << kStartSpeed;
    QTest::newRow("xkKpRight") << int(Qt::Key_Right) << quint32(0xff98) << keypad
                               << kStartSpeed;
    QTest::newRow("xkKpDown") << int(Qt::Key_Down) << quint32(0xff99) << keypad << kStartSpeed;
    QTest::newRow("xkPageUp") << int(Qt::Key_PageUp) << quint32(0xff55) << none << 4;
    QTest::newRow("xkPageDown") << int(Qt::Key_PageDown) << quint32(0xff56) << none << 2;
    QTest::newRow("xkHome") << int(Qt::Key_Home) << quint32(0xff50) << none << 1;
    QTest::newRow("xkEnd") << int(Qt::Key_End) << quint32(0xff57) << none << 5;
#endif
    // The paging keys still move the slider.
    QTest::newRow("vkPageUp") << int(Qt::Key_PageUp) << quint32(0x21) << none << 4;
    QTest::newRow("vkPageDown") << int(Qt::Key_PageDown) << quint32(0x22) << none << 2;
    QTest::newRow("vkHome") << int(Qt::Key_Home) << quint32(0x24) << none << 1;
    QTest::newRow("vkEnd") << int(Qt::Key_End) << quint32(0x23) << none << 5;
    // Without a native code the filter has nothing to go by and the arrow moves the slider.
    QTest::newRow("arrowWithoutNativeCode") << int(Qt::Key_Right) << quint32(0) << none << 4;
}

void TestLedSpeedWid::keys()
{
    QFETCH(int, key);
    QFETCH(quint32, nativeKey);
    QFETCH(int, modifiers);
    QFETCH(int, expectedSpeed);

    Panel panel;
    QVERIFY(panel.show(QSize(266, 220)));
    panel.widget.setModeParam(8, kStartSpeed, Direction::Left);
    panel.slider->setFocus();
    QSignalSpy speedSpy(&panel.widget, &LedSpeedWid::sigLedSpeedChanged);

    pressKey(panel.slider, Qt::Key(key), nativeKey, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(panel.slider->value(), expectedSpeed);
    const bool moved = expectedSpeed != kStartSpeed;
    QCOMPARE(speedSpy.count(), moved ? 1 : 0);
    if (moved)
        QCOMPARE(speedSpy.at(0).at(0).toInt(), expectedSpeed);
}

void TestLedSpeedWid::veilGeometry_data()
{
    QTest::addColumn<QSize>("panelSize");

    QTest::newRow("pageQuarter") << QSize(266, 220);
    QTest::newRow("smallPage") << QSize(133, 110);
    QTest::newRow("formSize") << QSize(246, 203);
    QTest::newRow("tall") << QSize(300, 400);
}

void TestLedSpeedWid::veilGeometry()
{
    QFETCH(QSize, panelSize);

    Panel panel;
    QVERIFY(panel.show(QSize(200, 150)));
    panel.widget.resize(panelSize);
    QCOMPARE(panel.widget.size(), panelSize);

    const QSize overhang(kVeilOverhang, kVeilOverhang);
    QCOMPARE(panel.speedVeil->geometry(),
             QRect(QPoint(0, 0), panel.speedPart->size() + overhang));
    QCOMPARE(panel.dirVeil->geometry(),
             QRect(QPoint(0, panel.speedPart->height() + kVeilOverhang),
                   panel.dirPart->size() + overhang));
    // The veils follow the parts, which the layout has already fitted to the new size.
    QCOMPARE(panel.speedPart->width() + panel.widget.layout()->contentsMargins().left()
                 + panel.widget.layout()->contentsMargins().right(),
             panelSize.width());
}

void TestLedSpeedWid::profileLoadSendsNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("direct");

    QTest::newRow("rainbowFastDown") << 1 << 5 << int(Direction::Down);
    QTest::newRow("breathingSlow") << 8 << 2 << int(Direction::Down);
    QTest::newRow("circleRight") << 13 << 1 << int(Direction::Right);
    QTest::newRow("staticDefault") << 0 << 3 << int(Direction::Left);
    QTest::newRow("unknownMode") << 99 << 4 << int(Direction::Up);
}

void TestLedSpeedWid::profileLoadSendsNothing()
{
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(int, direct);

    // Given the whole page, as the host holds it
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log(&page);
    auto* speedPanel = page.findChild<LedSpeedWid*>();
    QVERIFY(speedPanel);
    auto* slider = speedPanel->findChild<SliderEx*>("m_ledSpeed");
    QVERIFY(slider);
    auto* preview = page.findChild<LedDisplayWid*>();
    QVERIFY(preview);
    // The preview relays the panel's changes towards the device; nothing may reach it.
    QSignalSpy previewSpeed(preview, &LedDisplayWid::sigLedSpeedChanged);
    QSignalSpy previewDirection(preview, &LedDisplayWid::sigLedDirectChanged);

    // When a loaded record reaches the speed panel
    speedPanel->setModeParam(mode, speed, direct);

    // Then it is shown and nothing goes to the device
    QCOMPARE(slider->value(), speed);
    QCOMPARE(previewSpeed.count(), 0);
    QCOMPARE(previewDirection.count(), 0);
    QVERIFY(log.requests.empty());
    QVERIFY(parser.builds.empty());
}

QTEST_MAIN(TestLedSpeedWid)
#include "tst_ledspeedwid.moc"
