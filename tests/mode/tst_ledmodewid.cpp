#include "colour/ledcolorwid.h"
#include "display/leddisplaywid.h"
#include "keylight/keylightwid.h"
#include "mode/ledmodewid.h"
#include "mode/menubtn.h"
#include "mode/modecombox.h"
#include "speed/ledspeedwid.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <memory>
#include <vector>

namespace {
struct ExpectedRow
{
    const char* object;
    const char* text;
    int id;
};

// The mode list from top to bottom, as the user sees it.
constexpr ExpectedRow kRows[] = {
    {"m_static", "STATIC", 0},
    {"m_rain_wave", "RAINBOW WAVE", 1},
    {"m_crosshair", "CROSSHAIR", 2},
    {"m_reactive_fade", "REACTIVE FADE", 3},
    {"m_custom", "CUSTOM", 4},
    {"m_stars", "STARS", 5},
    {"m_rain", "RAIN", 18},
    {"m_color_cycle", "COLOR CYCLE", 7},
    {"m_breathing", "BREATHING", 8},
    {"m_ripple", "RIPPLE", 9},
    {"m_game_snake", "GAME SNAKE", 16},
    {"m_fireball", "FIREBALL", 12},
    {"m_water_ripple", "WATER RIPPLE", 15},
    {"m_reactive_punch", "REACTIVE PUNCH", 10},
    {"m_snowing", "SNOWING", 6},
    {"m_heartbeat", "HEARTBEAT", 11},
    {"m_circle_spectrum", "CIRCLE SPECTRUM", 13},
    {"m_reactive_tornado", "REACTIVE TORNADO", 14},
    {"m_multilayer", "MULTILAYER", 19},
    {"m_multizone", "MULTIZONE", 20},
    {"m_turn_off", "TURN OFF", 17},
};

constexpr auto kPurple = "background:rgb(132,49,155)";
constexpr auto kGrey = "background:rgb(81,81,81)";

using ModeList = QList<int>;

// All five signals of the panel, in emission order, e.g. "mode(8)" or "currLayer(2,5)".
class PanelLog
{
public:
    explicit PanelLog(LedModeWid* panel)
    {
        QObject::connect(panel, &LedModeWid::sigLedModeChanged, panel,
                         [this](int m) { entries << QStringLiteral("mode(%1)").arg(m); });
        QObject::connect(panel, &LedModeWid::sigCurrMultilayerMode, panel, [this](int i, int m) {
            entries << QStringLiteral("currLayer(%1,%2)").arg(i).arg(m);
        });
        QObject::connect(panel, &LedModeWid::sigCurrMultizoneMode, panel, [this](int i, int m) {
            entries << QStringLiteral("currZone(%1,%2)").arg(i).arg(m);
        });
        QObject::connect(panel, &LedModeWid::sigMultilayerModeChanged, panel, [this](int m) {
            entries << QStringLiteral("layerMode(%1)").arg(m);
        });
        QObject::connect(panel, &LedModeWid::sigMultizoneModeChanged, panel, [this](int m) {
            entries << QStringLiteral("zoneMode(%1)").arg(m);
        });
    }
    QStringList entries;
};

QAbstractButton* buttonOf(LedModeWid& panel, int id)
{
    auto* group = panel.findChild<QButtonGroup*>();
    return group ? group->button(id) : nullptr;
}

QWidget* subPanel(LedModeWid& panel, bool zones)
{
    return panel.findChild<QWidget*>(zones ? QStringLiteral("m_multizoneWid")
                                           : QStringLiteral("m_multilayerWid"));
}

// The pickers of a sub-panel in layout order, which is layer or zone order.
std::vector<ModeCombox*> pickersOf(LedModeWid& panel, bool zones)
{
    std::vector<ModeCombox*> pickers;
    QLayout* layout = subPanel(panel, zones)->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* picker = qobject_cast<ModeCombox*>(layout->itemAt(i)->widget()))
            pickers.push_back(picker);
    }
    return pickers;
}

bool rowHidden(ModeCombox* picker, int mode)
{
    const int row = picker->findData(mode, Qt::UserRole, Qt::MatchExactly);
    return qobject_cast<QListView*>(picker->view())->isRowHidden(row);
}

