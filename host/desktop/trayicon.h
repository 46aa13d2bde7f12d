// SPDX-License-Identifier: MIT
#pragma once

// KeyLight in the system tray: the active profile and effect in the tool tip, and a menu
// to switch profiles, turn the lights off and on, bring up the window and quit, all while
// the window is closed. A click on the icon brings up the window.

#include <QObject>
#include <QStringList>

#include <functional>

class HostSession;
class QAction;
class QActionGroup;
class QMenu;
class QSystemTrayIcon;

class TrayIcon : public QObject
{
    Q_OBJECT

public:
    // `names` gives the five profiles' names as the window shows them.
    TrayIcon(HostSession& session, std::function<QStringList()> names,
             QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a tray to show the icon in.
    static bool available();
    void show();

    QString toolTip() const;
    QMenu* menu() const { return m_menu; }
    // Says, in a bubble from the icon, that closing the window left KeyLight running.
    void tellStillRunning();

signals:
    void sigShowWindow();
    void sigQuit();

private:
    void build();
    // The names changed: the menu and the tool tip follow.
    void refreshNames();
    // The profile shown, its effect or the lights changed.
    void refreshState();

    HostSession& m_session;
    std::function<QStringList()> m_names;
    QStringList m_shownNames; // as the menu shows them
    QSystemTrayIcon* m_icon;
    QMenu* m_menu;
    QActionGroup* m_profiles;
    QAction* m_lights = nullptr;
};
