// The mode panel: its buttons, the layer and zone pickers, and the orders and facts the
// catalogue derives for them.

#include "keylight/keylightwid.h"
#include "keylight/modecatalogue.h"
#include "mode/ledmodewid.h"
#include "mode/menubtn.h"
#include "mode/modecombox.h"
#include "speed/ledspeedwid.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QWheelEvent>
#include <QtTest>

namespace {
constexpr auto kPurple = "background:rgb(132,49,155)";
constexpr auto kGrey = "background:rgb(81,81,81)";
using ModeList = QList<int>;

// All five signals of the panel in emission order, e.g. "mode(8)" or "currLayer(2,5)".
struct PanelLog : QObject
{
    auto entry(const char* name)
    {
        return [this, name](int a, int b = -1) {
            entries << QStringLiteral("%1(%2%3)").arg(QLatin1String(name)).arg(a).arg(
                           b < 0 ? QString() : QStringLiteral(",%1").arg(b));
        };
    }
    explicit PanelLog(LedModeWid* p)
    {
        connect(p, &LedModeWid::sigLedModeChanged, this, entry("mode"));
        connect(p, &LedModeWid::sigCurrMultilayerMode, this, entry("currLayer"));
        connect(p, &LedModeWid::sigCurrMultizoneMode, this, entry("currZone"));
        connect(p, &LedModeWid::sigMultilayerModeChanged, this, entry("layerMode"));
        connect(p, &LedModeWid::sigMultizoneModeChanged, this, entry("zoneMode"));
    }
    QStringList entries;
};

QWidget* subPanel(QWidget& panel, bool zones)
{
    return panel.findChild<QWidget*>(zones ? "m_multizoneWid" : "m_multilayerWid");
}

QList<ModeCombox*> pickersOf(QWidget& panel, bool zones)
{
    return subPanel(panel, zones)->findChildren<ModeCombox*>();
}

// The effects hidden in a picker's list, in list order.
ModeList hiddenModes(ModeCombox* picker)
{
    ModeList modes;
    for (int row = 0; row < picker->count(); ++row) {
        if (qobject_cast<QListView*>(picker->view())->isRowHidden(row))
            modes << picker->itemData(row).toInt();
    }
    return modes;
}

void clickMode(QWidget& panel, int id)
{
    QTest::mouseClick(panel.findChild<QButtonGroup*>()->button(id), Qt::LeftButton);
}

// A shown picker (as layer or zone 2) with every signal logged in emission order.
struct Picker
{
    Picker()
    {
        picker.resize(240, 27);
        picker.show();
        QObject::connect(&picker, &ModeCombox::sigClicked,
                         [this](int i) { log << QStringLiteral("clicked(%1)").arg(i); });
        QObject::connect(&picker, &ModeCombox::sigSubModeChanged, [this](int o, int n) {
            log << QStringLiteral("changed(%1,%2)").arg(o).arg(n);
        });
    }
    ModeCombox picker{2, nullptr};
    QStringList log;
};
} // namespace

