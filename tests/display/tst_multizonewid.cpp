#include "display/keytable.h"
#include "display/multizonewid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QSignalSpy>
#include <QtTest>

using namespace PageTesting;

namespace {
quint16 ledOf(const char* name)
{
    for (const KeyTableEntry& entry : kKeyTable) {
        if (qstrcmp(entry.objectName, name) == 0)
            return entry.led;
    }
    qFatal("no key %s", name);
    return 0;
}

// Four zones with distinct colours: zone z has foreground (z, 100 + z, 200, 255 - z) and
// background (50 + z, 0, 9, 128).
std::vector<vantor_light> fourZones()
{
    std::vector<vantor_light> zones(kSubModeCount);
    for (int z = 0; z < kSubModeCount; ++z) {
        vantor_light& zone = zones[std::size_t(z)];
        zone.mode = uchar(Mode::Breathing);
        zone.fg_r = uchar(z);
        zone.fg_g = uchar(100 + z);
        zone.fg_b = 200;
        zone.fg_brightness = uchar(255 - z);
        zone.bg_r = uchar(50 + z);
        zone.bg_g = 0;
        zone.bg_b = 9;
        zone.bg_brightness = 128;
    }
    return zones;
}

QColor foreground(const vantor_light& zone)
{
    return QColor(zone.fg_r, zone.fg_g, zone.fg_b, zone.fg_brightness);
}

struct Emission
{
    int index;
    std::vector<vantor_light> zones;
    vantor_filter filter;
    bool toSdk;
};

Emission emission(const QSignalSpy& spy, int i)
{
    const QList<QVariant>& args = spy.at(i);
    return {args.at(0).toInt(), args.at(1).value<std::vector<vantor_light>>(),
            args.at(2).value<vantor_filter>(), args.at(3).toBool()};
}

bool showsPlain(QWidget* page, const char* name)
{
    return key(page, name)->styleSheet() == LedKeyBtn::defaultStyle();
}
} // namespace

class TestMultizoneWid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void dragAddsKeysToCurrentZone();
    void dragMovesKeyBetweenZones();
    void keyLeavingBandStaysOut();
    void dragTouchingNoNewKeyEmitsNothing();
    void emptyZoneIsClearedAndLocked();
    void loadingEmptyZoneClearsItSilently();
    void emissionsCarryToSdk_data();
    void emissionsCarryToSdk();
    void colourGoesToChosenGround_data();
    void colourGoesToChosenGround();
    void speedAndDirectionDoNotRestyle();
    void groundRestylesSilently();
    void zoneAlphaShowsOnKeys();
    void outOfRangeIsIgnored_data();
    void outOfRangeIsIgnored();
};

void TestMultizoneWid::initTestCase()
{
    registerRecordTypes();
}

void TestMultizoneWid::construction()
{
    MultizoneWid page(nullptr);
    QCOMPARE(page.objectName(), QStringLiteral("MultizoneUi"));
    QCOMPARE(page.size(), QSize(1000, 417));
    uchar index = 9;
    std::vector<vantor_light> zones;
    vantor_filter filter;
    filter.zone[1][3] = 7;
    page.getMultizone(index, zones, filter);
    QCOMPARE(index, uchar(0));
    QCOMPARE(zones.size(), std::size_t(kSubModeCount));
    for (const vantor_light& zone : zones)
        QCOMPARE(bytesOf(zone), bytesOf(vantor_light()));
    QCOMPARE(bytesOf(filter), QByteArray(int(sizeof filter), '\0'));
    QVERIFY(showsPlain(&page, "m_esc"));

    const QMetaObject* meta = page.metaObject();
    QCOMPARE(meta->className(), "MultizoneWid");
    const int first = meta->methodOffset();
    QCOMPARE(meta->method(first).methodSignature(),
             QByteArray("sigUpdateMultizone(int,std::vector<vantor_light>,vantor_filter,bool)"));
    QCOMPARE(meta->method(first + 2).methodSignature(),
             QByteArray("slotCurrMultizoneMode(int)"));
    QCOMPARE(meta->method(first + 3).methodSignature(),
             QByteArray("slotMultizoneModeChanged(int)"));
}

