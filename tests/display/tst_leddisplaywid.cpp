#include "display/customledwid.h"
#include "display/leddisplaywid.h"
#include "display/multilayerwid.h"
#include "display/multizonewid.h"
#include "display/normalledwid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

using namespace PageTesting;

namespace {
// Everything the hub emits: "name(first argument)" for the downward signals, the name
// alone for the upward ones, whose records are kept aside. The log is in the order the
// emissions return: a page answers a broadcast inside it, so its record is logged first.
class HubLog : public QObject
{
public:
    explicit HubLog(LedDisplayWid* hub)
    {
        using H = LedDisplayWid;
        connect(hub, &H::sigUpdateModeParam, this, [this](const vantor_light& lp, bool b) {
            names << QStringLiteral("sigUpdateModeParam");
            lights.push_back(lp);
            flags.push_back(b);
        });
        connect(hub, &H::sigUpdateCustomLed, this, [this](const vantor_light_custom& lc) {
            names << QStringLiteral("sigUpdateCustomLed");
            customs.push_back(lc);
        });
        connect(hub, &H::sigUpdateMultilayer, this,
                [this](int i, const std::vector<vantor_light>& v, bool b) {
                    names << QStringLiteral("sigUpdateMultilayer");
                    indices.push_back(i);
                    lists.push_back(v);
                    flags.push_back(b);
                });
        connect(hub, &H::sigUpdateMultizone, this,
                [this](int i, const std::vector<vantor_light>& v, const vantor_filter& f,
                       bool b) {
                    names << QStringLiteral("sigUpdateMultizone");
                    indices.push_back(i);
                    lists.push_back(v);
                    filters.push_back(f);
                    flags.push_back(b);
                });
        down(hub, &H::sigLedModeChanged, "sigLedModeChanged");
        down(hub, &H::sigLedGroundChanged, "sigLedGroundChanged");
        down(hub, &H::sigLedColorChanged, "sigLedColorChanged");
        down(hub, &H::sigLedSpeedChanged, "sigLedSpeedChanged");
        down(hub, &H::sigLedDirectChanged, "sigLedDirectChanged");
        down(hub, &H::sigCurrMultilayerMode, "sigCurrMultilayerMode");
        down(hub, &H::sigCurrMultizoneMode, "sigCurrMultizoneMode");
        down(hub, &H::sigMultilayerModeChanged, "sigMultilayerModeChanged");
        down(hub, &H::sigMultizoneModeChanged, "sigMultizoneModeChanged");
    }

    QStringList names;
    std::vector<vantor_light> lights;
    std::vector<vantor_light_custom> customs;
    std::vector<std::vector<vantor_light>> lists;
    std::vector<vantor_filter> filters;
    std::vector<int> indices;
    std::vector<bool> flags;

private:
    template <typename... Args>
    void down(LedDisplayWid* hub, void (LedDisplayWid::*signal)(int, Args...), const char* name)
    {
        connect(hub, signal, this, [this, name](int first, Args...) {
            names << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(first);
        });
    }
};

void chooseMode(LedDisplayWid& hub, int mode)
{
    QVERIFY(QMetaObject::invokeMethod(&hub, "slotLedModeChanged", Q_ARG(int, mode)));
}

void send(LedDisplayWid& hub, const QString& event, const QColor& colour = Qt::red)
{
    if (event == "ground")
        QVERIFY(QMetaObject::invokeMethod(&hub, "slotLedGroundChanged", Q_ARG(int, 1)));
    else if (event == "colour")
        QVERIFY(QMetaObject::invokeMethod(&hub, "slotLedColorChanged", Q_ARG(QColor, colour)));
    else if (event == "speed")
        QVERIFY(QMetaObject::invokeMethod(&hub, "slotLedSpeedChanged", Q_ARG(int, 4)));
    else if (event == "direction")
        QVERIFY(QMetaObject::invokeMethod(&hub, "slotLedDirectChanged", Q_ARG(int, 2)));
    else
        QFAIL("unknown event");
}

QStackedWidget* stackOf(LedDisplayWid& hub)
{
    return hub.findChild<QStackedWidget*>();
}

vantor_light lightOf(int mode, uchar red)
{
    vantor_light light;
    light.mode = uchar(mode);
    light.fg_r = red;
    light.speed = 1;
    return light;
}
} // namespace

class TestLedDisplayWid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void modeChoice_data();
    void modeChoice();
    void routing_data();
    void routing();
    void currentLayerAndZoneReachTheirPages();
    void settersDoNotEmit();
    void placement_data();
    void placement();
    void ordinaryPagesKeepTheirRecords();
    void setModeLightsRoutesByMode();
    void hostileLoadsAreIgnored();
};

