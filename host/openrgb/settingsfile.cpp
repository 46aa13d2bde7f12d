// SPDX-License-Identifier: MIT
#include "host/openrgb/settingsfile.h"

#include "platform/profilestore/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kFileName = QStringLiteral("keylight-host.ini");

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};
} // namespace

namespace SettingsFile {

QString pathBeside(const QString& storeFilePath)
{
    return QDir(QFileInfo(storeFilePath).absolutePath()).filePath(kFileName);
}

QVariantMap read(const QString& filePath, const QStringList& keys)
{
    QVariantMap values;
    if (!SafeFile::refusal(filePath).isEmpty())
        return values;
    const QSettings settings(filePath, QSettings::IniFormat);
    for (const QString& key : keys) {
        if (settings.contains(key))
            values.insert(key, settings.value(key));
    }
    return values;
}

bool write(const QString& filePath, const QVariantMap& values, QString* problem)
{
    const QString refusal = SafeFile::refusal(filePath);
    if (refusal.isEmpty()) {
        QSettings settings(filePath, QSettings::IniFormat);
        for (auto value = values.cbegin(); value != values.cend(); ++value) {
            if (value->isNull())
                settings.remove(value.key());
            else
                settings.setValue(value.key(), *value);
        }
        settings.sync();
        if (settings.status() == QSettings::NoError)
            return true;
    }
    if (problem) {
        const QString shown = QDir::toNativeSeparators(filePath);
        *problem = refusal.isEmpty()
            ? Text::tr("The settings cannot be saved in %1.").arg(shown)
            : Text::tr("The settings cannot be saved in %1 because %2.").arg(shown, refusal);
    }
    return false;
}

} // namespace SettingsFile
