// SPDX-License-Identifier: MIT
#include "host/app/hostlauncher.h"

#include "host/session/profilecount.h"
#include "host/device/onboardmemoryfile.h"
#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardpanel.h"
#include "host/app/hostassembly.h"
#include "host/app/windowkeeper.h"
#include "host/desktop/desktopsettings.h"
#include "host/desktop/keylightbus.h"
#include "host/desktop/singleinstance.h"
#include "host/desktop/trayicon.h"
#include "host/session/profilenames.h"
#include "host/store/quitguard.h"
#include "host/app/hostcommandline.h"
#include "host/session/hostsession.h"
#include "host/app/hosttranslation.h"
#include "host/app/quitsignals.h"
#include "host/window/hostwindow.h"
#include "host/session/onboardcheck.h"
#include "host/device/onboardmemorykeeper.h"
#include "host/store/ownfiles.h"
#include "host/store/profiletransfer.h"
#include "host/openrgb/networkkeyboard.h"
#include "host/openrgb/networkkeyboardsetup.h"
#include "host/openrgb/sleepwatcher.h"
#include "host/sdkserver/remotelighting.h"
#include "host/sdkserver/sdkserversetup.h"
#include "host/transport/openrgb/sdkserver.h"
#include "platform/profilestore/safefile.h"

#include <QApplication>
#include <QBuffer>
#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QTextStream>

namespace {
const QString kProgram = QStringLiteral("keylight-host");

bool transfers(const HostCommandLine::Options& options)
{
    return options.exportProfile || options.importProfile;
}

// Whether a message box would reach a person: on a platform without a screen nobody could
// close it, and the line on the error stream says it all.
bool someoneCanAnswer()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance())
        && QGuiApplication::platformName() != QLatin1String("offscreen");
}

void tellOnScreen(const QString& message)
{
    if (someoneCanAnswer())
        QMessageBox::warning(nullptr, QObject::tr("KeyLight"), message);
}
// The picture is made in memory first and written like every file of ours, so a full disk
// leaves no empty or half-written picture behind.
QString saveScreenshot(const QPixmap& picture, const QString& storeFilePath,
                       const QString& filePath)
{
    const QString own = OwnFiles::refusalToWrite(storeFilePath, filePath);
    if (!own.isEmpty())
        return own;
    QByteArray png;
    QBuffer buffer(&png);
    QString problem;
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        problem = QObject::tr("the picture could not be made");
    else
        problem = SafeFile::write(filePath, png, SafeFile::Folder::MustExist);
    if (problem.isEmpty())
        return {};
    return QObject::tr("Cannot write the screenshot %1: %2.")
        .arg(QDir::toNativeSeparators(filePath), problem);
}
// The window's way to say --force-unlock: a person who sees the other computer's name can
// tell whether its program is closed. Without a screen the sentence names the option.
bool askToTakeOverLock(const ProfileStore::OpenResult& result)
{
    if (!someoneCanAnswer())
        return false;
    QMessageBox box(QMessageBox::Warning, QObject::tr("KeyLight"), result.message);
    box.setInformativeText(QObject::tr("Take over the lock only when KeyLight on \"%1\" is "
                                       "surely closed: two programs writing at once lose "
                                       "changes.")
                               .arg(result.lockHost));
    QPushButton* takeOver = box.addButton(QObject::tr("Take Over the Lock"),
                                          QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == takeOver;
}
} // namespace