void TestLedDisplayWid::initTestCase()
{
    registerRecordTypes();
}

void TestLedDisplayWid::construction()
{
    LedDisplayWid hub(nullptr);
    QCOMPARE(hub.objectName(), QStringLiteral("LedDisplayUi"));
    QCOMPARE(hub.windowTitle(), QStringLiteral("Form"));
    auto* label = hub.findChild<QLabel*>(QStringLiteral("m_backgroundLab"),
                                         Qt::FindDirectChildrenOnly);
    QVERIFY(label);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QStackedWidget* stack = stackOf(hub);
    QCOMPARE(stack->parentWidget(), &hub);
    QCOMPARE(stack->count(), Mode::Count);
    QCOMPARE(stack->currentIndex(), 0);
    for (int mode = 0; mode < Mode::Count; ++mode) {
        const char* expected = "NormalLedWid";
        if (mode == Mode::Custom)
            expected = "CustomLedWid";
        else if (mode == Mode::Multilayer)
            expected = "MultilayerWid";
        else if (mode == Mode::Multizone)
            expected = "MultizoneWid";
        QCOMPARE(stack->widget(mode)->metaObject()->className(), expected);
    }
}

void TestLedDisplayWid::modeChoice_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("static") << 0 << QStringList{"sigUpdateModeParam", "sigLedModeChanged(0)"};
    QTest::newRow("breathing") << 8
                               << QStringList{"sigUpdateModeParam", "sigLedModeChanged(8)"};
    QTest::newRow("rain") << 18 << QStringList{"sigUpdateModeParam", "sigLedModeChanged(18)"};
    QTest::newRow("custom") << 4 << QStringList{"sigUpdateCustomLed"};
    QTest::newRow("multilayer") << 19 << QStringList{"sigUpdateMultilayer"};
    QTest::newRow("multizone") << 20 << QStringList{"sigUpdateMultizone"};
}

void TestLedDisplayWid::modeChoice()
{
    QFETCH(int, mode);
    QFETCH(QStringList, emitted);
    LedDisplayWid hub(nullptr);
    vantor_light_custom custom;
    custom.led[0] = 0x42;
    custom.brightness = 0x99;
    hub.setCustomLight(custom);
    std::vector<vantor_light> layers(kSubModeCount, lightOf(Mode::Ripple, 0x21));
    hub.setMultilayer(2, layers);
    vantor_filter filter;
    filter.zone[3][14] = 1;
    hub.setMultizone(3, layers, filter);
    hub.setModeLights({lightOf(mode, 0x77)});

    HubLog log(&hub);
    chooseMode(hub, mode);
    QCOMPARE(log.names, emitted);
    QCOMPARE(stackOf(hub)->currentIndex(), mode);
    QCOMPARE(log.flags.size(), std::size_t(emitted.first() == "sigUpdateCustomLed" ? 0 : 1));
    if (!log.flags.empty())
        QVERIFY(log.flags[0]); // bModeChanged, or bToSDK
    if (!log.lights.empty()) {
        vantor_light expected = lightOf(mode, 0x77);
        expected.bg_flag = ModeCatalogue::usesBackground(mode) ? 1 : 0;
        QCOMPARE(bytesOf(log.lights[0]), bytesOf(expected));
    }
    if (!log.customs.empty())
        QCOMPARE(bytesOf(log.customs[0]), bytesOf(custom));
    if (!log.lists.empty()) {
        QCOMPARE(log.indices[0], mode == Mode::Multilayer ? 2 : 3);
        QCOMPARE(log.lists[0].size(), layers.size());
        QCOMPARE(bytesOf(log.lists[0][1]), bytesOf(layers[1]));
    }
    if (!log.filters.empty())
        QCOMPARE(bytesOf(log.filters[0]), bytesOf(filter));
}

