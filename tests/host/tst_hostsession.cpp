// SPDX-License-Identifier: MIT
#include "host/session/hostsession.h"
#include "host/hosttestsupport.h"
#include "host/store/profiletransfer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Packets::record;

namespace {
struct Step { int code; QByteArray packet; };
using Steps = QVector<Step>;

constexpr uchar kProfile = 1;

// A request as the page hands it over: a pointer valid only for the call.
void send(HostSession& session, const Step& step)
{
    QByteArray scratch = step.packet;
    session.handleRequest(step.code, scratch.isEmpty() ? nullptr : scratch.data());
    scratch.fill('\0'); // the host must have copied what it keeps
}

Step modeRecord(int mode, const QColor& colour = Qt::white)
{
    return {Request::ModeParam, Packets::modeParam(record(mode, colour))};
}
Step keyPainting(int led, const QColor& colour)
{
    return {Request::CustomLed, Packets::customLed(Packets::paintedKey(led, colour))};
}

const Step kReset{Request::Reset, Packets::reset()};

// Differs from the factory in the fields a request must leave alone.
ProfileData startingProfile()
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = Mode::ColorCycle;
    data.currentLayer = 2;
    data.currentZone = 1;
    data.customColors[0][0] = {1, 10, 20, 30, 255};
    return data;
}

// What the keyboard is sent when the starting profile comes back: its active mode's record.
Step startingResend()
{
    vantor_light cycle;
    cycle.mode = Mode::ColorCycle;
    return {Request::ModeParam, Packets::modeParam(cycle)};
}
} // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(ProfileData)