// Effects hidden in a picker's drop-down list, as mode numbers.
ModeList hiddenModes(ModeCombox* picker)
{
    ModeList modes;
    auto* list = qobject_cast<QListView*>(picker->view());
    for (int row = 0; row < picker->count(); ++row) {
        if (list->isRowHidden(row))
            modes << picker->itemData(row, Qt::UserRole).toInt();
    }
    std::sort(modes.begin(), modes.end());
    return modes;
}

std::vector<uchar> toBytes(const ModeList& modes)
{
    std::vector<uchar> bytes;
    for (int mode : modes)
        bytes.push_back(uchar(mode));
    return bytes;
}

void clickMode(LedModeWid& panel, int id)
{
    QAbstractButton* button = buttonOf(panel, id);
    QVERIFY2(button, qPrintable(QStringLiteral("no button with id %1").arg(id)));
    QTest::mouseClick(button, Qt::LeftButton);
}

std::unique_ptr<LedModeWid> shownPanel(const QSize& size = QSize(418, 648))
{
    auto panel = std::make_unique<LedModeWid>();
    panel->resize(size);
    panel->show();
    if (!QTest::qWaitForWindowExposed(panel.get()))
        return nullptr;
    return panel;
}
} // namespace

class TestLedModeWid : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void layouts_data();
    void layouts();
    void rowOrder();
    void rows_data();
    void rows();
    void clickEmitsOnce_data();
    void clickEmitsOnce();
    void subPanelsFold_data();
    void subPanelsFold();
    void setCurrMode_data();
    void setCurrMode();
    void setCurrModeScrolls_data();
    void setCurrModeScrolls();
    void settersEmitNothing_data();
    void settersEmitNothing();
    void pickerPressSelects_data();
    void pickerPressSelects();
    void usedEffectIsHidden_data();
    void usedEffectIsHidden();
    void setSubModes_data();
    void setSubModes();
    void resetSubModesShowsAll();
    void turnOffWithoutHostIcon();
    void pageWiring_data();
    void pageWiring();
    void pageRelaysBeforeLaterReceivers();
};

void TestLedModeWid::form()
{
    LedModeWid panel;
    QCOMPARE(panel.objectName(), QStringLiteral("LedModeUi"));
    QCOMPARE(panel.size(), QSize(418, 648));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Form"));

    auto* label = panel.findChild<QLabel*>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("LED MODE"));
    QCOMPARE(label->font().family(), QStringLiteral("Oswald"));
    QCOMPARE(label->font().pointSize(), 10);
    QCOMPARE(label->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

    auto* area = panel.findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    QVERIFY(area);
    QVERIFY(area->widgetResizable());
    QCOMPARE(area->widget()->objectName(), QStringLiteral("scrollAreaWidgetContents_2"));
    QCOMPARE(area->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(area->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);

    for (bool zones : {false, true}) {
        QWidget* sub = subPanel(panel, zones);
        QVERIFY(sub);
        QCOMPARE(sub->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(int(pickersOf(panel, zones).size()), 4);
        // The constructor leaves both open; only updateSubPanels folds them.
        QVERIFY(!sub->isHidden());
    }
}

void TestLedModeWid::layouts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("panel") << "verticalLayout_2" << 2 << 2 << 10 << 20 << 20;
    QTest::newRow("contents") << "verticalLayout_3" << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("modes") << "m_modeLayout" << 1 << 0 << 0 << -1 << -1;
    QTest::newRow("layers") << "verticalLayout_6" << 1 << 0 << 0 << 0 << 0;
    QTest::newRow("zones") << "verticalLayout_7" << 1 << 1 << 1 << 0 << 0;
}

void TestLedModeWid::layouts()
{
    QFETCH(QString, name);
    QFETCH(int, spacing);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, left);
    QFETCH(int, right);
    LedModeWid panel;
    auto* layout = panel.findChild<QLayout*>(name);
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), spacing);
    const QMargins margins = layout->contentsMargins();
    QCOMPARE(margins.top(), top);
    QCOMPARE(margins.bottom(), bottom);
    if (left >= 0) {
        QCOMPARE(margins.left(), left);
        QCOMPARE(margins.right(), right);
    }
}

