#include "host/hostsession.h"
#include "host/hosttestsupport.h"
#include "host/profiletransfer.h"
#include "platform/protocol/vantorpacket.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Step
{
    int code;
    QByteArray packet;
};
using Steps = QVector<Step>;

// A request as the page hands it over: a pointer valid only for the call.
void send(HostSession& session, const Step& step)
{
    QByteArray scratch = step.packet;
    session.handleRequest(step.code, scratch.isEmpty() ? nullptr : scratch.data());
    scratch.fill('\0'); // the host must have copied what it keeps
}

Step modeChange(int mode)
{
    return {Request::ModeParam, Packets::modeParam(Packets::light(mode, 255, 255, 255))};
}

Step colourChange(int mode, uchar red, uchar green, uchar blue)
{
    return {Request::ModeParam, Packets::modeParam(Packets::light(mode, red, green, blue))};
}

Step keyPainting(int led, uchar red, uchar green, uchar blue)
{
    return {Request::CustomLed, Packets::customLed(Packets::paintedKey(led, red, green, blue))};
}

const Step kApply{Request::Apply, QByteArray()};

// The request that puts a profile's active mode on the keyboard.
QByteArray expectedResend(const ProfileData& data, int& code)
{
    switch (data.activeMode) {
    case Mode::Custom:
        code = Request::CustomLed;
        return Packets::customLed(data.custom);
    case Mode::Multilayer:
        code = Request::Multilayer;
        return Packets::multilayer({data.layers.begin(), data.layers.end()});
    case Mode::Multizone:
        code = Request::Multizone;
        return Packets::multizone({data.zones.begin(), data.zones.end()}, data.filter);
    default:
        code = Request::ModeParam;
        return Packets::modeParam(data.modeLights[data.activeMode]);
    }
}
} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Steps)

class TestHostSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void undoRedoRestoresEachStep_data();
    void undoRedoRestoresEachStep();
    void repeatedRequestIsOneStep();
    void undoOfAnotherProfileBringsItBack();
    void resetRestoresFactoryProfileAndReloads();
    void appliedState_data();
    void appliedState();
    void appliedStateIsPerProfile();
    void everyRequestReachesTheDevice();
    void forgedSizeIsNotFollowed_data();
    void forgedSizeIsNotFollowed();
    void rejectedRequestIsReported();
    void switchProfile();
    void exportThenImportGivesSameProfile();
    void importIsOneUndoableChange();
    void importRefusesBadFile_data();
    void importRefusesBadFile();

private:
    std::unique_ptr<ProfileStore> m_store;
    std::unique_ptr<RecordingTransport> m_device;
    std::unique_ptr<HostSession> m_session;
};

void TestHostSession::init()
{
    m_store = std::make_unique<ProfileStore>();
    m_device = std::make_unique<RecordingTransport>();
    m_session = std::make_unique<HostSession>(*m_store, *m_device);
    m_session->switchProfile(1);
}

void TestHostSession::cleanup()
{
    m_session.reset();
    m_device.reset();
    m_store.reset();
}

void TestHostSession::undoRedoRestoresEachStep_data()
{
    QTest::addColumn<Steps>("steps");

    QTest::newRow("modeColourKeys")
        << Steps{modeChange(Mode::Breathing), colourChange(Mode::Breathing, 255, 0, 0),
                 keyPainting(17, 0, 0, 255)};
    QTest::newRow("keysThenBackToOrdinary")
        << Steps{keyPainting(0, 10, 20, 30), keyPainting(181, 40, 50, 60),
                 colourChange(Mode::Static, 0, 255, 0)};
    QTest::newRow("layersThenZones")
        << Steps{{Request::Multilayer,
                  Packets::multilayer(Packets::subModes(Mode::Stars, 17, 17, Mode::Rain))},
                 {Request::Multizone,
                  Packets::multizone(Packets::subModes(Mode::Static, Mode::Ripple, 17, 17),
                                     vantor_filter())}};
    QTest::newRow("resetIsUndoable")
        << Steps{colourChange(Mode::Heartbeat, 1, 2, 3), {Request::Reset, Packets::reset()}};
}

