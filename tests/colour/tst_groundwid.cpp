#include "colour/groundwid.h"
#include "colourtesthelpers.h"
#include "customcolorstore.h"
#include "platform/toolkit/colorbtn.h"
#include "platform/toolkit/spinboxex.h"

#include <QBoxLayout>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

using ColourTest::filled;

namespace {
// The page's signals in the order they came, as "b:<brightness>" and "c:<argb>".
class SignalLog : public QObject
{
public:
    explicit SignalLog(GroundWid* page)
    {
        connect(page, &GroundWid::sigBrightnessChanged, this,
                [this](int value) { entries << QStringLiteral("b:%1").arg(value); });
        connect(page, &GroundWid::sigLedColorChanged, this, [this](const QColor& cor) {
            entries << QStringLiteral("c:") + cor.name(QColor::HexArgb);
        });
    }
    QStringList entries;
};

QString c(const QColor& color)
{
    return QStringLiteral("c:") + color.name(QColor::HexArgb);
}

ColorBtn* swatch(GroundWid* page, const char* layout, int index)
{
    auto* row = page->findChild<QHBoxLayout*>(QLatin1String(layout));
    if (!row || index >= row->count())
        return nullptr;
    return qobject_cast<ColorBtn*>(row->itemAt(index)->widget());
}

ColorBtn* preset(GroundWid* page, int index)
{
    return swatch(page, "m_presetCorLayout", index);
}

ColorBtn* customSlot(GroundWid* page, int index)
{
    return swatch(page, "m_customCorLayout", index);
}

QColor boxes(GroundWid* page)
{
    return QColor(page->findChild<QSpinBox*>(QStringLiteral("m_r"))->value(),
                  page->findChild<QSpinBox*>(QStringLiteral("m_g"))->value(),
                  page->findChild<QSpinBox*>(QStringLiteral("m_b"))->value());
}

QSlider* slider(GroundWid* page)
{
    return page->findChild<QSlider*>(QStringLiteral("m_brightness"));
}

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QPoint handleCentre(QSlider* s)
{
    QStyleOptionSlider option;
    option.initFrom(s);
    option.orientation = s->orientation();
    option.minimum = s->minimum();
    option.maximum = s->maximum();
    option.sliderPosition = s->sliderPosition();
    option.sliderValue = s->value();
    option.upsideDown = false;
    return s->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, s)
        .center();
}

std::vector<custom_color> sevenWith(int index, const custom_color& colour)
{
    std::vector<custom_color> list(kCustomColorSlots);
    list[std::size_t(index)] = colour;
    return list;
}
} // namespace

Q_DECLARE_METATYPE(std::vector<custom_color>)

class TestGroundWid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void formContract_data();
    void formContract();
    void presetClick_data();
    void presetClick();
    void customSlotClick_data();
    void customSlotClick();
    void rgbEditKeepsAlpha_data();
    void rgbEditKeepsAlpha();
    void sliderEmitsOnRelease_data();
    void sliderEmitsOnRelease();
    void settersAreSilent();
    void setBrightnessMovesOnlyTheSlider();
    void disabledColourAreaKeepsBrightness();
    void dropWritesSlots_data();
    void dropWritesSlots();
    void loadCustomColors_data();
    void loadCustomColors();

private:
    GroundWid* m_page = nullptr;
    std::unique_ptr<GroundWid> m_owner;
    std::unique_ptr<CustomColorStore> m_store;
};

void TestGroundWid::cleanup()
{
    m_owner.reset();
    m_store.reset();
}

void TestGroundWid::init()
{
    m_store = std::make_unique<CustomColorStore>();
    m_store->profile = 2;
    m_owner = std::make_unique<GroundWid>();
    m_page = m_owner.get();
    m_page->resize(323, 182);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestGroundWid::formContract_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("className");
    QTest::newRow("red") << "m_r" << "SpinBoxEx";
    QTest::newRow("green") << "m_g" << "SpinBoxEx";
    QTest::newRow("blue") << "m_b" << "SpinBoxEx";
    QTest::newRow("slider") << "m_brightness" << "QSlider";
    QTest::newRow("colourArea") << "m_corWid" << "QWidget";
    QTest::newRow("brightnessArea") << "m_brightWid" << "QWidget";
}

