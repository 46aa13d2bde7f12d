#include "colour/groundbtn.h"
#include "colour/groundwid.h"
#include "colour/ledcolorwid.h"
#include "colourtesthelpers.h"
#include "customcolorstore.h"
#include "keylight/modecatalogue.h"
#include "platform/toolkit/colorbtn.h"
#include "platform/toolkit/hsvcorwid.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDrag>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

namespace {
// Enabled states of everything the mode rules switch, as one comparable value.
struct PanelState
{
    bool veil;
    bool wheel;
    bool foreBtn;
    bool backBtn;
    bool foreArea;
    bool backArea;

    bool operator==(const PanelState& o) const
    {
        return veil == o.veil && wheel == o.wheel && foreBtn == o.foreBtn
               && backBtn == o.backBtn && foreArea == o.foreArea && backArea == o.backArea;
    }
};

char* toString(const PanelState& s)
{
    return qstrdup(qPrintable(QStringLiteral("veil %1 wheel %2 fore %3 back %4 foreArea %5 "
                                             "backArea %6")
                                  .arg(s.veil)
                                  .arg(s.wheel)
                                  .arg(s.foreBtn)
                                  .arg(s.backBtn)
                                  .arg(s.foreArea)
                                  .arg(s.backArea)));
}

constexpr PanelState kForeOnly{false, true, true, false, true, false};
constexpr PanelState kNoColour{false, false, false, false, false, false};
constexpr PanelState kBothGrounds{false, true, true, true, true, true};

PanelState veiled(PanelState s)
{
    s.veil = true;
    return s;
}

// The panel's widgets, reached by object name as a host or the page would.
struct Panel
{
    explicit Panel(LedColorWid* w)
        : wid(w)
        , wheel(w->findChild<HsvCorWid*>(QStringLiteral("m_hsvCorWid")))
        , foreBtn(w->findChild<GroundBtn*>(QStringLiteral("m_foreBtn")))
        , backBtn(w->findChild<GroundBtn*>(QStringLiteral("m_backBtn")))
        , stack(w->findChild<QStackedWidget*>(QStringLiteral("m_groundWid")))
        , foreWid(w->findChild<GroundWid*>(QStringLiteral("m_foreWid")))
        , backWid(w->findChild<GroundWid*>(QStringLiteral("m_backWid")))
    {
        for (QLabel* label : w->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->styleSheet() == QLatin1String("background:rgba(84,86,91,150)"))
                veil = label;
        }
    }

    PanelState state() const
    {
        return {veil->isVisibleTo(wid), wheel->isHsvEnabled(), foreBtn->isEnabled(),
                backBtn->isEnabled(), area(foreWid)->isEnabled(), area(backWid)->isEnabled()};
    }

    static QWidget* area(GroundWid* page)
    {
        return page->findChild<QWidget*>(QStringLiteral("m_corWid"));
    }

    static QColor boxes(GroundWid* page)
    {
        return QColor(page->findChild<QSpinBox*>(QStringLiteral("m_r"))->value(),
                      page->findChild<QSpinBox*>(QStringLiteral("m_g"))->value(),
                      page->findChild<QSpinBox*>(QStringLiteral("m_b"))->value());
    }

    static QString squareStyle(GroundBtn* button)
    {
        return button->findChild<QLabel*>(QStringLiteral("m_corLab"))->styleSheet();
    }

    static QString colouredSquare(const QColor& c)
    {
        return QStringLiteral("background:") + c.name(QColor::HexArgb)
               + QStringLiteral(";border:1px solid white;");
    }

    static ColorBtn* preset(GroundWid* page, int index)
    {
        auto* row = page->findChild<QHBoxLayout*>(QStringLiteral("m_presetCorLayout"));
        return qobject_cast<ColorBtn*>(row->itemAt(index)->widget());
    }