class TestLedModeWid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        panel = std::make_unique<LedModeWid>();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    }

    void clickReachesHost()
    {
        RecordingParser parser;
        KeyLightWid page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* modes = page.findChild<LedModeWid*>();
        const int byPreview[] = {Request::ModeParam, Request::CustomLed, Request::Multilayer,
                                 Request::Multizone};
        // The host registers the turn-off icon; the button must work without it.
        QVERIFY(!QFile::exists(ModeCatalogue::info(Mode::TurnOff).iconPath));
        for (const ModeInfo& row : ModeCatalogue::kModes) {
            PanelLog log(modes);
            RequestLog host(&page);
            auto* button = modes->findChild<QPushButton*>(row.buttonObject);
            QVERIFY(button && button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(log.entries, QStringList{QStringLiteral("mode(%1)").arg(row.mode)});
            QCOMPARE(modes->findChild<QButtonGroup*>()->checkedId(), row.mode);
            QCOMPARE(host.codes(), std::vector<int>{byPreview[int(row.preview)]});
        }

        // The colour panel reacts before the hub sends the request, the speed panel after it.
        auto* foreColours = page.findChild<QWidget*>("m_foreWid")->findChild<QWidget*>("m_corWid");
        QLabel* speedVeil = page.findChild<LedSpeedWid*>()->findChild<QLabel*>(
            QString(), Qt::FindDirectChildrenOnly);
        clickMode(*modes, Mode::RainbowWave); // no colours, speed free
        QVERIFY(!foreColours->isEnabled() && speedVeil->isHidden());
        bool colourFirst = false, speedFirst = true;
        connect(&page, &KeyLightWid::sigSdkRequest, this, [&] {
            colourFirst = foreColours->isEnabled();
            speedFirst = !speedVeil->isHidden();
        });
        clickMode(*modes, Mode::Custom); // a foreground colour, no speed
        QVERIFY(colourFirst && !speedFirst);
        QVERIFY(!speedVeil->isHidden());
    }

    void subPanelsFold()
    {
        const struct { int click; bool layers, zones; } steps[] = {
            {Mode::Static, false, false},     {Mode::Multilayer, true, false},
            {Mode::Multilayer, false, false}, {Mode::Multilayer, true, false},
            {Mode::Multizone, false, true},   {Mode::TurnOff, false, false}};
        for (const auto& step : steps) {
            clickMode(*panel, step.click);
            for (int i = 0; i < 2; ++i) { // a loaded MULTILAYER leaves the sub-panels as they are
                QCOMPARE(subPanel(*panel, false)->isVisible(), step.layers);
                QCOMPARE(subPanel(*panel, true)->isVisible(), step.zones);
                panel->setCurrMode(Mode::Multilayer);
            }
        }
    }

    void subModes()
    {
        for (bool zones : {false, true}) {
            const QList<ModeCombox*> pickers = pickersOf(*panel, zones);
            const QString curr = zones ? "currZone" : "currLayer";
            const QString changed = zones ? "zoneMode" : "layerMode";
            PanelLog log(panel.get());
            // An effect in use is withdrawn from all four lists; EMPTY never is.
            for (const ModeList& step : {ModeList{5, 5}, ModeList{8, 8}, ModeList{17}}) {
                pickers[2]->setCurrentIndex(pickers[2]->findData(step[0]));
                for (ModeCombox* each : pickers)
                    QCOMPARE(hiddenModes(each), step.mid(1));
            }
            // The first press makes a picker current without opening its list; a second is
            // ignored, and the others turn grey.
            QTest::mouseClick(pickers[1]->lineEdit(), Qt::LeftButton);
            QTest::mouseClick(pickers[1]->lineEdit(), Qt::LeftButton);
            QVERIFY(!pickers[1]->view()->isVisible());
            QCOMPARE(pickers[2]->styleSheet(), QString::fromLatin1(kGrey));
            // The grey picker 2 became current first, already showing its new effect.
            QCOMPARE(log.entries, QStringList({curr + "(2,5)", changed + "(5)", changed + "(8)",
                                               changed + "(17)", curr + "(1,17)"}));

            // Loaded effects are shown and withdrawn; layer 2, but no zone (out of range) is
            // current.
            const int index = zones ? 4 : 2;
            const std::vector<uchar> loaded{5, 17, 8, 12};
            if (zones)
                panel->setMultizoneModes(index, loaded);
            else
                panel->setMultilayerModes(index, loaded);
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(pickers[i]->currMode(), int(loaded[i]));
                QCOMPARE(hiddenModes(pickers[i]), ModeList({5, 8, 12}));
                QCOMPARE(pickers[i]->styleSheet(), QLatin1String(i == index ? kPurple : kGrey));
            }
            for (ModeCombox* zone : pickersOf(*panel, true)) // untouched by the layers
                QVERIFY(zones || (zone->styleSheet().isEmpty() && hiddenModes(zone).isEmpty()));
            panel->setModeState(Mode::Multizone, 0, loaded, 3, loaded);
            panel->updateSubPanels(Mode::Multilayer);
            panel->setCurrMode(Mode::Breathing);
            panel->resetSubModes();
            for (ModeCombox* picker : pickersOf(*panel, false) + pickersOf(*panel, true))
                QVERIFY(hiddenModes(picker).isEmpty());
            QCOMPARE(pickers[0]->currMode(), 5); // only the lists change
            QCOMPARE(log.entries.size(), 5); // no setter emits

            // Greyed by the setter, picker 1 takes the next press again.
            QTest::mouseClick(pickers[1]->lineEdit(), Qt::LeftButton);
            QCOMPARE(log.entries.size(), 6);
        }
    }

    void userChoice()
    {
        Picker p;
        p.picker.setSelected(false); // grey, showing EMPTY
        for (int mode : {12, 12, 9}) // FIREBALL, the same again, then RIPPLE on the purple picker
            p.picker.setCurrentIndex(p.picker.findData(mode));
        QCOMPARE(p.log, QStringList({"clicked(2)", "changed(17,12)", "changed(12,9)"}));
        QCOMPARE(p.picker.styleSheet(), QString::fromLatin1(kPurple));
    }

    void arrowKeysSkipHiddenRows()
    {
        // Regression: stepping with the arrow keys could pick an effect another layer uses.
        Picker p;
        p.picker.setCurrMode(0); // STATIC, followed by RAINBOW WAVE and CROSSHAIR
        p.picker.setSelected(true);
        p.picker.hideMode(1);
        QTest::keyClick(&p.picker, Qt::Key_Down);
        QCOMPARE(p.log, QStringList{"changed(0,2)"});
    }

    void wheelKeepsItem()
    {
        Picker p;
        p.picker.setCurrMode(8); // BREATHING, in the middle of the list
        const QPointF at(p.picker.rect().center());
        QWheelEvent wheel(at, p.picker.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&p.picker, &wheel);
        QCOMPARE(p.picker.currMode(), 8);
        QVERIFY(p.log.isEmpty());
    }

    void menuTriangle()
    {
        MenuBtn button; // a black face, so that only the triangle can be white
        button.setStyleSheet(QStringLiteral("background:black;border:none;"));
        button.resize(300, 27);
        const QImage image = button.grab().toImage();
        // Corners (280, 8), (290, 8), (285, 18): pixels just inside and just outside each edge.
        const QList<QPoint> inside{{285, 11}, {282, 9}, {288, 9}, {285, 14}};
        const QList<QPoint> outside{{278, 10}, {292, 10}, {285, 6},
                                    {285, 20}, {281, 16}, {289, 16}};
        for (const QPoint& pixel : inside + outside) {
            QVERIFY2((image.pixel(pixel) == qRgb(255, 255, 255)) == inside.contains(pixel),
                     qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
        }
    }

    // The mode list and the pickers take their order from the catalogue's list positions;
    // these pin the orders, which no table states directly.
    void listOrder()
    {
        const std::array<int, Mode::Count> expected = {0, 1, 2, 3, 4, 5, 18, 7, 8, 9, 16,
                                                       12, 15, 10, 6, 11, 13, 14, 19, 20, 17};
        QCOMPARE(ModeCatalogue::listOrder(), expected);
    }

    void subModeChoices()
    {
        // "EMPTY" first; CUSTOM, GAME SNAKE, MULTILAYER and MULTIZONE are not offered.
        const std::array<int, 17> expected = {17, 0, 1, 2, 3, 5, 18, 7, 8, 9, 12, 15, 10, 6, 11,
                                              13, 14};
        QCOMPARE(ModeCatalogue::subModeChoices(), expected);
    }

    void facts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("background");
        QTest::addColumn<bool>("colourless");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("direction");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("ordinary");
        // The two rules that no catalogue row states: directions without up and down, and
        // what an unknown number means.
        QTest::newRow("circleSpectrum") << 13 << false << true << true << true << false << true;
        // Unknown numbers behave like a plain moving effect and are no page of their own.
        QTest::newRow("aboveRange") << 21 << false << false << true << false << true << false;
        QTest::newRow("belowRange") << -1 << false << false << true << false << true << false;
    }

    void facts()
    {
        QFETCH(int, mode);
        QFETCH(bool, background);
        QFETCH(bool, colourless);
        QFETCH(bool, speed);
        QFETCH(bool, direction);
        QFETCH(bool, vertical);
        QFETCH(bool, ordinary);
        QCOMPARE(ModeCatalogue::usesBackground(mode), background);
        QCOMPARE(ModeCatalogue::isColourless(mode), colourless);
        QCOMPARE(ModeCatalogue::hasSpeed(mode), speed);
        QCOMPARE(ModeCatalogue::hasDirection(mode), direction);
        QCOMPARE(ModeCatalogue::hasVerticalDirection(mode), vertical);
        QCOMPARE(ModeCatalogue::isOrdinary(mode), ordinary);
    }
private:
    std::unique_ptr<LedModeWid> panel;
};

QTEST_MAIN(TestLedModeWid)
#include "tst_ledmodewid.moc"
