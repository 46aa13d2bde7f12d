#include "platform/toolkit/hsvcorwid.h"
#include "support/pagehelpers.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const QPoint kCentre(100, 100); // of a 200 x 200 wheel
constexpr int kRim = 85;        // well inside its rim

void moveTo(QWidget* widget, const QPoint& pos)
{
    PageHelpers::sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}
} // namespace

class TestHsvCorWid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_wheel.setHsvEnabled(true);
        m_wheel.resize(200, 200);
        m_wheel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_wheel));
    }

    void picksColourUnderPointer_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("hue"); // -1: the white centre
        QTest::newRow("leftIsCyan") << QPoint(-kRim, 0) << 255 << 180;
        QTest::newRow("upperLeftDim") << QPoint(-60, -60) << 40 << 135;
        QTest::newRow("centreIsWhite") << QPoint(0, 0) << 128 << -1;
    }

    void picksColourUnderPointer()
    {
        QFETCH(QPoint, offset);
        QFETCH(int, brightness);
        QFETCH(int, hue);
        m_wheel.setBrightness(brightness);
        QSignalSpy picks(&m_wheel, &HsvCorWid::sigSelectCor);
        QTest::mouseClick(&m_wheel, Qt::LeftButton, Qt::NoModifier, kCentre + offset);

        QCOMPARE(picks.count(), 1);
        const QColor picked = picks.front().front().value<QColor>();
        // The brightness rides in the alpha channel; the components stay undimmed.
        QCOMPARE(picked.alpha(), brightness);
        QCOMPARE(picked.value(), 255);
        QCOMPARE(picked.saturation() > 200, hue >= 0);
        if (hue >= 0)
            QVERIFY2(std::abs(picked.hue() - hue) <= 2, qPrintable(picked.name()));
    }

    void readoutLeaveAndDisabled()
    {
        QSignalSpy readouts(&m_wheel, &HsvCorWid::sigCurrentRgb);
        QSignalSpy leaves(&m_wheel, &HsvCorWid::sigLeaveHsv);
        QSignalSpy picks(&m_wheel, &HsvCorWid::sigSelectCor);
        QEvent leave(QEvent::Leave);
        moveTo(&m_wheel, kCentre + QPoint(0, -kRim));
        QCOMPARE(readouts.count(), 1);
        QVERIFY(std::abs(readouts.front().front().value<QColor>().hue() - 90) <= 2);

        // Off the wheel into the corner ends the readout once; a press there picks nothing.
        moveTo(&m_wheel, QPoint(2, 2));
        moveTo(&m_wheel, QPoint(3, 3));
        QApplication::sendEvent(&m_wheel, &leave);
        QTest::mouseClick(&m_wheel, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(leaves.count(), 1);
        QCOMPARE(readouts.count() + picks.count(), 1);

        // Greyed, the wheel ignores the mouse.
        m_wheel.setHsvEnabled(false);
        moveTo(&m_wheel, kCentre);
        QTest::mouseClick(&m_wheel, Qt::LeftButton, Qt::NoModifier, kCentre);
        QApplication::sendEvent(&m_wheel, &leave);
        QCOMPARE(readouts.count() + leaves.count() + picks.count(), 2);
    }

    // From the centre, steps to the left reach cyan, which Enter picks; leaving ends the readout,
    // and the rim stops the point.
    void keyboardMovesAndPicks()
    {
        QSignalSpy readouts(&m_wheel, &HsvCorWid::sigCurrentRgb);
        QSignalSpy leaves(&m_wheel, &HsvCorWid::sigLeaveHsv);
        QSignalSpy picks(&m_wheel, &HsvCorWid::sigSelectCor);
        m_wheel.setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 60; ++i) // far past the rim
            QTest::keyClick(&m_wheel, Qt::Key_Left);
        QTest::keyClick(&m_wheel, Qt::Key_Return);
        QCOMPARE(readouts.count(), 60);
        QCOMPARE(picks.count(), 1);
        const QColor picked = picks.front().front().value<QColor>();
        QVERIFY2(std::abs(picked.hue() - 180) <= 2 && picked.saturation() > 250,
                 qPrintable(picked.name()));
        m_wheel.clearFocus();
        QCOMPARE(leaves.count(), 1);
        // Greyed, the wheel leaves the keys alone.
        m_wheel.setHsvEnabled(false);
        m_wheel.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&m_wheel, Qt::Key_Right);
        QTest::keyClick(&m_wheel, Qt::Key_Return);
        QCOMPARE(readouts.count() + picks.count(), 61);
    }

    // What is shown is what is picked, dimmed by the brightness, or grey when disabled.
    void paintsDimmedAndGreyed()
    {
        m_wheel.grab(); // paint once first, so a stale cached wheel would show
        m_wheel.setBrightness(128);
        QSignalSpy readouts(&m_wheel, &HsvCorWid::sigCurrentRgb);
        const QPoint points[] = {kCentre + QPoint(kRim, 0), kCentre + QPoint(-40, 50)};
        for (const QPoint& point : points)
            moveTo(&m_wheel, point);
        QCOMPARE(readouts.count(), 2);
        const QImage dimmed = m_wheel.grab().toImage();
        m_wheel.setHsvEnabled(false);
        const QImage greyed = m_wheel.grab().toImage();

        for (int i = 0; i < 2; ++i) {
            const QColor picked = readouts.at(i).front().value<QColor>();
            const QColor shown = dimmed.pixelColor(points[i]);
            const int off = std::abs(shown.red() - picked.red() / 2)
                            + std::abs(shown.green() - picked.green() / 2)
                            + std::abs(shown.blue() - picked.blue() / 2);
            QVERIFY2(off <= 6, qPrintable(shown.name() + ' ' + picked.name()));
            QVERIFY(greyed.pixelColor(points[i]).hsvSaturation() < 10);
        }
    }

private:
    HsvCorWid m_wheel;
};

QTEST_MAIN(TestHsvCorWid)
#include "tst_hsvcorwid.moc"
