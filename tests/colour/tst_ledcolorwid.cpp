// SPDX-License-Identifier: MIT
// The colour panel and its two colour pages: what the mode allows, the selectors and the
// wheel, the swatches, the R/G/B boxes and the brightness slider, and the custom slots the
// store keeps.

#include "colour/groundbtn.h"
#include "colour/groundwid.h"
#include "colour/ledcolorwid.h"
#include "platform/profilestore/profilestore.h"
#include "platform/toolkit/colorbtn.h"
#include "platform/toolkit/hsvcorwid.h"
#include "support/pagehelpers.h"
#include "support/storeinstallation.h"

#include <QBoxLayout>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

namespace ColourTest {

// "#aarrggbb" per filled slot and "-" per empty one, whatever its colour bytes.
inline QString text(const std::vector<custom_color>& list)
{
    QStringList names;
    for (const custom_color& c : list)
        names << (c.flag ? QColor(c.red, c.green, c.blue, c.alpha).name(QColor::HexArgb) : "-");
    return names.join(' ');
}

inline ColorBtn* swatch(GroundWid* page, const char* layout, int index)
{
    auto* row = page->findChild<QHBoxLayout*>(QLatin1String(layout));
    return qobject_cast<ColorBtn*>(row->itemAt(index)->widget());
}
inline ColorBtn* preset(GroundWid* page, int i) { return swatch(page, "m_presetCorLayout", i); }
inline ColorBtn* slot(GroundWid* page, int i) { return swatch(page, "m_customCorLayout", i); }

// What a page shows: its R/G/B boxes, with the brightness slider as the alpha.
inline QColor shown(GroundWid* page)
{
    const auto box = [page](const char* name) {
        return page->findChild<QSpinBox*>(QLatin1String(name))->value();
    };
    return QColor(box("m_r"), box("m_g"), box("m_b"), page->brightness());
}

// A drag entering and, once accepted, the drop at the target's centre.
inline bool dropOn(QWidget* target, const QMimeData& mime)
{
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

} // namespace ColourTest

// Its current profile can be any byte, 25 and above included; writes read "3/1: <list>".
// It is the page's store while it lives.
class CustomColorStore : public ProfileStore
{
public:
    uchar currentProfile() override { return profile; }
    void writeCustomColors(uchar iProfile, int iGroundType,
                           const std::vector<custom_color>& vCor) override
    {
        writes << QStringLiteral("%1/%2: ").arg(iProfile).arg(iGroundType)
                      + ColourTest::text(vCor);
        ProfileStore::writeCustomColors(iProfile, iGroundType, vCor);
    }

