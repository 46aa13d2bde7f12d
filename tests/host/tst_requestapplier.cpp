#include "host/hosttestsupport.h"
#include "host/requestapplier.h"

#include <QtTest>

Q_DECLARE_METATYPE(ProfileData)

namespace {
constexpr uchar kProfile = 3;

// A profile that differs from the factory in the fields a request must leave alone.
ProfileData startingProfile()
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = Mode::ColorCycle;
    data.currentLayer = 2;
    data.currentZone = 1;
    data.modeLights[Mode::Static] = Packets::light(Mode::Static, 1, 2, 3);
    data.customColors[0][0] = {1, 10, 20, 30, 255};
    return data;
}

vantor_filter zoneFilter()
{
    vantor_filter filter;
    filter.zone[0][0] = 1;
    filter.zone[2][5] = 1;
    filter.zone[3][181] = 1;
    return filter;
}
} // namespace

class TestRequestApplier : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void appliesRequest_data();
    void appliesRequest();
    void rejectsRequest_data();
    void rejectsRequest();

private:
    std::unique_ptr<ProfileStore> m_store;
};

void TestRequestApplier::init()
{
    m_store = std::make_unique<ProfileStore>();
    m_store->setProfile(kProfile, startingProfile());
}

void TestRequestApplier::appliesRequest_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<ProfileData>("expected");
    QTest::addColumn<bool>("applied");

    const ProfileData start = startingProfile();
    {
        ProfileData expected = start;
        const vantor_light red = Packets::light(Mode::Static, 255, 0, 0);
        expected.modeLights[Mode::Static] = red;
        expected.activeMode = Mode::Static;
        QTest::newRow("staticColour") << 20 << Packets::modeParam(red) << expected << true;
    }
    {
        ProfileData expected = start;
        const vantor_light breathing = Packets::light(Mode::Breathing, 0, 128, 255, 5);
        expected.modeLights[Mode::Breathing] = breathing;
        expected.activeMode = Mode::Breathing;
        QTest::newRow("modeChangeMakesModeActive")
            << 20 << Packets::modeParam(breathing) << expected << true;
    }
    {
        ProfileData expected = start;
        const vantor_light wave = Packets::light(Mode::RainbowWave, 0, 0, 0, 1, Direction::Down);
        expected.modeLights[Mode::RainbowWave] = wave;
        expected.activeMode = Mode::RainbowWave;
        QTest::newRow("directionKept") << 20 << Packets::modeParam(wave) << expected << true;
    }
    {
        ProfileData expected = start;
        vantor_light rain = Packets::light(Mode::Rain, 9, 8, 7);
        rain.bg_flag = 1;
        rain.bg_r = 200;
        rain.bg_brightness = 40;
        expected.modeLights[Mode::Rain] = rain;
        expected.activeMode = Mode::Rain;
        QTest::newRow("lastOrdinaryModeWithBackground")
            << 20 << Packets::modeParam(rain) << expected << true;
    }
    {
        ProfileData expected = start;
        vantor_light_custom custom = Packets::paintedKey(181, 0, 0, 255);
        custom.brightness = 128;
        expected.custom = custom;
        expected.activeMode = Mode::Custom;
        QTest::newRow("customKeys") << 23 << Packets::customLed(custom) << expected << true;
    }
    {
        ProfileData expected = start;
        const auto layers = Packets::subModes(Mode::RainbowWave, Mode::Stars, Mode::Empty,
                                              Mode::Breathing);
        std::copy(layers.begin(), layers.end(), expected.layers.begin());
        expected.activeMode = Mode::Multilayer;
        QTest::newRow("layersKeepCurrentIndex")
            << 25 << Packets::multilayer(layers) << expected << true;
    }
    {
        ProfileData expected = start;
        const auto zones = Packets::subModes(Mode::Static, Mode::Empty, Mode::Ripple,
                                             Mode::ColorCycle);
        std::copy(zones.begin(), zones.end(), expected.zones.begin());
        expected.filter = zoneFilter();
        expected.activeMode = Mode::Multizone;
        QTest::newRow("zonesAndFilterKeepCurrentIndex")
            << 27 << Packets::multizone(zones, zoneFilter()) << expected << true;
    }
    QTest::newRow("resetGivesFactoryProfile")
        << 8 << Packets::reset() << ProfileData::factoryDefaults() << true;
    QTest::newRow("applyLeavesStoreAlone") << 39 << QByteArray() << start << false;
}

void TestRequestApplier::appliesRequest()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);
    QFETCH(ProfileData, expected);
    QFETCH(bool, applied);
    const ProfileData otherBefore = m_store->profile(kProfile + 1);

    RequestApplier applier(*m_store);
    const RequestApplier::Outcome outcome = applier.apply(kProfile, code, packet);

    QCOMPARE(outcome.applied, applied);
    QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    QVERIFY(m_store->profile(kProfile) == expected);
    QCOMPARE(int(m_store->currentMode(kProfile)), int(expected.activeMode));
    QVERIFY(m_store->profile(kProfile + 1) == otherBefore);
}

void TestRequestApplier::rejectsRequest_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");

    const QByteArray good = Packets::modeParam(Packets::light(Mode::Breathing, 1, 2, 3));
    QByteArray flipped = good;
    const int middle = good.size() / 2;
    flipped[middle] = char(flipped.at(middle) ^ 0x10);
    vantor_light beyondLastMode = Packets::light(Mode::Count, 1, 2, 3);

    QTest::newRow("noPacket") << 20 << QByteArray();
    QTest::newRow("truncated") << 20 << good.left(good.size() - 1);
    QTest::newRow("checksumMismatch") << 20 << flipped;
    QTest::newRow("customPacketSentAsModeParam")
        << 20 << Packets::customLed(Packets::paintedKey(0, 1, 1, 1));
    QTest::newRow("modePacketSentAsReset") << 8 << good;
    QTest::newRow("modeAboveRange") << 20 << Packets::modeParam(beyondLastMode);
    QTest::newRow("unknownCode") << 21 << good;
}

void TestRequestApplier::rejectsRequest()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);

    RequestApplier applier(*m_store);
    const RequestApplier::Outcome outcome = applier.apply(kProfile, code, packet);

    QVERIFY(!outcome.applied);
    QVERIFY(!outcome.error.isEmpty());
    QVERIFY(m_store->profile(kProfile) == startingProfile());
}

QTEST_GUILESS_MAIN(TestRequestApplier)
#include "tst_requestapplier.moc"
