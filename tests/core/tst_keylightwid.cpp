// SPDX-License-Identifier: MIT
// The page as a whole: its layout, RESET, the index checks, the hide signal; stored profiles
// shown without a request and hostile store contents survived; and a whole session driven
// as a user would, with every request the host receives checked in order, byte for byte.

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

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

using PageHelpers::answerNextMessageBox;
using PageHelpers::buttonWithText;

namespace {
constexpr uchar kSessionProfile = 0;

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

constexpr uchar kProfile = 3;
const QString kVeilStyle = QStringLiteral("background:rgba(84,86,91,150)");

// A store whose answers a test can bend beyond what a well-behaved store gives: one index
// for the current layer and zone, one length for every sub-mode list.
class HostileStore : public ProfileStore
{
public:
    int modeOverride = -1;
    int subModeIndex = -1;
    std::size_t listLength = kSubModeCount;
    IVantorProfileCfg* handOverTo = nullptr; // installed as the page's store when asked

    uchar currentMode(uchar profile) override
    {
        if (handOverTo)
            IVantorProfileCfg::setInstance(handOverTo);
        return modeOverride >= 0 ? uchar(modeOverride) : ProfileStore::currentMode(profile);
    }
    uchar currentMultilayer(uchar profile) override
    {
        return bent(ProfileStore::currentMultilayer(profile));
    }
    uchar currentMultizone(uchar profile) override
    {
        return bent(ProfileStore::currentMultizone(profile));
    }
    void readMultilayerModes(uchar profile, uchar& iIndex, std::vector<uchar>& modes) override
    {
        ProfileStore::readMultilayerModes(profile, iIndex, modes);
        iIndex = bent(iIndex);
        modes.resize(listLength, uchar(Mode::Empty));
    }
    void readMultizoneModes(uchar profile, uchar& iIndex, std::vector<uchar>& modes) override
    {
        ProfileStore::readMultizoneModes(profile, iIndex, modes);
        iIndex = bent(iIndex);
        modes.resize(listLength, uchar(Mode::Empty));
    }
    void readMultilayerParams(uchar profile, std::vector<vantor_light>& vMul) override
    {
        ProfileStore::readMultilayerParams(profile, vMul);
        vMul.resize(listLength);
    }
    void readMultizoneParams(uchar profile, std::vector<vantor_light>& vMul,
                             vantor_filter& filter) override
    {
        ProfileStore::readMultizoneParams(profile, vMul, filter);
        vMul.resize(listLength);
    }

private:
    uchar bent(uchar stored) const { return subModeIndex >= 0 ? uchar(subModeIndex) : stored; }
};

struct Fixture : LightingPage<HostileStore>
{
    void load(const ProfileData& data)
    {
        store.setProfile(kProfile, data);
        page.updateUi(kProfile);
    }
    QList<QLabel*> speedVeils()
    {
        QList<QLabel*> veils;
        for (QLabel* label : find("LedSpeedUi")->findChildren<QLabel*>()) {
            if (label->styleSheet() == kVeilStyle)
                veils.append(label);
        }
        return veils;
    }
};

ProfileData multilayerProfile(int layerEffect)
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = Mode::Multilayer;
    data.currentLayer = 2;
    data.layers[2].mode = uchar(layerEffect);
    data.layers[2].speed = 5;
    data.layers[2].direction = Direction::Down;
    return data;
}
} // namespace

