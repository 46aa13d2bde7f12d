#include "colour/ledcolorwid.h"
#include "display/leddisplaywid.h"
#include "keylight/keylightwid.h"
#include "keylight/modecatalogue.h"
#include "mode/ledmodewid.h"
#include "speed/ledspeedwid.h"
#include "support/pagehelpers.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"

#include <QPushButton>
#include <QtTest>

using PageHelpers::answerNextMessageBox;
using PageHelpers::buttonWithText;

namespace {
std::vector<vantor_light> fourLayers()
{
    std::vector<vantor_light> layers(kSubModeCount);
    for (int i = 0; i < kSubModeCount; ++i) {
        layers[std::size_t(i)].mode = uchar(i + 1);
        layers[std::size_t(i)].fg_r = uchar(10 * i);
    }
    return layers;
}
} // namespace

class TestKeyLightWid : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void applySendsNullPacket();
    void reset_data();
    void reset();
    void modeParamIsSentWithBuilderPacket_data();
    void modeParamIsSentWithBuilderPacket();
    void subModeIndexChecks_data();
    void subModeIndexChecks();
    void nullPacketIsPassedOn();
    void hideEmitsOncePerHide();
};

void TestKeyLightWid::geometry_data()
{
    QTest::addColumn<int>("buttonHeight");
    QTest::newRow("withMinimumHeight") << 24;
    QTest::newRow("noMinimumHeight") << 0;
}

void TestKeyLightWid::geometry()
{
    QFETCH(int, buttonHeight);
    KeyLightWid page;
    QPushButton* reset = buttonWithText(&page, QStringLiteral("RESET"));
    QPushButton* apply = buttonWithText(&page, QStringLiteral("APPLY"));
    QVERIFY(reset && apply);
    reset->setMinimumHeight(buttonHeight);
    page.resize(533, 335);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    const auto* display = page.findChild<LedDisplayWid*>();
    QVERIFY(display);
    QCOMPARE(display->geometry(), QRect(0, -41, 533, 275));
    QCOMPARE(page.findChild<LedColorWid*>()->geometry(),
             QRect(0, 220, 266, 110));
    QCOMPARE(page.findChild<LedModeWid*>()->geometry(),
             QRect(266, 220, 133, 110));
    QCOMPARE(page.findChild<LedSpeedWid*>()->geometry(),
             QRect(399, 220, 133, 110));
    // With no minimum height both buttons are zero high: the host's style must give one.
    QCOMPARE(reset->geometry(), QRect(399, 220 - buttonHeight, 66, buttonHeight));
    QCOMPARE(apply->geometry(), QRect(465, 220 - buttonHeight, 66, buttonHeight));
}

void TestKeyLightWid::applySendsNullPacket()
{
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log(&page);
    QTest::mouseClick(buttonWithText(&page, QStringLiteral("APPLY")), Qt::LeftButton);
    QCOMPARE(log.requests.size(), std::size_t(1));
    QCOMPARE(log.requests[0].code, 39);
    QCOMPARE(log.requests[0].data, nullptr);
    QVERIFY(parser.builds.empty());
}

void TestKeyLightWid::reset_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("expectedRequests");
    QTest::newRow("yes") << QStringLiteral("yesButton") << 1;
    QTest::newRow("no") << QStringLiteral("noButton") << 0;
}

void TestKeyLightWid::reset()
{
    QFETCH(QString, answer);
    QFETCH(int, expectedRequests);
    RecordingParser parser;
    KeyLightWid page;
    page.show();
    RequestLog log(&page);
    answerNextMessageBox(answer);
    buttonWithText(&page, QStringLiteral("RESET"))->click();

    QCOMPARE(int(log.requests.size()), expectedRequests);
    if (expectedRequests == 0)
        return;
    QCOMPARE(log.requests[0].code, 8);
    QCOMPARE(parser.builds.size(), std::size_t(1));
    QCOMPARE(parser.builds[0].code, 8);
    QCOMPARE(parser.builds[0].record, QByteArray(1, '\0'));
    QCOMPARE(log.requests[0].data, parser.builds[0].packet);
}

