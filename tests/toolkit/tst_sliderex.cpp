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
        slider.resize(kWidth, slider.sizeHint().height());
        changes.clear(); // setting the range up moved the value; only what follows counts
        slider.setSliderValue(3); // shown silently: every row checks nothing came of it
    }
    SliderEx slider;
    QSignalSpy changes{&slider, &SliderEx::sigValChanged};
};
} // namespace

class TestSliderEx : public QObject
{
    Q_OBJECT

private slots:
    void userChange_data()
    {
        QTest::addColumn<int>("wheel");
        QTest::addColumn<QList<int>>("mouseXs"); // press, moves, release at the last
        QTest::addColumn<int>("value");
        // Keys reach the slider through the speed panel's tests.
        QTest::newRow("wheelDown") << -120 << QList<int>{} << 2;
        QTest::newRow("clickRightEnd") << 0 << QList<int>{-1} << 5;
        QTest::newRow("clickOnHandle") << 0 << QList<int>{kWidth / 2} << 3;
        // Through the right end to a quarter or back: one report at most, on release.
        QTest::newRow("dragToQuarter") << 0 << QList<int>{kWidth / 2, -1, kWidth / 4} << 2;
        QTest::newRow("dragBack") << 0 << QList<int>{kWidth / 2, -1, kWidth / 2} << 3;
    }

    void userChange()
    {
        QFETCH(int, wheel);
        QFETCH(QList<int>, mouseXs);
        QFETCH(int, value);
        Slider s;
        if (wheel) {
            const QPointF at(s.slider.rect().center());
            QWheelEvent event(at, s.slider.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, wheel),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&s.slider, &event);
        }
        for (int i = 0; i < mouseXs.size(); ++i) { // -1 is the right end
            const QPoint at(mouseXs[i] < 0 ? kWidth - 1 : mouseXs[i], s.slider.height() / 2);
            PageHelpers::sendMouse(&s.slider, i ? QEvent::MouseMove : QEvent::MouseButtonPress, at,
                                   Qt::LeftButton);
            if (i + 1 == mouseXs.size())
                PageHelpers::sendMouse(&s.slider, QEvent::MouseButtonRelease, at, Qt::NoButton);
        }
        QCOMPARE(s.slider.value(), value);
        QCOMPARE(QList<QList<QVariant>>(s.changes),
                 value == 3 ? QList<QList<QVariant>>() : QList<QList<QVariant>>{{value}});
    }

    void scaleValuesTakeRoom()
    {
        Slider s;
        const int withScale = s.slider.sizeHint().height();
        s.slider.showScaleValue(false);
        QVERIFY2(s.slider.sizeHint().height() < withScale, "the values need a line of their own");
    }
};

QTEST_MAIN(TestSliderEx)
#include "tst_sliderex.moc"
