// SPDX-License-Identifier: MIT
#include "host/window/hostwindow.h"

#include "host/desktop/autostartentry.h"
#include "host/window/applyindicator.h"
#include "host/window/colourentry.h"
#include "host/window/docklayout.h"
#include "host/window/helpmenu.h"
#include "host/store/documentsfolder.h"
#include "host/session/hostsession.h"
#include "host/session/profilenames.h"
#include "host/window/keyclickcompleter.h"
#include "host/window/pickercaptions.h"
#include "host/window/pickerwheel.h"
#include "host/window/profilemenu.h"
#include "host/window/profileswitcher.h"
#include "host/window/networkdeviceindicator.h"
#include "host/window/networkdevicemenu.h"
#include "host/window/networkdeviceview.h"
#include "host/window/sdkserverindicator.h"
#include "host/sdkserver/sdkserversetup.h"
#include "host/transport/openrgb/sdkserver.h"
#include "host/openrgb/networkkeyboard.h"
#include "host/openrgb/networkkeyboardsetup.h"
#include "host/store/profiletransfer.h"
#include "host/store/quitguard.h"
#include "host/requestlog/requestlogdock.h"
#include "host/requestlog/requestlogmodel.h"
#include "host/store/savestateindicator.h"
#include "host/store/storewatcher.h"
#include "host/window/theme.h"
#include "host/window/undoicons.h"
#include "host/window/wheelmarker.h"
#include "keylight/keylightwid.h"
#include "platform/profilestore/profilestore.h"
#include "platform/protocol/vantorpacket.h"
#include "platform/toolkit/msgbox.h"

#include <QApplication>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QDockWidget>
#include <QMenuBar>
#include <QTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {
// The title of the page's RESET question, as the page's own catalogue translates it.
constexpr const char* kPageContext = "KeyLightWid";
constexpr const char* kPageResetTitle = "Reset";
constexpr int kLogDockHeight = 150;
constexpr int kStatusMessageMs = 6000;
} // namespace

HostWindow::HostWindow(ProfileStore& store, HostSession& session, RequestLogModel& log,
                       QWidget* parent)
    : QMainWindow(parent)
    , m_store(store)
    , m_session(session)
    , m_log(log)
    , m_docks(std::make_unique<DockLayout>(*this))
{
    setObjectName(QStringLiteral("hostWindow"));
    setWindowTitle(QStringLiteral("KeyLight"));
    setStyleSheet(Theme::styleSheet());

    m_page = new KeyLightWid(this);
    m_page->setMinimumSize(kPageMinimum);
    setCentralWidget(m_page);
    m_wheelMarker = new WheelMarker(m_page);
    new PickerWheel(m_page);
    PickerCaptions::add(m_page);
    for (const char* keyboardPage : {"CustomLedUi", "MultizoneUi"})
        new KeyClickCompleter(m_page->findChild<QWidget*>(QLatin1String(keyboardPage)));
    // The packet lives only while the page's signal runs, so the host must be called
    // inside the emission, whatever thread affinity a future caller might give it.
    connect(m_page, &KeyLightWid::sigSdkRequest, &m_session, &HostSession::handleRequest,
            Qt::DirectConnection);
    // The page asks only whether to reset; the question also says what and for which
    // profile, and how to take it back.
    MsgBox::setQuestionDetail([this](const QString& title) {
        if (title != QCoreApplication::translate(kPageContext, kPageResetTitle))
            return QString();
        return tr("Profile %1 goes back to the factory settings: its painting, layers, zones "
                  "and every effect's settings. %2 brings them back.")
            .arg(m_session.currentProfile() + 1)
            .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText));
    });

    m_saveIndicator = new SaveStateIndicator(store, this);
    statusBar()->addPermanentWidget(m_saveIndicator);
    m_applyIndicator = new ApplyIndicator(this);
    statusBar()->addPermanentWidget(m_applyIndicator);
    m_quitGuard = new QuitGuard(store, m_session, this);
    statusBar()->setSizeGripEnabled(false);

    m_logDock = new RequestLogDock(&m_log, this);
    m_docks->add(m_logDock);
    resizeDocks({m_logDock}, {kLogDockHeight}, Qt::Vertical);

    createActions();
    createToolBar();

    connect(&m_session, &HostSession::sigReloadRequested, this, &HostWindow::showProfile);
    connect(&m_session, &HostSession::sigProfileSwitched, m_switcher,
            &ProfileSwitcher::setProfile);
    connect(&m_session, &HostSession::sigProfileSwitched, m_profileMenu,
            &ProfileMenu::setProfile);
    connect(&m_session, &HostSession::sigAppliedChanged, this,
            [this](uchar profile, bool applied) {
                if (profile == m_session.currentProfile())
                    m_applyIndicator->setApplied(applied);
            });
    connect(&m_session, &HostSession::sigProfileSwitched, this, [this](uchar profile) {
        m_applyIndicator->setApplied(m_session.isApplied(profile));
    });
    connect(&m_session, &HostSession::sigRequestRejected, this, &HostWindow::showRejected);
    connect(&m_session, &HostSession::sigProfileReset, this, [this](uchar profile) {
        statusBar()->showMessage(
            tr("Profile %1 is back to the factory settings: painting, layers, zones and every "
               "effect's settings. %2 undoes it.")
                .arg(profile + 1)
                .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
            kStatusMessageMs);
    });
    watchStore();
    connect(m_switcher, &ProfileSwitcher::sigProfileChosen, &m_session,
            &HostSession::switchProfile);
    connect(m_profileMenu, &ProfileMenu::sigProfileChosen, &m_session,
            &HostSession::switchProfile);
    connectNames();
    followSession();
}