class TestKeyLightWid : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<QSize>("pageSize");
        QTest::addColumn<int>("buttonHeight");
        QTest::newRow("withMinimumHeight") << QSize(533, 335) << 24;
        QTest::newRow("noMinimumHeight") << QSize(533, 335) << 0;
        QTest::newRow("hostSize") << QSize(1000, 560) << 24;
    }

    // The preview fills the width above the panels, which sit side by side along the bottom
    // (colour on half the width, mode and speed on a quarter each) and paint over the
    // preview's lower edge; RESET and APPLY stand on the speed panel, side by side.
    void geometry()
    {
        QFETCH(QSize, pageSize);
        QFETCH(int, buttonHeight);
        KeyLightWid page;
        QPushButton* reset = buttonWithText(&page, QStringLiteral("RESET"));
        QPushButton* apply = buttonWithText(&page, QStringLiteral("APPLY"));
        QVERIFY(reset && apply);
        reset->setMinimumHeight(buttonHeight);
        page.resize(pageSize);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        const auto* display = page.findChild<LedDisplayWid*>();
        const QList<QWidget*> panels{page.findChild<LedColorWid*>(),
                                     page.findChild<LedModeWid*>(),
                                     page.findChild<LedSpeedWid*>()};
        QVERIFY(display && !panels.contains(nullptr));
        const int top = panels.first()->y();
        const auto near = [](int a, int b) { return qAbs(a - b) <= 1; };
        QCOMPARE(display->x(), 0);
        QCOMPARE(display->width(), pageSize.width());
        QVERIFY(display->geometry().center().y() < top);
        QVERIFY(display->geometry().bottom() < pageSize.height() - panels.first()->height() / 2);
        int left = 0;
        for (QWidget* panel : panels) {
            QCOMPARE(panel->y(), top);
            QCOMPARE(panel->height(), panels.first()->height());
            QVERIFY(near(panel->x(), left)); // no gap and no overlap with the panel before
            left = panel->geometry().right() + 1;
            QVERIFY2(panel->geometry().bottom() < pageSize.height(), "inside the page");
            // Created after the preview, the panels are drawn over its lower edge.
            QVERIFY(page.children().indexOf(panel) > page.children().indexOf(
                        const_cast<LedDisplayWid*>(display)));
        }
        QVERIFY(near(left, pageSize.width()));
        QVERIFY(near(panels[0]->width(), pageSize.width() / 2));
        QVERIFY(near(panels[1]->width(), panels[2]->width()));
        // With no minimum height both buttons are zero high: the host's style must give one.
        for (QPushButton* button : {reset, apply}) {
            QCOMPARE(button->height(), buttonHeight);
            QCOMPARE(button->geometry().bottom() + 1, top);
            QVERIFY(button->x() >= panels[2]->x());
            QVERIFY(button->geometry().right() <= panels[2]->geometry().right());
        }
        QCOMPARE(reset->width(), apply->width());
        QVERIFY(near(reset->geometry().right() + 1, apply->x()));
        QVERIFY(near(reset->x(), panels[2]->x()));
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

        page.updateUi(kSessionProfile);
        QVERIFY(log.requests.empty());

        ProfileData expected = f.store.profile(kSessionProfile);
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

    void modeAboveRangeChangesNothing()
    {
        Fixture f;
        ProfileData data = ProfileData::factoryDefaults();
        data.activeMode = Mode::Rain;
        f.load(data);
        const QImage before = f.page.grab().toImage();
        const int shownPage = f.find("LedDisplayUi")->findChild<QStackedWidget*>()->currentIndex();

        f.store.modeOverride = Mode::Count;
        data.modeLights[Mode::Rain].fg_r = 7; // would change the preview if it were read
        f.store.setProfile(kProfile, data);
        f.page.updateUi(kProfile);

        QCOMPARE(f.page.grab().toImage(), before);
        QCOMPARE(f.find("LedDisplayUi")->findChild<QStackedWidget*>()->currentIndex(), shownPage);
        QVERIFY(f.log.requests.empty());
    }

    void customBrightnessComesFromPerKeyRecord()
    {
        Fixture f;
        ProfileData data = ProfileData::factoryDefaults();
        data.activeMode = Mode::Custom;
        data.modeLights[Mode::Custom].fg_brightness = 10;
        data.custom.brightness = 128;
        f.load(data);
        auto* brightness =
            f.find("m_foreWid")->findChild<QSlider*>(QStringLiteral("m_brightness"));
        QVERIFY(brightness);
        QCOMPARE(brightness->value(), 128);
        QVERIFY(f.page.findChild<QPushButton*>(QStringLiteral("m_custom"))->isChecked());
        QVERIFY(f.log.requests.empty());

        // Regression: the boxes and the slider stood in for the colour the page never got, so
        // a typed red kept brightness 128 and nothing was sent.
        f.find("m_foreWid")->findChild<QSpinBox*>(QStringLiteral("m_r"))->setValue(10);
        QCOMPARE(f.parser.builds.size(), std::size_t(1));
        QCOMPARE(f.parser.builds[0].code, int(Request::CustomLed));
        QCOMPARE(quint8(f.parser.builds[0].record.at(546)), quint8(255));

        // Regression: a store installed while a load runs was not read for the rest of it.
        ProfileStore other;
        data.custom.brightness = 42;
        other.setProfile(kProfile, data);
        f.store.handOverTo = &other;
        f.page.updateUi(kProfile);
        QCOMPARE(brightness->value(), 42);
    }

    void multilayerShowsCurrentLayer()
    {
        Fixture f;
        f.load(multilayerProfile(Mode::RainbowWave));

        QVERIFY(f.page.findChild<QPushButton*>(QStringLiteral("m_multilayer"))->isChecked());
        // A rainbow wave layer has no colour: both selectors are off.
        QVERIFY(!f.find("m_foreBtn")->isEnabled());
        QVERIFY(!f.find("m_backBtn")->isEnabled());
        // Speed and direction are the layer's own, and both are free.
        QCOMPARE(f.page.findChild<SliderEx*>(QStringLiteral("m_ledSpeed"))->value(), 5);
        // The keyboard pictures have keys of the same names: look inside the speed panel.
        QWidget* speedPanel = f.find("LedSpeedUi");
        QVERIFY(speedPanel->findChild<QToolButton*>(QStringLiteral("m_down"))->isChecked());
        QVERIFY(speedPanel->findChild<QToolButton*>(QStringLiteral("m_up"))->isEnabled());
        const QList<QLabel*> veils = f.speedVeils();
        QCOMPARE(veils.size(), 2);
        for (QLabel* veil : veils)
            QVERIFY(veil->isHidden());
        QVERIFY(f.log.requests.empty());
    }

    void secondLoadFoldsLayerPanelShut()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.page));
        f.load(ProfileData::factoryDefaults()); // a static profile folds both sub-panels away
        QVERIFY(!f.find("m_multilayerWid")->isVisible());
        f.load(multilayerProfile(Mode::Stars));
        QVERIFY(f.find("m_multilayerWid")->isVisible());
        QVERIFY(!f.find("m_multizoneWid")->isVisible());
        f.page.updateUi(kProfile);
        QVERIFY(!f.find("m_multilayerWid")->isVisible());
        QVERIFY(f.log.requests.empty());
    }

    void multizoneShowsZoneAndFilter()
    {
        Fixture f;
        ProfileData data = ProfileData::factoryDefaults();
        data.activeMode = Mode::Multizone;
        data.currentZone = 1;
        data.zones[1].mode = Mode::Breathing;
        data.zones[1].speed = 2;
        data.zones[1].fg_r = 10;
        data.zones[1].fg_g = 20;
        data.zones[1].fg_b = 30;
        constexpr int kEscLed = 14;
        data.filter.zone[1][kEscLed] = 1;
        f.load(data);

        auto* stack = f.find("LedDisplayUi")->findChild<QStackedWidget*>();
        auto* zonePage = qobject_cast<MultizoneWid*>(stack->currentWidget());
        QVERIFY(zonePage);
        auto* esc = zonePage->findChild<LedKeyBtn*>(QStringLiteral("m_esc"));
        QCOMPARE(esc->keyColor(), QColor(10, 20, 30, 255));
        QVERIFY(esc->isInZone());
        QVERIFY(!zonePage->findChild<LedKeyBtn*>(QStringLiteral("m_f1"))->isInZone());
        QCOMPARE(f.page.findChild<SliderEx*>(QStringLiteral("m_ledSpeed"))->value(), 2);
        QVERIFY(f.page.findChild<QPushButton*>(QStringLiteral("m_multizone"))->isChecked());
        QVERIFY(f.log.requests.empty());
    }

    void hostileContents_data()
    {
        QTest::addColumn<int>("activeMode");
        QTest::addColumn<int>("subModeIndex");
        QTest::addColumn<int>("listLength");
        // Mode records past the last mode are the hub's to skip: see tst_leddisplaywid.
        QTest::newRow("layerIndexSeven") << int(Mode::Multilayer) << 7 << 4;
        QTest::newRow("zoneIndexSeven") << int(Mode::Multizone) << 7 << 4;
        QTest::newRow("shortLayerLists") << int(Mode::Multilayer) << 3 << 2;
        QTest::newRow("shortZoneLists") << int(Mode::Multizone) << 3 << 2;
        QTest::newRow("emptyLists") << int(Mode::Multizone) << 0 << 0;
        QTest::newRow("longLists") << int(Mode::Multilayer) << 5 << 6;
    }

    // Stores may hold what the page cannot show; the page must ignore it, not crash.
    void hostileContents()
    {
        QFETCH(int, activeMode);
        QFETCH(int, subModeIndex);
        QFETCH(int, listLength);
        Fixture f;
        f.store.subModeIndex = subModeIndex;
        f.store.listLength = std::size_t(listLength);
        ProfileData data = ProfileData::factoryDefaults();
        data.activeMode = uchar(activeMode);
        f.load(data);
        f.page.updateUi(kProfile);
        QVERIFY(f.log.requests.empty());

        // The pages still answer a user's choice with data they can send.
        QTest::mouseClick(f.page.findChild<QPushButton*>(QStringLiteral("m_multizone")),
                          Qt::LeftButton);
        QTest::mouseClick(f.page.findChild<QPushButton*>(QStringLiteral("m_multilayer")),
                          Qt::LeftButton);
        QTest::mouseClick(f.page.findChild<QPushButton*>(QStringLiteral("m_static")),
                          Qt::LeftButton);
        QVERIFY(!f.log.requests.empty());
        QCOMPARE(f.log.requests.back().code, int(Request::ModeParam));
    }
};

QTEST_MAIN(TestKeyLightWid)
#include "tst_keylightwid.moc"