void TestHostSession::undoRedoRestoresEachStep()
{
    QFETCH(Steps, steps);
    const uchar profile = m_session->currentProfile();
    QSignalSpy reloads(m_session.get(), &HostSession::sigReloadRequested);

    std::vector<ProfileData> states{m_store->profile(profile)};
    for (const Step& step : steps) {
        send(*m_session, step);
        states.push_back(m_store->profile(profile));
        QVERIFY(states.back() != states[states.size() - 2]);
    }
    QUndoStack* undo = m_session->undoStack();
    QCOMPARE(undo->count(), steps.size());

    for (int i = steps.size() - 1; i >= 0; --i) {
        const std::size_t sentBefore = m_device->sent.size();
        const int reloadsBefore = reloads.count();
        undo->undo();
        const ProfileData& expected = states[std::size_t(i)];
        QVERIFY2(m_store->profile(profile) == expected, qPrintable(QString::number(i)));
        // The keyboard is told the restored lighting, and the page shows it again.
        QCOMPARE(m_device->sent.size(), sentBefore + 1);
        int code = 0;
        const QByteArray packet = expectedResend(expected, code);
        QCOMPARE(m_device->sent.back().code, code);
        QCOMPARE(m_device->sent.back().packet, packet);
        QCOMPARE(reloads.count(), reloadsBefore + 1);
        QCOMPARE(reloads.constLast().at(0).value<uchar>(), profile);
    }
    QVERIFY(!undo->canUndo());

    for (int i = 1; i <= steps.size(); ++i) {
        undo->redo();
        QVERIFY2(m_store->profile(profile) == states[std::size_t(i)],
                 qPrintable(QString::number(i)));
        int code = 0;
        QCOMPARE(m_device->sent.back().packet, expectedResend(states[std::size_t(i)], code));
    }
    QVERIFY(!undo->canRedo());
}

void TestHostSession::repeatedRequestIsOneStep()
{
    // Dragging a slider sends the same record again and again; undo must not have to
    // step through copies that changed nothing.
    const Step step = colourChange(Mode::Stars, 9, 9, 9);
    send(*m_session, step);
    send(*m_session, step);
    send(*m_session, step);
    QCOMPARE(m_session->undoStack()->count(), 1);
    QCOMPARE(m_device->sent.size(), std::size_t(3));
}

void TestHostSession::undoOfAnotherProfileBringsItBack()
{
    const ProfileData before = m_store->profile(1);
    send(*m_session, colourChange(Mode::Ripple, 7, 7, 7));
    m_session->switchProfile(3);
    const ProfileData third = m_store->profile(3);

    m_session->undoStack()->undo();

    QCOMPARE(int(m_session->currentProfile()), 1);
    QCOMPARE(int(m_store->currentProfile()), 1);
    QCOMPARE(int(m_device->selected), 1);
    QCOMPARE(int(m_device->sent.back().profile), 1);
    QVERIFY(m_store->profile(1) == before);
    QVERIFY(m_store->profile(3) == third);
}

void TestHostSession::resetRestoresFactoryProfileAndReloads()
{
    send(*m_session, keyPainting(30, 1, 2, 3));
    send(*m_session, colourChange(Mode::Fireball, 200, 100, 0));
    QVERIFY(m_store->profile(1) != ProfileData::factoryDefaults());
    QSignalSpy reloads(m_session.get(), &HostSession::sigReloadRequested);

    send(*m_session, {Request::Reset, Packets::reset()});

    QVERIFY(m_store->profile(1) == ProfileData::factoryDefaults());
    QCOMPARE(reloads.count(), 1);
    QCOMPARE(reloads.at(0).at(0).value<uchar>(), uchar(1));
    QCOMPARE(m_device->sent.back().code, int(Request::Reset));
}