// The host and the panel reach these widgets by name and class.
void TestGroundWid::formContract()
{
    QFETCH(QString, objectName);
    QFETCH(QString, className);
    QObject* child = m_page->findChild<QObject*>(objectName);
    QVERIFY(child);
    QCOMPARE(QString::fromLatin1(child->metaObject()->className()), className);
    QCOMPARE(m_page->objectName(), QStringLiteral("GroundUi"));
    if (auto* box = qobject_cast<QSpinBox*>(child)) {
        QCOMPARE(box->minimum(), 0);
        QCOMPARE(box->maximum(), 255);
        QCOMPARE(box->buttonSymbols(), QAbstractSpinBox::NoButtons);
        QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("m_corWid"));
    }
    if (auto* s = qobject_cast<QSlider*>(child)) {
        QCOMPARE(s->maximum(), 255);
        QCOMPARE(s->value(), 255);
        QVERIFY(!s->hasTracking());
        QCOMPARE(s->parentWidget()->objectName(), QStringLiteral("m_brightWid"));
    }
}

void TestGroundWid::presetClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << 0 << QColor(255, 0, 0);
    QTest::newRow("orange") << 1 << QColor(255, 128, 0);
    QTest::newRow("yellow") << 2 << QColor(255, 255, 0);
    QTest::newRow("green") << 3 << QColor(0, 255, 0);
    QTest::newRow("cyan") << 4 << QColor(0, 255, 255);
    QTest::newRow("blue") << 5 << QColor(0, 0, 255);
    QTest::newRow("purple") << 6 << QColor(215, 82, 255);
}

void TestGroundWid::presetClick()
{
    QFETCH(int, index);
    QFETCH(QColor, expected);
    m_page->setColor(QColor(9, 9, 9, 40));
    SignalLog log(m_page);

    ColorBtn* button = preset(m_page, index);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);

    // A preset is opaque: the brightness goes back to full and is announced first.
    QCOMPARE(log.entries, (QStringList{QStringLiteral("b:255"), c(expected)}));
    QCOMPARE(boxes(m_page), expected);
    QCOMPARE(m_page->brightness(), 255);
    QCOMPARE(preset(m_page, 7), nullptr);
}

void TestGroundWid::customSlotClick_data()
{
    QTest::addColumn<bool>("filledSlot");
    QTest::addColumn<int>("index");
    QTest::newRow("filledFirst") << true << 0;
    QTest::newRow("filledLast") << true << 6;
    QTest::newRow("emptyFirst") << false << 0;
    QTest::newRow("emptyLast") << false << 6;
}

void TestGroundWid::customSlotClick()
{
    QFETCH(bool, filledSlot);
    QFETCH(int, index);
    const QColor stored(10, 20, 30, 77);
    const QColor before(200, 100, 50, 180);
    if (filledSlot)
        m_page->loadCustomColors(sevenWith(index, filled(10, 20, 30, 77)));
    m_page->setColor(before);
    SignalLog log(m_page);

    ColourTest::SeenBox seen;
    if (!filledSlot)
        ColourTest::dismissNextBox(&seen);
    QTest::mouseClick(customSlot(m_page, index), Qt::LeftButton);

    if (filledSlot) {
        // The slot's own alpha comes back as the brightness.
        QCOMPARE(log.entries, (QStringList{QStringLiteral("b:77"), c(stored)}));
        QCOMPARE(boxes(m_page), QColor(10, 20, 30));
        QCOMPARE(m_page->brightness(), 77);
        QVERIFY(!seen.shown);
    } else {
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Information"));
        QCOMPARE(seen.text,
                 QStringLiteral("Please drag color to here from background or foreground"));
        QVERIFY(log.entries.isEmpty());
        QCOMPARE(boxes(m_page), QColor(200, 100, 50));
        QCOMPARE(m_page->brightness(), 180);
    }
}

void TestGroundWid::rgbEditKeepsAlpha_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << "m_r" << "7" << QColor(7, 100, 50, 180);
    QTest::newRow("green") << "m_g" << "255" << QColor(200, 255, 50, 180);
    QTest::newRow("blueToZero") << "m_b" << "0" << QColor(200, 100, 0, 180);
}