void TestLedDisplayWid::routing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QStringList>("emitted");

    const QStringList none;
    QTest::newRow("ripple/ground") << 9 << "ground" << QStringList{"sigLedGroundChanged(9)"};
    QTest::newRow("ripple/colour")
        << 9 << "colour" << QStringList{"sigUpdateModeParam", "sigLedColorChanged(9)"};
    QTest::newRow("ripple/speed")
        << 9 << "speed" << QStringList{"sigUpdateModeParam", "sigLedSpeedChanged(9)"};
    QTest::newRow("ripple/direction")
        << 9 << "direction" << QStringList{"sigUpdateModeParam", "sigLedDirectChanged(9)"};
    QTest::newRow("custom/ground") << 4 << "ground" << QStringList{"sigLedGroundChanged(4)"};
    QTest::newRow("custom/colour") << 4 << "colour" << QStringList{"sigUpdateCustomLed"};
    QTest::newRow("custom/speed") << 4 << "speed" << QStringList{"sigLedSpeedChanged(4)"};
    QTest::newRow("custom/direction")
        << 4 << "direction" << QStringList{"sigLedDirectChanged(4)"};
    QTest::newRow("multilayer/ground")
        << 19 << "ground" << QStringList{"sigLedGroundChanged(19)"};
    QTest::newRow("multilayer/colour") << 19 << "colour" << QStringList{"sigUpdateMultilayer"};
    QTest::newRow("multilayer/speed") << 19 << "speed" << QStringList{"sigUpdateMultilayer"};
    QTest::newRow("multilayer/direction")
        << 19 << "direction" << QStringList{"sigUpdateMultilayer"};
    QTest::newRow("multizone/ground") << 20 << "ground" << none;
    QTest::newRow("multizone/colour") << 20 << "colour" << QStringList{"sigUpdateMultizone"};
    QTest::newRow("multizone/speed") << 20 << "speed" << QStringList{"sigUpdateMultizone"};
    QTest::newRow("multizone/direction")
        << 20 << "direction" << QStringList{"sigUpdateMultizone"};
}

void TestLedDisplayWid::routing()
{
    QFETCH(int, mode);
    QFETCH(QString, event);
    QFETCH(QStringList, emitted);
    LedDisplayWid hub(nullptr);
    chooseMode(hub, mode);
    HubLog log(&hub);
    // Half-bright red, so that the per-key page's brightness changes too.
    send(hub, event, QColor(255, 0, 0, 128));
    QCOMPARE(log.names, emitted);
    // An edit of an ordinary mode is no mode choice; the other pages' records are to be sent.
    const bool ordinary = ModeCatalogue::isOrdinary(mode);
    for (bool flag : log.flags)
        QCOMPARE(flag, !ordinary);
}

void TestLedDisplayWid::currentLayerAndZoneReachTheirPages()
{
    LedDisplayWid hub(nullptr);
    HubLog log(&hub);
    QVERIFY(QMetaObject::invokeMethod(&hub, "slotCurrMultilayerMode", Q_ARG(int, 2)));
    QVERIFY(QMetaObject::invokeMethod(&hub, "slotCurrMultizoneMode", Q_ARG(int, 3)));
    QCOMPARE(log.names, (QStringList{"sigUpdateMultilayer", "sigCurrMultilayerMode(2)",
                                     "sigUpdateMultizone", "sigCurrMultizoneMode(3)"}));
    QCOMPARE(log.indices, (std::vector<int>{2, 3}));
    QCOMPARE(log.flags, (std::vector<bool>{false, false}));

    // The effect signals are relayed into the hub by the page; here they are emitted
    // directly, as the relay would.
    log.names.clear();
    emit hub.sigMultilayerModeChanged(Mode::Empty);
    emit hub.sigMultizoneModeChanged(Mode::Stars);
    QCOMPARE(log.names, (QStringList{"sigUpdateMultilayer", "sigMultilayerModeChanged(17)",
                                     "sigUpdateMultizone", "sigMultizoneModeChanged(5)"}));
    QCOMPARE(log.lists[2][2].mode, uchar(Mode::Empty));
    QCOMPARE(log.lists[3][3].mode, uchar(Mode::Stars));
}

void TestLedDisplayWid::settersDoNotEmit()
{
    LedDisplayWid hub(nullptr);
    HubLog log(&hub);
    vantor_light_custom custom;
    custom.brightness = 3;
    std::vector<vantor_light> lights;
    for (int mode = 0; mode < Mode::Count; ++mode)
        lights.push_back(lightOf(mode, uchar(mode)));
    const std::vector<vantor_light> four(kSubModeCount, lightOf(Mode::Ripple, 1));
    vantor_filter filter;
    filter.zone[0][14] = 1;
    for (int mode : {Mode::Custom, Mode::Multilayer, Mode::Multizone, Mode::Ripple}) {
        hub.setCurrMode(mode);
        QCOMPARE(stackOf(hub)->currentIndex(), mode);
        hub.setCustomLight(custom);
        hub.setModeLights(lights);
        hub.setMultilayer(1, four);
        hub.setMultizone(2, four, filter);
    }
    QCOMPARE(log.names, QStringList());
}

void TestLedDisplayWid::placement_data()
{
    QTest::addColumn<QSize>("hubSize");
    QTest::addColumn<QRect>("stack");

    QTest::newRow("pictureSize") << QSize(1000, 417) << QRect(0, 0, 1000, 417);
    QTest::newRow("narrow800") << QSize(800, 417) << QRect(-100, 0, 1000, 417);
    QTest::newRow("narrowOdd") << QSize(533, 500) << QRect(-233, 41, 1000, 417);
    QTest::newRow("low300") << QSize(1000, 300) << QRect(0, 0, 1000, 417);
    QTest::newRow("large") << QSize(1200, 517) << QRect(100, 50, 1000, 417);
}