    uchar profile = 0;
    QStringList writes;

private:
    const StoreInstallation m_installation{*this};
};

using namespace ColourTest;

namespace {
QString c(const QColor& cor)
{
    return "c:" + cor.name(QColor::HexArgb);
}

// The page's custom slots in the form of ColourTest::text.
QString slotText(GroundWid* page)
{
    QStringList names;
    for (int i = 0; i < kCustomColorSlots; ++i) {
        const QColor cor = slot(page, i)->getColor();
        names << (cor == QColor(Qt::transparent) ? "-" : cor.name(QColor::HexArgb));
    }
    return names.join(' ');
}

// Fore 11,22,33 at brightness 44 and back 55,66,77 at 88, in record byte order.
vantor_light record(int mode)
{
    return vantor_light{uchar(mode), 3, 0, 44, 0, 11, 22, 33, 0, 55, 66, 77, 0, 88};
}
} // namespace

Q_DECLARE_METATYPE(std::vector<custom_color>)

class TestLedColorWid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<CustomColorStore>();
        m_page = std::make_unique<GroundWid>();
        std::vector<custom_color> list(kCustomColorSlots);
        list[6] = custom_color{1, 10, 20, 30, 77};
        m_page->loadCustomColors(list);
        m_page->setColor(QColor(200, 100, 50, 180));
        m_log.clear();
        connect(m_page.get(), &GroundWid::sigBrightnessChanged, this,
                [this](int value) { m_log << QStringLiteral("b:%1").arg(value); });
        connect(m_page.get(), &GroundWid::sigLedColorChanged, this,
                [this](const QColor& cor) { m_log << c(cor); });
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        m_wid = std::make_unique<LedColorWid>();
        m_wid->resize(532, 220);
        m_wid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wid.get()));
    }
    void cleanup()
    {
        m_wid.reset();
        m_page.reset();
        m_store.reset();
    }

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

    void edits_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QColor>("expected");
        const QColor before(200, 100, 50, 180);
        // Presets and filled slots bring their own brightness, announced before the colour.
        QTest::newRow("lastPreset") << "preset6" << QStringList{"b:255", c(QColor(215, 82, 255))}
                                    << QColor(215, 82, 255);
        QTest::newRow("filledSlot") << "slot6" << QStringList{"b:77", c(QColor(10, 20, 30, 77))}
                                    << QColor(10, 20, 30, 77);
        QTest::newRow("emptySlot") << "slot0" << QStringList() << before;
        // Typing a component keeps the brightness and does not announce it.
        QTest::newRow("typedGreen") << "type" << QStringList{c(QColor(200, 7, 50, 180))}
                                    << QColor(200, 7, 50, 180);
        const QColor dimmed(200, 100, 50, 99);
        QTest::newRow("sliderReleased") << "slider" << QStringList{"b:99", c(dimmed)} << dimmed;
        QTest::newRow("setRgbSilent") << "setRgb" << QStringList() << QColor(1, 2, 3, 180);
    }

    void edits()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, log);
        QFETCH(QColor, expected);
        QObject boxGuard; // a timer left waiting for a box that never came dies with this
        QString boxText;
        QTimer::singleShot(0, &boxGuard, [&boxText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxText = box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });
        auto* slider = m_page->findChild<QSlider*>(QStringLiteral("m_brightness"));
        auto* green = m_page->findChild<QSpinBox*>(QStringLiteral("m_g"));
        GroundWid* page = m_page.get();
        const int i = action.back().digitValue();
        if (action.startsWith("preset") || action.startsWith("slot")) {
            QTest::mouseClick(action[0] == 'p' ? preset(page, i) : slot(page, i), Qt::LeftButton);
        } else if (action == "type") {
            green->setFocus();
            green->selectAll();
            QTest::keyClicks(green, QStringLiteral("7"));
        } else if (action == "slider") {
            // Tracking is off: nothing is sent until the handle is let go.
            slider->setSliderDown(true);
            slider->setSliderPosition(99);
            QVERIFY(m_log.isEmpty());
            slider->setSliderDown(false);
        } else {
            m_page->setRgb(1, 2, 3);
        }

        QCOMPARE(m_log, log);
        QCOMPARE(shown(m_page.get()), expected);
        const QString hint =
            "Information: Please drag color to here from background or foreground";
        QCOMPARE(boxText, action != "slot0" ? QString() : hint);
    }

    // Regression: a page whose colour was never set sent the boxes and the slider instead.
    void unsetColourKeepsItsComponents()
    {
        for (const bool typed : {true, false}) {
            GroundWid page;
            QColor sent;
            connect(&page, &GroundWid::sigLedColorChanged, this,
                    [&sent](QColor cor) { sent = cor; });
            if (typed) {
                page.setBrightness(100); // the per-key effect shows its brightness this way
                page.findChild<QSpinBox*>(QStringLiteral("m_r"))->setValue(10);
                QCOMPARE(sent.rgba(), QColor(10, 0, 0, 255).rgba());
            } else {
                page.setRgb(1, 2, 3); // the wheel's live readout
                page.findChild<QSlider*>(QStringLiteral("m_brightness"))->setValue(99);
                QCOMPARE(sent.rgba(), qRgba(0, 0, 0, 99));
                QCOMPARE(shown(&page), QColor(0, 0, 0, 99));
            }
        }
    }

    void customSlotsStored_data()
    {
        QTest::addColumn<int>("profile");
        // None: a colour dragged out of a selector square and dropped on slot 2.
        QTest::addColumn<std::vector<custom_color>>("loaded");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("writes");
        std::vector<custom_color> mixed(kCustomColorSlots);
        mixed[0] = custom_color{1, 255, 0, 0, 255};
        mixed[3] = custom_color{1, 0, 0, 0, 1}; // black at the lowest brightness fills a slot
        mixed[5] = custom_color{0, 9, 9, 9, 9}; // an empty slot's colour bytes mean nothing
        const QString mixedText = "#ffff0000 - - #01000000 - - -";
        const QString untouched = "- - - - - - #4d0a141e";
        const QString dropped = "- - #3c5a5046 - - - #4d0a141e";
        const std::vector<custom_color> none;
        QTest::newRow("loadSeven") << 4 << mixed << mixedText << QStringList{"4/1: " + mixedText};
        QTest::newRow("loadSixIgnored") << 4 << std::vector<custom_color>(6) << untouched
                                        << QStringList();
        QTest::newRow("loadOnProfile25") << 25 << mixed << untouched << QStringList();
        QTest::newRow("dropOnLastProfile") << 24 << none << dropped
                                           << QStringList{"24/1: " + dropped};
        QTest::newRow("dropOnProfile25") << 25 << none << dropped << QStringList();
    }

    void customSlotsStored()
    {
        QFETCH(int, profile);
        QFETCH(std::vector<custom_color>, loaded);
        QFETCH(QString, shown);
        QFETCH(QStringList, writes);
        m_page->setGroundType(1);
        m_store->writes.clear();
        m_store->profile = uchar(profile);

        if (loaded.empty()) {
            GroundBtn selector;
            selector.setColor(QColor(90, 80, 70, 60));
            selector.show();
            QTest::mousePress(selector.findChild<QLabel*>("m_corLab"), Qt::LeftButton);
            auto* drag = selector.findChild<QDrag*>();
            QVERIFY(drag && dropOn(slot(m_page.get(), 2), *drag->mimeData()));
        } else {
            m_page->loadCustomColors(loaded);
        }

        QVERIFY2(m_log.isEmpty(), "filling a slot does not change the page's colour");
        QCOMPARE(slotText(m_page.get()), shown);
        QCOMPARE(m_store->writes, writes);
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

    std::unique_ptr<CustomColorStore> m_store;
    std::unique_ptr<GroundWid> m_page;
    QStringList m_log; // the page's signals in order, as "b:<brightness>" and "c:<argb>"
};

QTEST_MAIN(TestLedColorWid)
#include "tst_ledcolorwid.moc"