    static ColorBtn* customSlot(GroundWid* page, int index)
    {
        auto* row = page->findChild<QHBoxLayout*>(QStringLiteral("m_customCorLayout"));
        return qobject_cast<ColorBtn*>(row->itemAt(index)->widget());
    }

    void modeChanged(int mode) const
    {
        QVERIFY(QMetaObject::invokeMethod(wid, "slotLedModeChanged", Q_ARG(int, mode)));
    }

    void layerModeChanged(int mode) const
    {
        QVERIFY(QMetaObject::invokeMethod(wid, "slotMultilayerModeChanged", Q_ARG(int, mode)));
    }

    LedColorWid* wid;
    HsvCorWid* wheel;
    GroundBtn* foreBtn;
    GroundBtn* backBtn;
    QStackedWidget* stack;
    GroundWid* foreWid;
    GroundWid* backWid;
    QLabel* veil = nullptr;
};

void moveTo(QWidget* widget, const QPoint& pos)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

vantor_light record(int mode, QColor fore, QColor back)
{
    vantor_light light;
    light.mode = uchar(mode);
    light.fg_r = uchar(fore.red());
    light.fg_g = uchar(fore.green());
    light.fg_b = uchar(fore.blue());
    light.fg_brightness = uchar(fore.alpha());
    light.bg_r = uchar(back.red());
    light.bg_g = uchar(back.green());
    light.bg_b = uchar(back.blue());
    light.bg_brightness = uchar(back.alpha());
    return light;
}
} // namespace

Q_DECLARE_METATYPE(PanelState)

class TestLedColorWid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void construction();
    void modeRules_data();
    void modeRules();
    void zoneModeFollowsTheSameRules();
    void layerRules_data();
    void layerRules();
    void layerColour_data();
    void layerColour();
    void setLight_data();
    void setLight();
    void wheelReadoutLeaveAndPick_data();
    void wheelReadoutLeaveAndPick();
    void groundChange_data();
    void groundChange();
    void colourFromPageRecoloursCheckedSquare_data();
    void colourFromPageRecoloursCheckedSquare();
    void customColoursAndBrightnessForwarded();
    void veilCoversThePanel();
    void dragFromSelectorToCustomSlot();

private:
    std::unique_ptr<CustomColorStore> m_store;
    std::unique_ptr<LedColorWid> m_wid;
};

void TestLedColorWid::init()
{
    m_store = std::make_unique<CustomColorStore>();
    m_wid = std::make_unique<LedColorWid>(nullptr);
    m_wid->resize(532, 220);
    m_wid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_wid.get()));
}

void TestLedColorWid::cleanup()
{
    m_wid.reset();
    m_store.reset();
}

void TestLedColorWid::construction()
{
    Panel p(m_wid.get());
    QVERIFY(p.wheel && p.foreBtn && p.backBtn && p.stack && p.foreWid && p.backWid && p.veil);
    QVERIFY(!p.veil->isVisibleTo(m_wid.get()));
    QVERIFY(p.foreBtn->isChecked());
    QCOMPARE(p.stack->currentIndex(), 0);
    QCOMPARE(p.stack->widget(0), p.foreWid);
    QCOMPARE(p.stack->widget(1), p.backWid);
    // The captions are the panel's; the buttons' own text stays empty.
    QVERIFY(p.foreBtn->text().isEmpty());
    QCOMPARE(p.foreBtn->findChild<QLabel*>(QStringLiteral("m_textLab"))->text(),
             QStringLiteral("FOREGROUND"));
    QCOMPARE(p.backBtn->findChild<QLabel*>(QStringLiteral("m_textLab"))->text(),
             QStringLiteral("BACKGROUND"));
    auto* group = p.foreBtn->group();
    QVERIFY(group);
    QVERIFY(group->exclusive());
    QCOMPARE(group->id(p.foreBtn), 0);
    QCOMPARE(group->id(p.backBtn), 1);
    QCOMPARE(m_wid->findChild<QLabel*>(QStringLiteral("label"))->text(),
             QStringLiteral("LED COLOR"));
}

