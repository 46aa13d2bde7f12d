// SPDX-License-Identifier: MIT
#include "host/store/profiletransfer.h"

#include "host/store/ownfiles.h"
#include "platform/profilestore/profilestore.h"
#include "platform/profilestore/safefile.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonParseError>

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
    const QString own = OwnFiles::refusalToWrite(store.filePath(), filePath);
    if (!own.isEmpty())
        return fail(error, own);
    const QString problem = SafeFile::write(filePath, store.profileText(profile),
                                            SafeFile::Folder::MustExist);
    if (!problem.isEmpty())
        return fail(error, QObject::tr("Cannot write %1: %2.").arg(shown(filePath), problem));
    return true;
}

bool importProfile(const QString& filePath, ProfileData& out, QString* error)
{
    // A link the user chose is followed: reading through it changes nothing.
    QByteArray bytes;
    QString reason;
    if (!SafeFile::read(filePath, bytes, reason, kMaxFileSize, SafeFile::Links::Follow))
        return fail(error, QObject::tr("Cannot read %1: %2.").arg(shown(filePath), reason));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(error, QObject::tr("%1 is not valid JSON: %2 at byte %3.")
                               .arg(shown(filePath), parseError.errorString())
                               .arg(parseError.offset));
    if (!document.isObject())
        return fail(error, QObject::tr("%1 does not hold a profile object.").arg(shown(filePath)));

    ProfileData data;
    if (!ProfileStore::profileFromJson(document.object(), data, &reason))
        return fail(error, QObject::tr("%1: %2")
                               .arg(shown(filePath), reason));
    out = data;
    return true;
}

ProfileData replacing(const ProfileData& replaced, const ProfileData& fromFile)
{
    ProfileData result = fromFile;
    if (result.name.isEmpty())
        result.name = replaced.name;
    return result;
}

} // namespace ProfileTransfer