HostLauncher::HostLauncher(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

HostLauncher::~HostLauncher() = default;

bool HostLauncher::needsWindow(const QStringList& arguments)
{
    HostCommandLine commandLine;
    if (!commandLine.parse(arguments))
        return false;
    const HostCommandLine::Options& options = commandLine.options();
    return !options.help && !options.version
        && (!transfers(options) || !options.screenshotPath.isEmpty());
}

int HostLauncher::fail(const QString& message)
{
    m_err << kProgram << ": " << message << Qt::endl;
    return kExitUsage;
}

int HostLauncher::run(const QStringList& arguments)
{
    // Before the command line's own texts are made, so that they come in the language.
    const HostTranslation translation(HostCommandLine::requestedLanguage(arguments));
    HostCommandLine commandLine;
    if (!commandLine.parse(arguments))
        return fail(commandLine.error());
    const HostCommandLine::Options& options = commandLine.options();
    if (options.help) {
        m_out << commandLine.helpText() << Qt::flush;
        return kExitOk;
    }
    if (options.version) {
        m_out << kProgram << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return kExitOk;
    }

    // The file to import is read first: a bad one must leave no store behind.
    ProfileData imported;
    QString error;
    if (options.importProfile
        && !ProfileTransfer::importProfile(options.importPath, imported, &error))
        return fail(error);

    // A window run hands its request to KeyLight already running on this profile file.
    if (!transfers(options) && options.screenshotPath.isEmpty()) {
        m_instance = std::make_unique<SingleInstance>();
        QString said;
        const SingleInstance::Role role = m_instance->claim(
            storeFilePath(commandLine), {options.profile, !options.minimized}, &said);
        if (role == SingleInstance::Role::HandedOver) {
            m_out << said << Qt::endl;
            return kExitOk;
        }
        if (!said.isEmpty())
            m_err << kProgram << ": " << said << Qt::endl;
    }

    // A screenshot alone only looks: the store folder stays byte for byte as it was.
    const bool readOnly = !transfers(options);
    ProfileStore& store = ProfileStore::builtin();
    const auto access = readOnly && !options.screenshotPath.isEmpty()
        ? ProfileStore::Access::ReadOnly
        : ProfileStore::Access::ReadWrite;
    if (!openStore(commandLine, store, access) || !transfer(commandLine, store, imported))
        return kExitUsage;
    if (transfers(options) && options.screenshotPath.isEmpty()) {
        store.close();
        return kExitOk;
    }
    return showWindow(commandLine, store, access == ProfileStore::Access::ReadOnly);
}

int HostLauncher::showWindow(const HostCommandLine& commandLine, ProfileStore& store,
                             bool readOnly)
{
    const HostCommandLine::Options& options = commandLine.options();
    if (!readOnly)
        store.setDeferredSaving(kSaveQuietMs, kSaveLongestMs);

    // First, so that it is the last to go: a signal during the final save is still caught.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::sigQuitRequested, [this](int signal) {
        m_err << kProgram << ": "
              << QObject::tr("Signal %1 received: saving, then quitting.").arg(signal)
              << Qt::endl;
        // Not quit(): that would close the window through its quit guard, and nobody is
        // there to answer a question.
        QCoreApplication::exit(kExitOk);
    });

    VirtualKeyboard keyboard;
    OnboardMemoryKeeper memory(keyboard, OnboardMemoryFile::pathBeside(store.filePath()),
                               !readOnly);
    // Said here as the store's problems are, so a screenshot's user hears of it too.
    if (!memory.problem().isEmpty())
        m_err << kProgram << ": " << memory.problem() << Qt::endl;
    HostAssembly host(store, &keyboard);
    NetworkKeyboard networkKeyboard;
    NetworkKeyboardSetup network(networkKeyboard, store.filePath(), !readOnly);
    host.addDevice(&networkKeyboard);
    // A keyboard may wake from suspend dark, or in its own lighting.
    SleepWatcher sleep;
    QObject::connect(&sleep, &SleepWatcher::sigResumed, &networkKeyboard,
                     &NetworkKeyboard::refresh);
    QObject::connect(&network, &NetworkKeyboardSetup::sigNeedsLighting, &networkKeyboard,
                     [&host, &networkKeyboard] { host.session().bringUpToDate(networkKeyboard); });
    // Clients see the keyboard KeyLight drives: the network one while it is lit.
    RemoteLighting remote(host.session(), store, keyboard, [&networkKeyboard] {
        const int driven = networkKeyboard.controllerIndex();
        return driven < 0 ? QString() : networkKeyboard.client().controllers()[driven].name;
    });
    remote.setUsualSaving(kSaveQuietMs, kSaveLongestMs);
    SdkServer sdkServer(remote);
    QObject::connect(&networkKeyboard, &NetworkKeyboard::sigDeviceChanged, &sdkServer,
                     &SdkServer::announceListUpdate);
    SdkServerSetup serving(sdkServer, store.filePath(), !readOnly);
    if (!readOnly) {
        // Whatever ends the event loop, what is pending reaches the file first, a client's
        // colours included.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&store, &remote] {
            remote.finishStream();
            store.close();
        });
        // A session that ends asks first; the process may be killed right after.
        QObject::connect(
            qApp, &QGuiApplication::commitDataRequest, qApp,
            [&store, &remote](QSessionManager&) {
                remote.finishStream();
                store.flush();
            },
            Qt::DirectConnection);
    }
    HostSession& session = host.session();
    session.setAppliedCheck(OnboardCheck::forKeyboard(keyboard, store));
    DesktopSettings desktop(store.filePath(), !readOnly);
    session.setLightsOn(desktop.lightsOn());
    const uchar current = store.currentProfile();
    session.switchProfile(options.profile.value_or(current < kShownProfileCount ? current : 0));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The window is built whenever it is needed, from the parts above that outlive it.
    WindowKeeper windows([&]() {
        auto window = std::make_unique<HostWindow>(store, session, host.requestLog());
        window->addDeviceView(QObject::tr("Virtual keyboard"),
                              new VirtualKeyboardPanel(&keyboard));
        window->addNetworkKeyboard(network);
        window->addSdkServer(serving);
        window->addAutostartSetting(autostartArguments(commandLine));
        QObject::connect(&memory, &OnboardMemoryKeeper::sigProblem, window.get(),
                         &HostWindow::reportStoreProblem);
        window->showStoreLocation(store.filePath());
        window->fitScreen(options.screenSize.isEmpty() ? screen.size() : options.screenSize);
        // In the middle of the screen, as a window of this size is expected to open.
        window->move(screen.center() - window->rect().center());
        return window;
    });

    if (!options.screenshotPath.isEmpty()) {
        // Rendered without showing: a hidden window needs no screen, and the platform
        // (offscreen included) is not asked to place one.
        HostWindow& window = windows.ensureWindow();
        window.ensurePolished();
        window.layout()->activate();
        const QString problem = saveScreenshot(window.grab(), store.filePath(),
                                               options.screenshotPath);
        return problem.isEmpty() ? kExitOk : fail(problem);
    }
    QObject::connect(&session, &HostSession::sigLightsChanged, &windows,
                     [&desktop, &windows](bool on) {
                         QString problem;
                         if (!desktop.setLightsOn(on, &problem) && windows.window())
                             windows.window()->reportDeviceProblem(problem);
                     });

    const auto names = [&store] { return ProfileNames::all(store); };
    std::unique_ptr<KeyLightBus> bus;
    if (m_instance && m_instance->ownsName()) {
        bus = std::make_unique<KeyLightBus>(session, store.filePath(), names,
                                            [&windows] { windows.showWindow(); });
        QDBusConnection connection = QDBusConnection::sessionBus();
        if (!bus->registerOn(connection))
            m_err << kProgram << ": "
                  << QObject::tr("KeyLight could not offer its D-Bus interface: %1")
                         .arg(connection.lastError().message())
                  << Qt::endl;
    }
    std::unique_ptr<TrayIcon> tray;
    if (TrayIcon::available()) {
        tray = std::make_unique<TrayIcon>(session, names);
        QObject::connect(tray.get(), &TrayIcon::sigShowWindow, &windows,
                         [&windows] { windows.showWindow(); });
        QObject::connect(tray.get(), &TrayIcon::sigQuit, &windows, [&] {
            if (HostWindow* window = windows.window())
                window->quitApplication();
            else if (QuitGuard(store, session, nullptr).mayQuit())
                QCoreApplication::exit(kExitOk);
        });
        // Said once: a window that closes without quitting surprises the first time.
        QObject::connect(&windows, &WindowKeeper::sigReleased, tray.get(), [&desktop, &tray] {
            if (desktop.trayHintShown())
                return;
            tray->tellStillRunning();
            desktop.setTrayHintShown();
        });
        windows.setReleaseOnClose(true);
        tray->show();
    }

    if (!options.minimized || !tray) {
        HostWindow& window = windows.ensureWindow();
        if (options.minimized)
            window.showMinimized();
        else
            windows.showWindow();
        // A store made just now is a first start: the window says what it is and how to
        // light a real keyboard.
        if (m_storeCreated && !options.minimized)
            window.showGettingStarted();
        for (const QString& problem : {m_storeProblem, memory.problem()}) {
            if (!problem.isEmpty())
                window.reportStoreProblem(problem);
        }
    }
    startNetworkKeyboard(commandLine, network);
    startSdkServer(commandLine, serving, windows.window());
    return QApplication::exec();
}

