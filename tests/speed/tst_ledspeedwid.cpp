// SPDX-License-Identifier: MIT
#include "keylight/vantor_types.h"
#include "platform/toolkit/sliderex.h"
#include "speed/ledspeedwid.h"
#include "support/lightingpage.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QtTest>

namespace {
// The speed panel inside a page, with its signals and the page's requests recorded.
struct Panel : LightingPage<>
{
    QToolButton* button(const char* name) { return widget.findChild<QToolButton*>(name); }
    // Slider value, checked direction and picture page.
    QList<int> shown()
    {
        return {slider->value(), button("m_up")->group()->checkedId(),
                widget.findChild<QStackedWidget*>("m_ledDirWid")->currentIndex()};
    }
    int signalCount() { return speed.count() + direction.count(); }

    LedSpeedWid& widget = *page.findChild<LedSpeedWid*>();
    SliderEx* slider = widget.findChild<SliderEx*>("m_ledSpeed");
    // The veils are the panel's own labels, speed first.
    QList<QLabel*> veils = widget.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    QSignalSpy speed{&widget, &LedSpeedWid::sigLedSpeedChanged};
    QSignalSpy direction{&widget, &LedSpeedWid::sigLedDirectChanged};
};
} // namespace

class TestLedSpeedWid : public QObject
{
    Q_OBJECT

private slots:
    void modeRules_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("speedVeiled");
        QTest::addColumn<bool>("dirVeiled");
        QTest::addColumn<bool>("upDown");
        QTest::newRow("staticNoSpeed") << 0 << true << true << true;
        QTest::newRow("rainbowAllFour") << 1 << false << false << true;
        QTest::newRow("breathingSpeedOnly") << 8 << false << true << true;
        QTest::newRow("circleLeftRight") << 13 << false << false << false;
        QTest::newRow("tornadoLeftRight") << 14 << false << false << false;
        QTest::newRow("aboveRange") << 21 << false << true << true;
        QTest::newRow("belowRange") << -1 << false << true << true;
    }

    void modeRules()
    {
        QFETCH(int, mode);
        QFETCH(bool, speedVeiled);
        QFETCH(bool, dirVeiled);
        QFETCH(bool, upDown);
        Panel p;
        // Start from the opposite of every expectation, so each rule has to act.
        for (int before : {speedVeiled ? 1 : 0, upDown ? 13 : 1, dirVeiled ? 1 : 0})
            QMetaObject::invokeMethod(&p.widget, "slotLedModeChanged", Q_ARG(int, before));
        QMetaObject::invokeMethod(&p.widget, "slotLedModeChanged", Q_ARG(int, mode));
        QCOMPARE(!p.veils[0]->isHidden(), speedVeiled);
        QCOMPARE(!p.veils[1]->isHidden(), dirVeiled);
        QList<bool> enabled;
        for (const char* arrow : {"m_up", "m_down", "m_left", "m_right"})
            enabled << p.button(arrow)->isEnabled();
        QCOMPARE(enabled, QList<bool>({upDown, upDown, true, true}));
        QCOMPARE(p.signalCount(), 0);
    }

    void setModeParamIsSilent()
    {
        Panel p;
        QSignalSpy slider(p.slider, &SliderEx::sigValChanged);
        p.widget.setModeParam(1, 3, Direction::Left);
        p.widget.setModeParam(8, 2, 6); // no direction: the button stays, the picture is plain
        QCOMPARE(p.shown(), QList<int>({2, Direction::Left, 0}));
        p.widget.setModeParam(1, 5, 6);
        QCOMPARE(p.shown(), QList<int>({5, Direction::Down, 2}));
        // A profile load shows its records this way: nothing may reach the device.
        QCOMPARE(p.signalCount() + slider.count(), 0);
        QVERIFY(p.log.requests.empty() && p.parser.builds.empty());

        QTest::mouseClick(p.button("m_down"), Qt::LeftButton); // already checked, still reported
        QCOMPARE(p.direction.count(), 1);
        QCOMPARE(p.direction.at(0).at(0).toInt(), int(Direction::Down));
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<quint32>("nativeKey");
        QTest::addColumn<int>("shownSpeed");
        // The arrows and keypad 4, 8, 6, 2 do nothing, with the codes Windows and X11 give them.
        const int arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        const quint32 natives[] = {0x25, 0x26, 0x27, 0x28, 0x64, 0x68, 0x66, 0x62,
    #if defined(Q_OS_LINUX)
                                   0xff51, 0xff52, 0xff53, 0xff54, 0xffb4, 0xffb8, 0xffb6, 0xffb2
    #endif
        };
        for (std::size_t i = 0; i < std::size(natives); ++i)
            QTest::addRow("native%x", natives[i]) << arrows[i % 4] << natives[i] << 3;
        // The paging keys still move the slider.
        QTest::newRow("pageUp") << int(Qt::Key_PageUp) << quint32(0xff55) << 4;
        QTest::newRow("pageDown") << int(Qt::Key_PageDown) << quint32(0x22) << 2;
        QTest::newRow("home") << int(Qt::Key_Home) << quint32(0xff50) << 1;
        QTest::newRow("end") << int(Qt::Key_End) << quint32(0x23) << 5;
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(quint32, nativeKey);
        QFETCH(int, shownSpeed);
        Panel p;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, 0, nativeKey, 0);
        QApplication::sendEvent(p.slider, &press);
        QCOMPARE(p.slider->value(), shownSpeed);
        QCOMPARE(p.speed.count(), shownSpeed == 3 ? 0 : 1);
    }

    void veilGeometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("onThePage") << QSize(133, 110);
        QTest::newRow("wide") << QSize(300, 400);
        QTest::newRow("squat") << QSize(260, 90);
    }

    // Each veil lies over every control of its part and over none of the other part's,
    // however the panel is sized: a veiled speed must leave the direction usable, and the
    // other way.
    void veilGeometry()
    {
        QFETCH(QSize, size);
        Panel p;
        const QList<QWidget*> parts{p.widget.findChild<QWidget*>("m_speedWid"),
                                    p.widget.findChild<QWidget*>("m_dirWid")};
        QVERIFY(!parts.contains(nullptr));
        QCOMPARE(p.veils.size(), parts.size());
        p.widget.resize(size);
        const auto controlsOf = [&p](const QWidget* part) {
            QList<QRect> rects;
            for (const QWidget* control : part->findChildren<QWidget*>()) {
                const bool used = qobject_cast<const QAbstractSlider*>(control)
                    || qobject_cast<const QAbstractButton*>(control);
                if (used && control->isVisibleTo(&p.widget))
                    rects << QRect(control->mapTo(&p.widget, QPoint()), control->size());
            }
            return rects;
        };
        for (int i = 0; i < parts.size(); ++i) {
            const QRect veil = p.veils[i]->geometry();
            const QString name = parts[i]->objectName();
            QVERIFY2(!controlsOf(parts[i]).isEmpty(), qPrintable(name));
            for (const QRect& control : controlsOf(parts[i]))
                QVERIFY2(veil.contains(control.center()), qPrintable(name));
            // Its overhang may reach the other part's edge, never a control a person uses.
            for (const QRect& control : controlsOf(parts[1 - i]))
                QVERIFY2(!veil.intersects(control), qPrintable(name));
        }
        // Stacked without a gap: no sliver of the panel between them stays unveiled.
        QCOMPARE(p.veils[0]->geometry().bottom() + 1, p.veils[1]->geometry().top());
    }
};

QTEST_MAIN(TestLedSpeedWid)
#include "tst_ledspeedwid.moc"
