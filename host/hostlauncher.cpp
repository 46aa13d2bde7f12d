#include "host/hostlauncher.h"

#include "host/applytracker.h"
#include "host/hostcommandline.h"
#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardpanel.h"
#include "host/hostwindow.h"
#include "host/profilesender.h"
#include "host/profiletransfer.h"
#include "platform/profilestore/profilestore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

namespace {
const QString kProgram = QStringLiteral("keylight-host");

// The host starts with every shown profile marked as applied, so the keyboard must hold
// them: it starts with each stored profile in its onboard memory, as a keyboard that was
// last applied from this store does.
void loadOnboardMemory(ProfileStore& store, VirtualKeyboard& keyboard)
{
    for (int profile = 0; profile < kShownProfileCount; ++profile) {
        keyboard.selectProfile(uchar(profile));
        ProfileSender::send(store.profile(uchar(profile)), keyboard);
        keyboard.send(Request::Apply, QByteArray());
    }
}
} // namespace

HostLauncher::HostLauncher(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

int HostLauncher::fail(const QString& message)
{
    m_err << kProgram << ": " << message << Qt::endl;
    return kExitUsage;
}

int HostLauncher::run(const QStringList& arguments)
{
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

    ProfileStore& store = ProfileStore::builtin();
    if (!openStore(commandLine, store) || !transfer(commandLine, store))
        return kExitUsage;
    const bool transferred = options.exportProfile || options.importProfile;
    if (transferred && options.screenshotPath.isEmpty())
        return kExitOk;

    VirtualKeyboard keyboard;
    loadOnboardMemory(store, keyboard);
    HostWindow window(store, &keyboard);
    window.addDeviceView(QObject::tr("Virtual keyboard"), new VirtualKeyboardPanel(&keyboard));
    const uchar current = store.currentProfile();
    window.start(options.profile.value_or(current < kShownProfileCount ? current : 0));
    window.showStoreLocation(store.filePath());
    window.fitScreen(options.screenSize.isEmpty()
                         ? QGuiApplication::primaryScreen()->availableGeometry().size()
                         : options.screenSize);

    if (!options.screenshotPath.isEmpty()) {
        // Rendered without showing: a hidden window needs no screen, and the platform
        // (offscreen included) is not asked to place one.
        window.ensurePolished();
        window.layout()->activate();
        if (!window.grab().save(options.screenshotPath, "PNG"))
            return fail(QObject::tr("Cannot write the screenshot %1.")
                            .arg(QDir::toNativeSeparators(options.screenshotPath)));
        return kExitOk;
    }
    window.show();
    if (!m_storeProblem.isEmpty())
        window.reportStoreProblem(m_storeProblem);
    return QApplication::exec();
}

bool HostLauncher::openStore(const HostCommandLine& commandLine, ProfileStore& store)
{
    const QString given = commandLine.options().storeFolder;
    const QString filePath = given.isEmpty() ? ProfileStore::defaultFilePath()
                                             : ProfileStore::fileNameInFolder(given);
    const QString folder = QFileInfo(filePath).absolutePath();
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir()) {
        fail(QObject::tr("The profile folder %1 is a file, not a folder.")
                 .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        fail(QObject::tr("Cannot create the profile folder %1.")
                 .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    // A bad file is set aside by the store and the host goes on from the defaults: the
    // user hears of it here and, in the window, in a dialog.
    const ProfileStore::OpenResult result = store.open(filePath);
    if (!result.message.isEmpty()) {
        m_storeProblem = result.message;
        m_err << kProgram << ": " << result.message << Qt::endl;
    }
    return true;
}

bool HostLauncher::transfer(const HostCommandLine& commandLine, ProfileStore& store)
{
    const HostCommandLine::Options& options = commandLine.options();
    if (options.importProfile) {
        ProfileData data;
        QString error;
        if (!ProfileTransfer::importProfile(options.importPath, data, &error)) {
            fail(error);
            return false;
        }
        store.setProfile(*options.importProfile, data);
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