void TestLedModeWid::rowOrder()
{
    LedModeWid panel;
    auto* layout = panel.findChild<QLayout*>(QStringLiteral("m_modeLayout"));
    QVERIFY(layout);
    QStringList shown;
    for (int i = 0; i < layout->count(); ++i)
        shown << layout->itemAt(i)->widget()->objectName();

    QStringList expected;
    for (const ExpectedRow& row : kRows) {
        expected << QString::fromLatin1(row.object);
        // Each sub-panel sits directly under the button that folds it out.
        if (row.id == 19)
            expected << QStringLiteral("m_multilayerWid");
        if (row.id == 20)
            expected << QStringLiteral("m_multizoneWid");
    }
    QCOMPARE(shown, expected);
}

void TestLedModeWid::rows_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id");
    for (const ExpectedRow& row : kRows)
        QTest::newRow(row.object) << row.object << row.text << row.id;
}

void TestLedModeWid::rows()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(int, id);
    LedModeWid panel;
    auto* button = panel.findChild<QPushButton*>(object);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->group()->id(button), id);
    QCOMPARE(buttonOf(panel, id), button);
    QVERIFY(button->group()->exclusive());
    QCOMPARE(qobject_cast<MenuBtn*>(button) != nullptr, id == 19 || id == 20);

    QVERIFY(button->isCheckable());
    QCOMPARE(button->isChecked(), id == 0);
    QCOMPARE(button->styleSheet(), QStringLiteral("min-height:25px;"));
    QCOMPARE(button->iconSize(), QSize(24, 24));
    QCOMPARE(button->minimumSize(), QSize(0, 27));
    QCOMPARE(button->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
    QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(button->font().family(), QStringLiteral("Oswald"));
    QCOMPARE(button->font().pointSize(), 9);
}

void TestLedModeWid::clickEmitsOnce_data()
{
    QTest::addColumn<int>("id");
    for (const ExpectedRow& row : kRows)
        QTest::newRow(row.object) << row.id;
}

void TestLedModeWid::clickEmitsOnce()
{
    QFETCH(int, id);
    auto panel = shownPanel();
    QVERIFY(panel);
    PanelLog log(panel.get());

    clickMode(*panel, id);

    QCOMPARE(log.entries, QStringList{QStringLiteral("mode(%1)").arg(id)});
    QVERIFY(buttonOf(*panel, id)->isChecked());
    int checked = 0;
    for (QAbstractButton* button : panel->findChild<QButtonGroup*>()->buttons())
        checked += button->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    // The fresh panel shows both sub-panels: any click folds the other one away.
    QCOMPARE(subPanel(*panel, false)->isVisible(), false);
    QCOMPARE(subPanel(*panel, true)->isVisible(), false);
}

void TestLedModeWid::subPanelsFold_data()
{
    QTest::addColumn<ModeList>("clicks");
    QTest::addColumn<bool>("layersShown");
    QTest::addColumn<bool>("zonesShown");
    QTest::newRow("freshMultilayerFoldsAway") << ModeList{19} << false << false;
    QTest::newRow("multilayerOpens") << ModeList{0, 19} << true << false;
    QTest::newRow("multilayerTwice") << ModeList{0, 19, 19} << false << false;
    QTest::newRow("multilayerThrice") << ModeList{0, 19, 19, 19} << true << false;
    QTest::newRow("multizoneWhileLayersOpen") << ModeList{0, 19, 20} << false << true;
    QTest::newRow("multilayerWhileZonesOpen") << ModeList{0, 20, 19} << true << false;
    QTest::newRow("gameSnakeClosesLayers") << ModeList{0, 19, 16} << false << false;
    QTest::newRow("turnOffClosesZones") << ModeList{0, 20, 17} << false << false;
}

void TestLedModeWid::subPanelsFold()
{
    QFETCH(ModeList, clicks);
    QFETCH(bool, layersShown);
    QFETCH(bool, zonesShown);
    auto panel = shownPanel();
    QVERIFY(panel);
    PanelLog log(panel.get());

    QStringList expected;
    for (int id : clicks) {
        clickMode(*panel, id);
        expected << QStringLiteral("mode(%1)").arg(id);
    }

    QCOMPARE(log.entries, expected);
    QCOMPARE(subPanel(*panel, false)->isVisible(), layersShown);
    QCOMPARE(subPanel(*panel, true)->isVisible(), zonesShown);
    QVERIFY(buttonOf(*panel, clicks.last())->isChecked());
}