void TestMultizoneWid::dragAddsKeysToCurrentZone()
{
    MultizoneWid page(nullptr);
    const std::vector<vantor_light> zones = fourZones();
    vantor_filter filter;
    // m_q is in zone 2 already; m_w sits in zones 0 and 3; m_e in no zone.
    filter.zone[2][ledOf("m_q")] = 1;
    filter.zone[0][ledOf("m_w")] = 1;
    filter.zone[3][ledOf("m_w")] = 1;
    page.setMultizone(2, zones, filter);
    QVERIFY(showAndWait(&page));
    QCOMPARE(key(&page, "m_q")->keyColor(), foreground(zones[2]));
    QVERIFY(showsPlain(&page, "m_w"));
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);

    press(&page, gapLeftOf(&page, "m_q"));
    dragTo(&page, centreOf(&page, "m_e"));
    QCOMPARE(key(&page, "m_w")->keyColor(), foreground(zones[2]));
    QVERIFY(key(&page, "m_w")->isSelected());
    QVERIFY(!key(&page, "m_w")->isInZone());
    release(&page, centreOf(&page, "m_e"));

    QCOMPARE(spy.count(), 1);
    const Emission sent = emission(spy, 0);
    QCOMPARE(sent.index, 2);
    QVERIFY(sent.toSdk);
    vantor_filter expected = filter;
    for (const char* name : {"m_q", "m_w", "m_e"}) {
        for (int z = 0; z < kSubModeCount; ++z)
            expected.zone[z][ledOf(name)] = z == 2 ? 1 : 0;
        QVERIFY(key(&page, name)->isInZone());
    }
    QCOMPARE(bytesOf(sent.filter), bytesOf(expected));
    for (int z = 0; z < kSubModeCount; ++z)
        QCOMPARE(bytesOf(sent.zones[std::size_t(z)]), bytesOf(zones[std::size_t(z)]));
}

void TestMultizoneWid::dragMovesKeyBetweenZones()
{
    MultizoneWid page(nullptr);
    vantor_filter filter;
    filter.zone[0][ledOf("m_a")] = 1;
    filter.zone[0][ledOf("m_s")] = 1;
    const std::vector<vantor_light> zones = fourZones();
    page.setMultizone(1, zones, filter);
    QVERIFY(showAndWait(&page));
    QVERIFY(showsPlain(&page, "m_a"));
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);

    press(&page, gapLeftOf(&page, "m_a"));
    dragTo(&page, centreOf(&page, "m_a"));
    release(&page, centreOf(&page, "m_a"));
    QCOMPARE(spy.count(), 1);
    const vantor_filter& sent = emission(spy, 0).filter;
    QCOMPARE(sent.zone[1][ledOf("m_a")], uchar(1));
    QCOMPARE(sent.zone[0][ledOf("m_a")], uchar(0));
    QCOMPARE(sent.zone[0][ledOf("m_s")], uchar(1));

    page.slotCurrMultizoneMode(0);
    QVERIFY(showsPlain(&page, "m_a"));
    QCOMPARE(key(&page, "m_s")->keyColor(), foreground(zones[0]));
    page.slotCurrMultizoneMode(1);
    QCOMPARE(key(&page, "m_a")->keyColor(), foreground(zones[1]));
}

void TestMultizoneWid::keyLeavingBandStaysOut()
{
    MultizoneWid page(nullptr);
    page.setMultizone(0, fourZones(), vantor_filter());
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    press(&page, gapLeftOf(&page, "m_z"));
    dragTo(&page, centreOf(&page, "m_c"));
    dragTo(&page, centreOf(&page, "m_x"));
    QVERIFY(showsPlain(&page, "m_c"));
    QVERIFY(!key(&page, "m_c")->isSelected());
    release(&page, centreOf(&page, "m_x"));
    QCOMPARE(spy.count(), 1);
    const vantor_filter& sent = emission(spy, 0).filter;
    QCOMPARE(sent.zone[0][ledOf("m_z")], uchar(1));
    QCOMPARE(sent.zone[0][ledOf("m_x")], uchar(1));
    QCOMPARE(sent.zone[0][ledOf("m_c")], uchar(0));
}

void TestMultizoneWid::dragTouchingNoNewKeyEmitsNothing()
{
    MultizoneWid page(nullptr);
    vantor_filter filter;
    filter.zone[0][ledOf("m_q")] = 1;
    page.setMultizone(0, fourZones(), filter);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    // Over a key that is already in the zone, and over empty space.
    press(&page, gapLeftOf(&page, "m_q"));
    dragTo(&page, centreOf(&page, "m_q"));
    release(&page, centreOf(&page, "m_q"));
    press(&page, QPoint(5, 5));
    dragTo(&page, QPoint(400, 20));
    release(&page, QPoint(400, 20));
    QCOMPARE(spy.count(), 0);
}

