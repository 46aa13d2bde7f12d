#include "colour/groundbtn.h"
#include "colour/ledcolorwid.h"
#include "colourtesthelpers.h"
#include "platform/toolkit/hsvcorwid.h"
#include "support/pagehelpers.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

using namespace ColourTest;

namespace {
// Fore 11,22,33 at brightness 44 and back 55,66,77 at 88, in record byte order.
vantor_light record(int mode)
{
    return vantor_light{uchar(mode), 3, 0, 44, 0, 11, 22, 33, 0, 55, 66, 77, 0, 88};
}
} // namespace

class TestLedColorWid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_wid = std::make_unique<LedColorWid>();
        m_wid->resize(532, 220);
        m_wid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wid.get()));
    }
    void cleanup() { m_wid.reset(); }

    void modeRules_data()
    {
        QTest::addColumn<int>("previous");
        QTest::addColumn<bool>("layer"); // a multilayer layer's effect rather than the mode
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QColor>("fore"); // what each page shows after the load
        QTest::addColumn<QColor>("back");
        const QColor fore(11, 22, 33, 44);
        const QColor back(55, 66, 77, 88);
        const QColor before(200, 201, 202, 203);
        QTest::newRow("staticAfterBoth") << 2 << false << 0 << "011010" << fore << before;
        // A per-key effect shows only its brightness; a colourless one black at it.
        QTest::newRow("customAfterNone") << 1 << false << 4 << "011010"
                                         << QColor(200, 201, 202, 44) << before;
        QTest::newRow("rainbowAfterBoth") << 2 << false << 1 << "000000" << QColor(0, 0, 0, 44)
                                          << before;
        QTest::newRow("multilayerAfterBoth") << 2 << false << 19 << "011010" << fore << before;
        QTest::newRow("crosshairAfterNone") << 1 << false << 2 << "011111" << fore << back;
        // Snake and turned off lay the veil over whatever the previous mode left.
        QTest::newRow("snakeKeepsBoth") << 2 << false << 16 << "111111" << fore << back;
        QTest::newRow("turnOffKeepsFore") << 0 << false << 17 << "111010" << fore << before;
        QTest::newRow("multizoneUnchanged") << 1 << false << 20 << "000000" << QColor(0, 0, 0, 44)
                                            << before;
        QTest::newRow("pastLastUnchanged") << 2 << false << 21 << "011111" << fore << back;
        // A layer never has a background; a turned-off layer shows black.
        QTest::newRow("crosshairLayer") << 2 << true << 2 << "011010" << fore << before;
        QTest::newRow("rainbowLayer") << 0 << true << 1 << "000000" << fore << before;
        QTest::newRow("emptyLayerAfterBoth") << 2 << true << 17 << "111010" << QColor(0, 0, 0)
                                             << before;
    }

    // The mode (or layer) arrives first by its slot, then the record or layer colour is loaded.
    void modeRules()
    {
        QFETCH(int, previous);
        QFETCH(bool, layer);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        QFETCH(QColor, fore);
        QFETCH(QColor, back);
        invoke("slotLedModeChanged", previous);
        page(false)->setColor(QColor(200, 201, 202, 203));
        page(true)->setColor(QColor(200, 201, 202, 203));
        const bool backChecked = button(true)->isEnabled();
        button(true)->setChecked(backChecked);
        QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);
        QSignalSpy grounds(m_wid.get(), &LedColorWid::sigLedGroundChanged);

        invoke(layer ? "slotMultilayerModeChanged" : "slotLedModeChanged", mode);
        QCOMPARE(state(), expected);
        // A mode change always starts on the foreground; a layer never moves the check.
        QCOMPARE(button(true)->isChecked(), layer && backChecked);
        if (layer)
            m_wid->setLayerColor(mode, QColor(11, 22, 33, 44));
        else
            m_wid->setLight(record(mode));

        QCOMPARE(state(), expected);
        QCOMPARE(shown(page(false)), fore);
        QCOMPARE(shown(page(true)), back);
        // A record leaves the wheel at the edited foreground's brightness, though the
        // background announced its own last.
        if (!layer)
            QCOMPARE(get<HsvCorWid>("m_hsvCorWid")->brightness(), fore.alpha());
        QCOMPARE(colours.count(), 0);
        QCOMPARE(grounds.count(), !layer && backChecked ? 1 : 0);
    }

    // Only the newly checked selector switches the page and the wheel's brightness. Then
    // hovering shows the colour under the pointer in the edited page only, leaving puts the
    // page's colour back, and a click picks it at the page's brightness.
    void groundChangeAndWheel()
    {
        auto* wheel = get<HsvCorWid>("m_hsvCorWid");
        invoke("slotLedModeChanged", Mode::Ripple);
        m_wid->setLight(record(Mode::Ripple));
        QSignalSpy grounds(m_wid.get(), &LedColorWid::sigLedGroundChanged);
        QTest::mouseClick(button(false), Qt::LeftButton);
        QTest::mouseClick(button(true), Qt::LeftButton);
        QCOMPARE(grounds.count(), 1);
        QCOMPARE(grounds.front().front().toInt(), 1);
        QCOMPARE(get<QStackedWidget>("m_groundWid")->currentWidget(), page(true));
        QCOMPARE(wheel->brightness(), 88);

        QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);
        QSignalSpy readouts(wheel, &HsvCorWid::sigCurrentRgb);
        const QPoint onRim = wheel->rect().center() + QPoint(wheel->height() / 3, 0);
        PageHelpers::sendMouse(wheel, QEvent::MouseMove, onRim, Qt::NoButton, Qt::NoButton);
        QCOMPARE(readouts.count(), 1);
        QColor readout(readouts.front().front().value<QColor>().rgb());
        readout.setAlpha(88);
        QCOMPARE(shown(page(true)), readout);
        QCOMPARE(shown(page(false)), QColor(11, 22, 33, 44));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(wheel, &leave);
        QCOMPARE(shown(page(true)), QColor(55, 66, 77, 88));
        QCOMPARE(colours.count(), 0);

        QTest::mouseClick(wheel, Qt::LeftButton, Qt::NoModifier, onRim);
        QCOMPARE(colours.count(), 1);
        const QColor picked = colours.front().front().value<QColor>();
        QCOMPARE(picked.rgba(), readout.rgba());
    }

