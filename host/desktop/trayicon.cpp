// SPDX-License-Identifier: MIT
#include "host/desktop/trayicon.h"

#include "host/desktop/effectnames.h"
#include "host/session/hostsession.h"
#include "host/session/profilecount.h"
#include "host/session/profilenames.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QUndoStack>

namespace {
constexpr int kBubbleMs = 8000;
} // namespace

TrayIcon::TrayIcon(HostSession& session, std::function<QStringList()> names, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_names(std::move(names))
    , m_icon(new QSystemTrayIcon(QGuiApplication::windowIcon(), this))
    , m_menu(new QMenu)
    , m_profiles(new QActionGroup(this))
{
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    build();
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    emit sigShowWindow();
            });
    connect(&m_session, &HostSession::sigNamesChanged, this, &TrayIcon::refreshNames);
    // Every change of a profile goes through the undo stack; a switch or the lights do not.
    connect(&m_session, &HostSession::sigProfileSwitched, this, &TrayIcon::refreshState);
    connect(&m_session, &HostSession::sigReloadRequested, this, &TrayIcon::refreshState);
    connect(&m_session, &HostSession::sigLightsChanged, this, &TrayIcon::refreshState);
    connect(m_session.undoStack(), &QUndoStack::indexChanged, this, &TrayIcon::refreshState);
    refreshNames();
}

// The menu has no parent widget, so it goes with the icon.
TrayIcon::~TrayIcon()
{
    delete m_menu;
}

bool TrayIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show()
{
    m_icon->show();
}

void TrayIcon::build()
{
    m_profiles->setExclusive(true);
    for (uchar profile = 0; profile < kShownProfileCount; ++profile) {
        QAction* action = m_menu->addAction(QString());
        action->setObjectName(QStringLiteral("trayProfile%1").arg(profile + 1));
        action->setCheckable(true);
        m_profiles->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, profile] { m_session.switchProfile(profile); });
    }
    m_menu->addSeparator();
    m_lights = m_menu->addAction(tr("&Lights On"));
    m_lights->setObjectName(QStringLiteral("trayLights"));
    m_lights->setCheckable(true);
    connect(m_lights, &QAction::triggered, this,
            [this](bool on) { m_session.setLightsOn(on); });
    QAction* show = m_menu->addAction(tr("&Show Window"), this, &TrayIcon::sigShowWindow);
    show->setObjectName(QStringLiteral("trayShowWindow"));
    m_menu->addSeparator();
    QAction* quit = m_menu->addAction(tr("&Quit"), this, &TrayIcon::sigQuit);
    quit->setObjectName(QStringLiteral("trayQuit"));
}

QString TrayIcon::toolTip() const
{
    const uchar profile = m_session.currentProfile();
    const QString name = profile < m_shownNames.size() ? m_shownNames[profile] : QString();
    const QString lit = m_session.lightsOn()
        ? EffectNames::shown(m_session.currentEffect())
        : tr("lights off");
    return tr("KeyLight: %1, %2").arg(name, lit);
}

void TrayIcon::refreshNames()
{
    m_shownNames = m_names();
    const QList<QAction*> profiles = m_profiles->actions();
    for (int profile = 0; profile < profiles.size() && profile < m_shownNames.size(); ++profile)
        profiles[profile]->setText(ProfileNames::menuText(m_shownNames[profile]));
    refreshState();
}

void TrayIcon::refreshState()
{
    const QList<QAction*> profiles = m_profiles->actions();
    for (int profile = 0; profile < profiles.size(); ++profile)
        profiles[profile]->setChecked(profile == m_session.currentProfile());
    m_lights->setChecked(m_session.lightsOn());
    m_icon->setToolTip(toolTip());
}

void TrayIcon::tellStillRunning()
{
    m_icon->showMessage(tr("KeyLight keeps running"),
                        tr("The lighting stays as it is. The tray icon brings the window back; "
                           "its menu switches profiles, turns the lights off and quits."),
                        QSystemTrayIcon::Information, kBubbleMs);
}
