// The per-key and the multizone page: what a band drag over the keys does to their records.

#include "display/customledwid.h"
#include "display/multizonewid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QtTest>

using namespace PageTesting;

namespace {
constexpr int kRgb = 3;

// A record in which every byte differs from its neighbours, so any byte written by
// mistake shows, the slots without a key included.
vantor_light_custom patternedRecord(uchar brightness)
{
    vantor_light_custom record;
    for (int i = 0; i < kLedCount * kRgb; ++i)
        record.led[i] = uchar(i % 251 + 1);
    record.brightness = brightness;
    return record;
}

// What the multizone page sends: the current zone, the four records, the filter.
QByteArray zoneRecord(int zone, const std::vector<vantor_light>& zones, const vantor_filter& f)
{
    return char(zone) + listBytes(zones) + bytesOf(f);
}
} // namespace

class TestKeyPages : public QObject
{
    Q_OBJECT

private slots:
    void customDragCommitsKeysStillUnderBand_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QColor>("paint");
        QTest::addColumn<QStringList>("committed");
        const QColor paint(10, 200, 30);
        QTest::newRow("acrossThreeThenBackOne")
            << QStringList{"<m_q", "m_e", "m_w"} << paint << QStringList{"m_q", "m_w"};
        QTest::newRow("upAndLeft") << QStringList{">m_w", "m_q"} << paint
                                   << QStringList{"m_q", "m_w"};
        // The top margin above the keys holds no key.
        QTest::newRow("touchesNoKey") << QStringList{"10,5", "300,20", "600,30"} << paint
                                      << QStringList{};
        QTest::newRow("pressAndReleaseOnly") << QStringList{"m_g"} << paint << QStringList{};
        QTest::newRow("invalidColourBeforeAnyColour")
            << QStringList{"<m_a", "m_a"} << QColor() << QStringList{"m_a"};
        QTest::newRow("dimmerColour") << QStringList{"<m_z", "m_z"} << QColor(1, 2, 3, 128)
                                      << QStringList{"m_z"};
    }

    // A colour of another alpha changes the brightness at once; its hue waits for a drag.
    void customDragCommitsKeysStillUnderBand()
    {
        QFETCH(QStringList, path);
        QFETCH(QColor, paint);
        QFETCH(QStringList, committed);
        CustomLedWid page(nullptr);
        SignalLog log(&page, &CustomLedWid::sigUpdateCustomLed);
        vantor_light_custom expected = patternedRecord(255);
        page.setCustomLight(expected);
        QList<QByteArray> sent;
        if (paint.isValid())
            page.setLedColor(paint);
        if (paint.isValid() && paint.alpha() != 255) {
            expected.brightness = uchar(paint.alpha());
            sent << bytesOf(expected);
        }
        const uchar* stored = expected.led + kRgb * ledOf("m_r");
        QCOMPARE(key(&page, "m_r")->keyColor(),
                 QColor(stored[0], stored[1], stored[2], expected.brightness));
        QCOMPARE(log.records, sent);

        QVERIFY(showAndWait(&page));
        mouse(&page, QEvent::MouseButtonPress, path.first());
        for (int i = 1; i < path.size(); ++i)
            mouse(&page, QEvent::MouseMove, path[i]);
        if (path.size() > 1) { // the band's red outline runs through where it started
            const QImage shot = page.grab().toImage();
            QCOMPARE(shot.pixelColor(pointOf(&page, path.first())), QColor(Qt::red));
        }
        mouse(&page, QEvent::MouseButtonRelease, path.last());
        for (const QString& name : committed) {
            QCOMPARE(key(&page, name)->keyColor(), paint);
            const QColor shown(paint.rgb()); // an invalid colour reads as black
            const uchar rgb[] = {uchar(shown.red()), uchar(shown.green()), uchar(shown.blue())};
            memcpy(expected.led + kRgb * ledOf(name), rgb, kRgb);
        }
        if (!committed.isEmpty())
            sent << bytesOf(expected);
        QCOMPARE(log.records, sent);
    }

    void zoneDragAddsKeysToCurrentZoneOnly_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("added"); // the band ends on the last
        QTest::newRow("fromOtherZones") << 2 << QStringList{"2:m_q", "0:m_w", "3:m_w"} << "<m_q"
                                        << QStringList{"m_q", "m_w", "m_e"};
        QTest::newRow("zeroToOne") << 1 << QStringList{"0:m_a", "0:m_s"} << "<m_a"
                                   << QStringList{"m_a"};
    }

    void zoneDragAddsKeysToCurrentZoneOnly()
    {
        QFETCH(int, zone);
        QFETCH(QStringList, members);
        QFETCH(QString, from);
        QFETCH(QStringList, added);
        MultizoneWid page(nullptr);
        const vantor_filter loaded = filterOf(members);
        page.setMultizone(uchar(zone), fourRecords(), loaded);
        QVERIFY(showAndWait(&page));
        SignalLog log(&page, &MultizoneWid::sigUpdateMultizone);
        PageHelpers::dragBand(&page, pointOf(&page, from), pointOf(&page, added.last()));

        vantor_filter expected = loaded;
        for (const QString& name : added) {
            for (int z = 0; z < kSubModeCount; ++z)
                expected.zone[z][ledOf(name)] = z == zone ? 1 : 0;
            QVERIFY(key(&page, name)->isInZone());
            QCOMPARE(key(&page, name)->keyColor(), QColor(10 * zone, 20 + zone, 30, 200 + zone));
        }
        // Choosing another zone sends the records unchanged, not to the device, and shows
        // the keys just taken as outside it.
        const int other = (zone + 1) % kSubModeCount;
        page.slotCurrMultizoneMode(other);
        QCOMPARE(log.records, (QList<QByteArray>{zoneRecord(zone, fourRecords(), expected),
                                                 zoneRecord(other, fourRecords(), expected)}));
        QCOMPARE(log.flags, (QList<bool>{true, false}));
        for (const QString& name : added)
            QCOMPARE(key(&page, name)->styleSheet(), LedKeyBtn::defaultStyle());
    }

    void emptyZoneIsClearedAndLocked()
    {
        MultizoneWid page(nullptr);
        page.setMultizone(1, fourRecords(), filterOf({"1:m_h", "1:m_j", "2:m_k"}));
        QVERIFY(showAndWait(&page));
        SignalLog log(&page, &MultizoneWid::sigUpdateMultizone);
        page.slotMultizoneModeChanged(Mode::Empty);
        std::vector<vantor_light> zones = fourRecords();
        zones[1].mode = Mode::Empty;
        QCOMPARE(log.records, QList{zoneRecord(1, zones, filterOf({"2:m_k"}))});
        QCOMPARE(log.flags, QList{true});
        QCOMPARE(key(&page, "m_h")->styleSheet(), LedKeyBtn::defaultStyle());
        // The empty zone takes no keys, and the band is not drawn.
        mouse(&page, QEvent::MouseButtonPress, "<m_h");
        mouse(&page, QEvent::MouseMove, "m_l");
        QVERIFY(page.grab().toImage().pixelColor(pointOf(&page, "<m_h")) != QColor(Qt::red));
        mouse(&page, QEvent::MouseButtonRelease, "m_l");
        QCOMPARE(log.records.size(), 1);
        // An effect again unlocks the zone.
        page.slotMultizoneModeChanged(Mode::Static);
        PageHelpers::dragBand(&page, pointOf(&page, "<m_h"), pointOf(&page, "m_h"));
        zones[1].mode = Mode::Static;
        QCOMPARE(log.records.last(), zoneRecord(1, zones, filterOf({"1:m_h", "2:m_k"})));
    }

    // Regression: the lock of an emptied zone also stopped the repaints of a drag under way.
    void dragUnderWayStillRepaintsOnceLocked()
    {
        MultizoneWid page(nullptr);
        page.setMultizone(0, fourRecords(), vantor_filter());
        QVERIFY(showAndWait(&page));
        mouse(&page, QEvent::MouseButtonPress, "<m_h");
        mouse(&page, QEvent::MouseMove, "m_h");
        page.slotMultizoneModeChanged(Mode::Empty);
        QVERIFY(!key(&page, "m_h")->isSelected());
        page.repaint();
        QVERIFY(key(&page, "m_h")->isSelected());
        QCOMPARE(page.grab().toImage().pixelColor(pointOf(&page, "<m_h")), QColor(Qt::red));
    }
};

QTEST_MAIN(TestKeyPages)
#include "tst_keypages.moc"