void TestMultizoneWid::emptyZoneIsClearedAndLocked()
{
    MultizoneWid page(nullptr);
    vantor_filter filter;
    filter.zone[1][ledOf("m_h")] = 1;
    filter.zone[1][ledOf("m_j")] = 1;
    filter.zone[2][ledOf("m_k")] = 1;
    page.setMultizone(1, fourZones(), filter);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);

    page.slotMultizoneModeChanged(Mode::Empty);
    QCOMPARE(spy.count(), 1);
    const Emission cleared = emission(spy, 0);
    QVERIFY(cleared.toSdk);
    QCOMPARE(cleared.zones[1].mode, uchar(Mode::Empty));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(cleared.filter.zone[1]), kZoneBlockSize),
             QByteArray(kZoneBlockSize, '\0'));
    QCOMPARE(cleared.filter.zone[2][ledOf("m_k")], uchar(1));
    QVERIFY(showsPlain(&page, "m_h"));

    // The empty zone takes no keys, and the band is not drawn.
    press(&page, gapLeftOf(&page, "m_h"));
    dragTo(&page, centreOf(&page, "m_l"));
    QVERIFY(showsPlain(&page, "m_j"));
    QVERIFY(!key(&page, "m_j")->isSelected());
    const QImage shot = page.grab().toImage();
    QVERIFY(shot.pixelColor(gapLeftOf(&page, "m_h")) != QColor(Qt::red));
    release(&page, centreOf(&page, "m_l"));
    QCOMPARE(spy.count(), 1);

    // An effect again unlocks the zone.
    page.slotMultizoneModeChanged(Mode::Static);
    press(&page, gapLeftOf(&page, "m_h"));
    dragTo(&page, centreOf(&page, "m_h"));
    release(&page, centreOf(&page, "m_h"));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(emission(spy, 2).filter.zone[1][ledOf("m_h")], uchar(1));
}

void TestMultizoneWid::loadingEmptyZoneClearsItSilently()
{
    MultizoneWid page(nullptr);
    std::vector<vantor_light> zones = fourZones();
    zones[3].mode = uchar(Mode::Empty);
    vantor_filter filter;
    filter.zone[3][ledOf("m_f5")] = 1;
    filter.zone[0][ledOf("m_f6")] = 1;
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    page.setMultizone(3, zones, filter);
    QCOMPARE(spy.count(), 0);
    uchar index = 0;
    std::vector<vantor_light> outZones;
    vantor_filter outFilter;
    page.getMultizone(index, outZones, outFilter);
    QCOMPARE(index, uchar(3));
    QCOMPARE(outFilter.zone[3][ledOf("m_f5")], uchar(0));
    QCOMPARE(outFilter.zone[0][ledOf("m_f6")], uchar(1));
}

void TestMultizoneWid::emissionsCarryToSdk_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("toSdk");
    QTest::addColumn<int>("index");

    QTest::newRow("zoneSwitch") << "zone" << false << 3;
    QTest::newRow("effect") << "effect" << true << 0;
    QTest::newRow("colour") << "colour" << true << 0;
    QTest::newRow("speed") << "speed" << true << 0;
    QTest::newRow("direction") << "direction" << true << 0;
}

void TestMultizoneWid::emissionsCarryToSdk()
{
    QFETCH(QString, action);
    QFETCH(bool, toSdk);
    QFETCH(int, index);

    MultizoneWid page(nullptr);
    page.setMultizone(0, fourZones(), vantor_filter());
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    if (action == "zone")
        page.slotCurrMultizoneMode(3);
    else if (action == "effect")
        page.slotMultizoneModeChanged(Mode::Ripple);
    else if (action == "colour")
        page.setLedColor(Qt::cyan);
    else if (action == "speed")
        page.setLedSpeed(5);
    else
        page.setLedDirect(Direction::Down);
    QCOMPARE(spy.count(), 1);
    const Emission sent = emission(spy, 0);
    QCOMPARE(sent.toSdk, toSdk);
    QCOMPARE(sent.index, index);
}

void TestMultizoneWid::colourGoesToChosenGround_data()
{
    QTest::addColumn<int>("ground");
    QTest::addColumn<bool>("background");

    QTest::newRow("foreground") << 0 << false;
    QTest::newRow("background") << 1 << true;
    QTest::newRow("otherMeansForeground") << 2 << false;
}