void TestGroundWid::rgbEditKeepsAlpha()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QColor, expected);
    m_page->setColor(QColor(200, 100, 50, 180));
    SignalLog log(m_page);

    auto* spin = m_page->findChild<QSpinBox*>(box);
    QVERIFY(spin);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, typed);

    QVERIFY(!log.entries.isEmpty());
    QCOMPARE(log.entries.last(), c(expected));
    // An R/G/B edit leaves the brightness alone and does not announce it.
    for (const QString& entry : log.entries)
        QVERIFY2(entry.startsWith(QLatin1String("c:")), qPrintable(entry));
    QCOMPARE(m_page->brightness(), 180);
}

void TestGroundWid::sliderEmitsOnRelease_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<bool>("changes");
    QTest::newRow("toMiddle") << 0.5 << true;
    QTest::newRow("toLeftEnd") << -0.2 << true;
    QTest::newRow("pressAndReleaseOnly") << 1.0 << false;
}

void TestGroundWid::sliderEmitsOnRelease()
{
    QFETCH(double, fraction);
    QFETCH(bool, changes);
    m_page->setColor(QColor(1, 2, 3, 255));
    QSlider* s = slider(m_page);
    SignalLog log(m_page);

    const QPoint from = handleCentre(s);
    const QPoint to(fraction >= 1.0 ? from.x() : int(s->width() * fraction), from.y());
    sendMouse(s, QEvent::MouseButtonPress, from, Qt::LeftButton);
    if (changes) {
        sendMouse(s, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        sendMouse(s, QEvent::MouseMove, to, Qt::LeftButton);
    }
    QVERIFY2(log.entries.isEmpty(), "nothing is sent while the handle is held");
    sendMouse(s, QEvent::MouseButtonRelease, to, Qt::NoButton);

    if (!changes) {
        QVERIFY(log.entries.isEmpty());
        return;
    }
    const int value = s->value();
    QVERIFY(value < 255);
    if (fraction < 0)
        QCOMPARE(value, 0);
    QCOMPARE(log.entries, (QStringList{QStringLiteral("b:%1").arg(value),
                                       c(QColor(1, 2, 3, value))}));
}

void TestGroundWid::settersAreSilent()
{
    const QColor stored(40, 50, 60, 70);
    m_page->setColor(stored);
    SignalLog log(m_page);

    m_page->setRgb(1, 2, 3);
    QCOMPARE(boxes(m_page), QColor(1, 2, 3));
    QVERIFY(log.entries.isEmpty());

    // The stored colour was not touched: refreshing puts it back.
    m_page->refreshColor();
    QCOMPARE(boxes(m_page), QColor(40, 50, 60));
    QCOMPARE(log.entries, QStringList{QStringLiteral("b:70")});

    log.entries.clear();
    m_page->setColor(QColor(1, 1, 1, 9));
    QCOMPARE(log.entries, QStringList{QStringLiteral("b:9")});

    log.entries.clear();
    m_page->selectColor(QColor(5, 6, 7, 8));
    QCOMPARE(log.entries, (QStringList{QStringLiteral("b:8"), c(QColor(5, 6, 7, 8))}));
}

void TestGroundWid::setBrightnessMovesOnlyTheSlider()
{
    m_page->setColor(QColor(40, 50, 60, 70));
    SignalLog log(m_page);

    m_page->setBrightness(128);
    QCOMPARE(m_page->brightness(), 128);
    QCOMPARE(log.entries, QStringList{QStringLiteral("b:128")});

    log.entries.clear();
    m_page->refreshColor();
    QCOMPARE(m_page->brightness(), 70);
    QCOMPARE(log.entries, QStringList{QStringLiteral("b:70")});
}

void TestGroundWid::disabledColourAreaKeepsBrightness()
{
    auto* area = m_page->findChild<QWidget*>(QStringLiteral("m_corWid"));
    m_page->setColorEnabled(false);
    QVERIFY(!area->isEnabled());
    QCOMPARE(area->styleSheet(), QStringLiteral("color:gray"));
    QVERIFY(slider(m_page)->isEnabled());

    SignalLog log(m_page);
    QTest::mouseClick(preset(m_page, 0), Qt::LeftButton);
    QVERIFY(log.entries.isEmpty());

    m_page->setColorEnabled(true);
    QVERIFY(area->isEnabled());
    QCOMPARE(area->styleSheet(), QStringLiteral("color:white"));
    QTest::mouseClick(preset(m_page, 0), Qt::LeftButton);
    QCOMPARE(log.entries.size(), 2);
}

void TestGroundWid::dropWritesSlots_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("ground");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("writes");
    QTest::newRow("foregroundFirstSlot") << 0 << 0 << 0 << 1;
    QTest::newRow("backgroundLastSlot") << 24 << 1 << 6 << 1;
    QTest::newRow("firstProfileWithoutSlots") << 25 << 0 << 3 << 0;
    QTest::newRow("highProfile") << 255 << 1 << 3 << 0;
}