void HostWindow::followSession()
{
    const uchar profile = m_session.currentProfile();
    m_switcher->setProfile(profile);
    m_profileMenu->setProfile(profile);
    m_applyIndicator->setApplied(m_session.isApplied(profile));
    m_lightsAction->setChecked(m_session.lightsOn());
    showProfile(profile);
    showNames();
}

void HostWindow::connectNames()
{
    // A switch changes which name the title shows, not the names.
    connect(&m_session, &HostSession::sigProfileSwitched, this, &HostWindow::showTitle);
    connect(&m_session, &HostSession::sigNamesChanged, this, &HostWindow::showNames);
    connect(m_switcher, &ProfileSwitcher::sigRenameRequested, this,
            [this](uchar profile, const QString& name) {
                QString problem;
                if (!m_session.renameProfile(profile, name, &problem))
                    statusBar()->showMessage(tr("The name was not kept because %1.")
                                                 .arg(problem),
                                             kStatusMessageMs);
            });
    connect(m_profileMenu, &ProfileMenu::sigRenameChosen, m_switcher,
            &ProfileSwitcher::startRenaming);
    connect(m_profileMenu, &ProfileMenu::sigDuplicateChosen, this, [this](uchar to) {
        const QString from = ProfileNames::shown(m_store, m_session.currentProfile());
        const QString over = ProfileNames::shown(m_store, to);
        if (!m_session.duplicateProfile(to))
            return;
        statusBar()->showMessage(
            tr("%1 was copied over %2 (profile %3). %4 undoes it.")
                .arg(from, over)
                .arg(to + 1)
                .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
            kStatusMessageMs);
    });
}

void HostWindow::showNames()
{
    m_names = ProfileNames::all(m_store);
    m_switcher->setNames(m_names);
    m_profileMenu->setNames(m_names);
    showTitle();
}

void HostWindow::showTitle()
{
    const uchar profile = m_session.currentProfile();
    setWindowTitle(tr("%1 - KeyLight").arg(profile < m_names.size() ? m_names[profile]
                                                                      : QString()));
}

void HostWindow::setClosesToTray(bool closesToTray)
{
    m_closesToTray = closesToTray;
}

void HostWindow::quitApplication()
{
    if (!m_quitGuard->mayQuit())
        return;
    // exit(), not quit(): quit() would close the window first, and with a tray that only
    // hides it.
    QCoreApplication::exit(0);
}

