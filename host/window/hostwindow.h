// SPDX-License-Identifier: MIT
#pragma once

// The host's main window: the lighting page in the middle, the profile switcher and
// undo/redo in the tool bar, the request log in a dock and the APPLY state in the status
// bar. The page's requests go to the session, which the launcher builds with the devices;
// the window only shows it.

#include <QMainWindow>
#include <QStringList>

#include <memory>

class ApplyIndicator;
class DockLayout;
class QuitGuard;
class SaveStateIndicator;
class StoreWatcher;
class QMenu;
class HostSession;
class ColourEntry;
class HelpMenu;
class WheelMarker;
class KeyLightWid;
class NetworkKeyboardSetup;
class SdkServerSetup;
class ProfileStore;
class QDockWidget;
class ProfileMenu;
class ProfileSwitcher;
class RequestLogDock;
class RequestLogModel;

class HostWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Below this the page's key overlays no longer sit on the keyboard picture, or its
    // lowest key row slips under the panels.
    static constexpr QSize kPageMinimum{1000, 560};

    // The store, the session and the log are kept alive by the caller; the store must be
    // the one the page reads through its interface.
    HostWindow(ProfileStore& store, HostSession& session, RequestLogModel& log,
               QWidget* parent = nullptr);
    ~HostWindow() override;

    // Shows `profile` (0 to 4) and makes it current in the store and at the keyboard.
    void start(uchar profile);
    // Says in the status bar which file holds the profiles.
    void showStoreLocation(const QString& filePath);
    // Tells the user, without blocking, that the store had to set a bad file aside.
    void reportStoreProblem(const QString& message);
    // Docks the keyboard's own view with the request log; the View menu can hide it.
    void addDeviceView(const QString& title, QWidget* view);
    // The OpenRGB keyboard's Device menu, its word in the status bar and its view in a
    // dock; its failures go into the request log.
    void addNetworkKeyboard(NetworkKeyboardSetup& setup);
    // Where KeyLight serves OpenRGB clients, in the Device menu and the status bar; the
    // clients it drops go into the request log. Needs addNetworkKeyboard first.
    void addSdkServer(SdkServerSetup& serving);
    // A device or the SDK server failed: the status bar and the request log say so.
    void reportDeviceProblem(const QString& message);
    // Sizes the window for a screen whose free area is `available`: the docks go under the
    // page where the screen has the height for them and beside it otherwise, and the
    // window starts as large as the screen comfortably holds.
    void fitScreen(const QSize& available);
    Qt::DockWidgetArea dockArea() const;

    // What the window is and how to light a real keyboard, for a first start.
    void showGettingStarted();

    // Reads a profile file into the shown profile, after asking, as one step to undo.
    // False when the file is refused (said in a message) or the user keeps the profile.
    bool importIntoProfile(const QString& path);

    // With a tray, closing the window leaves the host running (sigClosedToTray) and asks
    // nothing, since nothing is lost; File > Quit still quits, after asking.
    void setClosesToTray(bool closesToTray);
    // Asks when quitting would lose changes, then ends the program.
    void quitApplication();
    // "Start with the session" in the File menu; the entry starts the host with `arguments`.
    void addAutostartSetting(const QStringList& arguments);

    KeyLightWid* page() const { return m_page; }
    HostSession* session() const { return &m_session; }
    RequestLogModel* requestLog() const { return &m_log; }

signals:
    void sigClosedToTray();

protected:
    void showEvent(QShowEvent* event) override;
    // Asks first when quitting would lose changes.
    void closeEvent(QCloseEvent* event) override;

private:
    void addToViewMenu(QDockWidget* dock);
    QDockWidget* addDock(const QString& objectName, const QString& title, QWidget* view);
    static QString profileFilter();
    void createActions();
    void watchStore();
    void createToolBar();
    void exportCurrentProfile();
    void importIntoCurrentProfile();
    void showRejected(int cmd, const QString& reason);
    void showProfile(uchar profile);
    void addLightsAction();
    void connectNames();
    // The profiles' names, read again, in the switcher, the menu and the title.
    void showNames();
    // The shown profile's name, as last read, in the title.
    void showTitle();
    // A window built while the host runs shows the session as it is.
    void followSession();

    ProfileStore& m_store;
    HostSession& m_session;
    RequestLogModel& m_log;
    KeyLightWid* m_page;
    ProfileSwitcher* m_switcher;
    ProfileMenu* m_profileMenu = nullptr;
    QStringList m_names; // the five profiles' names, as last read from the store
    ApplyIndicator* m_applyIndicator;
    SaveStateIndicator* m_saveIndicator;
    QuitGuard* m_quitGuard;
    RequestLogDock* m_logDock;
    std::unique_ptr<DockLayout> m_docks;
    QMenu* m_viewMenu = nullptr;
    HelpMenu* m_helpMenu = nullptr;
    WheelMarker* m_wheelMarker = nullptr;
    ColourEntry* m_colourEntry = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_lightsAction = nullptr;
    bool m_closesToTray = false;
};
