// SPDX-License-Identifier: MIT
#include "host/desktop/desktopsettings.h"

#include "host/openrgb/settingsfile.h"

#include <QVariant>

namespace {
const QString kLightsOnKey = QStringLiteral("desktop/lightsOn");
const QString kTrayHintKey = QStringLiteral("desktop/trayHintShown");

bool readFlag(const QString& path, const QString& key, bool otherwise)
{
    const QVariant value = SettingsFile::read(path, {key}).value(key);
    return value.isValid() ? value.toBool() : otherwise;
}
} // namespace

DesktopSettings::DesktopSettings(const QString& storeFilePath, bool writable)
    : m_settingsPath(SettingsFile::pathBeside(storeFilePath))
    , m_writable(writable)
{
}

bool DesktopSettings::lightsOn() const
{
    return readFlag(m_settingsPath, kLightsOnKey, true);
}

bool DesktopSettings::setLightsOn(bool on, QString* problem)
{
    return write(kLightsOnKey, on, problem);
}

bool DesktopSettings::trayHintShown() const
{
    return readFlag(m_settingsPath, kTrayHintKey, false);
}

void DesktopSettings::setTrayHintShown()
{
    QString ignored; // a hint told twice is no loss
    write(kTrayHintKey, true, &ignored);
}

bool DesktopSettings::write(const QString& key, bool value, QString* problem)
{
    return !m_writable || SettingsFile::write(m_settingsPath, {{key, value}}, problem);
}
