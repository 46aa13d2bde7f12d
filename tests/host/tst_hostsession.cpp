#include "host/hostsession.h"
#include "host/hosttestsupport.h"
#include "host/profiletransfer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Packets::record;

namespace {
struct Step
{
    int code;
    QByteArray packet;
};
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

const Step kApply{Request::Apply, QByteArray()};
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

// The request that puts a profile's active mode on the keyboard.
Step expectedResend(const ProfileData& data)
{
    switch (data.activeMode) {
    case Mode::Custom:
        return {Request::CustomLed, Packets::customLed(data.custom)};
    case Mode::Multilayer:
        return {Request::Multilayer,
                Packets::multilayer({data.layers.begin(), data.layers.end()})};
    case Mode::Multizone:
        return {Request::Multizone,
                Packets::multizone({data.zones.begin(), data.zones.end()}, data.filter)};
    default:
        return {Request::ModeParam, Packets::modeParam(data.modeLights[data.activeMode])};
    }
}
} // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(ProfileData)

class TestHostSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void requestReachesStoreAndDevice_data();
    void requestReachesStoreAndDevice();
    void undoRedoRestoresEachStep_data();
    void undoRedoRestoresEachStep();
    void repeatedRequestIsOneStep();
    void undoAfterSwitchBringsProfileBack();
    void appliedState_data();
    void appliedState();
    void exportThenImportGivesSameProfile();

private:
    std::unique_ptr<ProfileStore> m_store;
    std::unique_ptr<RecordingTransport> m_device;
    std::unique_ptr<HostSession> m_session;
};

void TestHostSession::init()
{
    m_session.reset();
    m_store = std::make_unique<ProfileStore>();
    m_store->setProfile(kProfile, startingProfile());
    m_device = std::make_unique<RecordingTransport>();
    m_session = std::make_unique<HostSession>(*m_store, *m_device);
    m_session->switchProfile(kProfile);
}

void TestHostSession::requestReachesStoreAndDevice_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<ProfileData>("expected");
    QTest::addColumn<QByteArray>("forwarded");
    QTest::addColumn<bool>("rejected");

    const ProfileData start = startingProfile();
    const auto add = [&start](const char* name, int code, const QByteArray& packet,
                              const std::function<void(ProfileData&)>& change) {
        ProfileData expected = start;
        change(expected);
        QTest::newRow(name) << code << packet << expected << packet << false;
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
    const QByteArray longer = Packets::customLed(custom);
    QTest::newRow("noPacket") << 20 << QByteArray() << start << QByteArray() << true;
    QTest::newRow("checksumMismatch") << 20 << flipped << start << flipped << true;
    const QByteArray beyondLastMode = Packets::modeParam(record(Mode::Count, Qt::red));
    QTest::newRow("modeAboveRange") << 20 << beyondLastMode << start << beyondLastMode << true;
    QTest::newRow("unknownCode") << 21 << good << start << good.left(header) << true;
    // Bytes that do not start with a packet header cannot be sized and are not copied.
    QTest::newRow("noHeader") << 20 << QByteArray("garbage!") << start << QByteArray() << true;
    QTest::newRow("lengthBeyondBuffer") << 20 << huge << start << huge.left(header) << true;
    QTest::newRow("packetOfLongerRequest") << 20 << longer << start << longer.left(header)
                                           << true;
}

void TestHostSession::requestReachesStoreAndDevice()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);
    QFETCH(ProfileData, expected);
    QFETCH(QByteArray, forwarded);
    QFETCH(bool, rejected);
    QSignalSpy rejections(m_session.get(), &HostSession::sigRequestRejected);
    const ProfileData other = m_store->profile(kProfile + 1);

    send(*m_session, {code, packet});

    QCOMPARE(m_device->sent.size(), std::size_t(1));
    QCOMPARE(m_device->sent[0].code, code);
    QCOMPARE(m_device->sent[0].packet, forwarded);
    QCOMPARE(int(m_device->sent[0].profile), int(kProfile));
    QVERIFY(m_store->profile(kProfile) == expected);
    QCOMPARE(int(m_store->currentMode(kProfile)), int(expected.activeMode));
    QVERIFY(m_store->profile(kProfile + 1) == other);
    // A request the store cannot take is reported, and leaves nothing to undo.
    QCOMPARE(rejections.count(), rejected ? 1 : 0);
    if (rejected) {
        QCOMPARE(rejections.at(0).at(0).toInt(), code);
        QVERIFY(!rejections.at(0).at(1).toString().isEmpty());
    }
    QCOMPARE(m_session->undoStack()->count(), rejected || code == Request::Apply ? 0 : 1);
}

void TestHostSession::undoRedoRestoresEachStep_data()
{
    QTest::addColumn<Steps>("steps");

    QTest::newRow("modeColourKeys")
        << Steps{modeRecord(Mode::Breathing), modeRecord(Mode::Breathing, Qt::red),
                 keyPainting(17, Qt::blue)};
    QTest::newRow("layersZonesReset")
        << Steps{{Request::Multilayer,
                  Packets::multilayer(Packets::subModes(Mode::Stars, 17, 17, Mode::Rain))},
                 {Request::Multizone,
                  Packets::multizone(Packets::subModes(Mode::Static, Mode::Ripple, 17, 17),
                                     vantor_filter())},
                 kReset};
}

