#include "platform/toolkit/sliderex.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

namespace {
constexpr int kMin = 1;
constexpr int kMax = 5;
constexpr int kStart = 3;
constexpr int kWidth = 200;
constexpr int kWheelNotch = 120;

// A five-step slider like the speed slider: tracking off, single and page step 1.
void setUpFiveSteps(SliderEx& slider)
{
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(kMin, kMax);
    slider.setSingleStep(1);
    slider.setPageStep(1);
    slider.setTickInterval(1);
    slider.setTracking(false);
    slider.setSliderValue(kStart);
    slider.resize(kWidth, slider.sizeHint().height());
}

int centreY(const SliderEx& slider)
{
    return slider.height() / 2;
}

void sendMouse(SliderEx& slider, QEvent::Type type, int x, Qt::MouseButtons held)
{
    const QPoint pos(x, centreY(slider));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, slider.mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(&slider, &event);
}

void sendWheel(SliderEx& slider, int angle)
{
    const QPoint pos(slider.width() / 2, centreY(slider));
    QWheelEvent event(pos, slider.mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&slider, &event);
}

enum class Gesture { Key, Wheel, Click, Drag, PressOnHandleReleaseAt };
} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestSliderEx : public QObject
{
    Q_OBJECT

private slots:
    void setSliderValueIsSilent_data();
    void setSliderValueIsSilent();
    void userChangeEmitsOnce_data();
    void userChangeEmitsOnce();
    void dragReportsOnlyOnRelease();
    void userChangeAfterShownValueStillEmits();
    void scaleValuesTakeRoom();
};

void TestSliderEx::setSliderValueIsSilent_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("expectedValue");

    QTest::newRow("inRange") << 5 << 5;
    QTest::newRow("sameValue") << kStart << kStart;
    QTest::newRow("lowest") << kMin << kMin;
    QTest::newRow("belowRange") << 0 << kMin;
    QTest::newRow("aboveRange") << 9 << kMax;
}

void TestSliderEx::setSliderValueIsSilent()
{
    QFETCH(int, shown);
    QFETCH(int, expectedValue);

    // Given a slider the user could move
    SliderEx slider;
    setUpFiveSteps(slider);
    QSignalSpy changes(&slider, &SliderEx::sigValChanged);
    QSignalSpy qtChanges(&slider, &QSlider::valueChanged);

    // When code shows a value
    slider.setSliderValue(shown);

    // Then the value is shown but not reported as the user's
    QCOMPARE(slider.value(), expectedValue);
    QCOMPARE(slider.sliderPosition(), expectedValue);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(qtChanges.count(), expectedValue == kStart ? 0 : 1);
}

void TestSliderEx::userChangeEmitsOnce_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("arg");  // key, wheel angle or x position (-1 for the right end)
    QTest::addColumn<int>("expectedValue");
    QTest::addColumn<int>("expectedSignals");

    QTest::newRow("keyRight") << Gesture::Key << int(Qt::Key_Right) << 4 << 1;
    QTest::newRow("keyLeft") << Gesture::Key << int(Qt::Key_Left) << 2 << 1;
    QTest::newRow("keyPageUp") << Gesture::Key << int(Qt::Key_PageUp) << 4 << 1;
    QTest::newRow("keyPageDown") << Gesture::Key << int(Qt::Key_PageDown) << 2 << 1;
    QTest::newRow("keyHome") << Gesture::Key << int(Qt::Key_Home) << kMin << 1;
    QTest::newRow("keyEnd") << Gesture::Key << int(Qt::Key_End) << kMax << 1;
    QTest::newRow("keyOther") << Gesture::Key << int(Qt::Key_A) << kStart << 0;
    QTest::newRow("wheelUp") << Gesture::Wheel << kWheelNotch << 4 << 1;
    QTest::newRow("wheelDown") << Gesture::Wheel << -kWheelNotch << 2 << 1;
    QTest::newRow("clickLeftEnd") << Gesture::Click << 0 << kMin << 1;
    QTest::newRow("clickRightEnd") << Gesture::Click << -1 << kMax << 1;
    QTest::newRow("clickThreeQuarters") << Gesture::Click << kWidth * 3 / 4 << 4 << 1;
    QTest::newRow("clickOnHandle") << Gesture::Click << kWidth / 2 << kStart << 0;
    QTest::newRow("dragToRightEnd") << Gesture::Drag << -1 << kMax << 1;
    QTest::newRow("dragToQuarter") << Gesture::Drag << kWidth / 4 << 2 << 1;
    QTest::newRow("dragBackToStart") << Gesture::Drag << kWidth / 2 << kStart << 0;
    // A release reported without the moves before it still lands where the pointer is.
    QTest::newRow("releaseAtRightEnd") << Gesture::PressOnHandleReleaseAt << -1 << kMax << 1;
    QTest::newRow("releaseAtLeftEnd") << Gesture::PressOnHandleReleaseAt << 0 << kMin << 1;
}