void HostWindow::addAutostartSetting(const QStringList& arguments)
{
    QAction* autostart = new QAction(tr("Start with the &session"), this);
    autostart->setObjectName(QStringLiteral("actionAutostart"));
    autostart->setCheckable(true);
    autostart->setChecked(AutostartEntry::isEnabled());
    autostart->setToolTip(tr("Starts KeyLight in the tray when you log in"));
    connect(autostart, &QAction::toggled, this, [this, autostart, arguments](bool enabled) {
        QString problem;
        if (!AutostartEntry::setEnabled(enabled, arguments, &problem)) {
            const QSignalBlocker quiet(autostart);
            autostart->setChecked(!enabled);
            QMessageBox::warning(this, tr("Start with the session"), problem);
            return;
        }
        statusBar()->showMessage(enabled ? tr("KeyLight starts in the tray when you log in.")
                                         : tr("KeyLight no longer starts when you log in."),
                                 kStatusMessageMs);
    });
    m_fileMenu->insertAction(m_quitAction, autostart);
    m_fileMenu->insertSeparator(m_quitAction);
}

void HostWindow::addLightsAction()
{
    m_profileMenu->addSeparator();
    m_lightsAction = m_profileMenu->addAction(tr("&Lights On"));
    m_lightsAction->setObjectName(QStringLiteral("actionLights"));
    m_lightsAction->setCheckable(true);
    m_lightsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_lightsAction, &QAction::triggered, &m_session, &HostSession::setLightsOn);
    connect(&m_session, &HostSession::sigLightsChanged, this, [this](bool on) {
        m_lightsAction->setChecked(on);
        const QString key = m_lightsAction->shortcut().toString(QKeySequence::NativeText);
        statusBar()->showMessage(on ? tr("Lights on: every device shows the profile again.")
                                    : tr("Lights off: every device is dark; the profiles stay "
                                         "as they are. %1 turns them on.")
                                          .arg(key),
                                 kStatusMessageMs);
    });
}

// The page scrolls its list to the active effect when it loads a profile, but the first
// profile is loaded before the window has its size; once shown, loading it again lets the
// page scroll in its final geometry. Loading never sends a request.
void HostWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, [this] { showProfile(m_session.currentProfile()); });
}

HostWindow::~HostWindow()
{
    MsgBox::setQuestionDetail(nullptr);
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    // At the end of the desktop session nobody stays to answer; what is pending was saved
    // when the session manager asked.
    if (qApp->isSavingSession() || m_closesToTray || m_quitGuard->mayQuit()) {
        QMainWindow::closeEvent(event);
        if (m_closesToTray && !qApp->isSavingSession())
            emit sigClosedToTray();
    } else {
        event->ignore();
    }
}

// A file changed behind the window's back is read again and shown, as a fresh start would.
void HostWindow::watchStore()
{
    auto* watcher = new StoreWatcher(m_store, this);
    connect(watcher, &StoreWatcher::sigNotice, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    connect(watcher, &StoreWatcher::sigReloaded, this, [this](const QString& problem) {
        m_session.storeReloaded();
        if (problem.isEmpty())
            statusBar()->showMessage(tr("The profile file was changed by another program and "
                                        "was read again; undo starts afresh."));
        else
            reportStoreProblem(problem);
    });
}

void HostWindow::createActions()
{
    QMenu* fileMenu = m_fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* exportAction = fileMenu->addAction(tr("&Export Profile..."), this,
                                                &HostWindow::exportCurrentProfile);
    exportAction->setObjectName(QStringLiteral("actionExport"));
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* importAction = fileMenu->addAction(tr("&Import Profile..."), this,
                                                &HostWindow::importIntoCurrentProfile);
    importAction->setObjectName(QStringLiteral("actionImport"));
    importAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    fileMenu->addSeparator();
    m_quitAction = fileMenu->addAction(tr("&Quit"), this, &HostWindow::quitApplication);
    m_quitAction->setObjectName(QStringLiteral("actionQuit"));
    m_quitAction->setShortcut(QKeySequence::Quit);

    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_session.undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    undo->setIcon(UndoIcons::undo());
    QAction* redo = m_session.undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    // The platform's own redo, and the two that people bring from other platforms.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& extra : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                      QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(extra))
            redoKeys << extra;
    }
    redo->setShortcuts(redoKeys);
    redo->setIcon(UndoIcons::redo());
    editMenu->addAction(undo);
    editMenu->addAction(redo);

    m_profileMenu = new ProfileMenu(this);
    menuBar()->addMenu(m_profileMenu);
    addLightsAction();

    m_viewMenu = menuBar()->addMenu(tr("&View"));
    addToViewMenu(m_logDock);
    // Last, where people look for it; the Device menu goes in before View.
    m_helpMenu = new HelpMenu(this);
    menuBar()->addMenu(m_helpMenu);
}

