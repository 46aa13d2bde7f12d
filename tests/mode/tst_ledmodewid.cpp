#include "keylight/keylightwid.h"
#include "keylight/modecatalogue.h"
#include "mode/ledmodewid.h"
#include "mode/modecombox.h"
#include "speed/ledspeedwid.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
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

private:
    std::unique_ptr<LedModeWid> panel;
};

QTEST_MAIN(TestLedModeWid)
#include "tst_ledmodewid.moc"
