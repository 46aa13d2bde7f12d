// SPDX-License-Identifier: MIT
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
#include <QImage>
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
    // Regression: on a screen at twice the scale the effect icons were blurred enlargements.
    void everyIconHasATwiceSizeImage()
    {
        int checked = 0;
        for (const ModeInfo& mode : ModeCatalogue::kModes) {
            const QString path = QString::fromLatin1(mode.iconPath);
            if (!path.startsWith(QLatin1String(":/KeyLight/")))
                continue; // the host registers its own icon
            const QImage once(path);
            const QString twicePath = path.left(path.size() - 4) + QStringLiteral("@2x.png");
            const QImage twice(twicePath);
            QVERIFY2(!once.isNull() && !twice.isNull(), qPrintable(twicePath));
            QCOMPARE(twice.size(), once.size() * 2);
            ++checked;
        }
        QVERIFY(checked >= 20);
    }

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

    void menuTriangle_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("listWidth") << QSize(300, 27);
        QTest::newRow("narrow") << QSize(160, 27);
        QTest::newRow("tall") << QSize(300, 41);
    }

    // The fold-out mark is a triangle pointing down, at the right end of the button and
    // centred on its height, whatever size the button has.
    void menuTriangle()
    {
        QFETCH(QSize, size);
        constexpr int kHalfCovered = 128;
        MenuBtn button; // a black face, so that only the triangle can be light
        button.setStyleSheet(QStringLiteral("background:black;border:none;"));
        button.resize(size);
        const QImage image = button.grab().toImage();
        QRect mark;
        QList<int> rowWidths;
        for (int y = 0; y < image.height(); ++y) {
            int width = 0;
            for (int x = 0; x < image.width(); ++x) {
                // Half covered or more: the antialiased tip counts.
                if (qGray(image.pixel(x, y)) >= kHalfCovered) {
                    mark |= QRect(x, y, 1, 1);
                    ++width;
                }
            }
            if (width > 0)
                rowWidths << width;
        }
        QVERIFY(!mark.isEmpty());
        QVERIFY2(mark.left() > size.width() * 3 / 4, "the mark sits at the right end");
        QVERIFY2(size.width() - mark.right() < mark.width() * 3, "close to the edge");
        const int middle = size.height() / 2;
        QVERIFY2(mark.top() < middle && mark.bottom() > middle, "across the middle");
        QVERIFY2(mark.top() >= size.height() / 4 && mark.bottom() <= size.height() * 3 / 4,
                 "in the middle half of the height");
        QVERIFY2(mark.width() > mark.height(), "wider than it is tall");
        // Pointing down: every row is no wider than the one above, down to a tip.
        for (int row = 1; row < rowWidths.size(); ++row)
            QVERIFY2(rowWidths[row] <= rowWidths[row - 1], qPrintable(QString::number(row)));
        QVERIFY(rowWidths.first() > 2 * rowWidths.last());
    }

    // The list shows every effect once, top to bottom in the catalogue's list positions,
    // with the two composite effects just above TURN OFF, which closes the list.
    void listOrder()
    {
        const auto order = ModeCatalogue::listOrder();
        QList<int> seen;
        int lastY = -1;
        for (std::size_t position = 0; position < order.size(); ++position) {
            const ModeInfo& row = ModeCatalogue::info(order[position]);
            QCOMPARE(row.listPosition, int(position) + 1);
            QVERIFY2(!seen.contains(row.mode), row.name);
            seen << row.mode;
            auto* button = panel->findChild<QPushButton*>(row.buttonObject);
            QVERIFY2(button, row.buttonObject);
            const int y = button->mapTo(panel.get(), QPoint()).y();
            QVERIFY2(y > lastY, row.buttonObject);
            lastY = y;
        }
        QCOMPARE(seen.size(), Mode::Count);
        QCOMPARE(order.front(), int(Mode::Static));
        QCOMPARE(QList<int>(order.end() - 3, order.end()),
                 (QList<int>{Mode::Multilayer, Mode::Multizone, Mode::TurnOff}));
    }

    // A picker offers "EMPTY" first and then what a layer or zone can run, in the order of
    // the mode list; the effects that are pages of their own are never offered.
    void subModeChoices()
    {
        const auto choices = ModeCatalogue::subModeChoices();
        QCOMPARE(choices.front(), int(Mode::Empty));
        QList<int> expected;
        for (int mode : ModeCatalogue::listOrder()) {
            if (ModeCatalogue::info(mode).offeredToSubModes && mode != Mode::Empty)
                expected << mode;
        }
        QCOMPARE(QList<int>(choices.begin() + 1, choices.end()), expected);
        for (int notOffered : {Mode::Custom, Mode::GameSnake, Mode::Multilayer, Mode::Multizone})
            QVERIFY2(!expected.contains(notOffered), ModeCatalogue::info(notOffered).name);
        for (int offered : {Mode::Static, Mode::Breathing, Mode::Rain, Mode::ReactiveTornado})
            QVERIFY2(expected.contains(offered), ModeCatalogue::info(offered).name);
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
