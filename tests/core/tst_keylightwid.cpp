#include "colour/ledcolorwid.h"
#include "display/leddisplaywid.h"
#include "keylight/modecatalogue.h"
#include "mode/ledmodewid.h"
#include "speed/ledspeedwid.h"
#include "support/lightingpage.h"

#include <QPushButton>
#include <QtTest>

using PageHelpers::answerNextMessageBox;
using PageHelpers::buttonWithText;

class TestKeyLightWid : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<int>("buttonHeight");
        QTest::newRow("withMinimumHeight") << 24;
        QTest::newRow("noMinimumHeight") << 0;
    }

    void geometry()
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

    // Confirmed, RESET and APPLY are checked byte for byte by tst_session's walk.
    void resetDeclinedSendsNothing()
    {
        LightingPage<> f;
        answerNextMessageBox(QStringLiteral("noButton"));
        buttonWithText(&f.page, QStringLiteral("RESET"))->click();
        QVERIFY(f.log.requests.empty() && f.parser.builds.empty());
    }

    void subModeIndexChecks_data()
    {
        QTest::addColumn<bool>("zones");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("toSdk");
        QTest::addColumn<int>("code"); // 0: no request
        QTest::newRow("layerBelowRange") << false << -1 << true << 0;
        QTest::newRow("layerAboveRange") << false << 4 << true << 0;
        QTest::newRow("layerLast") << false << 3 << true << int(Request::Multilayer);
        QTest::newRow("layerNotToDevice") << false << 2 << false << 0;
        QTest::newRow("zoneBelowRange") << true << -1 << true << 0;
        QTest::newRow("zoneAboveRange") << true << 4 << true << 0;
        QTest::newRow("zoneLast") << true << 3 << true << int(Request::Multizone);
        QTest::newRow("zoneNotToDevice") << true << 1 << false << 0;
    }

    // An index outside the list names no record to read. The bytes of the requests that do go
    // out, and their packets, are checked by tst_session.
    void subModeIndexChecks()
    {
        QFETCH(bool, zones);
        QFETCH(int, index);
        QFETCH(bool, toSdk);
        QFETCH(int, code);
        LightingPage<> f;
        auto* display = f.page.findChild<LedDisplayWid*>();
        const std::vector<vantor_light> records(kSubModeCount);
        if (zones)
            emit display->sigUpdateMultizone(index, records, vantor_filter(), toSdk);
        else
            emit display->sigUpdateMultilayer(index, records, toSdk);
        QCOMPARE(f.log.codes(), code ? std::vector<int>{code} : std::vector<int>());
        QCOMPARE(int(f.parser.builds.size()), code ? 1 : 0);
    }

    // A builder that hands back no packet: the page passes the null pointer on unchanged.
    void nullPacketIsPassedOn()
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

    void hideEmitsOncePerHide()
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
};

QTEST_MAIN(TestKeyLightWid)
#include "tst_keylightwid.moc"
