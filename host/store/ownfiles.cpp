// SPDX-License-Identifier: MIT
#include "host/store/ownfiles.h"

#include "host/device/onboardmemoryfile.h"
#include "host/openrgb/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OwnFiles)
};

// The folder as the file system resolves it, so that a link or a "../" leads to the same
// answer as the plain path.
QString resolvedFolder(const QString& filePath)
{
    const QFileInfo info(QFileInfo(filePath).absolutePath());
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// What every file of ours in the folder begins with.
QStringList ownNameStarts(const QString& storeFilePath)
{
    // The memory of the virtual keyboard is keyboard-memory.json, those of network
    // keyboards keyboard-memory-<device>.json: the stem covers both.
    return {QFileInfo(storeFilePath).fileName(),
            QFileInfo(OnboardMemoryFile::pathBeside(storeFilePath)).completeBaseName(),
            QFileInfo(SettingsFile::pathBeside(storeFilePath)).fileName()};
}
} // namespace

namespace OwnFiles {

bool isOwn(const QString& storeFilePath, const QString& filePath)
{
    if (storeFilePath.isEmpty() || resolvedFolder(filePath) != resolvedFolder(storeFilePath))
        return false;
    const QString name = QFileInfo(filePath).fileName();
    for (const QString& start : ownNameStarts(storeFilePath)) {
        if (name.startsWith(start))
            return true;
    }
    return false;
}

QString refusalToWrite(const QString& storeFilePath, const QString& filePath)
{
    if (!isOwn(storeFilePath, filePath))
        return {};
    return Text::tr("%1 is one of KeyLight's own files; choose another name.")
        .arg(QDir::toNativeSeparators(filePath));
}

} // namespace OwnFiles