void TestLedColorWid::modeRules_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("mode");
    QTest::addColumn<PanelState>("expected");

    QTest::newRow("staticAfterBoth") << 2 << 0 << kForeOnly;
    QTest::newRow("customAfterNone") << 1 << 4 << kForeOnly;
    QTest::newRow("breathingAfterBoth") << 3 << 8 << kForeOnly;
    QTest::newRow("multilayerAfterBoth") << 18 << 19 << kForeOnly;
    QTest::newRow("rainbowAfterBoth") << 2 << 1 << kNoColour;
    QTest::newRow("colourCycle") << 0 << 7 << kNoColour;
    QTest::newRow("tornado") << 0 << 14 << kNoColour;
    QTest::newRow("crosshairAfterNone") << 1 << 2 << kBothGrounds;
    QTest::newRow("rainAfterFore") << 0 << 18 << kBothGrounds;
    QTest::newRow("snakeKeepsBoth") << 2 << 16 << veiled(kBothGrounds);
    QTest::newRow("snakeKeepsNone") << 13 << 16 << veiled(kNoColour);
    QTest::newRow("turnOffKeepsFore") << 8 << 17 << veiled(kForeOnly);
    QTest::newRow("turnOffKeepsNone") << 7 << 17 << veiled(kNoColour);
    QTest::newRow("multizoneUnchanged") << 1 << 20 << kNoColour;
    QTest::newRow("negativeUnchanged") << 2 << -1 << kBothGrounds;
    QTest::newRow("pastLastUnchanged") << 0 << 21 << kForeOnly;
}

void TestLedColorWid::modeRules()
{
    QFETCH(int, previous);
    QFETCH(int, mode);
    QFETCH(PanelState, expected);
    Panel p(m_wid.get());
    p.modeChanged(previous);
    p.backBtn->setChecked(true);
    QSignalSpy grounds(m_wid.get(), &LedColorWid::sigLedGroundChanged);

    p.modeChanged(mode);

    QCOMPARE(p.state(), expected);
    // A mode change always starts on the foreground.
    QVERIFY(p.foreBtn->isChecked());
    QCOMPARE(p.stack->currentIndex(), 0);
    QCOMPARE(grounds.count(), 1);
    QCOMPARE(grounds.front().front().toInt(), 0);

    // A veil goes again with the next rule that hides it.
    if (expected.veil) {
        p.modeChanged(Mode::Static);
        QCOMPARE(p.state(), kForeOnly);
    }
}

void TestLedColorWid::zoneModeFollowsTheSameRules()
{
    Panel p(m_wid.get());
    const struct
    {
        int mode;
        PanelState expected;
    } steps[] = {{2, kBothGrounds}, {7, kNoColour}, {17, veiled(kNoColour)}, {0, kForeOnly},
                 {20, kForeOnly}};
    for (const auto& step : steps) {
        p.backBtn->setChecked(p.backBtn->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(m_wid.get(), "slotCurrMultizoneMode", Q_ARG(int, 3),
                                          Q_ARG(int, step.mode)));
        QCOMPARE(p.state(), step.expected);
        QVERIFY(p.foreBtn->isChecked());
    }
}

void TestLedColorWid::layerRules_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("layerMode");
    QTest::addColumn<PanelState>("expected");

    constexpr PanelState layerFore{false, true, true, false, true, false};
    constexpr PanelState layerNone{false, false, false, false, false, false};
    QTest::newRow("staticLayerAfterBoth") << 2 << 0 << layerFore;
    QTest::newRow("breathingLayerAfterNone") << 1 << 8 << layerFore;
    QTest::newRow("crosshairLayerHasNoBackground") << 2 << 2 << layerFore;
    QTest::newRow("rainbowLayer") << 2 << 1 << layerNone;
    QTest::newRow("spectrumLayer") << 0 << 13 << layerNone;
    QTest::newRow("emptyLayerAfterBoth") << 2 << 17
                                         << PanelState{true, true, true, false, true, false};
    QTest::newRow("emptyLayerAfterNone") << 1 << 17 << veiled(layerNone);
    QTest::newRow("negativeLayerIsOrdinary") << 1 << -3 << layerFore;
}

