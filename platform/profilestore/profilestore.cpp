// SPDX-License-Identifier: MIT
#include "platform/profilestore/profilestore.h"

#include "platform/profilestore/profilestoreprivate.h"
#include "platform/profilestore/safefile.h"
#include "platform/profilestore/storelock.h"
#include "platform/profilestore/storeopening.h"
#include "platform/profilestore/storepaths.h"
#include "platform/profilestore/storetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

using StoreLimits::validProfile;
using StorePaths::shown;

ProfileStore::ProfileStore()
    : d(std::make_unique<Private>())
{
    d->saver.setBeforeSave([this] { return d->keepLock(); });
}

bool ProfileStore::Private::keepLock()
{
    // Read-only, or in a folder where no lock could be made: nothing to keep.
    if (!lock || !lock->isLocked())
        return true;
    const QString filePath = saver.filePath();
    if (QFileInfo::exists(StorePaths::lockPath(filePath)))
        return true;
    lock.reset();
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    StoreLock::Outcome taken = StoreLock::take(filePath, false);
    if (!taken.lock) {
        saver.setLastError(taken.refusal);
        return false;
    }
    lock = std::move(taken.lock);
    return true;
}

ProfileStore::~ProfileStore()
{
    // Whoever listened may be gone by now, as at the end of the process.
    d->saver.setListener(nullptr);
    close();
}

ProfileStore& ProfileStore::builtin()
{
    static ProfileStore store;
    // A program may end with a save still waiting for its quiet moment. The application
    // object goes first: the store writes what is pending then, while the event loop's
    // objects still exist, and without telling listeners that may be gone already. The
    // file and the lock are let go with the process.
    static const bool finishesWithApplication = [] {
        qAddPostRoutine([] {
            store.d->saver.setListener(nullptr);
            store.d->saver.endDeferred();
        });
        return true;
    }();
    Q_UNUSED(finishesWithApplication)
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

QString ProfileStore::olderFormatCopyPath(const QString& filePath, int version)
{
    return StorePaths::olderFormatCopyPath(filePath, version);
}

ProfileStore::OpenResult ProfileStore::open(const QString& filePath, Access access,
                                            ForeignLock foreignLock)
{
    close();
    d->contents = ProfileFile::Contents::factoryDefaults();
    if (QFileInfo(filePath).isSymLink()) {
        OpenResult refused;
        refused.refused = true;
        refused.message = StoreText::tr("The profile file \"%1\" is a symbolic link to \"%2\"; "
                                        "KeyLight keeps its profiles only in a plain file. "
                                        "Put the file itself in its place, or name its "
                                        "folder with --store.")
                              .arg(shown(filePath), shown(QFileInfo(filePath).symLinkTarget()));
        return refused;
    }
    d->saver.setFilePath(filePath);
    const bool writable = access == Access::ReadWrite;
    QString notice;
    if (writable) {
        // The lock lies beside the file, so the folder must be there first.
        QDir().mkpath(QFileInfo(filePath).absolutePath());
        StoreLock::Outcome taken = StoreLock::take(filePath, foreignLock == ForeignLock::TakeOver);
        if (!taken.lock) {
            OpenResult refused;
            refused.locked = true;
            refused.lockHost = taken.otherHost;
            refused.message = taken.refusal;
            return refused;
        }
        d->lock = std::move(taken.lock);
        notice = taken.notice;
    }
    OpenResult result = StoreOpening::load(d->saver, d->contents, writable);
    result.notice = notice;
    return result;
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
