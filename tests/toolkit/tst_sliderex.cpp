#include "platform/toolkit/sliderex.h"
#include "support/pagehelpers.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

namespace {
constexpr int kWidth = 200;

// A five-step slider like the speed slider, showing 3, with its user changes recorded.
struct Slider
{
    Slider()
    {
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(1, 5);
        slider.setPageStep(1);
        slider.setTickInterval(1);
        slider.setTracking(false);
        slider.setSliderValue(3);
        slider.resize(kWidth, slider.sizeHint().height());
        changes.clear(); // setting the range up moved the value; only what follows counts
    }
    void mouse(QEvent::Type type, int x, Qt::MouseButtons held = Qt::LeftButton)
    {
        const QPoint at(x < 0 ? kWidth - 1 : x, slider.height() / 2); // -1: the right end
        PageHelpers::sendMouse(&slider, type, at, held);
    }
    SliderEx slider;
    QSignalSpy changes{&slider, &SliderEx::sigValChanged};
};
} // namespace

class TestSliderEx : public QObject
{
    Q_OBJECT

private slots:
    void setSliderValueIsSilent();
    void userChange_data();
    void userChange();
    void scaleValuesTakeRoom();
};

void TestSliderEx::setSliderValueIsSilent()
{
    Slider s;
    for (const auto& [shown, clamped] : {std::pair{5, 5}, {0, 1}, {9, 5}}) {
        s.slider.setSliderValue(shown);
        QCOMPARE(s.slider.value(), clamped);
        QCOMPARE(s.slider.sliderPosition(), clamped);
    }
    QCOMPARE(s.changes.count(), 0);
}

void TestSliderEx::userChange_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("wheel");
    QTest::addColumn<QList<int>>("mouseXs"); // press, moves; release at the last
    QTest::addColumn<int>("value");
    QTest::newRow("keyRight") << int(Qt::Key_Right) << 0 << QList<int>{} << 4;
    QTest::newRow("keyHome") << int(Qt::Key_Home) << 0 << QList<int>{} << 1;
    QTest::newRow("keyOther") << int(Qt::Key_A) << 0 << QList<int>{} << 3;
    QTest::newRow("wheelDown") << 0 << -120 << QList<int>{} << 2;
    QTest::newRow("clickRightEnd") << 0 << 0 << QList<int>{-1} << 5;
    QTest::newRow("clickOnHandle") << 0 << 0 << QList<int>{kWidth / 2} << 3;
    // Through the right end to a quarter or back: one report at most, on release.
    QTest::newRow("dragToQuarter") << 0 << 0 << QList<int>{kWidth / 2, -1, kWidth / 4} << 2;
    QTest::newRow("dragBack") << 0 << 0 << QList<int>{kWidth / 2, -1, kWidth / 2} << 3;
}

void TestSliderEx::userChange()
{
    QFETCH(int, key);
    QFETCH(int, wheel);
    QFETCH(QList<int>, mouseXs);
    QFETCH(int, value);
    Slider s;
    if (key)
        QTest::keyClick(&s.slider, Qt::Key(key));
    if (wheel) {
        const QPointF at(s.slider.rect().center());
        QWheelEvent event(at, s.slider.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, wheel),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s.slider, &event);
    }
    if (!mouseXs.isEmpty()) {
        s.mouse(QEvent::MouseButtonPress, mouseXs.first());
        for (int x : mouseXs.mid(1))
            s.mouse(QEvent::MouseMove, x);
        s.mouse(QEvent::MouseButtonRelease, mouseXs.last(), Qt::NoButton);
    }
    QCOMPARE(s.slider.value(), value);
    QCOMPARE(s.changes.count(), value == 3 ? 0 : 1);
    if (value != 3)
        QCOMPARE(s.changes.at(0).at(0).toInt(), value);
}

void TestSliderEx::scaleValuesTakeRoom()
{
    Slider s;
    const int withScale = s.slider.sizeHint().height();
    s.slider.showScaleValue(false);
    QVERIFY2(s.slider.sizeHint().height() < withScale, "the values need a line of their own");
}

QTEST_MAIN(TestSliderEx)
#include "tst_sliderex.moc"
