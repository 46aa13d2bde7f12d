// SPDX-License-Identifier: MIT
#include "host/store/profiletransfer.h"

#include "platform/profilestore/profilestore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

namespace {
// A profile is a few hundred kilobytes at most; anything larger is not one of ours.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString shown(const QString& filePath)
{
    return QDir::toNativeSeparators(filePath);
}
} // namespace

namespace ProfileTransfer {

bool exportProfile(const ProfileStore& store, uchar profile, const QString& filePath,
                   QString* error)
{
    const QByteArray bytes = store.profileText(profile);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QObject::tr("Cannot write %1: %2.")
                               .arg(shown(filePath), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(error, QObject::tr("Cannot write %1: %2.")
                               .arg(shown(filePath), file.errorString()));
    return true;
}

bool importProfile(const QString& filePath, ProfileData& out, QString* error)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QObject::tr("Cannot read %1: %2.")
                               .arg(shown(filePath), file.errorString()));
    if (file.size() > kMaxFileSize)
        return fail(error, QObject::tr("%1 is %2 bytes long, too large for a profile.")
                               .arg(shown(filePath))
                               .arg(file.size()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(error, QObject::tr("%1 is not valid JSON: %2 at byte %3.")
                               .arg(shown(filePath), parseError.errorString())
                               .arg(parseError.offset));
    if (!document.isObject())
        return fail(error, QObject::tr("%1 does not hold a profile object.").arg(shown(filePath)));

    ProfileData data;
    QString reason;
    if (!ProfileStore::profileFromJson(document.object(), data, &reason))
        return fail(error, QObject::tr("%1: %2")
                               .arg(shown(filePath), reason));
    out = data;
    return true;
}

} // namespace ProfileTransfer