void HostWindow::showGettingStarted()
{
    m_helpMenu->showGettingStarted();
}

void HostWindow::createToolBar()
{
    QToolBar* bar = addToolBar(tr("Profiles"));
    bar->setObjectName(QStringLiteral("profileToolBar"));
    bar->setMovable(false);
    m_switcher = new ProfileSwitcher(bar);
    bar->addWidget(m_switcher);
    bar->addSeparator();
    for (const char* name : {"actionUndo", "actionRedo"}) {
        QAction* action = findChild<QAction*>(QLatin1String(name));
        bar->addAction(action);
        // Icons only, but their actions' text changes with every step: at a fixed size a
        // change does not lay out the whole window again.
        QWidget* button = bar->widgetForAction(action);
        button->ensurePolished();
        button->setFixedSize(button->sizeHint());
    }
    bar->addSeparator();
    m_colourEntry = new ColourEntry(m_page, bar);
    bar->addWidget(m_colourEntry);
}

void HostWindow::start(uchar profile)
{
    m_session.switchProfile(profile);
}

void HostWindow::addDeviceView(const QString& title, QWidget* view)
{
    addDock(QStringLiteral("deviceDock"), title, view);
}

QDockWidget* HostWindow::addDock(const QString& objectName, const QString& title, QWidget* view)
{
    auto* dock = new QDockWidget(title, this);
    dock->setObjectName(objectName);
    dock->setWidget(view);
    m_docks->add(dock);
    addToViewMenu(dock);
    return dock;
}

void HostWindow::addSdkServer(SdkServerSetup& serving)
{
    if (auto* menu = findChild<NetworkDeviceMenu*>())
        menu->addSdkServer(serving);
    statusBar()->insertPermanentWidget(0, new SdkServerIndicator(serving, this));
    connect(&serving.server(), &SdkServer::clientProblem, this,
            [this](const QString& sentence) { m_log.appendNote(tr("SDK server"), sentence); });
}

void HostWindow::reportDeviceProblem(const QString& message)
{
    statusBar()->showMessage(message);
    m_log.appendNote(tr("OpenRGB"), message);
}

void HostWindow::addNetworkKeyboard(NetworkKeyboardSetup& setup)
{
    menuBar()->insertMenu(m_viewMenu->menuAction(), new NetworkDeviceMenu(setup, this));
    statusBar()->insertPermanentWidget(0, new NetworkDeviceIndicator(setup.keyboard(), this));
    // Scrolled when short: a tab's least height is the least of the whole dock area, and the
    // list of devices would otherwise squeeze the page and the keyboard beside it.
    auto* scrolled = new QScrollArea(this);
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    scrolled->setWidget(new NetworkDeviceView(setup, scrolled));
    QDockWidget* dock = addDock(QStringLiteral("networkDeviceDock"), tr("OpenRGB keyboard"),
                                scrolled);
    // Out of the way until there is a server to show.
    dock->setVisible(setup.current().has_value());
    const QString source = tr("OpenRGB");
    // A server that stays away fails the same way every retry: one line until it changes.
    auto lastLogged = std::make_shared<QString>();
    connect(&setup.keyboard().client(), &SdkClient::problem, this,
            [this, source, lastLogged](const QString& sentence) {
                if (sentence == *lastLogged)
                    return;
                *lastLogged = sentence;
                m_log.appendNote(source, sentence);
            });
    connect(&setup.keyboard().client(), &SdkClient::controllersChanged, this,
            [lastLogged] { lastLogged->clear(); });
    connect(&setup, &NetworkKeyboardSetup::sigProblem, this,
            [this](const QString& sentence) { statusBar()->showMessage(sentence); });
}