void TestLedColorWid::layerRules()
{
    QFETCH(int, previous);
    QFETCH(int, layerMode);
    QFETCH(PanelState, expected);
    Panel p(m_wid.get());
    p.modeChanged(previous);
    const bool backWasChecked = p.backBtn->isEnabled();
    p.backBtn->setChecked(backWasChecked);

    p.layerModeChanged(layerMode);

    QCOMPARE(p.state(), expected);
    // The layer rules never move the check.
    QCOMPARE(p.backBtn->isChecked(), backWasChecked);

    // The current-layer signal takes the same road.
    p.modeChanged(Mode::Crosshair);
    QVERIFY(QMetaObject::invokeMethod(m_wid.get(), "slotCurrMultilayerMode", Q_ARG(int, 2),
                                      Q_ARG(int, layerMode)));
    if (previous == Mode::Crosshair)
        QCOMPARE(p.state(), expected);
    else
        QCOMPARE(p.state().backBtn, false);
}

void TestLedColorWid::layerColour_data()
{
    QTest::addColumn<int>("layerMode");
    QTest::addColumn<QColor>("given");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("staticLayer") << 0 << QColor(10, 20, 30, 40) << QColor(10, 20, 30, 40);
    QTest::newRow("emptyLayerIsBlack") << 17 << QColor(10, 20, 30, 40) << QColor(0, 0, 0, 255);
    QTest::newRow("rainbowLayerKeepsColour") << 1 << QColor(1, 2, 3, 4) << QColor(1, 2, 3, 4);
}

void TestLedColorWid::layerColour()
{
    QFETCH(int, layerMode);
    QFETCH(QColor, given);
    QFETCH(QColor, shown);
    Panel p(m_wid.get());
    p.modeChanged(Mode::Multilayer);
    QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);

    m_wid->setLayerColor(layerMode, given);

    QCOMPARE(Panel::squareStyle(p.foreBtn), Panel::colouredSquare(shown));
    QCOMPARE(Panel::boxes(p.foreWid), QColor(shown.red(), shown.green(), shown.blue()));
    QCOMPARE(p.foreWid->brightness(), shown.alpha());
    QCOMPARE(p.wheel->brightness(), shown.alpha());
    QCOMPARE(p.state().backBtn, false);
    QCOMPARE(colours.count(), 0);
}

void TestLedColorWid::setLight_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("foreBoxes");
    QTest::addColumn<int>("foreBrightness");
    QTest::addColumn<QString>("foreSquare");
    QTest::addColumn<QColor>("backBoxes");
    QTest::addColumn<int>("backBrightness");
    QTest::addColumn<QString>("backSquare");

    const QColor fore(11, 22, 33, 44);
    const QColor back(55, 66, 77, 88);
    const QColor before(200, 201, 202, 203);
    const QString untouched = QStringLiteral("untouched");
    const QString enabledBorder = QStringLiteral("border:1px solid white");
    const QString disabledBorder = QStringLiteral("border:1px solid gray");

    QTest::newRow("customBrightnessOnly")
        << 4 << QColor(200, 201, 202) << 44 << enabledBorder
        << QColor(200, 201, 202) << 203 << disabledBorder;
    QTest::newRow("rainbowShowsBlackWithBrightness")
        << 1 << QColor(0, 0, 0) << 44 << disabledBorder
        << QColor(200, 201, 202) << 203 << disabledBorder;
    QTest::newRow("staticForegroundOnly")
        << 0 << QColor(11, 22, 33) << 44 << Panel::colouredSquare(fore)
        << QColor(200, 201, 202) << 203 << disabledBorder;
    QTest::newRow("rippleBothGrounds")
        << 9 << QColor(11, 22, 33) << 44 << Panel::colouredSquare(fore)
        << QColor(55, 66, 77) << 88 << Panel::colouredSquare(back);
    QTest::newRow("snakeKeepsPreviousGrounds")
        << 16 << QColor(11, 22, 33) << 44 << Panel::colouredSquare(fore)
        << QColor(55, 66, 77) << 88 << Panel::colouredSquare(back);
    QTest::newRow("multizoneKeepsPreviousGrounds")
        << 20 << QColor(11, 22, 33) << 44 << Panel::colouredSquare(fore)
        << QColor(55, 66, 77) << 88 << Panel::colouredSquare(back);
}