void TestSliderEx::userChangeEmitsOnce()
{
    QFETCH(Gesture, gesture);
    QFETCH(int, arg);
    QFETCH(int, expectedValue);
    QFETCH(int, expectedSignals);

    SliderEx slider;
    setUpFiveSteps(slider);
    QSignalSpy changes(&slider, &SliderEx::sigValChanged);
    const int x = arg < 0 ? slider.width() - 1 : arg;

    switch (gesture) {
    case Gesture::Key:
        QTest::keyClick(&slider, Qt::Key(arg));
        break;
    case Gesture::Wheel:
        sendWheel(slider, arg);
        break;
    case Gesture::Click:
        sendMouse(slider, QEvent::MouseButtonPress, x, Qt::LeftButton);
        sendMouse(slider, QEvent::MouseButtonRelease, x, Qt::NoButton);
        break;
    case Gesture::Drag:
        // Press on the handle, wander to the far right end, then settle at the target.
        sendMouse(slider, QEvent::MouseButtonPress, kWidth / 2, Qt::LeftButton);
        sendMouse(slider, QEvent::MouseMove, slider.width() - 1, Qt::LeftButton);
        sendMouse(slider, QEvent::MouseMove, x, Qt::LeftButton);
        sendMouse(slider, QEvent::MouseButtonRelease, x, Qt::NoButton);
        break;
    case Gesture::PressOnHandleReleaseAt:
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier,
                          QPoint(kWidth / 2, centreY(slider)));
        QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier,
                            QPoint(x, centreY(slider)));
        break;
    }

    QCOMPARE(slider.value(), expectedValue);
    QCOMPARE(slider.isSliderDown(), false);
    QCOMPARE(changes.count(), expectedSignals);
    if (expectedSignals > 0)
        QCOMPARE(changes.last().at(0).toInt(), expectedValue);
}

void TestSliderEx::dragReportsOnlyOnRelease()
{
    SliderEx slider;
    setUpFiveSteps(slider);
    QSignalSpy changes(&slider, &SliderEx::sigValChanged);

    sendMouse(slider, QEvent::MouseButtonPress, kWidth / 2, Qt::LeftButton);
    sendMouse(slider, QEvent::MouseMove, slider.width() - 1, Qt::LeftButton);

    // While the button is held the handle follows, but the value is not yet set.
    QCOMPARE(slider.sliderPosition(), kMax);
    QCOMPARE(slider.value(), kStart);
    QCOMPARE(changes.count(), 0);

    sendMouse(slider, QEvent::MouseButtonRelease, slider.width() - 1, Qt::NoButton);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), kMax);
}

void TestSliderEx::userChangeAfterShownValueStillEmits()
{
    // Guards against the silence of setSliderValue outliving the call.
    SliderEx slider;
    setUpFiveSteps(slider);
    QSignalSpy changes(&slider, &SliderEx::sigValChanged);

    slider.setSliderValue(2);
    QTest::keyClick(&slider, Qt::Key_Right);

    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), kStart);
}

void TestSliderEx::scaleValuesTakeRoom()
{
    SliderEx slider;
    setUpFiveSteps(slider);
    const int withScale = slider.sizeHint().height();

    slider.showScaleValue(false);
    const int withoutScale = slider.sizeHint().height();

    QVERIFY2(withoutScale < withScale, "the tick values need a line of their own");
    QVERIFY(withoutScale >= slider.minimumSizeHint().height());
}

QTEST_MAIN(TestSliderEx)
#include "tst_sliderex.moc"