private:
    template <typename T> T* get(const char* name) const
    {
        return m_wid->findChild<T*>(QLatin1String(name));
    }
    GroundWid* page(bool back) const { return get<GroundWid>(back ? "m_backWid" : "m_foreWid"); }
    GroundBtn* button(bool back) const { return get<GroundBtn>(back ? "m_backBtn" : "m_foreBtn"); }
    // Veil, wheel, FOREGROUND, BACKGROUND and the two colour areas, "1" where enabled.
    QString state() const
    {
        auto* wheel = get<HsvCorWid>("m_hsvCorWid");
        const QPoint middle = wheel->mapTo(m_wid.get(), wheel->rect().center());
        QString s = m_wid->childAt(middle) == wheel ? "0" : "1";
        for (bool on : {wheel->isHsvEnabled(), button(false)->isEnabled(),
                        button(true)->isEnabled(), area(false)->isEnabled(),
                        area(true)->isEnabled()})
            s += on ? "1" : "0";
        return s;
    }
    QWidget* area(bool back) const { return page(back)->findChild<QWidget*>("m_corWid"); }
    void invoke(const char* slot, int arg)
    {
        QVERIFY(QMetaObject::invokeMethod(m_wid.get(), slot, Q_ARG(int, arg)));
    }

    std::unique_ptr<LedColorWid> m_wid;
};

QTEST_MAIN(TestLedColorWid)
#include "tst_ledcolorwid.moc"