void TestLedColorWid::setLight()
{
    QFETCH(int, mode);
    QFETCH(QColor, foreBoxes);
    QFETCH(int, foreBrightness);
    QFETCH(QString, foreSquare);
    QFETCH(QColor, backBoxes);
    QFETCH(int, backBrightness);
    QFETCH(QString, backSquare);
    Panel p(m_wid.get());
    // Both grounds open with a known colour; the squares show only their borders.
    p.modeChanged(Mode::Crosshair);
    p.foreWid->setColor(QColor(200, 201, 202, 203));
    p.backWid->setColor(QColor(200, 201, 202, 203));
    QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);
    QSignalSpy grounds(m_wid.get(), &LedColorWid::sigLedGroundChanged);

    m_wid->setLight(record(mode, QColor(11, 22, 33, 44), QColor(55, 66, 77, 88)));

    QCOMPARE(Panel::boxes(p.foreWid), foreBoxes);
    QCOMPARE(p.foreWid->brightness(), foreBrightness);
    QCOMPARE(Panel::squareStyle(p.foreBtn), foreSquare);
    QCOMPARE(Panel::boxes(p.backWid), backBoxes);
    QCOMPARE(p.backWid->brightness(), backBrightness);
    QCOMPARE(Panel::squareStyle(p.backBtn), backSquare);
    // The foreground is edited, so the wheel shows its brightness, even after the
    // background page announced its own.
    QCOMPARE(p.wheel->brightness(), foreBrightness);
    QCOMPARE(colours.count(), 0);
    QCOMPARE(grounds.count(), 0);
}

void TestLedColorWid::wheelReadoutLeaveAndPick_data()
{
    QTest::addColumn<int>("ground");
    QTest::newRow("foreground") << 0;
    QTest::newRow("background") << 1;
}

void TestLedColorWid::wheelReadoutLeaveAndPick()
{
    QFETCH(int, ground);
    Panel p(m_wid.get());
    p.modeChanged(Mode::Crosshair);
    m_wid->setLight(record(2, QColor(1, 2, 3, 200), QColor(4, 5, 6, 100)));
    GroundBtn* button = ground ? p.backBtn : p.foreBtn;
    GroundWid* edited = ground ? p.backWid : p.foreWid;
    GroundWid* other = ground ? p.foreWid : p.backWid;
    const QColor otherBefore = Panel::boxes(other);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(p.stack->currentWidget(), edited);
    const int brightness = ground ? 100 : 200;
    QCOMPARE(p.wheel->brightness(), brightness);

    QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);
    QSignalSpy readouts(p.wheel, &HsvCorWid::sigCurrentRgb);
    const QPoint centre = p.wheel->rect().center();
    const QPoint onRim(centre.x() + std::min(p.wheel->width(), p.wheel->height()) / 3,
                       centre.y());

    moveTo(p.wheel, onRim);
    QCOMPARE(readouts.count(), 1);
    const QColor readout = readouts.front().front().value<QColor>();
    QCOMPARE(Panel::boxes(edited), QColor(readout.red(), readout.green(), readout.blue()));
    QCOMPARE(Panel::boxes(other), otherBefore);
    QCOMPARE(colours.count(), 0);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(p.wheel, &leave);
    QCOMPARE(Panel::boxes(edited), ground ? QColor(4, 5, 6) : QColor(1, 2, 3));
    QCOMPARE(colours.count(), 0);

    QTest::mouseClick(p.wheel, Qt::LeftButton, Qt::NoModifier, onRim);
    QCOMPARE(colours.count(), 1);
    const QColor picked = colours.front().front().value<QColor>();
    QCOMPARE(picked.rgb(), readout.rgb());
    QCOMPARE(picked.alpha(), brightness);
    QCOMPARE(Panel::boxes(edited), QColor(readout.red(), readout.green(), readout.blue()));
    QCOMPARE(Panel::squareStyle(button), Panel::colouredSquare(picked));
}