class TestHostSession : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_session.reset();
        m_store = std::make_unique<ProfileStore>();
        m_store->setProfile(kProfile, startingProfile());
        m_device = std::make_unique<RecordingTransport>();
        m_session = std::make_unique<HostSession>(*m_store, *m_device);
        m_session->switchProfile(kProfile);
        // The switch sent the profile's stored lighting; the tests look at what follows it.
        QCOMPARE(m_device->sent.size(), std::size_t(1));
        QCOMPARE(m_device->sent[0].packet, startingResend().packet);
        m_device->sent.clear();
    }

    void requestReachesStoreAndDevice_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<ProfileData>("expected");
        QTest::addColumn<QByteArray>("forwarded");

        const ProfileData start = startingProfile();
        const auto add = [&start](const char* name, int code, const QByteArray& packet,
                                  const std::function<void(ProfileData&)>& change) {
            ProfileData expected = start;
            change(expected);
            QTest::newRow(name) << code << packet << expected << packet;
        };
        const vantor_light rain = record(Mode::Rain, QColor(9, 8, 7), QColor(200, 0, 0, 40), 5,
                                         Direction::Down);
        add("modeParam", 20, Packets::modeParam(rain), [&](ProfileData& data) {
            data.modeLights[Mode::Rain] = rain;
            data.activeMode = Mode::Rain;
        });
        const vantor_light_custom custom = Packets::paintedKey(181, Qt::blue, 128);
        add("customKeys", 23, Packets::customLed(custom), [&](ProfileData& data) {
            data.custom = custom;
            data.activeMode = Mode::Custom;
        });
        const auto subs = Packets::subModes(Mode::RainbowWave, Mode::Stars, Mode::Empty, 17);
        add("layersKeepCurrentIndex", 25, Packets::multilayer(subs), [&](ProfileData& data) {
            std::copy(subs.begin(), subs.end(), data.layers.begin());
            data.activeMode = Mode::Multilayer;
        });
        vantor_filter filter;
        filter.zone[0][0] = filter.zone[2][5] = filter.zone[3][181] = 1;
        add("zonesKeepCurrentIndex", 27, Packets::multizone(subs, filter), [&](ProfileData& data) {
            std::copy(subs.begin(), subs.end(), data.zones.begin());
            data.filter = filter;
            data.activeMode = Mode::Multizone;
        });
        add("resetGivesFactoryProfile", 8, Packets::reset(),
            [](ProfileData& data) { data = ProfileData::factoryDefaults(); });
        add("applyLeavesStoreAlone", 39, QByteArray(), [](ProfileData&) {});

        const QByteArray good = Packets::modeParam(record(Mode::Breathing, Qt::red));
        const int header = int(VantorPacket::headerSize());
        QByteArray flipped = good;
        flipped[header] = char(flipped.at(header) ^ 0x10);
        // Regression: the host trusted the header's length and read far past a short buffer.
        QByteArray huge = good;
        huge[header - 2] = huge[header - 1] = char(0xff);
        QTest::newRow("checksumMismatch") << 20 << flipped << start << flipped;
        QTest::newRow("unknownCode") << 21 << good << start << good.left(header);
        // Bytes without a packet header cannot be sized and are not copied.
        QTest::newRow("noHeader") << 20 << QByteArray("garbage!") << start << QByteArray();
        QTest::newRow("lengthBeyondBuffer") << 20 << huge << start << huge.left(header);
    }

    void requestReachesStoreAndDevice()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, packet);
        QFETCH(ProfileData, expected);
        QFETCH(QByteArray, forwarded);
        // Every request the store takes changes the profile, except APPLY.
        const bool rejected = code != Request::Apply && expected == startingProfile();
        QSignalSpy rejections(m_session.get(), &HostSession::sigRequestRejected);
        const ProfileData other = m_store->profile(kProfile + 1);

        send(*m_session, {code, packet});

        QCOMPARE(m_device->sent.size(), std::size_t(1));
        QCOMPARE(m_device->sent[0].packet, forwarded);
        QVERIFY(m_device->sent[0].code == code && m_device->sent[0].profile == kProfile);
        QVERIFY(m_store->profile(kProfile) == expected);
        QCOMPARE(int(m_store->currentMode(kProfile)), int(expected.activeMode));
        QVERIFY(m_store->profile(kProfile + 1) == other);
        // A request the store cannot take is reported, and leaves nothing to undo.
        QCOMPARE(rejections.count(), rejected ? 1 : 0);
        if (rejected)
            QCOMPARE(rejections.at(0).at(0).toInt(), code);
        QCOMPARE(m_session->undoStack()->count(), rejected || code == Request::Apply ? 0 : 1);
    }

    void undoRedoRestoresEachStep_data()
    {
        QTest::addColumn<Steps>("steps");
        // The request that puts each state back on the keyboard, the starting state first.
        QTest::addColumn<Steps>("resends");

        const Steps painting{modeRecord(Mode::Breathing), modeRecord(Mode::Breathing, Qt::red),
                             keyPainting(17, Qt::blue)};
        QTest::newRow("modeColourKeys") << painting
                                        << Steps{startingResend(), painting[0], painting[1],
                                                 painting[2]};
        const auto subs = Packets::subModes(Mode::Stars, 17, Mode::Empty, Mode::Rain);
        const Step layers{Request::Multilayer, Packets::multilayer(subs)};
        const Step zones{Request::Multizone, Packets::multizone(subs, vantor_filter())};
        const Step factoryStatic{Request::ModeParam, Packets::modeParam(vantor_light())};
        QTest::newRow("layersZonesReset") << Steps{layers, zones, kReset}
                                          << Steps{startingResend(), layers, zones, factoryStatic};
    }

    void undoRedoRestoresEachStep()
    {
        QFETCH(Steps, steps);
        QFETCH(Steps, resends);
        QSignalSpy reloads(m_session.get(), &HostSession::sigReloadRequested);
        std::vector<ProfileData> states{m_store->profile(kProfile)};
        for (const Step& step : steps) {
            const int reloadsBefore = reloads.count();
            send(*m_session, step);
            states.push_back(m_store->profile(kProfile));
            QVERIFY(states.back() != states[states.size() - 2]);
            // Only RESET changes the profile behind the page's back, so only it reloads the page.
            QCOMPARE(reloads.count(), reloadsBefore + (step.code == Request::Reset ? 1 : 0));
        }
        QUndoStack* undo = m_session->undoStack();
        QCOMPARE(undo->count(), steps.size());

        // Each undo and redo restores the store, tells the keyboard and reloads the page.
        const auto step = [&](bool back, std::size_t state) {
            const int reloadsBefore = reloads.count();
            back ? undo->undo() : undo->redo();
            QVERIFY2(m_store->profile(kProfile) == states[state],
                     qPrintable(QString::number(state)));
            QCOMPARE(m_device->sent.back().code, resends[int(state)].code);
            QCOMPARE(m_device->sent.back().packet, resends[int(state)].packet);
            QCOMPARE(reloads.count(), reloadsBefore + 1);
        };
        for (int i = steps.size() - 1; i >= 0; --i)
            step(true, std::size_t(i));
        for (int i = 1; i <= steps.size(); ++i)
            step(false, std::size_t(i));
    }

    void exportThenImportGivesSameProfile()
    {
        send(*m_session, keyPainting(100, QColor(12, 34, 56)));
        const Step heartbeat = modeRecord(Mode::Heartbeat, QColor(99, 88, 77));
        send(*m_session, heartbeat);
        const ProfileData original = m_store->profile(kProfile);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("profile.json"));

        ProfileData imported;
        QVERIFY(ProfileTransfer::exportProfile(*m_store, kProfile, path, nullptr));
        QVERIFY(ProfileTransfer::importProfile(path, imported, nullptr));
        QVERIFY(imported == original);

        // Importing into another profile is one change: sent, not yet applied, undoable.
        m_session->switchProfile(2);
        const ProfileData second = m_store->profile(2);
        m_session->replaceProfile(imported, QStringLiteral("Import"));
        QVERIFY(m_store->profile(2) == original);
        QCOMPARE(m_device->sent.back().packet, heartbeat.packet);
        QVERIFY(!m_session->isApplied(2));
        // Undo after a switch brings back the profile it changed, on the keyboard too.
        m_session->switchProfile(3);
        const ProfileData third = m_store->profile(3);
        m_session->undoStack()->undo();
        QCOMPARE(int(m_store->currentProfile()), 2);
        QCOMPARE(int(m_device->sent.back().profile), 2);
        QVERIFY(m_store->profile(2) == second);
        QVERIFY(m_store->profile(3) == third);
    }

private:
    std::unique_ptr<ProfileStore> m_store;
    std::unique_ptr<RecordingTransport> m_device;
    std::unique_ptr<HostSession> m_session;
};

QTEST_GUILESS_MAIN(TestHostSession)
#include "tst_hostsession.moc"