void TestHostSession::undoRedoRestoresEachStep()
{
    QFETCH(Steps, steps);
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
        QVERIFY2(m_store->profile(kProfile) == states[state], qPrintable(QString::number(state)));
        const Step resend = expectedResend(states[state]);
        QCOMPARE(m_device->sent.back().code, resend.code);
        QCOMPARE(m_device->sent.back().packet, resend.packet);
        QCOMPARE(reloads.count(), reloadsBefore + 1);
        QCOMPARE(reloads.constLast().at(0).value<uchar>(), kProfile);
    };
    for (int i = steps.size() - 1; i >= 0; --i)
        step(true, std::size_t(i));
    QVERIFY(!undo->canUndo());
    for (int i = 1; i <= steps.size(); ++i)
        step(false, std::size_t(i));
    QVERIFY(!undo->canRedo());
}

void TestHostSession::repeatedRequestIsOneStep()
{
    // Dragging a slider sends the same record again and again; undo must not have to
    // step through copies that changed nothing.
    for (int i = 0; i < 3; ++i)
        send(*m_session, modeRecord(Mode::Stars, Qt::gray));
    QCOMPARE(m_session->undoStack()->count(), 1);
    QCOMPARE(m_device->sent.size(), std::size_t(3));
}

void TestHostSession::undoAfterSwitchBringsProfileBack()
{
    const ProfileData before = m_store->profile(kProfile);
    send(*m_session, modeRecord(Mode::Ripple, Qt::gray));
    QSignalSpy reloads(m_session.get(), &HostSession::sigReloadRequested);

    m_session->switchProfile(3);
    QCOMPARE(int(m_store->currentProfile()), 3);
    QCOMPARE(int(m_device->selected), 3);
    QCOMPARE(reloads.count(), 1);
    QCOMPARE(reloads.at(0).at(0).value<uchar>(), uchar(3));
    // Switching changes nothing that undo would have to take back.
    QCOMPARE(m_session->undoStack()->count(), 1);
    const ProfileData third = m_store->profile(3);

    m_session->undoStack()->undo();
    QCOMPARE(int(m_session->currentProfile()), int(kProfile));
    QCOMPARE(int(m_store->currentProfile()), int(kProfile));
    QCOMPARE(int(m_device->sent.back().profile), int(kProfile));
    QVERIFY(m_store->profile(kProfile) == before);
    QVERIFY(m_store->profile(3) == third);
}

void TestHostSession::appliedState_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("undoSteps");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<int>("changeSignals");

    const Step change = modeRecord(Mode::Static, Qt::red);
    QTest::newRow("applyAfterChange") << Steps{change, kApply} << 0 << true << 2;
    QTest::newRow("sameRecordAfterApply") << Steps{change, kApply, change} << 0 << true << 2;
    QTest::newRow("rejectedRequest")
        << Steps{{Request::ModeParam, QByteArray("not a packet")}} << 0 << true << 0;
    QTest::newRow("undoAfterApply") << Steps{change, kApply} << 1 << false << 3;
    QTest::newRow("resetNeedsApply") << Steps{change, kApply, kReset} << 0 << false << 3;
}

void TestHostSession::appliedState()
{
    QFETCH(Steps, steps);
    QFETCH(int, undoSteps);
    QFETCH(bool, applied);
    QFETCH(int, changeSignals);
    QSignalSpy spy(m_session.get(), &HostSession::sigAppliedChanged);

    for (const Step& step : steps)
        send(*m_session, step);
    for (int i = 0; i < undoSteps; ++i)
        m_session->undoStack()->undo();

    QCOMPARE(m_session->isApplied(kProfile), applied);
    QVERIFY(m_session->isApplied(0));
    QCOMPARE(spy.count(), changeSignals);
    if (!spy.isEmpty())
        QCOMPARE(spy.constLast().at(1).toBool(), applied);
}

void TestHostSession::exportThenImportGivesSameProfile()
{
    send(*m_session, keyPainting(100, QColor(12, 34, 56)));
    send(*m_session, {Request::Multizone,
                      Packets::multizone(Packets::subModes(Mode::Stars, 17, Mode::Rain, 17),
                                         vantor_filter())});
    send(*m_session, modeRecord(Mode::Heartbeat, QColor(99, 88, 77)));
    m_store->writeCustomColors(kProfile, Ground::Background,
                               std::vector<custom_color>(kCustomColorSlots,
                                                         custom_color{1, 5, 6, 7, 200}));
    const ProfileData original = m_store->profile(kProfile);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profile.json"));

    QString error;
    QVERIFY2(ProfileTransfer::exportProfile(*m_store, kProfile, path, &error),
             qPrintable(error));
    ProfileData imported;
    QVERIFY2(ProfileTransfer::importProfile(path, imported, &error), qPrintable(error));
    QVERIFY(imported == original);

    // Importing into another profile is one change: sent, not yet applied, undoable.
    m_session->switchProfile(2);
    const ProfileData second = m_store->profile(2);
    m_session->replaceProfile(imported, QStringLiteral("Import"));
    QVERIFY(m_store->profile(2) == original);
    QCOMPARE(m_device->sent.back().packet, expectedResend(original).packet);
    QVERIFY(!m_session->isApplied(2));
    m_session->undoStack()->undo();
    QVERIFY(m_store->profile(2) == second);
}

QTEST_GUILESS_MAIN(TestHostSession)
#include "tst_hostsession.moc"