void TestLedColorWid::groundChange_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("wheelBrightness");
    QTest::addColumn<QList<int>>("emitted");
    QTest::newRow("toBackground") << 1 << 1 << 90 << QList<int>{1};
    QTest::newRow("stayOnForeground") << 0 << 0 << 210 << QList<int>{};
}

void TestLedColorWid::groundChange()
{
    QFETCH(int, clicked);
    QFETCH(int, page);
    QFETCH(int, wheelBrightness);
    QFETCH(QList<int>, emitted);
    Panel p(m_wid.get());
    p.modeChanged(Mode::Fireball);
    m_wid->setLight(record(12, QColor(1, 1, 1, 210), QColor(2, 2, 2, 90)));
    QSignalSpy grounds(m_wid.get(), &LedColorWid::sigLedGroundChanged);

    QTest::mouseClick(clicked ? p.backBtn : p.foreBtn, Qt::LeftButton);

    QCOMPARE(p.stack->currentIndex(), page);
    QCOMPARE(p.wheel->brightness(), wheelBrightness);
    QList<int> seen;
    for (const QList<QVariant>& args : grounds)
        seen << args.front().toInt();
    QCOMPARE(seen, emitted);

    // The button that loses the check changes nothing.
    grounds.clear();
    QVERIFY(QMetaObject::invokeMethod(m_wid.get(), "slotGroundChanged", Q_ARG(int, 1 - page),
                                      Q_ARG(bool, false)));
    QCOMPARE(p.stack->currentIndex(), page);
    QCOMPARE(grounds.count(), 0);
}

void TestLedColorWid::colourFromPageRecoloursCheckedSquare_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("ground");
    QTest::addColumn<bool>("foreRecoloured");
    QTest::addColumn<bool>("backRecoloured");
    QTest::newRow("foreOnForeMode") << 0 << 0 << true << false;
    QTest::newRow("backOnBothMode") << 2 << 1 << false << true;
    // With no colour to edit the squares stay, but the colour still goes out.
    QTest::newRow("noColourMode") << 1 << 0 << false << false;
}

void TestLedColorWid::colourFromPageRecoloursCheckedSquare()
{
    QFETCH(int, mode);
    QFETCH(int, ground);
    QFETCH(bool, foreRecoloured);
    QFETCH(bool, backRecoloured);
    Panel p(m_wid.get());
    p.modeChanged(mode);
    if (ground)
        p.backBtn->setChecked(true);
    const QString foreBefore = Panel::squareStyle(p.foreBtn);
    const QString backBefore = Panel::squareStyle(p.backBtn);
    QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);

    GroundWid* page = ground ? p.backWid : p.foreWid;
    page->selectColor(QColor(9, 8, 7, 6));

    QCOMPARE(colours.count(), 1);
    QCOMPARE(colours.front().front().value<QColor>(), QColor(9, 8, 7, 6));
    const QString recoloured = Panel::colouredSquare(QColor(9, 8, 7, 6));
    QCOMPARE(Panel::squareStyle(p.foreBtn), foreRecoloured ? recoloured : foreBefore);
    QCOMPARE(Panel::squareStyle(p.backBtn), backRecoloured ? recoloured : backBefore);
}

