// SPDX-License-Identifier: MIT
#include "platform/profilestore/storeopening.h"

#include "platform/profilestore/safefile.h"
#include "platform/profilestore/storepaths.h"
#include "platform/profilestore/storesaver.h"
#include "platform/profilestore/storetext.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
using OpenResult = ProfileStore::OpenResult;
using StorePaths::shown;

QString profileList(const std::vector<ProfileFile::ProfileFault>& faults)
{
    // Numbered as the user sees them, from 1.
    QStringList numbers;
    for (const ProfileFile::ProfileFault& fault : faults)
        numbers << QString::number(fault.profile + 1);
    if (numbers.size() == 1)
        return StoreText::tr("profile %1").arg(numbers.constFirst());
    const QString last = numbers.takeLast();
    return StoreText::tr("profiles %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

class Opening
{
public:
    Opening(StoreSaver& saver, ProfileFile::Contents& contents, bool writable)
        : m_saver(saver)
        , m_contents(contents)
        , m_filePath(saver.filePath())
        , m_writable(writable)
    {
    }

    OpenResult load()
    {
        m_saver.forgetChanges();
        m_saver.setLastError({});
        m_saver.keepOlderFormat({}, 0);
        m_contents = ProfileFile::Contents::factoryDefaults();
        m_saver.setSaving(m_writable);

        const QFileInfo info(m_filePath);
        if (!info.exists() && !info.isSymLink()) {
            if (m_writable) {
                m_result.created = m_saver.saveNow();
                m_result.message = m_saver.lastError();
            }
            return m_result;
        }

        QByteArray bytes;
        QString reason;
        std::vector<ProfileFile::ProfileFault> faults;
        auto read = std::make_unique<ProfileFile::Contents>();
        if (!SafeFile::read(m_filePath, bytes, reason, StorePaths::kMaxFileBytes)
            || !ProfileFile::readKeepingGood(bytes, *read, faults, &reason)) {
            replaceUnreadable(reason);
        } else {
            m_contents = *read;
            if (!faults.empty()) {
                repairProfiles(faults);
            } else {
                m_saver.takeAsLastGood(bytes);
                // Opened as it is; only the first save rewrites it in the current format.
                if (read->formatVersion < ProfileFile::kFormatVersion)
                    m_saver.keepOlderFormat(bytes, read->formatVersion);
            }
        }
        // What was kept of a bad file is written at once, so the next start finds it valid.
        if (m_saver.isSaving() && m_result.replaced) {
            m_saver.countChange();
            m_saver.saveNow();
        }
        return m_result;
    }

private:
    // Moves a file that cannot be used out of the way; false when even that fails.
    bool setAside(const QString& why)
    {
        const QString aside = StorePaths::asidePath(m_filePath, "bad");
        if (!QDir().rename(m_filePath, aside)) {
            m_result.message = StoreText::tr("The profile file \"%1\" could not be used "
                                             "because %2, and it could not be moved aside "
                                             "either, so the factory settings are used and "
                                             "no change will be saved.")
                                   .arg(shown(m_filePath), why);
            m_contents = ProfileFile::Contents::factoryDefaults();
            m_saver.setSaving(false);
            m_saver.setLastError(m_result.message);
            return false;
        }
        m_result.replaced = true;
        m_result.movedAsidePath = aside;
        return true;
    }

    // A file whose frame does not parse: the last good copy, or else the factory settings.
    void replaceUnreadable(const QString& reason)
    {
        const QString copyPath = StorePaths::lastGoodCopyPath(m_filePath);
        QByteArray bytes;
        QString copyReason;
        std::vector<ProfileFile::ProfileFault> faults;
        auto copy = std::make_unique<ProfileFile::Contents>();
        m_result.restoredFromCopy =
            SafeFile::read(copyPath, bytes, copyReason, StorePaths::kMaxFileBytes)
            && ProfileFile::readKeepingGood(bytes, *copy, faults, &copyReason);
        m_contents = m_result.restoredFromCopy ? *copy : ProfileFile::Contents::factoryDefaults();
        for (const ProfileFile::ProfileFault& fault : faults)
            m_result.resetProfiles.push_back(fault.profile);
        const QString instead = m_result.restoredFromCopy
            ? StoreText::tr("the last good copy \"%1\" is used instead").arg(shown(copyPath))
            : StoreText::tr("the factory settings are used instead");
        if (!m_writable) {
            m_result.message = StoreText::tr("The profile file \"%1\" could not be used "
                                             "because %2; %3, and nothing was changed on "
                                             "disk.")
                                   .arg(shown(m_filePath), reason, instead);
            return;
        }
        if (!setAside(reason))
            return;
        m_result.message = StoreText::tr("The profile file \"%1\" could not be used because "
                                         "%2; it was moved to \"%3\" and %4.")
                               .arg(shown(m_filePath), reason, shown(m_result.movedAsidePath),
                                    instead);
    }

    // A file that parses but holds bad profiles: those go back to the factory settings.
    void repairProfiles(const std::vector<ProfileFile::ProfileFault>& faults)
    {
        for (const ProfileFile::ProfileFault& fault : faults)
            m_result.resetProfiles.push_back(fault.profile);
        const QString which = profileList(faults);
        const QString why = faults.front().reason;
        if (!m_writable) {
            const QString instead = faults.size() == 1
                ? StoreText::tr("it is shown with the factory settings")
                : StoreText::tr("they are shown with the factory settings");
            m_result.message = StoreText::tr("In the profile file \"%1\", %2 could not be "
                                             "used because %3; %4, and nothing was changed "
                                             "on disk.")
                                   .arg(shown(m_filePath), which, why, instead);
            return;
        }
        if (!setAside(why))
            return;
        m_result.message = StoreText::tr("In the profile file \"%1\", %2 went back to the "
                                         "factory settings because %3; the other profiles "
                                         "were kept, and the original file was moved to "
                                         "\"%4\".")
                               .arg(shown(m_filePath), which, why,
                                    shown(m_result.movedAsidePath));
    }

    StoreSaver& m_saver;
    ProfileFile::Contents& m_contents;
    const QString m_filePath;
    const bool m_writable;
    OpenResult m_result;
};
} // namespace

namespace StoreOpening {

OpenResult load(StoreSaver& saver, ProfileFile::Contents& contents, bool writable)
{
    return Opening(saver, contents, writable).load();
}

} // namespace StoreOpening
