#include "platform/toolkit/hsvcorwid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {
constexpr int kSide = 200;
const QPoint kCentre(100, 100);
constexpr int kRimDistance = 85;   // well inside the rim of a 200 x 200 wheel

void moveTo(QWidget* widget, const QPoint& pos)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// A hue difference on the circle, in degrees.
int hueDistance(int a, int b)
{
    const int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}
} // namespace

class TestHsvCorWid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void picksColourUnderPointer_data();
    void picksColourUnderPointer();
    void readoutAndLeave();
    void ignoresMouseWhenDisabled_data();
    void ignoresMouseWhenDisabled();
    void paintsDimmedAndGreyed_data();
    void paintsDimmedAndGreyed();

private:
    std::unique_ptr<HsvCorWid> m_wheel;
};

void TestHsvCorWid::init()
{
    m_wheel = std::make_unique<HsvCorWid>();
    m_wheel->resize(kSide, kSide);
    m_wheel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_wheel.get()));
}

void TestHsvCorWid::cleanup()
{
    m_wheel.reset();
}

void TestHsvCorWid::picksColourUnderPointer_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("hue");        // -1: no hue (white)
    QTest::addColumn<bool>("saturated");

    QTest::newRow("rightIsRed") << QPoint(kRimDistance, 0) << 255 << 0 << true;
    QTest::newRow("upIsChartreuse") << QPoint(0, -kRimDistance) << 255 << 90 << true;
    QTest::newRow("leftIsCyan") << QPoint(-kRimDistance, 0) << 255 << 180 << true;
    QTest::newRow("downIsViolet") << QPoint(0, kRimDistance) << 255 << 270 << true;
    QTest::newRow("upperLeftDim") << QPoint(-60, -60) << 40 << 135 << true;
    QTest::newRow("centreIsWhite") << QPoint(0, 0) << 128 << -1 << false;
}

void TestHsvCorWid::picksColourUnderPointer()
{
    QFETCH(QPoint, offset);
    QFETCH(int, brightness);
    QFETCH(int, hue);
    QFETCH(bool, saturated);

    m_wheel->setBrightness(brightness);
    QSignalSpy picks(m_wheel.get(), &HsvCorWid::sigSelectCor);
    QTest::mouseClick(m_wheel.get(), Qt::LeftButton, Qt::NoModifier, kCentre + offset);

    QCOMPARE(picks.count(), 1);
    const QColor picked = picks.front().front().value<QColor>();
    // The brightness rides in the alpha channel; the components stay undimmed.
    QCOMPARE(picked.alpha(), brightness);
    QCOMPARE(picked.value(), 255);
    if (hue < 0) {
        QVERIFY2(picked.saturation() < 10, qPrintable(picked.name()));
        return;
    }
    QVERIFY2(hueDistance(picked.hue(), hue) <= 2, qPrintable(QString::number(picked.hue())));
    QCOMPARE(picked.saturation() > 200, saturated);
}