void TestGroundWid::dropWritesSlots()
{
    QFETCH(int, profile);
    QFETCH(int, ground);
    QFETCH(int, slot);
    QFETCH(int, writes);
    m_page->setGroundType(ground);
    m_store->profile = uchar(profile);
    m_page->loadCustomColors(sevenWith(1, filled(1, 2, 3, 4)));
    m_store->writes.clear();
    SignalLog log(m_page);

    QVERIFY(ColourTest::dropColour(customSlot(m_page, slot), QColor(90, 80, 70, 60)));

    QCOMPARE(int(m_store->writes.size()), writes);
    QVERIFY2(log.entries.isEmpty(), "filling a slot does not change the page's colour");
    if (writes == 0)
        return;
    std::vector<custom_color> expected = sevenWith(1, filled(1, 2, 3, 4));
    expected[std::size_t(slot)] = filled(90, 80, 70, 60);
    const CustomColorStore::Write& write = m_store->writes.front();
    QCOMPARE(int(write.profile), profile);
    QCOMPARE(write.ground, ground);
    QVERIFY(ColourTest::sameList(write.colours, expected));
}

void TestGroundWid::loadCustomColors_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<std::vector<custom_color>>("list");
    QTest::addColumn<bool>("applied");

    std::vector<custom_color> mixed(kCustomColorSlots);
    mixed[0] = filled(255, 0, 0, 255);
    mixed[3] = filled(0, 0, 0, 1); // black at the lowest brightness still fills a slot
    mixed[6] = filled(12, 34, 56, 78);
    mixed[5] = custom_color{0, 9, 9, 9, 9}; // an empty slot's colour bytes mean nothing

    QTest::newRow("sevenEntries") << 4 << mixed << true;
    QTest::newRow("allEmpty") << 0 << std::vector<custom_color>(kCustomColorSlots) << true;
    QTest::newRow("sixEntries") << 4 << std::vector<custom_color>(mixed.begin(), mixed.end() - 1)
                                << false;
    QTest::newRow("eightEntries") << 4 << std::vector<custom_color>(8, filled(1, 1, 1, 1))
                                  << false;
    QTest::newRow("profile25") << 25 << mixed << false;
}

void TestGroundWid::loadCustomColors()
{
    QFETCH(int, profile);
    QFETCH(std::vector<custom_color>, list);
    QFETCH(bool, applied);
    m_page->setGroundType(1);
    // Slot 2 holds a colour beforehand, so every outcome shows in the slots.
    m_store->profile = 0;
    m_page->loadCustomColors(sevenWith(2, filled(7, 7, 7, 7)));
    m_store->writes.clear();
    m_store->profile = uchar(profile);

    m_page->loadCustomColors(list);

    if (!applied) {
        QVERIFY(m_store->writes.empty());
        for (int i = 0; i < kCustomColorSlots; ++i) {
            const QColor expected = i == 2 ? QColor(7, 7, 7, 7) : QColor(Qt::transparent);
            QCOMPARE(customSlot(m_page, i)->getColor(), expected);
        }
        return;
    }
    QCOMPARE(int(m_store->writes.size()), 1);
    QCOMPARE(int(m_store->writes.front().profile), profile);
    QCOMPARE(m_store->writes.front().ground, 1);
    QVERIFY(ColourTest::sameList(m_store->writes.front().colours, list));
    for (int i = 0; i < kCustomColorSlots; ++i) {
        const custom_color& entry = list[std::size_t(i)];
        ColorBtn* button = customSlot(m_page, i);
        if (entry.flag) {
            QCOMPARE(button->getColor(), QColor(entry.red, entry.green, entry.blue, entry.alpha));
            QVERIFY(button->text().isEmpty());
        } else {
            QCOMPARE(button->getColor(), QColor(Qt::transparent));
            QVERIFY(!button->text().isEmpty());
        }
    }
}

QTEST_MAIN(TestGroundWid)
#include "tst_groundwid.moc"