// Shown again while it floats, on a folded layout, a dock opens over the window's lower right
// corner rather than at the corner of the screen, where it would hide the menus.
void HostWindow::addToViewMenu(QDockWidget* dock)
{
    m_viewMenu->addAction(dock->toggleViewAction());
    connect(dock, &QDockWidget::visibilityChanged, this, [this, dock](bool visible) {
        if (visible && dock->isFloating())
            dock->move(frameGeometry().bottomRight() - dock->rect().bottomRight());
    });
}

void HostWindow::fitScreen(const QSize& available)
{
    m_docks->fitScreen(available);
}

Qt::DockWidgetArea HostWindow::dockArea() const
{
    return m_docks->area();
}

QString HostWindow::profileFilter()
{
    return tr("KeyLight profile (*.json);;All files (*)");
}

void HostWindow::showProfile(uchar profile)
{
    m_page->updateUi(profile);
    m_wheelMarker->follow();
    m_colourEntry->follow();
}

void HostWindow::showStoreLocation(const QString& filePath)
{
    statusBar()->showMessage(tr("Profiles are kept in %1")
                                 .arg(QDir::toNativeSeparators(filePath)));
}

void HostWindow::reportStoreProblem(const QString& message)
{
    statusBar()->showMessage(message);
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Profile store"), message,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("storeProblemBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void HostWindow::showRejected(int cmd, const QString& reason)
{
    // The reason itself is in the request log, on the row's tooltip.
    Q_UNUSED(reason)
    statusBar()->showMessage(tr("Request %1 (%2) was not stored; see the request log.")
                                 .arg(cmd)
                                 .arg(VantorPacket::requestName(cmd)),
                             kStatusMessageMs);
}

void HostWindow::exportCurrentProfile()
{
    const uchar profile = m_session.currentProfile();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Profile %1").arg(profile + 1),
        DocumentsFolder::filePath(QStringLiteral("keylight-profile-%1.json").arg(profile + 1)),
        profileFilter());
    if (path.isEmpty())
        return;
    QString error;
    if (!ProfileTransfer::exportProfile(m_store, profile, path, &error)) {
        QMessageBox::warning(this, tr("Export Profile"), error);
        return;
    }
    statusBar()->showMessage(tr("Profile %1 exported to %2").arg(profile + 1).arg(path),
                             kStatusMessageMs);
}

void HostWindow::importIntoCurrentProfile()
{
    const uchar profile = m_session.currentProfile();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import into Profile %1").arg(profile + 1), DocumentsFolder::path(),
        profileFilter());
    if (path.isEmpty())
        return;
    importIntoProfile(path);
}

bool HostWindow::importIntoProfile(const QString& path)
{
    const uchar profile = m_session.currentProfile();
    ProfileData data;
    QString error;
    if (!ProfileTransfer::importProfile(path, data, &error)) {
        QMessageBox::warning(this, tr("Import Profile"), error);
        return false;
    }
    // The file was good; what it replaces is the user's work, so the user says so first.
    QMessageBox question(QMessageBox::Question, tr("Import Profile"),
                         tr("Replace profile %1 (%2) with the profile in %3?")
                             .arg(profile + 1)
                             .arg(ProfileNames::shown(m_store, profile),
                                  QDir::toNativeSeparators(path)),
                         QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("importQuestionBox"));
    const QString undoKey = QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText);
    question.setInformativeText(tr("Its effects, colours and painted keys are replaced; "
                                   "%1 brings them back.")
                                    .arg(undoKey));
    QPushButton* replace = question.addButton(tr("Replace Profile %1").arg(profile + 1),
                                              QMessageBox::AcceptRole);
    question.setDefaultButton(QMessageBox::Cancel);
    question.exec();
    if (question.clickedButton() != replace)
        return false;
    m_session.replaceProfile(ProfileTransfer::replacing(m_store.profile(profile), data),
                             tr("Import"));
    statusBar()->showMessage(tr("Profile %1 imported from %2").arg(profile + 1).arg(path),
                             kStatusMessageMs);
    return true;
}
