// SPDX-License-Identifier: MIT
#include "platform/profilestore/storepaths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr const char* kFileName = "profiles.json";
constexpr const char* kAsideStamp = "yyyyMMdd-HHmmss";
constexpr const char* kLastGoodSuffix = ".last-good";
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kOlderFormatSuffix = ".format-";
} // namespace

namespace StorePaths {

QString defaultFilePath()
{
    return fileNameInFolder(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString fileNameInFolder(const QString& folder)
{
    return QDir(folder).filePath(QLatin1String(kFileName));
}

QString lastGoodCopyPath(const QString& filePath)
{
    return filePath + QLatin1String(kLastGoodSuffix);
}

QString lockPath(const QString& filePath)
{
    return filePath + QLatin1String(kLockSuffix);
}

QString olderFormatCopyPath(const QString& filePath, int version)
{
    return filePath + QLatin1String(kOlderFormatSuffix) + QString::number(version);
}

QString asidePath(const QString& filePath, const char* why)
{
    const QString stem = QStringLiteral("%1.%2-%3").arg(
        filePath, QLatin1String(why),
        QDateTime::currentDateTime().toString(QLatin1String(kAsideStamp)));
    QString candidate = stem;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = QStringLiteral("%1-%2").arg(stem).arg(n);
    return candidate;
}

QString shown(const QString& filePath)
{
    return QDir::toNativeSeparators(filePath);
}

} // namespace StorePaths