void TestHsvCorWid::readoutAndLeave()
{
    QSignalSpy readouts(m_wheel.get(), &HsvCorWid::sigCurrentRgb);
    QSignalSpy leaves(m_wheel.get(), &HsvCorWid::sigLeaveHsv);
    QSignalSpy picks(m_wheel.get(), &HsvCorWid::sigSelectCor);

    moveTo(m_wheel.get(), kCentre + QPoint(kRimDistance, 0));
    moveTo(m_wheel.get(), kCentre + QPoint(-kRimDistance, 0));
    QCOMPARE(readouts.count(), 2);
    QVERIFY(hueDistance(readouts.at(0).front().value<QColor>().hue(), 0) <= 2);
    QVERIFY(hueDistance(readouts.at(1).front().value<QColor>().hue(), 180) <= 2);
    QCOMPARE(leaves.count(), 0);

    // Off the wheel into the corner ends the readout once.
    moveTo(m_wheel.get(), QPoint(2, 2));
    moveTo(m_wheel.get(), QPoint(3, 3));
    QCOMPARE(leaves.count(), 1);
    QCOMPARE(readouts.count(), 2);
    leave(m_wheel.get());
    QCOMPARE(leaves.count(), 1);

    // Leaving the widget straight from the wheel ends it too.
    moveTo(m_wheel.get(), kCentre);
    leave(m_wheel.get());
    QCOMPARE(leaves.count(), 2);
    QCOMPARE(picks.count(), 0);

    // A press off the wheel picks nothing.
    QTest::mouseClick(m_wheel.get(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(picks.count(), 0);
}

void TestHsvCorWid::ignoresMouseWhenDisabled_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expectedSignals");
    QTest::newRow("enabledLeft") << true << int(Qt::LeftButton) << 3;
    QTest::newRow("enabledRight") << true << int(Qt::RightButton) << 2;
    QTest::newRow("disabledLeft") << false << int(Qt::LeftButton) << 0;
}

void TestHsvCorWid::ignoresMouseWhenDisabled()
{
    QFETCH(bool, enabled);
    QFETCH(int, button);
    QFETCH(int, expectedSignals);

    m_wheel->setHsvEnabled(false);
    m_wheel->setHsvEnabled(enabled);
    QCOMPARE(m_wheel->isHsvEnabled(), enabled);
    QSignalSpy readouts(m_wheel.get(), &HsvCorWid::sigCurrentRgb);
    QSignalSpy leaves(m_wheel.get(), &HsvCorWid::sigLeaveHsv);
    QSignalSpy picks(m_wheel.get(), &HsvCorWid::sigSelectCor);

    moveTo(m_wheel.get(), kCentre + QPoint(30, 30));
    QTest::mouseClick(m_wheel.get(), Qt::MouseButton(button), Qt::NoModifier,
                      kCentre + QPoint(30, 30));
    leave(m_wheel.get());

    QCOMPARE(readouts.count() + leaves.count() + picks.count(), expectedSignals);
}

void TestHsvCorWid::paintsDimmedAndGreyed_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("full") << 255 << true;
    QTest::newRow("half") << 128 << true;
    QTest::newRow("dark") << 30 << true;
    QTest::newRow("greyed") << 255 << false;
}

void TestHsvCorWid::paintsDimmedAndGreyed()
{
    QFETCH(int, brightness);
    QFETCH(bool, enabled);

    // Paint once first, so a stale cached wheel would show.
    m_wheel->grab();
    m_wheel->setBrightness(brightness);
    QSignalSpy readouts(m_wheel.get(), &HsvCorWid::sigCurrentRgb);
    const QPoint points[] = {kCentre + QPoint(kRimDistance, 0), kCentre + QPoint(-40, 50),
                             kCentre + QPoint(10, -70)};
    for (const QPoint& point : points)
        moveTo(m_wheel.get(), point);
    QCOMPARE(readouts.count(), int(std::size(points)));
    m_wheel->setHsvEnabled(enabled);
    const QImage image = m_wheel->grab().toImage();

    const int tolerance = 3;
    for (int i = 0; i < int(std::size(points)); ++i) {
        const QColor shown = image.pixelColor(points[i]);
        const QColor picked = readouts.at(i).front().value<QColor>();
        if (!enabled) {
            QCOMPARE(shown.red(), shown.green());
            QCOMPARE(shown.green(), shown.blue());
            continue;
        }
        // What is shown is what is picked, dimmed by the brightness.
        const auto dim = [brightness](int component) { return component * brightness / 255; };
        QVERIFY2(std::abs(shown.red() - dim(picked.red())) <= tolerance
                     && std::abs(shown.green() - dim(picked.green())) <= tolerance
                     && std::abs(shown.blue() - dim(picked.blue())) <= tolerance,
                 qPrintable(shown.name() + QLatin1Char(' ') + picked.name()));
    }
}

QTEST_MAIN(TestHsvCorWid)
#include "tst_hsvcorwid.moc"