void TestLedDisplayWid::placement()
{
    QFETCH(QSize, hubSize);
    QFETCH(QRect, stack);
    // Inside a page, as the lighting page holds it: no layout of its own window limits it.
    QWidget window;
    window.resize(1400, 700);
    auto* hub = new LedDisplayWid(&window);
    hub->setGeometry(QRect(QPoint(0, 0), hubSize));
    QVERIFY(showAndWait(&window));
    QCOMPARE(hub->size(), hubSize);
    QCOMPARE(stackOf(*hub)->geometry(), stack);
    auto* label = hub->findChild<QLabel*>(QStringLiteral("m_backgroundLab"));
    QCOMPARE(label->size(), QSize(1000, 417));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(1000, 417));
    // Every page takes the picture's size when it is shown.
    for (int i : {0, 4, 19, 20}) {
        hub->setCurrMode(i);
        QCOMPARE(stackOf(*hub)->widget(i)->size(), QSize(1000, 417));
    }
}

// Each mode has its own page, so switching away and back keeps the edits.
void TestLedDisplayWid::ordinaryPagesKeepTheirRecords()
{
    LedDisplayWid hub(nullptr);
    chooseMode(hub, Mode::Ripple);
    send(hub, "colour", QColor(1, 2, 3, 4));
    chooseMode(hub, Mode::ReactiveFade);
    send(hub, "speed");
    HubLog log(&hub);
    chooseMode(hub, Mode::Ripple);
    chooseMode(hub, Mode::ReactiveFade);
    QCOMPARE(log.lights.size(), std::size_t(2));
    QCOMPARE(bytesOf(log.lights[0]), QByteArray::fromHex("0903 0004 0001 0203 0100 0000 00ff"));
    QCOMPARE(bytesOf(log.lights[1]), QByteArray::fromHex("0304 00ff 00ff ffff 0100 0000 00ff"));
}

void TestLedDisplayWid::setModeLightsRoutesByMode()
{
    LedDisplayWid hub(nullptr);
    hub.setModeLights({lightOf(Mode::Static, 1), lightOf(Mode::Breathing, 2),
                       lightOf(Mode::Static, 3), lightOf(Mode::Custom, 4),
                       lightOf(Mode::Multizone, 5), lightOf(Mode::Count, 6),
                       lightOf(255, 7)});
    HubLog log(&hub);
    chooseMode(hub, Mode::Static);
    chooseMode(hub, Mode::Breathing);
    chooseMode(hub, Mode::Stars);
    QCOMPARE(log.lights.size(), std::size_t(3));
    QCOMPARE(log.lights[0].fg_r, uchar(3)); // the later record of the same mode wins
    QCOMPARE(log.lights[1].fg_r, uchar(2));
    QCOMPARE(log.lights[2].fg_r, uchar(255)); // untouched
    // The skipped records reached no special page either.
    chooseMode(hub, Mode::Custom);
    QCOMPARE(log.customs.back().brightness, uchar(255));
}

// Stored data the pages cannot show is dropped rather than read out of bounds.
void TestLedDisplayWid::hostileLoadsAreIgnored()
{
    LedDisplayWid hub(nullptr);
    const std::vector<vantor_light> four(kSubModeCount, lightOf(Mode::Ripple, 9));
    vantor_filter filter;
    filter.zone[1][15] = 1;
    hub.setMultilayer(1, four);
    hub.setMultizone(1, four, filter);

    const std::vector<vantor_light> two(2, lightOf(Mode::Stars, 1));
    const std::vector<vantor_light> five(5, lightOf(Mode::Stars, 1));
    for (int index : {-1, 4, 7, 256}) {
        hub.setMultilayer(index, four);
        hub.setMultizone(index, four, vantor_filter());
    }
    for (int index : {0, 1, 2, 7}) {
        for (const auto& list : {two, five, std::vector<vantor_light>()}) {
            hub.setMultilayer(index, list);
            hub.setMultizone(index, list, vantor_filter());
        }
    }
    HubLog log(&hub);
    chooseMode(hub, Mode::Multilayer);
    chooseMode(hub, Mode::Multizone);
    QCOMPARE(log.indices, (std::vector<int>{1, 1}));
    QCOMPARE(bytesOf(log.lists[0][3]), bytesOf(four[3]));
    QCOMPARE(bytesOf(log.lists[1][3]), bytesOf(four[3]));
    QCOMPARE(bytesOf(log.filters[0]), bytesOf(filter));
}

QTEST_MAIN(TestLedDisplayWid)
#include "tst_leddisplaywid.moc"
