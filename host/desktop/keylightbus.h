// SPDX-License-Identifier: MIT
#pragma once

// KeyLight on the session bus, for scripts and desktop shortcuts: the profile, the effect,
// the lights and APPLY, as docs/dbus.md describes. Profiles are numbered 1 to 5 here, as
// people see them. A second launch of the host hands its request over through it.

#include <QDBusContext>
#include <QObject>
#include <QStringList>

#include <functional>

class HostSession;

class KeyLightBus : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.keylight.KeyLight1")

public:
    static const QString kService;
    static const QString kPath;
    static const QString kInterface;

    // `showWindow` brings the window up (builds it when it was released) and raises it.
    // `names` gives the five profiles' names as the window shows them.
    KeyLightBus(HostSession& session, QString storeFilePath,
                std::function<QStringList()> names, std::function<void()> showWindow,
                QObject* parent = nullptr);

    // Puts this object on the session bus under kPath; the service name is the caller's.
    bool registerOn(class QDBusConnection& bus);

public slots:
    Q_SCRIPTABLE void SetProfile(uint profile);
    Q_SCRIPTABLE uint Profile() const;
    Q_SCRIPTABLE QStringList ProfileNames() const;
    // An empty name brings back the default one.
    Q_SCRIPTABLE void RenameProfile(uint profile, const QString& name);
    Q_SCRIPTABLE void SetEffect(const QString& name);
    Q_SCRIPTABLE QString Effect() const;
    Q_SCRIPTABLE void SetLightsOn(bool on);
    Q_SCRIPTABLE bool LightsOn() const;
    Q_SCRIPTABLE void Apply();
    Q_SCRIPTABLE void ShowWindow();
    // The profile file this host keeps; a second launch hands over only for the same one.
    Q_SCRIPTABLE QString StoreFile() const;

signals:
    Q_SCRIPTABLE void ProfileChanged(uint profile);
    Q_SCRIPTABLE void LightsChanged(bool on);

private:
    // Whether `profile` (1 to 5) is one; refuses the call when not.
    bool knownProfile(uint profile);
    // Answers a D-Bus caller with an error; a call from C++ has nobody to answer.
    void refuse(const QString& message);

    HostSession& m_session;
    QString m_storeFilePath;
    std::function<QStringList()> m_names;
    std::function<void()> m_showWindow;
};
