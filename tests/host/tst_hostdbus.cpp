// SPDX-License-Identifier: MIT
// KeyLight on a private session bus, driven as a script drives it: every call goes over the
// bus from a connection of its own, and what the keyboard shows is read off its frames. A
// second launch of the built host hands its request to the KeyLight that runs.

#include "host/app/hostassembly.h"
#include "host/desktop/keylightbus.h"
#include "host/device/virtualkeyboard.h"
#include "host/session/profilenames.h"
#include "device/packets.h"
#include "platform/profilestore/profilestore.h"
#include "support/hostprocess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {
// Bounds for a host that never comes up or never answers, not speed targets.
constexpr int kAnswerMs = 30000;
constexpr int kStartMs = 60000;

LedFrame frameOf(const VirtualKeyboard& keyboard)
{
    LedFrame frame;
    keyboard.frameAt(0, frame);
    return frame;
}

bool allBlack(const LedFrame& frame)
{
    return std::all_of(frame.begin(), frame.end(), [](QRgb colour) {
        return qRed(colour) + qGreen(colour) + qBlue(colour) == 0;
    });
}

// Profile 3 shows STATIC in a colour of its own, so its frame tells it from the others.
ProfileData staticIn(const QColor& colour)
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = Mode::Static;
    data.modeLights[Mode::Static] = Packets::record(Mode::Static, colour);
    return data;
}
} // namespace

// Takes the signals a script would listen to, on the caller's connection.
class BusListener : public QObject
{
    Q_OBJECT

public:
    QList<uint> profiles;
    QList<bool> lights;

public slots:
    void profileChanged(uint profile) { profiles << profile; }
    void lightsChanged(bool on) { lights << on; }
};

class TestHostDBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(),
                 "run under dbus-run-session: the suite needs a private session bus");
        QVERIFY(m_dir.isValid());
        HostProcess::isolateChildren(m_dir.path());
    }

    void init()
    {
        m_showWindowCalls = 0;
        m_store = std::make_unique<ProfileStore>();
        const QString folder = m_dir.filePath(QStringLiteral("in-process"));
        QDir().mkpath(folder);
        m_storeFile = ProfileStore::fileNameInFolder(folder);
        QVERIFY(m_store->open(m_storeFile).message.isEmpty());
        m_store->setProfile(2, staticIn(QColor(0, 200, 40)));
        m_keyboard = std::make_unique<VirtualKeyboard>();
        m_host = std::make_unique<HostAssembly>(*m_store, m_keyboard.get());
        m_host->session().switchProfile(0);
        m_bus = std::make_unique<KeyLightBus>(
            m_host->session(), m_storeFile, [this] { return ProfileNames::all(*m_store); },
            [this] { ++m_showWindowCalls; });
        QDBusConnection service = QDBusConnection::sessionBus();
        QVERIFY(service.registerService(KeyLightBus::kService));
        QVERIFY(m_bus->registerOn(service));
    }

    void cleanup()
    {
        QDBusConnection service = QDBusConnection::sessionBus();
        service.unregisterObject(KeyLightBus::kPath);
        service.unregisterService(KeyLightBus::kService);
        m_bus.reset();
        m_host.reset();
        m_keyboard.reset();
        m_store.reset();
    }

    void profileAndSignalOverTheBus()
    {
        BusListener listener;
        QVERIFY(listen("ProfileChanged", listener, SLOT(profileChanged(uint))));
        QVERIFY(call("SetProfile", {uint(3)}).type() == QDBusMessage::ReplyMessage);
        QCOMPARE(int(m_host->session().currentProfile()), 2);
        QCOMPARE(call("Profile").arguments().value(0).toUInt(), 3u);
        QTRY_COMPARE_WITH_TIMEOUT(listener.profiles, QList<uint>{3}, kAnswerMs);
        // The keyboard shows profile 3's own colour.
        const LedFrame frame = frameOf(*m_keyboard);
        QVERIFY(std::count(frame.begin(), frame.end(), qRgb(0, 200, 40)) > kLedCount / 2);
    }

    void refusedRequestsChangeNothing_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::newRow("profile 0") << "SetProfile" << QVariantList{uint(0)};
        QTest::newRow("profile 6") << "SetProfile" << QVariantList{uint(6)};
        QTest::newRow("unknown effect") << "SetEffect" << QVariantList{QStringLiteral("disco")};
        QTest::newRow("empty effect") << "SetEffect" << QVariantList{QString()};
        QTest::newRow("rename profile 6") << "RenameProfile"
                                          << QVariantList{uint(6), QStringLiteral("Six")};
        QTest::newRow("name with a line break")
            << "RenameProfile" << QVariantList{uint(1), QStringLiteral("two\nlines")};
        QTest::newRow("name too long") << "RenameProfile"
                                       << QVariantList{uint(1), QString(41, 'x')};
    }

    void refusedRequestsChangeNothing()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        const ProfileData before = m_store->profile(0);
        const QDBusMessage reply = call(method.toLatin1(), arguments);
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        QVERIFY(!reply.errorMessage().isEmpty());
        QCOMPARE(int(m_host->session().currentProfile()), 0);
        QVERIFY(m_store->profile(0) == before);
    }

    void effectByItsShownName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::newRow("lower case") << "breathing" << int(Mode::Breathing);
        QTest::newRow("as shown") << "RAINBOW WAVE" << int(Mode::RainbowWave);
        QTest::newRow("spaces around and between") << "  Color   Cycle " << int(Mode::ColorCycle);
        QTest::newRow("per key") << "custom" << int(Mode::Custom);
        QTest::newRow("layers") << "MultiLayer" << int(Mode::Multilayer);
    }

    void effectByItsShownName()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QVERIFY(call("SetEffect", {name}).type() == QDBusMessage::ReplyMessage);
        QCOMPARE(int(m_store->currentMode(0)), mode);
        QCOMPARE(int(m_keyboard->state().lighting().mode), mode);
        QCOMPARE(call("Effect").arguments().value(0).toString(),
                 QLatin1String(ModeCatalogue::info(mode).name));
        // One step to undo, as a click on the page would be.
        m_host->session().undoStack()->undo();
        QCOMPARE(int(m_store->currentMode(0)), int(ProfileData::factoryDefaults().activeMode));
    }

    void lightsOffAndBackExactly()
    {
        BusListener listener;
        QVERIFY(listen("LightsChanged", listener, SLOT(lightsChanged(bool))));
        QVERIFY(call("SetProfile", {uint(3)}).type() == QDBusMessage::ReplyMessage);
        const LedFrame lit = frameOf(*m_keyboard);
        QVERIFY(!allBlack(lit));
        const ProfileData stored = m_store->profile(2);

        QVERIFY(call("SetLightsOn", {false}).type() == QDBusMessage::ReplyMessage);
        QCOMPARE(call("LightsOn").arguments().value(0).toBool(), false);
        QVERIFY(allBlack(frameOf(*m_keyboard)));
        QVERIFY(!m_keyboard->changesAfter(0)); // nothing to draw while dark
        // A change while dark goes into the profile but stays dark.
        QVERIFY(call("SetEffect", {QStringLiteral("breathing")}).type()
                == QDBusMessage::ReplyMessage);
        QVERIFY(allBlack(frameOf(*m_keyboard)));
        m_host->session().undoStack()->undo();
        QVERIFY(m_store->profile(2) == stored);

        QVERIFY(call("SetLightsOn", {true}).type() == QDBusMessage::ReplyMessage);
        QVERIFY(frameOf(*m_keyboard) == lit);
        QTRY_COMPARE_WITH_TIMEOUT(listener.lights, (QList<bool>{false, true}), kAnswerMs);
    }

    void applyAndNames()
    {
        QVERIFY(call("SetEffect", {QStringLiteral("stars")}).type()
                == QDBusMessage::ReplyMessage);
        QVERIFY(!m_host->session().isApplied(0));
        QVERIFY(call("Apply").type() == QDBusMessage::ReplyMessage);
        QVERIFY(m_host->session().isApplied(0));
        QVERIFY(m_keyboard->onboardProfile(0).has_value());

        const QStringList names = call("ProfileNames").arguments().value(0).toStringList();
        QCOMPARE(names, (QStringList{"Profile 1", "Profile 2", "Profile 3", "Profile 4",
                                     "Profile 5"}));

        // Renamed from a script as in the window: one step to undo, back to the default name.
        QCOMPARE(call("RenameProfile", {uint(2), QStringLiteral(" Work ")}).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(call("ProfileNames").arguments().value(0).toStringList().value(1),
                 QStringLiteral("Work"));
        QCOMPARE(call("RenameProfile", {uint(2), QString()}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_store->profile(1).name, QString());
        m_host->session().undoStack()->undo();
        QCOMPARE(m_store->profile(1).name, QStringLiteral("Work"));
    }

    // A second keylight-host for the same profile file hands its profile over and ends.
    void secondLaunchHandsOver_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("windowCalls");
        QTest::addColumn<QString>("said");
        QTest::newRow("profile") << QStringList{"--profile", "2"} << 1 << 0
                                 << "KeyLight runs already; it shows profile 2 now.";
        QTest::newRow("nothing else") << QStringList{} << 0 << 1
                                      << "KeyLight runs already; its window is brought up.";
        QTest::newRow("minimized") << QStringList{"--minimized"} << 0 << 0
                                   << "KeyLight runs already.";
    }

    void secondLaunchHandsOver()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, profile);
        QFETCH(int, windowCalls);
        QFETCH(QString, said);
        QProcess second;
        second.start(QStringLiteral(KEYLIGHT_HOST_BINARY),
                     QStringList{"--store", QFileInfo(m_storeFile).path()} + arguments);
        // The answer comes from this process's event loop, so it must keep running.
        QTRY_VERIFY2_WITH_TIMEOUT(second.state() == QProcess::NotRunning,
                                  qPrintable(second.readAllStandardError()), kStartMs);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(second.readAllStandardOutput()).trimmed(), said);
        QCOMPARE(int(m_host->session().currentProfile()), profile);
        QCOMPARE(m_showWindowCalls, windowCalls);
        // It took nothing of the store: the running host still holds the lock.
        QVERIFY(QFileInfo::exists(ProfileStore::lockPath(m_storeFile)));
    }

    // The built host as both launches: the first one answers on the bus. It keeps a store
    // that the host before profile names wrote.
    void realHostAnswersSecondLaunch()
    {
        cleanup(); // this suite's own object gives the name back
        const QString folder = m_dir.filePath(QStringLiteral("real"));
        const QString file = ProfileStore::fileNameInFolder(folder);
        const QString older = QStringLiteral(KEYLIGHT_SOURCE_DIR
                                             "/tests/store/files/valid-file-format2-written.json");
        QVERIFY(QDir().mkpath(folder) && QFile::copy(older, file));
        ProfileStore asWritten;
        QVERIFY(asWritten.open(older, ProfileStore::Access::ReadOnly).message.isEmpty());
        QProcess first;
        first.start(QStringLiteral(KEYLIGHT_HOST_BINARY), {"--store", folder});
        QDBusConnectionInterface* names = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY_WITH_TIMEOUT(names->isServiceRegistered(KeyLightBus::kService), kStartMs);
        QTRY_VERIFY_WITH_TIMEOUT(call("Profile").type() == QDBusMessage::ReplyMessage,
                                 kStartMs);

        QCOMPARE(call("ProfileNames").arguments().value(0).toStringList(),
                 (QStringList{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));

        const HostProcess::Run second =
            HostProcess::runHost({"--store", folder, "--profile", "4"});
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(call("Profile").arguments().value(0).toUInt(), 4u);
        QCOMPARE(call("SetEffect", {QStringLiteral("ripple")}).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(call("Effect").arguments().value(0).toString(), QStringLiteral("RIPPLE"));
        QCOMPARE(call("SetLightsOn", {false}).type(), QDBusMessage::ReplyMessage);

        first.terminate();
        QVERIFY(first.waitForFinished(kAnswerMs));
        QCOMPARE(first.exitCode(), 0);
        // Dark it was left, and dark it starts again.
        QProcess again;
        again.start(QStringLiteral(KEYLIGHT_HOST_BINARY), {"--store", folder});
        QTRY_VERIFY_WITH_TIMEOUT(call("LightsOn").type() == QDBusMessage::ReplyMessage,
                                 kStartMs);
        QCOMPARE(call("LightsOn").arguments().value(0).toBool(), false);
        again.terminate();
        QVERIFY(again.waitForFinished(kAnswerMs));
        // What the script did is in the file.
        ProfileStore reread;
        QVERIFY(reread.open(ProfileStore::fileNameInFolder(folder),
                            ProfileStore::Access::ReadOnly)
                    .message.isEmpty());
        QCOMPARE(int(reread.currentProfile()), 3);
        QCOMPARE(int(reread.currentMode(3)), int(Mode::Ripple));
        // Every other profile as the older host left it, and its file kept as it was.
        for (uchar profile = 0; profile < kProfileCount; ++profile) {
            if (profile != 3)
                QVERIFY(reread.profile(profile) == asWritten.profile(profile));
        }
        QFile copy(ProfileStore::olderFormatCopyPath(file, 2));
        QFile original(older);
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original.readAll());
        init(); // cleanup() runs after this test too
    }

private:
    // A connection of its own, as a script's: calls and signals really cross the bus.
    static QDBusConnection caller()
    {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                             QStringLiteral("script"));
    }

    static bool listen(const char* signal, BusListener& listener, const char* slot)
    {
        return caller().connect(KeyLightBus::kService, KeyLightBus::kPath,
                                KeyLightBus::kInterface, QLatin1String(signal), &listener, slot);
    }

    // The service answers in this thread, so the reply is awaited with events running.
    QDBusMessage call(const char* method, const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            KeyLightBus::kService, KeyLightBus::kPath, KeyLightBus::kInterface,
            QLatin1String(method));
        message.setArguments(arguments);
        QDBusPendingCall pending = caller().asyncCall(message, kAnswerMs);
        QElapsedTimer waited;
        waited.start();
        while (!pending.isFinished() && waited.elapsed() < kAnswerMs)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return pending.reply();
    }

    QTemporaryDir m_dir;
    QString m_storeFile;
    std::unique_ptr<ProfileStore> m_store;
    std::unique_ptr<VirtualKeyboard> m_keyboard;
    std::unique_ptr<HostAssembly> m_host;
    std::unique_ptr<KeyLightBus> m_bus;
    int m_showWindowCalls = 0;
};

QTEST_MAIN(TestHostDBus)
#include "tst_hostdbus.moc"
