// SPDX-License-Identifier: MIT
// The OpenRGB keyboard in the window, as a person uses it: connect from the Device menu,
// see the device named in the status bar, change the page and see the server's LEDs follow,
// find the choice remembered, and read a failing server's sentence once in the log.

#include "fakesdkserver.h"
#include "quicktiming.h"

#include "device/packets.h"
#include "host/app/hostassembly.h"
#include "host/openrgb/networkkeyboard.h"
#include "host/openrgb/networkkeyboardsetup.h"
#include "host/openrgb/settingsfile.h"
#include "host/requestlog/requestlogmodel.h"
#include "host/window/hostwindow.h"
#include "host/window/networkdeviceindicator.h"
#include "host/window/networkdevicemenu.h"
#include "keylight/keylightwid.h"
#include "support/filehelpers.h"
#include "support/scratchstore.h"

#include <QFile>
#include <QLabel>
#include <QtTest>

using Packets::record;

namespace {
QRgb escapeOnServer(const FakeSdkServer& server)
{
    const SdkController& device = server.controllers()[0];
    for (int i = 0; i < device.leds.size(); ++i) {
        if (device.leds[i].name == QLatin1String("Key: Escape"))
            return device.colors[i];
    }
    return 0;
}

void emitRequest(KeyLightWid* page, int code, QByteArray packet)
{
    emit page->sigSdkRequest(code, packet.isEmpty() ? nullptr : packet.data());
}

// The window as the launcher builds it, with the network keyboard only.
struct Host
{
    explicit Host(ProfileStore& store)
        : assembly(store)
        , setup(keyboard, store.filePath(), true)
        , window(store, assembly.session(), assembly.requestLog())
    {
        keyboard.client().setTiming(quickTiming());
        assembly.addDevice(&keyboard);
        QObject::connect(&setup, &NetworkKeyboardSetup::sigNeedsLighting, [this] {
            assembly.session().bringUpToDate(keyboard);
        });
        window.addNetworkKeyboard(setup);
    }
    NetworkDeviceMenu* menu() { return window.findChild<NetworkDeviceMenu*>(); }
    QString indicator()
    {
        return window.findChild<QLabel*>(QStringLiteral("networkDeviceIndicator"))->text();
    }

    HostAssembly assembly;
    NetworkKeyboard keyboard;
    NetworkKeyboardSetup setup;
    HostWindow window;
};
} // namespace

class TestNetworkDeviceWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_scratch = std::make_unique<ScratchStore>();
        QVERIFY(m_scratch->open());
        m_server = std::make_unique<FakeSdkServer>();
        m_server->setControllers({FakeDevices::keyboard()});
        QVERIFY(m_server->start());
    }
    void cleanup()
    {
        m_server.reset();
        m_scratch.reset();
    }

    void connectFromTheMenuAndFollowThePage();
    void badAddressChangesNothing();
    void failingServerIsOneLineInTheLog();
    void appliedLightingKeptPerDevice();
    void settingsThatAreNoFileAreLeftAlone_data();
    void settingsThatAreNoFileAreLeftAlone();

private:
    std::unique_ptr<ScratchStore> m_scratch;
    std::unique_ptr<FakeSdkServer> m_server;
};

void TestNetworkDeviceWindow::connectFromTheMenuAndFollowThePage()
{
    const QString address = QStringLiteral("127.0.0.1:%1").arg(m_server->port());
    {
        Host host(m_scratch->store);
        host.window.start(0);
        QCOMPARE(host.indicator(), QStringLiteral("OpenRGB: not configured"));
        emitRequest(host.window.page(), Request::ModeParam,
                    Packets::modeParam(record(Mode::Static, Qt::red)));

        QString error;
        QVERIFY(host.menu()->connectTo(address, &error));
        QTRY_COMPARE_WITH_TIMEOUT(escapeOnServer(*m_server), qRgb(255, 0, 0), kWaitMs);
        QCOMPARE(host.indicator(), QStringLiteral("Test Keyboard at %1: connected").arg(address));

        emitRequest(host.window.page(), Request::ModeParam,
                    Packets::modeParam(record(Mode::Static, Qt::blue)));
        QTRY_COMPARE_WITH_TIMEOUT(escapeOnServer(*m_server), qRgb(0, 0, 255), kWaitMs);
    }
    // The next start finds the server again.
    Host again(m_scratch->store);
    const std::optional<NetworkKeyboardSetup::Choice> remembered = again.setup.remembered();
    QVERIFY(remembered);
    QCOMPARE(remembered->server.toString(), address);

    // Disconnecting is remembered too.
    again.setup.use(*remembered, true);
    again.setup.stop();
    QVERIFY(!again.setup.remembered());
    QCOMPARE(again.indicator(), QStringLiteral("OpenRGB: not configured"));
}

