// The page as a whole: its layout, RESET, the index checks, the hide signal, and a whole
// session driven as a user would with every request the host receives checked in order, byte
// for byte.

#include "colour/ledcolorwid.h"
#include "display/customledwid.h"
#include "display/leddisplaywid.h"
#include "display/ledkeybtn.h"
#include "display/multizonewid.h"
#include "keylight/modecatalogue.h"
#include "mode/ledmodewid.h"
#include "mode/modecombox.h"
#include "platform/toolkit/colorbtn.h"
#include "platform/toolkit/sliderex.h"
#include "speed/ledspeedwid.h"
#include "support/lightingpage.h"

#include <QPushButton>
#include <QtTest>

using PageHelpers::answerNextMessageBox;
using PageHelpers::buttonWithText;

namespace {
constexpr uchar kProfile = 0;

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

// The preset swatch of a colour on the foreground page.
ColorBtn* foregroundPreset(QWidget* page, const QColor& colour)
{
    for (ColorBtn* button : child<QWidget>(page, "m_foreWid")->findChildren<ColorBtn*>()) {
        if (button->getColor() == colour && button->text().isEmpty())
            return button;
    }
    qFatal("no preset");
    return nullptr;
}

// Chooses an effect in a picker the way the drop-down list does.
void chooseEffect(ModeCombox* picker, int mode)
{
    picker->setCurrentIndex(picker->findData(mode, Qt::UserRole));
}

// A band drag from a point outside a key to its centre.
void dragOverKey(QWidget* page, const char* keyName)
{
    const QRect key = child<LedKeyBtn>(page, keyName)->geometry();
    PageHelpers::dragBand(page, key.topLeft() - QPoint(6, 6), key.center());
}

QByteArray layerBytes(const std::array<vantor_light, kSubModeCount>& records)
{
    return RecordBytes::listBytes({records.begin(), records.end()});
}
} // namespace

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

    // Confirmed, RESET and APPLY are checked byte for byte by the whole session below.
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
    // out, and their packets, are checked by the whole session below.
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

    void wholeSession()
    {
        LightingPage<> f;
        KeyLightWid& page = f.page;
        const RequestLog& log = f.log;
        const RecordingParser& parser = f.parser;
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        page.updateUi(kProfile);
        QVERIFY(log.requests.empty());

        ProfileData expected = f.store.profile(kProfile);
        std::vector<std::pair<int, QByteArray>> sent;

        // BREATHING: its page sends the record it was loaded with.
        QTest::mouseClick(child<QPushButton>(&page, "m_breathing"), Qt::LeftButton);
        vantor_light breathing = expected.modeLights[Mode::Breathing];
        sent.push_back({Request::ModeParam, RecordBytes::bytesOf(breathing)});

        // A red preset as the foreground colour.
        QTest::mouseClick(foregroundPreset(&page, Qt::red), Qt::LeftButton);
        breathing.fg_r = 255;
        breathing.fg_g = 0;
        breathing.fg_b = 0;
        breathing.fg_brightness = 255;
        sent.push_back({Request::ModeParam, RecordBytes::bytesOf(breathing)});

        // One step faster.
        auto* speed = child<SliderEx>(&page, "m_ledSpeed");
        speed->setFocus();
        QTest::keyClick(speed, Qt::Key_PageUp);
        breathing.speed = 4;
        sent.push_back({Request::ModeParam, RecordBytes::bytesOf(breathing)});

        // CUSTOM sends the stored per-key record; then Esc is painted blue.
        QTest::mouseClick(child<QPushButton>(&page, "m_custom"), Qt::LeftButton);
        vantor_light_custom custom = expected.custom;
        sent.push_back({Request::CustomLed, RecordBytes::bytesOf(custom)});
        QTest::mouseClick(foregroundPreset(&page, Qt::blue), Qt::LeftButton);
        dragOverKey(page.findChild<CustomLedWid*>(), "m_esc");
        constexpr int kEscLed = 14;
        custom.led[3 * kEscLed] = 0;
        custom.led[3 * kEscLed + 1] = 0;
        custom.led[3 * kEscLed + 2] = 255;
        sent.push_back({Request::CustomLed, RecordBytes::bytesOf(custom)});

        // MULTILAYER; layer 1 runs STARS in green, layer 2 BREATHING.
        QTest::mouseClick(child<QPushButton>(&page, "m_multilayer"), Qt::LeftButton);
        auto layers = expected.layers;
        sent.push_back({Request::Multilayer, layerBytes(layers)});
        const auto layerPickers = f.find("m_multilayerWid")->findChildren<ModeCombox*>();
        QCOMPARE(layerPickers.size(), kSubModeCount);
        chooseEffect(layerPickers[1], Mode::Stars);
        layers[1].mode = Mode::Stars;
        sent.push_back({Request::Multilayer, layerBytes(layers)});
        QTest::mouseClick(foregroundPreset(&page, Qt::green), Qt::LeftButton);
        layers[1].fg_r = 0;
        layers[1].fg_g = 255;
        layers[1].fg_b = 0;
        sent.push_back({Request::Multilayer, layerBytes(layers)});
        chooseEffect(layerPickers[2], Mode::Breathing);
        layers[2].mode = Mode::Breathing;
        sent.push_back({Request::Multilayer, layerBytes(layers)});

        // MULTIZONE; zone 0 takes Esc, zone 1 runs RAIN and takes F1.
        QTest::mouseClick(child<QPushButton>(&page, "m_multizone"), Qt::LeftButton);
        auto zones = expected.zones;
        vantor_filter filter = expected.filter;
        auto zoneBytes = [&] { return layerBytes(zones) + RecordBytes::bytesOf(filter); };
        sent.push_back({Request::Multizone, zoneBytes()});
        auto* zonePage = page.findChild<MultizoneWid*>();
        dragOverKey(zonePage, "m_esc");
        filter.zone[0][kEscLed] = 1;
        sent.push_back({Request::Multizone, zoneBytes()});
        const auto zonePickers = f.find("m_multizoneWid")->findChildren<ModeCombox*>();
        QCOMPARE(zonePickers.size(), kSubModeCount);
        chooseEffect(zonePickers[1], Mode::Rain);
        zones[1].mode = Mode::Rain;
        sent.push_back({Request::Multizone, zoneBytes()});
        dragOverKey(zonePage, "m_f1");
        constexpr int kF1Led = 35;
        filter.zone[1][kF1Led] = 1;
        sent.push_back({Request::Multizone, zoneBytes()});

        // RESET, confirmed, then APPLY.
        PageHelpers::answerNextMessageBox(QStringLiteral("yesButton"));
        QTest::mouseClick(PageHelpers::buttonWithText(&page, QStringLiteral("RESET")),
                          Qt::LeftButton);
        sent.push_back({Request::Reset, QByteArray(1, '\0')});
        QTest::mouseClick(PageHelpers::buttonWithText(&page, QStringLiteral("APPLY")),
                          Qt::LeftButton);

        QCOMPARE(parser.builds.size(), sent.size());
        QCOMPARE(log.requests.size(), sent.size() + 1);
        for (std::size_t i = 0; i < sent.size(); ++i) {
            const QByteArray label = QByteArray::number(qulonglong(i));
            QVERIFY2(log.requests[i].code == sent[i].first, label);
            QVERIFY2(parser.builds[i].code == sent[i].first, label);
            QVERIFY2(parser.builds[i].record == sent[i].second, label);
            QVERIFY2(log.requests[i].data == parser.builds[i].packet, label);
        }
        QCOMPARE(log.requests.back().code, int(Request::Apply));
        QCOMPARE(log.requests.back().data, nullptr);
    }
};

QTEST_MAIN(TestKeyLightWid)
#include "tst_keylightwid.moc"