void HostLauncher::startNetworkKeyboard(const HostCommandLine& commandLine,
                                        NetworkKeyboardSetup& network)
{
    const HostCommandLine::Options& options = commandLine.options();
    // The command line chooses for this run only; the window's choices are remembered.
    std::optional<NetworkKeyboardSetup::Choice> choice = network.remembered();
    if (options.openrgbServer) {
        const bool sameServer = choice && choice->server == *options.openrgbServer;
        choice = NetworkKeyboardSetup::Choice{*options.openrgbServer,
                                              sameServer ? choice->device : QString()};
    }
    if (options.openrgbDevice) {
        if (!choice)
            choice = NetworkKeyboardSetup::Choice{};
        choice->device = *options.openrgbDevice;
    }
    if (choice)
        network.use(*choice, false);
}

void HostLauncher::startSdkServer(const HostCommandLine& commandLine, SdkServerSetup& serving,
                                  HostWindow* window)
{
    const std::optional<SdkAddress> address = commandLine.options().sdkServer
        ? commandLine.options().sdkServer
        : serving.remembered();
    if (!address || serving.serve(*address, false))
        return;
    // The window runs on without the server; the user reads why, here and in the window.
    m_err << kProgram << ": " << serving.lastError() << Qt::endl;
    if (window)
        window->reportDeviceProblem(serving.lastError());
}