void TestLedColorWid::customColoursAndBrightnessForwarded()
{
    Panel p(m_wid.get());
    m_store->profile = 7;
    std::vector<custom_color> fore(kCustomColorSlots);
    std::vector<custom_color> back(kCustomColorSlots);
    fore[0] = ColourTest::filled(1, 2, 3, 4);
    back[6] = ColourTest::filled(5, 6, 7, 8);

    m_wid->setCustomColors(fore, back);

    QCOMPARE(Panel::customSlot(p.foreWid, 0)->getColor(), QColor(1, 2, 3, 4));
    QCOMPARE(Panel::customSlot(p.backWid, 6)->getColor(), QColor(5, 6, 7, 8));
    QCOMPARE(Panel::customSlot(p.backWid, 0)->getColor(), QColor(Qt::transparent));
    QCOMPARE(int(m_store->writes.size()), 2);
    QCOMPARE(m_store->writes[0].ground, 0);
    QCOMPARE(m_store->writes[1].ground, 1);
    QVERIFY(ColourTest::sameList(m_store->writes[1].colours, back));

    QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);
    m_wid->setBrightness(61);
    QCOMPARE(p.foreWid->brightness(), 61);
    QCOMPARE(p.wheel->brightness(), 61);
    QCOMPARE(colours.count(), 0);
}

void TestLedColorWid::veilCoversThePanel()
{
    Panel p(m_wid.get());
    p.modeChanged(Mode::GameSnake);
    m_wid->resize(600, 260);
    QCOMPARE(p.veil->geometry(), QRect(0, 0, 600, 260));
    QVERIFY(p.veil->isVisible());
    // The veil lies on top of everything else in the panel.
    QCOMPARE(m_wid->childAt(p.wheel->geometry().center()), p.veil);
}

// A colour pressed out of the FOREGROUND square and dropped on the background page's
// custom slot is stored as that page's slot.
void TestLedColorWid::dragFromSelectorToCustomSlot()
{
    Panel p(m_wid.get());
    m_store->profile = 3;
    p.modeChanged(Mode::Crosshair);
    m_wid->setLight(record(2, QColor(12, 34, 56, 78), QColor(0, 0, 0, 255)));
    QSignalSpy grounds(m_wid.get(), &LedColorWid::sigLedGroundChanged);

    QTest::mousePress(p.foreBtn->findChild<QLabel*>(QStringLiteral("m_corLab")),
                      Qt::LeftButton);
    const QList<QDrag*> drags = p.foreBtn->findChildren<QDrag*>();
    QCOMPARE(drags.size(), 1);
    QVERIFY(ColourTest::dropOn(Panel::customSlot(p.backWid, 2), *drags.front()->mimeData()));

    QCOMPARE(Panel::customSlot(p.backWid, 2)->getColor(), QColor(12, 34, 56, 78));
    QCOMPARE(int(m_store->writes.size()), 1);
    QCOMPARE(int(m_store->writes.front().profile), 3);
    QCOMPARE(m_store->writes.front().ground, 1);
    QVERIFY(p.foreBtn->isChecked());
    QCOMPARE(grounds.count(), 0);

    // Clicking the filled slot then makes it the background colour.
    QTest::mouseClick(p.backBtn, Qt::LeftButton);
    QSignalSpy colours(m_wid.get(), &LedColorWid::sigLedColorChanged);
    QTest::mouseClick(Panel::customSlot(p.backWid, 2), Qt::LeftButton);
    QCOMPARE(colours.count(), 1);
    QCOMPARE(colours.front().front().value<QColor>(), QColor(12, 34, 56, 78));
    QCOMPARE(Panel::squareStyle(p.backBtn), Panel::colouredSquare(QColor(12, 34, 56, 78)));
}

QTEST_MAIN(TestLedColorWid)
#include "tst_ledcolorwid.moc"
