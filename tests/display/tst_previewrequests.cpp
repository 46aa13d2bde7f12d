// The preview pages as the host sees them: user actions on a whole lighting page, each
// ending in a device request whose record is checked byte for byte.

#include "colour/ledcolorwid.h"
#include "display/customledwid.h"
#include "display/keytable.h"
#include "display/multizonewid.h"
#include "keylight/keylightwid.h"
#include "mode/ledmodewid.h"
#include "pagetesting.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"

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

constexpr int kRgb = 3;
} // namespace

class TestPreviewRequests : public QObject
{
    Q_OBJECT

private slots:
    void modeChoiceSendsPageRecord_data();
    void modeChoiceSendsPageRecord();
    void customDragSendsPerKeyRecord();
    void multizoneDragSendsZonesAndFilter();
};

void TestPreviewRequests::modeChoiceSendsPageRecord_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("breathing") << 8 << 20
                               << QByteArray::fromHex("0803 00ff 00ff ffff 0000 0000 00ff");
    QTest::newRow("stars") << 5 << 20 << QByteArray::fromHex("0503 00ff 00ff ffff 0100 0000 00ff");
    QByteArray custom(kLedCount * kRgb, '\0');
    custom.append(char(0xff));
    QTest::newRow("custom") << 4 << 23 << custom;
    QByteArray layers;
    for (int i = 0; i < kSubModeCount; ++i)
        layers += QByteArray::fromHex("0003 00ff 00ff ffff 0000 0000 00ff");
    QTest::newRow("multilayer") << 19 << 25 << layers;
    QTest::newRow("multizone") << 20 << 27 << layers + QByteArray(int(sizeof(vantor_filter)), '\0');
}

void TestPreviewRequests::modeChoiceSendsPageRecord()
{
    QFETCH(int, mode);
    QFETCH(int, code);
    QFETCH(QByteArray, record);
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log(&page);
    auto* modes = page.findChild<LedModeWid*>();
    QVERIFY(modes);
    emit modes->sigLedModeChanged(mode);
    QCOMPARE(log.codes(), std::vector<int>{code});
    QCOMPARE(parser.builds.size(), std::size_t(1));
    QCOMPARE(parser.builds[0].record, record);
    QCOMPARE(log.requests[0].data, parser.builds[0].packet);
}

void TestPreviewRequests::customDragSendsPerKeyRecord()
{
    RecordingParser parser;
    KeyLightWid page;
    page.resize(1000, 600);
    RequestLog log(&page);
    emit page.findChild<LedModeWid*>()->sigLedModeChanged(4);
    emit page.findChild<LedColorWid*>()->sigLedColorChanged(QColor(10, 20, 30));
    QCOMPARE(log.codes(), std::vector<int>{23}); // the colour keeps the brightness
    QVERIFY(showAndWait(&page));

    auto* custom = page.findChild<CustomLedWid*>();
    QVERIFY(custom && custom->isVisible());
    press(custom, gapLeftOf(custom, "m_q"));
    dragTo(custom, centreOf(custom, "m_w"));
    release(custom, centreOf(custom, "m_w"));

    QCOMPARE(log.codes(), (std::vector<int>{23, 23}));
    QByteArray expected(kLedCount * kRgb, '\0');
    expected.append(char(0xff));
    for (const char* name : {"m_q", "m_w"})
        expected.replace(kRgb * ledOf(name), kRgb, QByteArray::fromHex("0a141e"));
    QCOMPARE(parser.builds.back().record, expected);
    QCOMPARE(log.requests.back().data, parser.builds.back().packet);
}

void TestPreviewRequests::multizoneDragSendsZonesAndFilter()
{
    RecordingParser parser;
    KeyLightWid page;
    page.resize(1000, 600);
    RequestLog log(&page);
    auto* modes = page.findChild<LedModeWid*>();
    emit modes->sigLedModeChanged(20);
    emit modes->sigCurrMultizoneMode(1, 0);
    emit modes->sigMultizoneModeChanged(8);
    QCOMPARE(log.codes(), (std::vector<int>{27, 27})); // choosing the zone sends nothing
    QVERIFY(showAndWait(&page));

    auto* zones = page.findChild<MultizoneWid*>();
    QVERIFY(zones && zones->isVisible());
    press(zones, gapRightOf(zones, "m_l"));
    dragTo(zones, centreOf(zones, "m_k"));
    release(zones, centreOf(zones, "m_k"));

    QCOMPARE(log.codes(), (std::vector<int>{27, 27, 27}));
    QByteArray expected;
    for (int i = 0; i < kSubModeCount; ++i)
        expected += QByteArray::fromHex(i == 1 ? "0803 00ff 00ff ffff 0000 0000 00ff"
                                               : "0003 00ff 00ff ffff 0000 0000 00ff");
    vantor_filter filter;
    filter.zone[1][ledOf("m_k")] = 1;
    filter.zone[1][ledOf("m_l")] = 1;
    expected += bytesOf(filter);
    QCOMPARE(parser.builds.back().record, expected);
}

QTEST_MAIN(TestPreviewRequests)
#include "tst_previewrequests.moc"
