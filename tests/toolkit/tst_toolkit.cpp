// SPDX-License-Identifier: MIT
// The toolkit's widgets: the colour swatch, the colour wheel and the slider.

#include "platform/toolkit/colorbtn.h"
#include "platform/toolkit/hsvcorwid.h"
#include "platform/toolkit/sliderex.h"
#include "support/pagehelpers.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

namespace {
const QPoint kCentre(100, 100); // of a 200 x 200 wheel
constexpr int kRim = 85;        // well inside its rim

void moveTo(QWidget* widget, const QPoint& pos)
{
    PageHelpers::sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

// A 200 x 200 wheel, enabled and shown.
struct Wheel
{
    Wheel()
    {
        wheel.setHsvEnabled(true);
        wheel.resize(200, 200);
        wheel.show();
    }
    HsvCorWid wheel;
};

constexpr int kSliderWidth = 200;

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
        slider.resize(kSliderWidth, slider.sizeHint().height());
        changes.clear(); // setting the range up moved the value; only what follows counts
        slider.setSliderValue(3); // shown silently: every row checks nothing came of it
    }
    SliderEx slider;
    QSignalSpy changes{&slider, &SliderEx::sigValChanged};
};
} // namespace

class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void drop_data()
    {
        QTest::addColumn<QVariant>("colour"); // a string goes in as text
        QTest::addColumn<bool>("taken");
        QTest::newRow("colour") << QVariant(QColor(10, 20, 30, 40)) << true;
        QTest::newRow("colourNameAsText") << QVariant("#ff0000") << false;
        QTest::newRow("invalidColour") << QVariant(QColor()) << false;
    }

    // An empty slot takes a real colour from a drop, announces it and loses its text.
    void drop()
    {
        QFETCH(QVariant, colour);
        QFETCH(bool, taken);
        ColorBtn button(QColor(Qt::red), 255, nullptr);
        QVERIFY(button.text().isEmpty());
        button.reset();
        button.setAcceptDrops(true);
        QCOMPARE(button.getColor(), QColor(Qt::transparent));
        QVERIFY(!button.text().isEmpty());
        QSignalSpy updates(&button, &ColorBtn::sigUpdateColor);
        QMimeData mime;
        if (colour.userType() == QMetaType::QString)
            mime.setText(colour.toString());
        else
            mime.setColorData(colour);

        // The drop is sent even where the drag was refused on entering: a stray one must be too.
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &enter);
        QApplication::sendEvent(&button, &drop);

        QCOMPARE(enter.isAccepted(), taken);
        QCOMPARE(drop.isAccepted(), taken);
        QCOMPARE(updates.count(), taken ? 1 : 0);
        QCOMPARE(button.getColor(), taken ? colour.value<QColor>() : QColor(Qt::transparent));
        QCOMPARE(button.text().isEmpty(), taken);
    }

    void clear_data()
    {
        QTest::addColumn<bool>("slot"); // accepts drops: a custom slot, not a preset
        QTest::addColumn<bool>("byMenu"); // else the Delete key
        QTest::addColumn<bool>("cleared");
        QTest::newRow("slotByMenu") << true << true << true;
        QTest::newRow("slotByDelete") << true << false << true;
        QTest::newRow("presetByMenu") << false << true << false;
        QTest::newRow("presetByDelete") << false << false << false;
    }

    // A saved custom colour can be emptied again, as a user change; a preset cannot.
    void clear()
    {
        QFETCH(bool, slot);
        QFETCH(bool, byMenu);
        QFETCH(bool, cleared);
        ColorBtn button(QColor(10, 20, 30, 40), 255, nullptr);
        button.setAcceptDrops(slot);
        button.setLabel(QStringLiteral("Custom colour 3"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy updates(&button, &ColorBtn::sigUpdateColor);
        if (byMenu) {
            QTimer::singleShot(0, &button, [&button] {
                if (auto* menu = button.findChild<QMenu*>()) {
                    if (QAction* clear = menu->findChild<QAction*>("actionClearColor"))
                        clear->trigger();
                    menu->close();
                }
            });
            const QPoint at(5, 5);
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, button.mapToGlobal(at));
            QApplication::sendEvent(&button, &menu);
        } else {
            button.setFocus();
            QTest::keyClick(&button, Qt::Key_Delete);
        }
        QCOMPARE(updates.count(), cleared ? 1 : 0);
        QCOMPARE(button.getColor() == QColor(Qt::transparent), cleared);
        const char* name = cleared ? "Custom colour 3, empty" : "Custom colour 3, black, #0a141e";
        QCOMPARE(button.accessibleName(), QLatin1String(name));
    }

    // A custom slot paints its colour opaque whatever its alpha, so a dim colour keeps its hue.
    void paintsSwatch()
    {
        ColorBtn dim(QColor(10, 200, 10, 30), 255, nullptr);
        dim.resize(24, 24);
        QCOMPARE(dim.grab().toImage().pixelColor(12, 12), QColor(10, 200, 10));
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
        Wheel w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.wheel));
        QFETCH(QPoint, offset);
        QFETCH(int, brightness);
        QFETCH(int, hue);
        w.wheel.setBrightness(brightness);
        QSignalSpy picks(&w.wheel, &HsvCorWid::sigSelectCor);
        QTest::mouseClick(&w.wheel, Qt::LeftButton, Qt::NoModifier, kCentre + offset);

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
        Wheel w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.wheel));
        QSignalSpy readouts(&w.wheel, &HsvCorWid::sigCurrentRgb);
        QSignalSpy leaves(&w.wheel, &HsvCorWid::sigLeaveHsv);
        QSignalSpy picks(&w.wheel, &HsvCorWid::sigSelectCor);
        QEvent leave(QEvent::Leave);
        moveTo(&w.wheel, kCentre + QPoint(0, -kRim));
        QCOMPARE(readouts.count(), 1);
        QVERIFY(std::abs(readouts.front().front().value<QColor>().hue() - 90) <= 2);

        // Off the wheel into the corner ends the readout once; a press there picks nothing.
        moveTo(&w.wheel, QPoint(2, 2));
        moveTo(&w.wheel, QPoint(3, 3));
        QApplication::sendEvent(&w.wheel, &leave);
        QTest::mouseClick(&w.wheel, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(leaves.count(), 1);
        QCOMPARE(readouts.count() + picks.count(), 1);

        // Greyed, the wheel ignores the mouse.
        w.wheel.setHsvEnabled(false);
        moveTo(&w.wheel, kCentre);
        QTest::mouseClick(&w.wheel, Qt::LeftButton, Qt::NoModifier, kCentre);
        QApplication::sendEvent(&w.wheel, &leave);
        QCOMPARE(readouts.count() + leaves.count() + picks.count(), 2);
    }

    // From the centre, steps to the left reach cyan, which Enter picks; leaving ends the readout,
    // and the rim stops the point.
    void keyboardMovesAndPicks()
    {
        Wheel w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.wheel));
        QSignalSpy readouts(&w.wheel, &HsvCorWid::sigCurrentRgb);
        QSignalSpy leaves(&w.wheel, &HsvCorWid::sigLeaveHsv);
        QSignalSpy picks(&w.wheel, &HsvCorWid::sigSelectCor);
        w.wheel.setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 60; ++i) // far past the rim
            QTest::keyClick(&w.wheel, Qt::Key_Left);
        QTest::keyClick(&w.wheel, Qt::Key_Return);
        QCOMPARE(readouts.count(), 60);
        QCOMPARE(picks.count(), 1);
        const QColor picked = picks.front().front().value<QColor>();
        QVERIFY2(std::abs(picked.hue() - 180) <= 2 && picked.saturation() > 250,
                 qPrintable(picked.name()));
        w.wheel.clearFocus();
        QCOMPARE(leaves.count(), 1);
        // Greyed, the wheel leaves the keys alone.
        w.wheel.setHsvEnabled(false);
        w.wheel.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w.wheel, Qt::Key_Right);
        QTest::keyClick(&w.wheel, Qt::Key_Return);
        QCOMPARE(readouts.count() + picks.count(), 61);
    }

    // What is shown is what is picked, dimmed by the brightness, or grey when disabled.
    void paintsDimmedAndGreyed()
    {
        Wheel w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.wheel));
        w.wheel.grab(); // paint once first, so a stale cached wheel would show
        w.wheel.setBrightness(128);
        QSignalSpy readouts(&w.wheel, &HsvCorWid::sigCurrentRgb);
        const QPoint points[] = {kCentre + QPoint(kRim, 0), kCentre + QPoint(-40, 50)};
        for (const QPoint& point : points)
            moveTo(&w.wheel, point);
        QCOMPARE(readouts.count(), 2);
        const QImage dimmed = w.wheel.grab().toImage();
        w.wheel.setHsvEnabled(false);
        const QImage greyed = w.wheel.grab().toImage();

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

    void userChange_data()
    {
        QTest::addColumn<int>("wheel");
        QTest::addColumn<QList<int>>("mouseXs"); // press, moves, release at the last
        QTest::addColumn<int>("value");
        // Keys reach the slider through the speed panel's tests.
        QTest::newRow("wheelDown") << -120 << QList<int>{} << 2;
        QTest::newRow("clickRightEnd") << 0 << QList<int>{-1} << 5;
        QTest::newRow("clickOnHandle") << 0 << QList<int>{kSliderWidth / 2} << 3;
        // Through the right end to a quarter or back: one report at most, on release.
        QTest::newRow("dragToQuarter") << 0 << QList<int>{kSliderWidth / 2, -1, kSliderWidth / 4} << 2;
        QTest::newRow("dragBack") << 0 << QList<int>{kSliderWidth / 2, -1, kSliderWidth / 2} << 3;
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
            const QPoint at(mouseXs[i] < 0 ? kSliderWidth - 1 : mouseXs[i], s.slider.height() / 2);
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

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