void TestLedModeWid::setCurrMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("checkedId");
    QTest::addColumn<bool>("layersShown");
    QTest::newRow("staticClosesLayers") << 0 << 0 << false;
    QTest::newRow("turnOffClosesLayers") << 17 << 17 << false;
    QTest::newRow("multilayerLeavesLayersOpen") << 19 << 19 << true;
    QTest::newRow("multizoneLeavesLayersOpen") << 20 << 20 << true;
    QTest::newRow("belowRange") << -1 << 19 << true;
    QTest::newRow("aboveRange") << 21 << 19 << true;
}

void TestLedModeWid::setCurrMode()
{
    QFETCH(int, mode);
    QFETCH(int, checkedId);
    QFETCH(bool, layersShown);
    auto panel = shownPanel();
    QVERIFY(panel);
    clickMode(*panel, 0);
    clickMode(*panel, 19);
    QVERIFY(subPanel(*panel, false)->isVisible());
    PanelLog log(panel.get());

    panel->setCurrMode(mode);

    QVERIFY(buttonOf(*panel, checkedId)->isChecked());
    QCOMPARE(subPanel(*panel, false)->isVisible(), layersShown);
    QVERIFY(!subPanel(*panel, true)->isVisible());
    QVERIFY(log.entries.isEmpty());
}

void TestLedModeWid::setCurrModeScrolls_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("scrolled");
    QTest::newRow("lastTurnOff") << 17 << true;
    QTest::newRow("multilayer") << 19 << true;
    QTest::newRow("firstStatic") << 0 << false;
}

void TestLedModeWid::setCurrModeScrolls()
{
    QFETCH(int, mode);
    QFETCH(bool, scrolled);
    // The size the page gives the panel in a small host window.
    auto panel = shownPanel(QSize(266, 220));
    QVERIFY(panel);
    auto* area = panel->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    QScrollBar* bar = area->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);

    panel->setCurrMode(mode);

    QCOMPARE(bar->value() > 0, scrolled);
    QWidget* viewport = area->viewport();
    QAbstractButton* button = buttonOf(*panel, mode);
    const int top = button->mapTo(viewport, QPoint(0, 0)).y();
    QVERIFY2(top >= 0 && top + button->height() <= viewport->height(),
             qPrintable(QStringLiteral("button at y %1, viewport height %2")
                            .arg(top)
                            .arg(viewport->height())));
}

void TestLedModeWid::settersEmitNothing_data()
{
    QTest::addColumn<int>("setter");
    QTest::newRow("setCurrModeOrdinary") << 0;
    QTest::newRow("setCurrModeMultilayer") << 1;
    QTest::newRow("setMultilayerModes") << 2;
    QTest::newRow("setMultizoneModes") << 3;
    QTest::newRow("resetSubModes") << 4;
    QTest::newRow("setModeState") << 5;
    QTest::newRow("updateSubPanels") << 6;
}

void TestLedModeWid::settersEmitNothing()
{
    QFETCH(int, setter);
    // Given a panel whose layer and zone pickers were already used once,
    auto panel = shownPanel();
    QVERIFY(panel);
    pickersOf(*panel, false)[1]->setCurrentIndex(5);
    pickersOf(*panel, true)[3]->setCurrentIndex(8);
    QSignalSpy modes(panel.get(), &LedModeWid::sigLedModeChanged);
    QSignalSpy currLayer(panel.get(), &LedModeWid::sigCurrMultilayerMode);
    QSignalSpy currZone(panel.get(), &LedModeWid::sigCurrMultizoneMode);
    QSignalSpy layerMode(panel.get(), &LedModeWid::sigMultilayerModeChanged);
    QSignalSpy zoneMode(panel.get(), &LedModeWid::sigMultizoneModeChanged);
    const std::vector<uchar> subModes{5, 12, 17, 0};

    // when a setter shows other data,
    switch (setter) {
    case 0: panel->setCurrMode(8); break;
    case 1: panel->setCurrMode(19); break;
    case 2: panel->setMultilayerModes(2, subModes); break;
    case 3: panel->setMultizoneModes(0, subModes); break;
    case 4: panel->resetSubModes(); break;
    case 5: panel->setModeState(20, 1, subModes, 3, subModes); break;
    case 6: panel->updateSubPanels(19); break;
    default: QFAIL("unknown setter");
    }

    // then none of the panel's five signals is emitted.
    QCOMPARE(modes.count(), 0);
    QCOMPARE(currLayer.count(), 0);
    QCOMPARE(currZone.count(), 0);
    QCOMPARE(layerMode.count(), 0);
    QCOMPARE(zoneMode.count(), 0);
}