void TestHostSession::appliedState_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("undoSteps");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<int>("changeSignals");

    const Step change = colourChange(Mode::Static, 255, 0, 0);
    const Step bad{Request::ModeParam, QByteArray("not a packet")};
    QTest::newRow("startsApplied") << Steps{} << 0 << true << 0;
    QTest::newRow("changeNeedsApply") << Steps{change} << 0 << false << 1;
    QTest::newRow("applyAfterChange") << Steps{change, kApply} << 0 << true << 2;
    QTest::newRow("applyWithoutChange") << Steps{kApply} << 0 << true << 0;
    QTest::newRow("changeAfterApply")
        << Steps{change, kApply, keyPainting(1, 1, 1, 1)} << 0 << false << 3;
    QTest::newRow("sameRecordAfterApply") << Steps{change, kApply, change} << 0 << true << 2;
    QTest::newRow("rejectedRequest") << Steps{bad} << 0 << true << 0;
    QTest::newRow("undoAfterApply") << Steps{change, kApply} << 1 << false << 3;
    QTest::newRow("resetNeedsApply")
        << Steps{change, kApply, {Request::Reset, Packets::reset()}} << 0 << false << 3;
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

    QCOMPARE(m_session->isApplied(1), applied);
    QCOMPARE(spy.count(), changeSignals);
    if (!spy.isEmpty())
        QCOMPARE(spy.constLast().at(1).toBool(), applied);
}

void TestHostSession::appliedStateIsPerProfile()
{
    send(*m_session, colourChange(Mode::Static, 1, 1, 1));
    m_session->switchProfile(4);
    send(*m_session, colourChange(Mode::Static, 2, 2, 2));
    send(*m_session, kApply);

    QVERIFY(!m_session->isApplied(1));
    QVERIFY(m_session->isApplied(4));
    QVERIFY(m_session->isApplied(0));
}

void TestHostSession::everyRequestReachesTheDevice()
{
    const Step snowing = modeChange(Mode::Snowing);
    const Step keys = keyPainting(3, 3, 3, 3);
    const Step reset{Request::Reset, Packets::reset()};
    const Steps steps{snowing, {Request::ModeParam, QByteArray("garbage!")}, kApply, keys, reset};
    // Bytes that do not start with a packet header cannot be sized and are not copied.
    const QVector<QByteArray> forwarded{snowing.packet, QByteArray(), QByteArray(), keys.packet,
                                        reset.packet};
    for (const Step& step : steps)
        send(*m_session, step);

    QCOMPARE(m_device->sent.size(), std::size_t(steps.size()));
    for (int i = 0; i < steps.size(); ++i) {
        QCOMPARE(m_device->sent[std::size_t(i)].code, steps[i].code);
        QCOMPARE(m_device->sent[std::size_t(i)].packet, forwarded[i]);
        QCOMPARE(int(m_device->sent[std::size_t(i)].profile), 1);
    }
}

void TestHostSession::forgedSizeIsNotFollowed_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");

    // Regression: the host trusted the header's length and read far past a short buffer.
    QByteArray huge = Packets::modeParam(Packets::light(Mode::Static, 1, 2, 3));
    const int lengthOffset = int(VantorPacket::headerSize()) - 2;
    huge[lengthOffset] = char(0xff);
    huge[lengthOffset + 1] = char(0xff);
    QTest::newRow("lengthBeyondBuffer") << int(Request::ModeParam) << huge;
    // A good packet of another request is copied only as far as its header.
    QTest::newRow("packetOfLongerRequest")
        << int(Request::ModeParam) << Packets::customLed(Packets::paintedKey(1, 2, 3, 4));
    QTest::newRow("packetWithApply") << int(Request::Apply) << Packets::reset();
}

void TestHostSession::forgedSizeIsNotFollowed()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);
    const ProfileData before = m_store->profile(1);

    send(*m_session, {code, packet});

    QCOMPARE(m_device->sent.size(), std::size_t(1));
    QCOMPARE(m_device->sent[0].packet, packet.left(int(VantorPacket::headerSize())));
    QVERIFY(m_store->profile(1) == before);
}