void TestKeyLightWid::modeParamIsSentWithBuilderPacket_data()
{
    QTest::addColumn<bool>("modeChanged");
    QTest::newRow("modeChanged") << true;
    QTest::newRow("editOnly") << false;
}

void TestKeyLightWid::modeParamIsSentWithBuilderPacket()
{
    QFETCH(bool, modeChanged);
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log(&page);
    vantor_light light;
    light.mode = Mode::Breathing;
    light.speed = 5;
    light.fg_r = 12;

    emit page.findChild<LedDisplayWid*>()->sigUpdateModeParam(light, modeChanged);

    QCOMPARE(log.codes(), std::vector<int>{20});
    QCOMPARE(parser.builds.size(), std::size_t(1));
    QCOMPARE(parser.builds[0].record, RecordBytes::bytesOf(light));
    QCOMPARE(log.requests[0].data, parser.builds[0].packet);
}

void TestKeyLightWid::subModeIndexChecks_data()
{
    QTest::addColumn<bool>("zones");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("toSdk");
    QTest::addColumn<int>("expectedRequests");
    QTest::newRow("layerBelowRange") << false << -1 << true << 0;
    QTest::newRow("layerAboveRange") << false << 4 << true << 0;
    QTest::newRow("layerFirst") << false << 0 << true << 1;
    QTest::newRow("layerLast") << false << 3 << true << 1;
    QTest::newRow("layerNotToDevice") << false << 2 << false << 0;
    QTest::newRow("zoneBelowRange") << true << -1 << true << 0;
    QTest::newRow("zoneAboveRange") << true << 4 << true << 0;
    QTest::newRow("zoneLast") << true << 3 << true << 1;
    QTest::newRow("zoneNotToDevice") << true << 1 << false << 0;
}

void TestKeyLightWid::subModeIndexChecks()
{
    QFETCH(bool, zones);
    QFETCH(int, index);
    QFETCH(bool, toSdk);
    QFETCH(int, expectedRequests);
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log(&page);
    auto* display = page.findChild<LedDisplayWid*>();
    const std::vector<vantor_light> records = fourLayers();
    vantor_filter filter;
    filter.zone[2][5] = 1;

    if (zones)
        emit display->sigUpdateMultizone(index, records, filter, toSdk);
    else
        emit display->sigUpdateMultilayer(index, records, toSdk);

    QCOMPARE(int(log.requests.size()), expectedRequests);
    QCOMPARE(int(parser.builds.size()), expectedRequests);
    if (expectedRequests == 0)
        return;
    QCOMPARE(log.requests[0].code, zones ? 27 : 25);
    QByteArray expected = RecordBytes::listBytes(records);
    if (zones)
        expected += RecordBytes::bytesOf(filter);
    QCOMPARE(parser.builds[0].record, expected);
    QCOMPARE(log.requests[0].data, parser.builds[0].packet);
}

// A builder that hands back no packet: the page passes the null pointer on unchanged.
void TestKeyLightWid::nullPacketIsPassedOn()
{
    class NullParser : public RecordingParser
    {
    public:
        bool buildModeParam(const vantor_light&, void*& pPacket) override
        {
            pPacket = nullptr;
            return false;
        }
    } parser;
    KeyLightWid page;
    RequestLog log(&page);
    emit page.findChild<LedDisplayWid*>()->sigUpdateModeParam(vantor_light(), false);
    QCOMPARE(log.codes(), std::vector<int>{20});
    QCOMPARE(log.requests[0].data, nullptr);
}

void TestKeyLightWid::hideEmitsOncePerHide()
{
    KeyLightWid page;
    QSignalSpy hides(&page, &KeyLightWid::sigHide);
    page.show();
    QCOMPARE(hides.count(), 0);
    page.hide();
    QCOMPARE(hides.count(), 1);
    page.show();
    page.hide();
    QCOMPARE(hides.count(), 2);
}

QTEST_MAIN(TestKeyLightWid)
#include "tst_keylightwid.moc"