void TestLedModeWid::pickerPressSelects_data()
{
    QTest::addColumn<bool>("zones");
    QTest::addColumn<int>("index");
    QTest::newRow("firstLayer") << false << 0;
    QTest::newRow("lastLayer") << false << 3;
    QTest::newRow("firstZone") << true << 0;
    QTest::newRow("lastZone") << true << 3;
}

void TestLedModeWid::pickerPressSelects()
{
    QFETCH(bool, zones);
    QFETCH(int, index);
    auto panel = shownPanel();
    QVERIFY(panel);
    const ModeList shown{5, 17, 8, 12};
    if (zones)
        panel->setMultizoneModes((index + 1) % 4, toBytes(shown));
    else
        panel->setMultilayerModes((index + 1) % 4, toBytes(shown));
    PanelLog log(panel.get());
    std::vector<ModeCombox*> pickers = pickersOf(*panel, zones);

    QTest::mouseClick(pickers[std::size_t(index)]->lineEdit(), Qt::LeftButton);

    const QString signal = zones ? QStringLiteral("currZone(%1,%2)")
                                 : QStringLiteral("currLayer(%1,%2)");
    QCOMPARE(log.entries, QStringList{signal.arg(index).arg(shown[index])});
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pickers[std::size_t(i)]->styleSheet(),
                 QString::fromLatin1(i == index ? kPurple : kGrey));
    }
    // The other sub-panel's pickers are not touched.
    for (ModeCombox* other : pickersOf(*panel, !zones))
        QVERIFY(other->styleSheet().isEmpty());

    // A second press on the current picker reports nothing.
    QTest::mouseClick(pickers[std::size_t(index)]->lineEdit(), Qt::LeftButton);
    QCOMPARE(log.entries.size(), 1);
}

void TestLedModeWid::usedEffectIsHidden_data()
{
    QTest::addColumn<bool>("zones");
    QTest::newRow("layers") << false;
    QTest::newRow("zones") << true;
}

void TestLedModeWid::usedEffectIsHidden()
{
    QFETCH(bool, zones);
    auto panel = shownPanel();
    QVERIFY(panel);
    PanelLog log(panel.get());
    std::vector<ModeCombox*> pickers = pickersOf(*panel, zones);
    ModeCombox* picker = pickers[2];
    const auto choose = [picker](int mode) {
        picker->setCurrentIndex(picker->findData(mode, Qt::UserRole, Qt::MatchExactly));
    };

    choose(5); // STARS
    for (ModeCombox* each : pickers)
        QCOMPARE(hiddenModes(each), ModeList{5});
    for (ModeCombox* other : pickersOf(*panel, !zones))
        QVERIFY(hiddenModes(other).isEmpty());

    choose(8); // BREATHING frees STARS
    for (ModeCombox* each : pickers)
        QCOMPARE(hiddenModes(each), ModeList{8});

    choose(17); // EMPTY frees BREATHING and is never withdrawn
    for (ModeCombox* each : pickers) {
        QVERIFY(hiddenModes(each).isEmpty());
        QVERIFY(!rowHidden(each, 17));
    }

    // The grey picker became current first, already showing its new effect.
    const QString curr = zones ? QStringLiteral("currZone") : QStringLiteral("currLayer");
    const QString changed = zones ? QStringLiteral("zoneMode") : QStringLiteral("layerMode");
    QCOMPARE(log.entries, QStringList({curr + "(2,5)", changed + "(5)", changed + "(8)",
                                       changed + "(17)"}));
}