void TestHostSession::rejectedRequestIsReported()
{
    QByteArray packet = Packets::modeParam(Packets::light(Mode::Static, 1, 2, 3));
    packet[int(VantorPacket::headerSize())] = char(0x55); // payload no longer matches its CRC
    QSignalSpy rejected(m_session.get(), &HostSession::sigRequestRejected);
    const ProfileData before = m_store->profile(1);

    send(*m_session, {Request::ModeParam, packet});

    QCOMPARE(rejected.count(), 1);
    QCOMPARE(rejected.at(0).at(0).toInt(), int(Request::ModeParam));
    QVERIFY(!rejected.at(0).at(1).toString().isEmpty());
    QVERIFY(m_store->profile(1) == before);
    QCOMPARE(m_session->undoStack()->count(), 0);
}

void TestHostSession::switchProfile()
{
    QSignalSpy reloads(m_session.get(), &HostSession::sigReloadRequested);
    QSignalSpy switched(m_session.get(), &HostSession::sigProfileSwitched);

    m_session->switchProfile(4);

    QCOMPARE(int(m_session->currentProfile()), 4);
    QCOMPARE(int(m_store->currentProfile()), 4);
    QCOMPARE(int(m_device->selected), 4);
    QCOMPARE(reloads.count(), 1);
    QCOMPARE(reloads.at(0).at(0).value<uchar>(), uchar(4));
    QCOMPARE(switched.count(), 1);
    // Switching changes nothing that undo would have to take back.
    QCOMPARE(m_session->undoStack()->count(), 0);
}

void TestHostSession::exportThenImportGivesSameProfile()
{
    send(*m_session, keyPainting(100, 12, 34, 56));
    send(*m_session, {Request::Multizone,
                      Packets::multizone(Packets::subModes(Mode::Stars, 17, Mode::Rain, 17),
                                         vantor_filter())});
    send(*m_session, colourChange(Mode::Heartbeat, 99, 88, 77));
    m_store->writeCustomColors(1, Ground::Background,
                               std::vector<custom_color>(kCustomColorSlots,
                                                         custom_color{1, 5, 6, 7, 200}));
    const ProfileData original = m_store->profile(1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profile.json"));

    QString error;
    QVERIFY2(ProfileTransfer::exportProfile(*m_store, 1, path, &error), qPrintable(error));
    ProfileData imported;
    QVERIFY2(ProfileTransfer::importProfile(path, imported, &error), qPrintable(error));
    QVERIFY(imported == original);

    m_session->switchProfile(2);
    m_session->replaceProfile(imported, QStringLiteral("Import"));
    QVERIFY(m_store->profile(2) == original);
}

void TestHostSession::importIsOneUndoableChange()
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = Mode::Custom;
    data.custom = Packets::paintedKey(44, 1, 2, 3);
    const ProfileData before = m_store->profile(1);

    m_session->replaceProfile(data, QStringLiteral("Import"));
    QVERIFY(m_store->profile(1) == data);
    QCOMPARE(m_device->sent.back().code, int(Request::CustomLed));
    QCOMPARE(m_device->sent.back().packet, Packets::customLed(data.custom));
    QVERIFY(!m_session->isApplied(1));

    m_session->undoStack()->undo();
    QVERIFY(m_store->profile(1) == before);
}

void TestHostSession::importRefusesBadFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("createFile");

    QTest::newRow("missingFile") << QByteArray() << false;
    QTest::newRow("emptyFile") << QByteArray() << true;
    QTest::newRow("notJson") << QByteArray("activeMode = 3") << true;
    QTest::newRow("array") << QByteArray("[1, 2, 3]") << true;
    QTest::newRow("emptyObject") << QByteArray("{}") << true;
}

void TestHostSession::importRefusesBadFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, createFile);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profile.json"));
    if (createFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    ProfileData out;
    out.activeMode = Mode::GameSnake;
    QString error;
    QVERIFY(!ProfileTransfer::importProfile(path, out, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!error.contains(QLatin1Char('\n')));
    QCOMPARE(int(out.activeMode), int(Mode::GameSnake));
}

QTEST_GUILESS_MAIN(TestHostSession)
#include "tst_hostsession.moc"
