#pragma once

// The host's main window: the lighting page in the middle, the profile switcher and
// undo/redo in the tool bar, the request log in a dock and the APPLY state in the status
// bar. The page's requests go to the keyboard through a transport.

#include <QMainWindow>

#include <memory>

class ApplyIndicator;
class QuitGuard;
class SaveStateIndicator;
class StoreWatcher;
class DeviceTransport;
class QMenu;
class HostSession;
class KeyLightWid;
class ProfileStore;
class ProfileSwitcher;
class RequestLogDock;
class RequestLogModel;
class RequestLogTransport;
class TransportFanout;

class HostWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 1100;
    static constexpr int kDefaultHeight = 760;

    // `device` is the keyboard, kept alive by the caller; without one the request log
    // alone stands in for it. Every request also goes to the log. The window installs
    // `store` as the profile store the page reads, for as long as the window lives.
    explicit HostWindow(ProfileStore& store, DeviceTransport* device = nullptr,
                        QWidget* parent = nullptr);
    ~HostWindow() override;

    // Shows `profile` (0 to 4) and makes it current in the store and at the keyboard.
    void start(uchar profile);
    // Says in the status bar which file holds the profiles.
    void showStoreLocation(const QString& filePath);
    // Tells the user, without blocking, that the store had to set a bad file aside.
    void reportStoreProblem(const QString& message);
    // Docks the keyboard's own view under the page; the View menu can hide it.
    void addDeviceView(const QString& title, QWidget* view);

    KeyLightWid* page() const { return m_page; }
    HostSession* session() const { return m_session; }
    RequestLogModel* requestLog() const { return m_log; }

protected:
    // Asks first when quitting would lose changes.
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void watchStore();
    void createToolBar();
    void exportCurrentProfile();
    void importIntoCurrentProfile();
    void showRejected(int cmd, const QString& reason);
    void showProfile(uchar profile);

    ProfileStore& m_store;
    RequestLogModel* m_log;
    std::unique_ptr<RequestLogTransport> m_logTransport;
    std::unique_ptr<TransportFanout> m_transports;
    HostSession* m_session;
    KeyLightWid* m_page;
    ProfileSwitcher* m_switcher;
    ApplyIndicator* m_applyIndicator;
    SaveStateIndicator* m_saveIndicator;
    QuitGuard* m_quitGuard;
    RequestLogDock* m_logDock;
    QMenu* m_viewMenu = nullptr;
};