void TestLedModeWid::setSubModes_data()
{
    QTest::addColumn<bool>("zones");
    QTest::addColumn<int>("index");
    QTest::addColumn<ModeList>("modes");
    QTest::addColumn<ModeList>("shown");
    QTest::addColumn<ModeList>("hidden");
    QTest::newRow("layersInRange") << false << 2 << ModeList{5, 17, 8, 12}
                                   << ModeList{5, 17, 8, 12} << ModeList{5, 8, 12};
    QTest::newRow("zonesInRange") << true << 0 << ModeList{18, 0, 17, 17}
                                  << ModeList{18, 0, 17, 17} << ModeList{0, 18};
    QTest::newRow("belowRange") << false << -1 << ModeList{1, 2, 3, 7}
                                << ModeList{1, 2, 3, 7} << ModeList{1, 2, 3, 7};
    QTest::newRow("aboveRange") << true << 4 << ModeList{1, 2, 3, 7}
                                << ModeList{1, 2, 3, 7} << ModeList{1, 2, 3, 7};
    QTest::newRow("extraEntriesIgnored") << false << 1 << ModeList{0, 1, 2, 3, 7}
                                         << ModeList{0, 1, 2, 3} << ModeList{0, 1, 2, 3};
    QTest::newRow("shortList") << true << 0 << ModeList{9} << ModeList{9, 17, 17, 17}
                               << ModeList{9};
    QTest::newRow("allEmpty") << false << 3 << ModeList{17, 17, 17, 17}
                              << ModeList{17, 17, 17, 17} << ModeList{};
}

void TestLedModeWid::setSubModes()
{
    QFETCH(bool, zones);
    QFETCH(int, index);
    QFETCH(ModeList, modes);
    QFETCH(ModeList, shown);
    QFETCH(ModeList, hidden);
    auto panel = shownPanel();
    QVERIFY(panel);
    std::vector<ModeCombox*> pickers = pickersOf(*panel, zones);
    // The user made picker 1 current before the data arrived, greying the others.
    QTest::mouseClick(pickers[1]->lineEdit(), Qt::LeftButton);
    PanelLog log(panel.get());

    if (zones)
        panel->setMultizoneModes(index, toBytes(modes));
    else
        panel->setMultilayerModes(index, toBytes(modes));

    for (int i = 0; i < 4; ++i) {
        ModeCombox* picker = pickers[std::size_t(i)];
        QCOMPARE(picker->currMode(), shown[i]);
        QCOMPARE(hiddenModes(picker), hidden);
        // Pickers without an entry keep the state they had.
        const bool hasEntry = i < modes.size();
        const QString style = i == index ? kPurple
                              : hasEntry ? kGrey
                              : i == 1   ? kPurple : kGrey;
        QCOMPARE(picker->styleSheet(), style);
    }
    for (ModeCombox* other : pickersOf(*panel, !zones))
        QCOMPARE(other->currMode(), 17);
    QVERIFY(log.entries.isEmpty());
}

void TestLedModeWid::resetSubModesShowsAll()
{
    auto panel = shownPanel();
    QVERIFY(panel);
    panel->setModeState(19, 0, {5, 8, 17, 12}, 2, {0, 18, 9, 17});
    QVERIFY(!hiddenModes(pickersOf(*panel, false)[0]).isEmpty());

    panel->resetSubModes();

    for (bool zones : {false, true}) {
        for (ModeCombox* picker : pickersOf(*panel, zones))
            QVERIFY(hiddenModes(picker).isEmpty());
    }
    // Only the lists change; the pickers keep showing their effects.
    QCOMPARE(pickersOf(*panel, false)[1]->currMode(), 8);
    QCOMPARE(pickersOf(*panel, true)[2]->currMode(), 9);
    QCOMPARE(pickersOf(*panel, true)[2]->styleSheet(), QString::fromLatin1(kPurple));
    QVERIFY(buttonOf(*panel, 19)->isChecked());
}

void TestLedModeWid::turnOffWithoutHostIcon()
{
    // The host registers the turn-off icon; these tests run without it.
    QVERIFY(!QFile::exists(QStringLiteral(":/NimboCenter/mode_icon/turn_off.png")));
    auto panel = shownPanel();
    QVERIFY(panel);
    auto* button = panel->findChild<QPushButton*>(QStringLiteral("m_turn_off"));
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QVERIFY(button->icon().isNull());
    QCOMPARE(button->text(), QStringLiteral("TURN OFF"));

    clickMode(*panel, 17);
    QVERIFY(button->isChecked());
}