QString HostLauncher::storeFilePath(const HostCommandLine& commandLine)
{
    const QString given = commandLine.options().storeFolder;
    // Absolute, so that every message names the file unmistakably.
    return given.isEmpty() ? ProfileStore::defaultFilePath()
                           : ProfileStore::fileNameInFolder(QFileInfo(given).absoluteFilePath());
}

QStringList HostLauncher::autostartArguments(const HostCommandLine& commandLine)
{
    // The session starts the host on the same profile file as this one.
    if (commandLine.options().storeFolder.isEmpty())
        return {};
    return {QStringLiteral("--store"), QFileInfo(storeFilePath(commandLine)).absolutePath()};
}

bool HostLauncher::openStore(const HostCommandLine& commandLine, ProfileStore& store,
                             ProfileStore::Access access)
{
    const QString filePath = storeFilePath(commandLine);
    const QString folder = QFileInfo(filePath).absolutePath();
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir()) {
        fail(QObject::tr("The profile folder %1 is a file, not a folder.")
                 .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    if (access == ProfileStore::Access::ReadWrite && !QDir().mkpath(folder)) {
        fail(QObject::tr("Cannot create the profile folder %1.")
                 .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    // A bad file is set aside by the store and the host goes on with what could be kept:
    // the user hears of it here and, in the window, in a dialog.
    const auto foreignLock = commandLine.options().forceUnlock
        ? ProfileStore::ForeignLock::TakeOver
        : ProfileStore::ForeignLock::Respect;
    ProfileStore::OpenResult result = store.open(filePath, access, foreignLock);
    if (result.locked && !result.lockHost.isEmpty() && askToTakeOverLock(result)) {
        m_err << kProgram << ": " << QObject::tr("Taking over the lock of %1, as asked.")
                                         .arg(result.lockHost)
              << Qt::endl;
        result = store.open(filePath, access, ProfileStore::ForeignLock::TakeOver);
    }
    if (result.locked || result.refused) {
        fail(result.message);
        tellOnScreen(result.message);
        return false;
    }
    if (!result.notice.isEmpty())
        m_err << kProgram << ": " << result.notice << Qt::endl;
    m_storeCreated = result.created;
    if (!result.message.isEmpty()) {
        m_storeProblem = result.message;
        m_err << kProgram << ": " << result.message << Qt::endl;
    }
    return true;
}

bool HostLauncher::transfer(const HostCommandLine& commandLine, ProfileStore& store,
                            const ProfileData& imported)
{
    const HostCommandLine::Options& options = commandLine.options();
    if (options.importProfile) {
        const uchar profile = *options.importProfile;
        store.setProfile(profile, ProfileTransfer::replacing(store.profile(profile), imported));
        if (!store.lastError().isEmpty()) {
            fail(store.lastError());
            return false;
        }
        m_out << QObject::tr("Imported %1 into profile %2.")
                     .arg(QDir::toNativeSeparators(options.importPath))
                     .arg(*options.importProfile + 1)
              << Qt::endl;
    }
    if (options.exportProfile) {
        QString error;
        if (!ProfileTransfer::exportProfile(store, *options.exportProfile, options.exportPath,
                                            &error)) {
            fail(error);
            return false;
        }
        m_out << QObject::tr("Exported profile %1 to %2.")
                     .arg(*options.exportProfile + 1)
                     .arg(QDir::toNativeSeparators(options.exportPath))
              << Qt::endl;
    }
    return true;
}