void TestMultizoneWid::colourGoesToChosenGround()
{
    QFETCH(int, ground);
    QFETCH(bool, background);

    MultizoneWid page(nullptr);
    const std::vector<vantor_light> zones = fourZones();
    vantor_filter filter;
    filter.zone[2][ledOf("m_b")] = 1;
    page.setMultizone(2, zones, filter);
    page.setLedGround(ground);
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    const QColor picked(11, 22, 33, 44);
    page.setLedColor(picked);
    QCOMPARE(spy.count(), 1);

    vantor_light expected = zones[2];
    uchar* bytes = recordBytes(expected);
    const int first = background ? 9 : 5;
    bytes[first] = 11;
    bytes[first + 1] = 22;
    bytes[first + 2] = 33;
    bytes[background ? 13 : 3] = 44;
    const Emission sent = emission(spy, 0);
    QCOMPARE(bytesOf(sent.zones[2]), bytesOf(expected));
    for (int z : {0, 1, 3})
        QCOMPARE(bytesOf(sent.zones[std::size_t(z)]), bytesOf(zones[std::size_t(z)]));
    QCOMPARE(key(&page, "m_b")->keyColor(), picked);
}

void TestMultizoneWid::speedAndDirectionDoNotRestyle()
{
    MultizoneWid page(nullptr);
    vantor_filter filter;
    filter.zone[0][ledOf("m_n")] = 1;
    page.setMultizone(0, fourZones(), filter);
    // A look set behind the page's back shows whether the page restyles.
    key(&page, "m_n")->setKeyColor(Qt::magenta);
    key(&page, "m_m")->setKeyColor(Qt::magenta);
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    page.setLedSpeed(1);
    page.setLedDirect(Direction::Up);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(emission(spy, 1).zones[0].speed, uchar(1));
    QCOMPARE(emission(spy, 1).zones[0].direction, uchar(Direction::Up));
    QCOMPARE(key(&page, "m_n")->keyColor(), QColor(Qt::magenta));
    QCOMPARE(key(&page, "m_m")->keyColor(), QColor(Qt::magenta));
}

void TestMultizoneWid::groundRestylesSilently()
{
    MultizoneWid page(nullptr);
    const std::vector<vantor_light> zones = fourZones();
    vantor_filter filter;
    filter.zone[1][ledOf("m_v")] = 1;
    page.setMultizone(1, zones, filter);
    QSignalSpy spy(&page, &MultizoneWid::sigUpdateMultizone);
    page.setLedGround(Ground::Background);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(key(&page, "m_v")->keyColor(), QColor(51, 0, 9, 128));
    QVERIFY(showsPlain(&page, "m_c"));
}

void TestMultizoneWid::zoneAlphaShowsOnKeys()
{
    MultizoneWid page(nullptr);
    std::vector<vantor_light> zones = fourZones();
    zones[0].fg_r = 0x12;
    zones[0].fg_g = 0x34;
    zones[0].fg_b = 0x56;
    zones[0].fg_brightness = 0;
    vantor_filter filter;
    filter.zone[0][ledOf("m_enter")] = 1;
    page.setMultizone(0, zones, filter);
    QCOMPARE(key(&page, "m_enter")->styleSheet(),
             QStringLiteral("QPushButton{background:#00123456;border:1px solid #32123456;"
                            "min-height:1px}"));
}

void TestMultizoneWid::outOfRangeIsIgnored_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("records");

    QTest::newRow("indexPastZones") << 4 << 4;
    QTest::newRow("shortList") << 1 << 2;
    QTest::newRow("longList") << 0 << 5;
    QTest::newRow("emptyList") << 0 << 0;
}

// Stored data that names a zone the page does not hold must not be read out of bounds.
void TestMultizoneWid::outOfRangeIsIgnored()
{
    QFETCH(int, index);
    QFETCH(int, records);

    MultizoneWid page(nullptr);
    vantor_filter filter;
    filter.zone[0][ledOf("m_p")] = 1;
    page.setMultizone(0, fourZones(), filter);
    std::vector<vantor_light> other(static_cast<std::size_t>(records));
    for (vantor_light& zone : other)
        zone.mode = uchar(Mode::Empty);
    page.setMultizone(uchar(index), other, vantor_filter());
    page.slotCurrMultizoneMode(index + kSubModeCount);

    uchar outIndex = 9;
    std::vector<vantor_light> outZones;
    vantor_filter outFilter;
    page.getMultizone(outIndex, outZones, outFilter);
    QCOMPARE(outIndex, uchar(0));
    QCOMPARE(outZones.size(), std::size_t(kSubModeCount));
    QCOMPARE(bytesOf(outZones[0]), bytesOf(fourZones()[0]));
    QCOMPARE(bytesOf(outFilter), bytesOf(filter));
    QCOMPARE(key(&page, "m_p")->keyColor(), foreground(fourZones()[0]));
}

QTEST_MAIN(TestMultizoneWid)
#include "tst_multizonewid.moc"
