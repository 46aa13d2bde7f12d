// Showing stored profiles: what each panel shows afterwards, that nothing reaches the
// device, and that hostile store contents are survived.

#include "display/leddisplaywid.h"
#include "display/ledkeybtn.h"
#include "display/multizonewid.h"
#include "keylight/modecatalogue.h"
#include "platform/toolkit/sliderex.h"
#include "support/lightingpage.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {
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

class TestProfileLoading : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestProfileLoading)
#include "tst_profileloading.moc"
