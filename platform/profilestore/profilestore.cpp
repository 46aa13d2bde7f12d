// SPDX-License-Identifier: MIT
#include "platform/profilestore/profilestore.h"

#include "platform/profilestore/profilestoreprivate.h"
#include "platform/profilestore/safefile.h"
#include "platform/profilestore/storelock.h"
#include "platform/profilestore/storeopening.h"
#include "platform/profilestore/storepaths.h"
#include "platform/profilestore/storetext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using StoreLimits::validProfile;
using StorePaths::shown;

ProfileStore::ProfileStore()
    : d(std::make_unique<Private>())
{
}

ProfileStore::~ProfileStore()
{
    close();
}

ProfileStore& ProfileStore::builtin()
{
    static ProfileStore store;
    return store;
}

QString ProfileStore::defaultFilePath()
{
    return StorePaths::defaultFilePath();
}

QString ProfileStore::fileNameInFolder(const QString& folder)
{
    return StorePaths::fileNameInFolder(folder);
}

QString ProfileStore::lastGoodCopyPath(const QString& filePath)
{
    return StorePaths::lastGoodCopyPath(filePath);
}

QString ProfileStore::lockPath(const QString& filePath)
{
    return StorePaths::lockPath(filePath);
}

ProfileStore::OpenResult ProfileStore::open(const QString& filePath, Access access)
{
    close();
    d->saver.setFilePath(filePath);
    const bool writable = access == Access::ReadWrite;
    if (writable) {
        // The lock lies beside the file, so the folder must be there first.
        QDir().mkpath(QFileInfo(filePath).absolutePath());
        OpenResult refused;
        d->lock = StoreLock::take(filePath, &refused.message);
        if (!d->lock) {
            refused.locked = true;
            d->contents = ProfileFile::Contents::factoryDefaults();
            return refused;
        }
    }
    return StoreOpening::load(d->saver, d->contents, writable);
}

ProfileStore::OpenResult ProfileStore::reload()
{
    return StoreOpening::load(d->saver, d->contents, d->saver.isSaving());
}

void ProfileStore::close()
{
    d->saver.flush();
    d->saver.setSaving(false);
    d->lock.reset();
}

void ProfileStore::setDeferredSaving(int quietMs, int longestMs)
{
    d->saver.setDeferred(quietMs, longestMs);
}

void ProfileStore::setSaveListener(std::function<void()> listener)
{
    d->saver.setListener(std::move(listener));
}

bool ProfileStore::flush()
{
    return d->saver.flush();
}

bool ProfileStore::hasUnsavedChanges() const
{
    return d->saver.hasUnsavedChanges();
}

ProfileStore::DiskState ProfileStore::diskState() const
{
    return d->saver.diskState();
}

bool ProfileStore::keepOwnOverDisk(QString* asidePath)
{
    return d->saver.keepOwnOverDisk(asidePath);
}

bool ProfileStore::saveCopyTo(const QString& filePath, QString* error) const
{
    const QString problem = SafeFile::write(filePath, ProfileFile::toJson(d->contents));
    if (!problem.isEmpty() && error)
        *error = StoreText::tr("The profiles could not be written to \"%1\" (%2).")
                     .arg(shown(filePath), problem);
    return problem.isEmpty();
}

QString ProfileStore::filePath() const
{
    return d->saver.filePath();
}

QString ProfileStore::lastError() const
{
    return d->saver.lastError();
}

ProfileData ProfileStore::profile(uchar profile) const
{
    return validProfile(profile) ? d->profile(profile) : ProfileData::factoryDefaults();
}

void ProfileStore::setProfile(uchar profile, const ProfileData& data)
{
    if (!validProfile(profile))
        return;
    const QString problem = data.problem();
    if (!problem.isEmpty()) {
        d->saver.setLastError(StoreText::tr("Profile %1 was not changed because %2.")
                                  .arg(profile)
                                  .arg(problem));
        return;
    }
    d->profile(profile) = data;
    d->changed();
}

QByteArray ProfileStore::profileText(uchar profile) const
{
    if (!validProfile(profile))
        return {};
    return ProfileFile::profileToText(d->profile(profile), profile);
}

bool ProfileStore::profileFromJson(const QJsonObject& json, ProfileData& out, QString* error)
{
    QString reason;
    if (ProfileFile::profileFromJson(json, out, &reason))
        return true;
    if (error)
        *error = StoreText::tr("The profile could not be imported because %1.").arg(reason);
    return false;
}