void TestLedModeWid::pageWiring_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<QByteArray>("member");
    const QByteArray mode("sigLedModeChanged(int)");
    const QByteArray currLayer("sigCurrMultilayerMode(int,int)");
    const QByteArray layerMode("sigMultilayerModeChanged(int)");
    const QByteArray currZone("sigCurrMultizoneMode(int,int)");
    const QByteArray zoneMode("sigMultizoneModeChanged(int)");
    QTest::newRow("modeToColour") << mode << "colour" << QByteArray("1slotLedModeChanged(int)");
    QTest::newRow("currLayerToColour")
        << currLayer << "colour" << QByteArray("1slotCurrMultilayerMode(int,int)");
    QTest::newRow("layerModeToColour")
        << layerMode << "colour" << QByteArray("1slotMultilayerModeChanged(int)");
    QTest::newRow("currZoneToColour")
        << currZone << "colour" << QByteArray("1slotCurrMultizoneMode(int,int)");
    QTest::newRow("zoneModeToColour")
        << zoneMode << "colour" << QByteArray("1slotLedModeChanged(int)");
    QTest::newRow("modeToHub") << mode << "hub" << QByteArray("1slotLedModeChanged(int)");
    QTest::newRow("currLayerToHub")
        << currLayer << "hub" << QByteArray("1slotCurrMultilayerMode(int)");
    QTest::newRow("layerModeRelayedByHub")
        << layerMode << "hub" << QByteArray("2sigMultilayerModeChanged(int)");
    QTest::newRow("currZoneToHub")
        << currZone << "hub" << QByteArray("1slotCurrMultizoneMode(int)");
    QTest::newRow("zoneModeRelayedByHub")
        << zoneMode << "hub" << QByteArray("2sigMultizoneModeChanged(int)");
    QTest::newRow("modeToSpeed") << mode << "speed" << QByteArray("1slotLedModeChanged(int)");
    QTest::newRow("currLayerToSpeed")
        << currLayer << "speed" << QByteArray("1slotCurrMultilayerMode(int,int)");
    QTest::newRow("layerModeToSpeed")
        << layerMode << "speed" << QByteArray("1slotLedModeChanged(int)");
    QTest::newRow("currZoneToSpeed")
        << currZone << "speed" << QByteArray("1slotCurrMultizoneMode(int,int)");
    QTest::newRow("zoneModeToSpeed")
        << zoneMode << "speed" << QByteArray("1slotLedModeChanged(int)");
}

void TestLedModeWid::pageWiring()
{
    QFETCH(QByteArray, signal);
    QFETCH(QString, receiver);
    QFETCH(QByteArray, member);
    KeyLightWid page;
    auto* modes = page.findChild<LedModeWid*>();
    QObject* target = receiver == QLatin1String("colour") ? static_cast<QObject*>(
                                                                page.findChild<LedColorWid*>())
                      : receiver == QLatin1String("hub")
                          ? static_cast<QObject*>(page.findChild<LedDisplayWid*>())
                          : static_cast<QObject*>(page.findChild<LedSpeedWid*>());
    QVERIFY(modes && target);
    // Disconnecting succeeds only if the page made exactly this connection, so the
    // signal's name and argument types must match what the page connects to.
    const QByteArray signalCode = QByteArray("2") + signal;
    QVERIFY(QObject::disconnect(modes, signalCode.constData(), target, member.constData()));
}

void TestLedModeWid::pageRelaysBeforeLaterReceivers()
{
    KeyLightWid page;
    page.resize(533, 335);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* modes = page.findChild<LedModeWid*>();
    auto* hub = page.findChild<LedDisplayWid*>();
    QVERIFY(modes && hub);
    QSignalSpy relayed(hub, SIGNAL(sigMultilayerModeChanged(int)));
    QSignalSpy clicks(modes, &LedModeWid::sigLedModeChanged);
    int relayedBeforeLate = -1;
    // Connected after the page's own receivers, so it runs after the hub's relay.
    connect(modes, &LedModeWid::sigMultilayerModeChanged, this,
            [&] { relayedBeforeLate = relayed.count(); });

    QTest::mouseClick(modes->findChild<QPushButton*>(QStringLiteral("m_multilayer")),
                      Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 19);

    ModeCombox* layer = pickersOf(*modes, false)[1];
    layer->setCurrentIndex(layer->findData(12, Qt::UserRole, Qt::MatchExactly));

    QCOMPARE(relayedBeforeLate, 1);
    QCOMPARE(relayed.count(), 1);
    QCOMPARE(relayed.at(0).at(0).toInt(), 12);
}

QTEST_MAIN(TestLedModeWid)
#include "tst_ledmodewid.moc"