void TestNetworkDeviceWindow::badAddressChangesNothing()
{
    Host host(m_scratch->store);
    QString error;
    QVERIFY(!host.menu()->connectTo(QStringLiteral("host:99999"), &error));
    QVERIFY(error.contains(QStringLiteral("65535")));
    QVERIFY(!host.setup.current());
    QVERIFY(!host.setup.remembered());
    QCOMPARE(host.keyboard.client().state(), SdkClient::State::NotConfigured);
}

void TestNetworkDeviceWindow::failingServerIsOneLineInTheLog()
{
    m_server->setFault(FakeSdkServer::Fault::WrongMagic);
    Host host(m_scratch->store);
    host.window.start(0);
    RequestLogModel& log = host.assembly.requestLog();
    const int before = log.rowCount();
    QSignalSpy problems(&host.keyboard.client(), &SdkClient::problem);
    host.setup.use({*SdkAddress::parse(QStringLiteral(":%1").arg(m_server->port())), {}}, false);
    // Many retries, each failing alike.
    QTRY_VERIFY_WITH_TIMEOUT(problems.count() >= 3, kWaitMs);
    QCOMPARE(log.rowCount(), before + 1);
    const QString logged =
        log.data(log.index(before, RequestLogModel::Decoded)).toString();
    QCOMPARE(logged, problems.first().first().toString());
    QVERIFY(host.indicator().contains(QStringLiteral("retrying in")));
    // The window stays in charge: the server mends and the keyboard is lit.
    m_server->setFault(FakeSdkServer::Fault::None);
    QTRY_VERIFY_WITH_TIMEOUT(host.indicator().endsWith(QStringLiteral("connected")), kWaitMs);
}

void TestNetworkDeviceWindow::appliedLightingKeptPerDevice()
{
    const NetworkKeyboardSetup::Choice choice{
        *SdkAddress::parse(QStringLiteral(":%1").arg(m_server->port())), {}};
    const QString memory = NetworkKeyboardSetup::memoryPath(m_scratch->store.filePath(), choice);
    {
        Host host(m_scratch->store);
        host.window.start(0);
        host.setup.use(choice, false);
        emitRequest(host.window.page(), Request::ModeParam,
                    Packets::modeParam(record(Mode::Static, Qt::green)));
        emitRequest(host.window.page(), Request::Apply, QByteArray());
        QVERIFY(QFile::exists(memory));
    }
    // Another server's device keeps a memory of its own.
    NetworkKeyboardSetup::Choice other = choice;
    other.server.port = quint16(choice.server.port + 1);
    QVERIFY(NetworkKeyboardSetup::memoryPath(m_scratch->store.filePath(), other) != memory);

    Host host(m_scratch->store);
    host.setup.use(choice, false);
    const std::optional<LightingState> kept = host.keyboard.model().onboardProfile(0);
    QVERIFY(kept);
    QCOMPARE(kept->light.fg_g, uchar(255));
    QCOMPARE(kept->light.fg_r, uchar(0));
}

void TestNetworkDeviceWindow::settingsThatAreNoFileAreLeftAlone_data()
{
    QTest::addColumn<bool>("fifo"); // else a link to a file elsewhere
    QTest::newRow("FIFO") << true;
    QTest::newRow("link") << false;
}

void TestNetworkDeviceWindow::settingsThatAreNoFileAreLeftAlone()
{
    // Reading a FIFO would wait for ever; writing through a link would change another file.
    QFETCH(bool, fifo);
    const QString settings = SettingsFile::pathBeside(m_scratch->store.filePath());
    const QString elsewhere = m_scratch->folder.filePath(QStringLiteral("elsewhere.ini"));
    const QByteArray before("[openrgb]\nserver=10.0.0.9:6742\n");
    if (fifo) {
        QVERIFY(FileHelpers::makeFifo(settings));
    } else {
        QVERIFY(FileHelpers::writeAll(elsewhere, before) && QFile::link(elsewhere, settings));
    }
    Host host(m_scratch->store);
    QVERIFY(!host.setup.remembered());
    QSignalSpy problems(&host.setup, &NetworkKeyboardSetup::sigProblem);
    host.setup.use({*SdkAddress::parse(QStringLiteral(":%1").arg(m_server->port())), {}}, true);
    QCOMPARE(problems.count(), 1);
    QVERIFY2(problems.first().first().toString().contains(settings),
             qPrintable(problems.first().first().toString()));
    QCOMPARE(QFileInfo(settings).isSymLink(), !fifo);
    if (!fifo)
        QCOMPARE(FileHelpers::readAll(elsewhere), before);
}

QTEST_MAIN(TestNetworkDeviceWindow)
#include "tst_networkdevicewindow.moc"
