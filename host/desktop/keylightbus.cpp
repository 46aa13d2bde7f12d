// SPDX-License-Identifier: MIT
#include "host/desktop/keylightbus.h"

#include "host/desktop/effectnames.h"
#include "host/session/hostsession.h"
#include "host/session/profilecount.h"

#include <QDBusConnection>
#include <QDBusError>

const QString KeyLightBus::kService = QStringLiteral("org.keylight.KeyLight");
const QString KeyLightBus::kPath = QStringLiteral("/org/keylight/KeyLight");
const QString KeyLightBus::kInterface = QStringLiteral("org.keylight.KeyLight1");

KeyLightBus::KeyLightBus(HostSession& session, QString storeFilePath,
                         std::function<QStringList()> names, std::function<void()> showWindow,
                         QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_storeFilePath(std::move(storeFilePath))
    , m_names(std::move(names))
    , m_showWindow(std::move(showWindow))
{
    connect(&m_session, &HostSession::sigProfileSwitched, this,
            [this](uchar profile) { emit ProfileChanged(uint(profile) + 1); });
    connect(&m_session, &HostSession::sigLightsChanged, this, &KeyLightBus::LightsChanged);
}

bool KeyLightBus::registerOn(QDBusConnection& bus)
{
    return bus.registerObject(kPath, kInterface, this,
                              QDBusConnection::ExportScriptableSlots
                                  | QDBusConnection::ExportScriptableSignals);
}

void KeyLightBus::refuse(const QString& message)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, message);
}

bool KeyLightBus::knownProfile(uint profile)
{
    if (profile >= 1 && profile <= uint(kShownProfileCount))
        return true;
    refuse(tr("There is no profile %1: the profiles are 1 to %2.")
               .arg(profile)
               .arg(kShownProfileCount));
    return false;
}

void KeyLightBus::SetProfile(uint profile)
{
    if (knownProfile(profile))
        m_session.switchProfile(uchar(profile - 1));
}

void KeyLightBus::RenameProfile(uint profile, const QString& name)
{
    QString problem;
    if (knownProfile(profile) && !m_session.renameProfile(uchar(profile - 1), name, &problem))
        refuse(tr("The name was not kept because %1.").arg(problem));
}

uint KeyLightBus::Profile() const
{
    return uint(m_session.currentProfile()) + 1;
}

QStringList KeyLightBus::ProfileNames() const
{
    return m_names();
}

void KeyLightBus::SetEffect(const QString& name)
{
    const int mode = EffectNames::find(name);
    if (mode < 0) {
        refuse(tr("There is no effect named \"%1\".").arg(name));
        return;
    }
    m_session.setEffect(mode);
}

QString KeyLightBus::Effect() const
{
    return EffectNames::english(m_session.currentEffect());
}

void KeyLightBus::SetLightsOn(bool on)
{
    m_session.setLightsOn(on);
}

bool KeyLightBus::LightsOn() const
{
    return m_session.lightsOn();
}

void KeyLightBus::Apply()
{
    m_session.applyCurrent();
}

void KeyLightBus::ShowWindow()
{
    m_showWindow();
}

QString KeyLightBus::StoreFile() const
{
    return m_storeFilePath;
}
