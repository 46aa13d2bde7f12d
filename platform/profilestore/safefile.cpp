// SPDX-License-Identifier: MIT
#include "platform/profilestore/safefile.h"

#include "platform/profilestore/storetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeFile {

bool read(const QString& filePath, QByteArray& bytes, QString& reason)
{
    QFile file(filePath);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    reason = StoreText::tr("it cannot be read (%1)").arg(file.errorString());
    return false;
}

QString write(const QString& filePath, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return StoreText::tr("its folder cannot be created");
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace SafeFile
