#include "platform/profilestore/profilestore.h"

#include "platform/profilestore/latestjobthread.h"
#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/safefile.h"
#include "platform/profilestore/storetext.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPair>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <mutex>

namespace {
IVantorProfileCfg* g_installed = nullptr;

constexpr const char* kFileName = "profiles.json";
constexpr const char* kAsideStamp = "yyyyMMdd-HHmmss";
constexpr const char* kLastGoodSuffix = ".last-good";
constexpr const char* kLockSuffix = ".lock";

bool validProfile(uchar profile)
{
    return profile < kProfileCount;
}

std::vector<uchar> subModeNumbers(const std::array<vantor_light, kSubModeCount>& records)
{
    std::vector<uchar> modes;
    for (const vantor_light& record : records)
        modes.push_back(record.mode);
    return modes;
}

bool validRecords(const std::vector<vantor_light>& records)
{
    return std::all_of(records.begin(), records.end(), [](const vantor_light& light) {
        return RecordLimits::problem(light).isEmpty();
    });
}

template <std::size_t N>
bool copyFour(const std::vector<vantor_light>& from, std::array<vantor_light, N>& to)
{
    if (from.size() != N || !validRecords(from))
        return false;
    std::copy(from.begin(), from.end(), to.begin());
    return true;
}

QString shown(const QString& filePath)
{
    return QDir::toNativeSeparators(filePath);
}

// A free name beside the file: profiles.json.bad-20261205-201500, then -2, -3... when
// several files are set aside within one second.
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

QPair<qint64, QDateTime> stampOf(const QString& filePath)
{
    const QFileInfo info(filePath);
    return {info.size(), info.lastModified()};
}

QByteArray fingerprint(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

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
} // namespace

struct ProfileStore::Private
{
    ProfileFile::Contents contents = ProfileFile::Contents::factoryDefaults();
    QString filePath;
    bool saving = false; // false while memory-only, read-only, or when the file is unusable
    QString lastError;
    std::unique_ptr<QLockFile> lock;

    // Counts of changes: the newest one, and the newest one the file is known to hold.
    quint64 changeCount = 0;
    quint64 savedCount = 0;

    // Keeps each profile's text between saves; one thread at a time writes (flush() waits
    // for the background thread first).
    ProfileFile::FileWriter fileWriter;

    // Deferred saving: the timer waits for a quiet moment, the thread writes.
    int quietMs = 0;
    int longestMs = 0;
    std::unique_ptr<QObject> context; // receives the thread's results in the store's thread
    std::unique_ptr<QTimer> timer;
    QElapsedTimer firstUnsaved;
    std::function<void()> saveListener;

    // What this store wrote last, so that its own saves are not taken for outside changes;
    // the thread sets it just before a commit, hence the lock.
    mutable std::mutex writtenMutex;
    QByteArray writtenFingerprint;
    QByteArray committingFingerprint;
    // Size and time of the file as written: when they match, the file needs no reading.
    QPair<qint64, QDateTime> writtenStamp;

    // Last, so that its thread has ended before the members its jobs use go away.
    std::unique_ptr<LatestJobThread> writer;

    ProfileData& profile(uchar number) { return contents.profiles[number]; }

    // Every change goes through here.
    void changed()
    {
        if (!saving)
            return;
        ++changeCount;
        if (quietMs <= 0) {
            saveNow();
            return;
        }
        if (!timer->isActive())
            firstUnsaved.start();
        const qint64 latest = longestMs - firstUnsaved.elapsed();
        timer->start(int(qBound<qint64>(0, std::min<qint64>(quietMs, latest), longestMs)));
    }

    // Writes the file and then its last good copy; safe on any thread, as it only reads
    // its arguments and the fingerprint under its lock.
    QString writeFiles(const QString& path, const QByteArray& bytes)
    {
        {
            std::lock_guard<std::mutex> guard(writtenMutex);
            committingFingerprint = fingerprint(bytes);
        }
        const QString problem = SafeFile::write(path, bytes);
        {
            std::lock_guard<std::mutex> guard(writtenMutex);
            if (problem.isEmpty()) {
                writtenFingerprint = committingFingerprint;
                writtenStamp = stampOf(path);
            }
            committingFingerprint.clear();
        }
        // The copy is only a fallback for a file that stops parsing: the file itself holds
        // every change already, so a copy that cannot be written is no reason to complain.
        if (problem.isEmpty())
            SafeFile::write(lastGoodCopyPath(path), bytes);
        return problem;
    }

    bool saveNow()
    {
        const quint64 count = changeCount;
        savedOutcome(count, writeFiles(filePath, fileWriter.toJson(contents)));
        return lastError.isEmpty();
    }

    // Hands a snapshot to the thread; the result comes back through the event loop.
    void saveInBackground()
    {
        auto snapshot = std::make_shared<const ProfileFile::Contents>(contents);
        const quint64 count = changeCount;
        const QString path = filePath;
        QPointer<QObject> receiver = context.get();
        writer->post([this, snapshot, count, path, receiver] {
            const QString problem = writeFiles(path, fileWriter.toJson(*snapshot));
            QMetaObject::invokeMethod(
                receiver, [this, count, problem] { savedOutcome(count, problem); },
                Qt::QueuedConnection);
        });
    }

    void savedOutcome(quint64 count, const QString& problem)
    {
        if (problem.isEmpty()) {
            savedCount = std::max(savedCount, count);
            lastError.clear();
        } else {
            lastError = StoreText::tr("The profiles could not be saved to \"%1\" (%2); the "
                                      "file there was left as it was.")
                            .arg(shown(filePath), problem);
        }
        if (saveListener)
            saveListener();
    }

    // Stops a pending save and waits for one that runs to end.
    void waitForWriter()
    {
        if (timer)
            timer->stop();
        if (writer) {
            writer->waitUntilIdle();
            // The thread's last result is still on its way; take it now (unless the
            // application is gone, as when the built-in store ends with the process).
            if (QCoreApplication::instance())
                QCoreApplication::sendPostedEvents(context.get());
        }
    }

    // Waits for the thread and then writes whatever is still pending.
    bool flush()
    {
        waitForWriter();
        if (saving && changeCount != savedCount)
            saveNow();
        return !saving || changeCount == savedCount;
    }

    void forgetChanges()
    {
        waitForWriter();
        changeCount = savedCount = 0;
    }

    // Moves a file that cannot be used out of the way; false when even that fails.
    bool setAside(const QString& why, OpenResult& result)
    {
        const QString aside = asidePath(filePath, "bad");
        if (!QDir().rename(filePath, aside)) {
            result.message = StoreText::tr("The profile file \"%1\" could not be used because "
                                           "%2, and it could not be moved aside either, so the "
                                           "factory settings are used and no change will be "
                                           "saved.")
                                 .arg(shown(filePath), why);
            contents = ProfileFile::Contents::factoryDefaults();
            saving = false;
            lastError = result.message;
            return false;
        }
        result.replaced = true;
        result.movedAsidePath = aside;
        return true;
    }

    // A file whose frame does not parse: the last good copy, or else the factory settings.
    void replaceUnreadable(const QString& reason, bool writable, OpenResult& result)
    {
        QByteArray bytes;
        QString copyReason;
        std::vector<ProfileFile::ProfileFault> faults;
        auto copy = std::make_unique<ProfileFile::Contents>();
        result.restoredFromCopy = SafeFile::read(lastGoodCopyPath(filePath), bytes, copyReason)
            && ProfileFile::readKeepingGood(bytes, *copy, faults, &copyReason);
        contents = result.restoredFromCopy ? *copy : ProfileFile::Contents::factoryDefaults();
        for (const ProfileFile::ProfileFault& fault : faults)
            result.resetProfiles.push_back(fault.profile);
        const QString instead = result.restoredFromCopy
            ? StoreText::tr("the last good copy \"%1\" is used instead")
                  .arg(shown(lastGoodCopyPath(filePath)))
            : StoreText::tr("the factory settings are used instead");
        if (!writable) {
            result.message = StoreText::tr("The profile file \"%1\" could not be used because "
                                           "%2; %3, and nothing was changed on disk.")
                                 .arg(shown(filePath), reason, instead);
            return;
        }
        if (!setAside(reason, result))
            return;
        result.message = StoreText::tr("The profile file \"%1\" could not be used because %2; "
                                       "it was moved to \"%3\" and %4.")
                             .arg(shown(filePath), reason, shown(result.movedAsidePath), instead);
    }

    // A file that parses but holds bad profiles: those go back to the factory settings.
    void repairProfiles(const std::vector<ProfileFile::ProfileFault>& faults, bool writable,
                        OpenResult& result)
    {
        for (const ProfileFile::ProfileFault& fault : faults)
            result.resetProfiles.push_back(fault.profile);
        const QString which = profileList(faults);
        const QString why = faults.front().reason;
        if (!writable) {
            const QString instead = faults.size() == 1
                ? StoreText::tr("it is shown with the factory settings")
                : StoreText::tr("they are shown with the factory settings");
            result.message = StoreText::tr("In the profile file \"%1\", %2 could not be used "
                                           "because %3; %4, and nothing was changed on disk.")
                                 .arg(shown(filePath), which, why, instead);
            return;
        }
        if (!setAside(why, result))
            return;
        result.message = StoreText::tr("In the profile file \"%1\", %2 went back to the "
                                       "factory settings because %3; the other profiles were "
                                       "kept, and the original file was moved to \"%4\".")
                             .arg(shown(filePath), which, why, shown(result.movedAsidePath));
    }

    // Reads the opened file into memory; `writable` says whether the file may be changed.
    OpenResult load(bool writable)
    {
        OpenResult result;
        forgetChanges();
        lastError.clear();
        contents = ProfileFile::Contents::factoryDefaults();
        saving = writable;

        const QFileInfo info(filePath);
        if (!info.exists() && !info.isSymLink()) {
            if (writable) {
                result.created = saveNow();
                result.message = lastError;
            }
            return result;
        }

        QByteArray bytes;
        QString reason;
        std::vector<ProfileFile::ProfileFault> faults;
        auto read = std::make_unique<ProfileFile::Contents>();
        if (!SafeFile::read(filePath, bytes, reason)
            || !ProfileFile::readKeepingGood(bytes, *read, faults, &reason)) {
            replaceUnreadable(reason, writable, result);
        } else {
            contents = *read;
            if (!faults.empty())
                repairProfiles(faults, writable, result);
            else
                takeAsLastGood(bytes, writable);
        }
        // What was kept of a bad file is written at once, so the next start finds it valid.
        if (saving && result.replaced) {
            ++changeCount;
            saveNow();
        }
        return result;
    }

    // A good file is the last good state, whoever wrote it: later notices about it are no
    // outside change, and (when the store may write) it becomes the copy to fall back on.
    void takeAsLastGood(const QByteArray& bytes, bool writable)
    {
        {
            std::lock_guard<std::mutex> guard(writtenMutex);
            writtenFingerprint = fingerprint(bytes);
            writtenStamp = stampOf(filePath);
        }
        if (!writable)
            return;
        QByteArray copy;
        QString reason;
        if (!SafeFile::read(lastGoodCopyPath(filePath), copy, reason) || copy != bytes)
            SafeFile::write(lastGoodCopyPath(filePath), bytes);
    }

    // Only one process may write the file. Returns false, with the message in `result`,
    // when another one does; a lock that cannot be made at all (a read-only folder) does
    // not stop the store, whose saves will then fail and say so.
    bool takeLock(OpenResult& result)
    {
        lock = std::make_unique<QLockFile>(lockPath(filePath));
        // The owner keeps the lock as long as it runs: only a lock whose process is gone
        // is stale, however old it is.
        lock->setStaleLockTime(0);
        if (lock->tryLock())
            return true;
        if (lock->error() != QLockFile::LockFailedError) {
            lock.reset();
            return true;
        }
        qint64 pid = 0;
        QString host;
        QString program;
        lock->getLockInfo(&pid, &host, &program);
        lock.reset();
        result.locked = true;
        result.message = StoreText::tr("The profile file \"%1\" is in use by %2 (process %3); "
                                       "only one program may change it at a time.")
                             .arg(shown(filePath),
                                  program.isEmpty() ? StoreText::tr("another program") : program)
                             .arg(pid);
        return false;
    }
};

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
    return fileNameInFolder(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString ProfileStore::fileNameInFolder(const QString& folder)
{
    return QDir(folder).filePath(QLatin1String(kFileName));
}

QString ProfileStore::lastGoodCopyPath(const QString& filePath)
{
    return filePath + QLatin1String(kLastGoodSuffix);
}

QString ProfileStore::lockPath(const QString& filePath)
{
    return filePath + QLatin1String(kLockSuffix);
}

ProfileStore::OpenResult ProfileStore::open(const QString& filePath, Access access)
{
    close();
    d->filePath = filePath;
    const bool writable = access == Access::ReadWrite;
    OpenResult result;
    if (writable) {
        // The lock lies beside the file, so the folder must be there first.
        QDir().mkpath(QFileInfo(filePath).absolutePath());
        if (!d->takeLock(result)) {
            d->contents = ProfileFile::Contents::factoryDefaults();
            return result;
        }
    }
    return d->load(writable);
}

ProfileStore::OpenResult ProfileStore::reload()
{
    return d->load(d->saving);
}

void ProfileStore::close()
{
    d->flush();
    d->saving = false;
    d->lock.reset();
}

void ProfileStore::setDeferredSaving(int quietMs, int longestMs)
{
    d->quietMs = quietMs;
    d->longestMs = std::max(quietMs, longestMs);
    if (!d->writer) {
        d->context = std::make_unique<QObject>();
        d->timer = std::make_unique<QTimer>();
        d->timer->setSingleShot(true);
        QObject::connect(d->timer.get(), &QTimer::timeout, d->context.get(),
                         [this] { d->saveInBackground(); });
        d->writer = std::make_unique<LatestJobThread>();
    }
}

void ProfileStore::setSaveListener(std::function<void()> listener)
{
    d->saveListener = std::move(listener);
}

bool ProfileStore::flush()
{
    return d->flush();
}

bool ProfileStore::hasUnsavedChanges() const
{
    return d->saving && d->changeCount != d->savedCount;
}

ProfileStore::DiskState ProfileStore::diskState() const
{
    QByteArray bytes;
    QString reason;
    if (!QFileInfo::exists(d->filePath))
        return DiskState::Missing;
    {
        // The store's own saves come here several times a second: they are told by their
        // size and time alone, without reading the whole file.
        std::lock_guard<std::mutex> guard(d->writtenMutex);
        if (stampOf(d->filePath) == d->writtenStamp)
            return DiskState::AsSaved;
    }
    if (!SafeFile::read(d->filePath, bytes, reason))
        return DiskState::ChangedOutside;
    const QByteArray print = fingerprint(bytes);
    std::lock_guard<std::mutex> guard(d->writtenMutex);
    return print == d->writtenFingerprint || print == d->committingFingerprint
        ? DiskState::AsSaved
        : DiskState::ChangedOutside;
}

bool ProfileStore::keepOwnOverDisk(QString* asidePathOut)
{
    if (!d->saving)
        return false;
    // Nothing may be written before the other file is out of the way.
    d->waitForWriter();
    if (QFileInfo::exists(d->filePath)) {
        const QString aside = asidePath(d->filePath, "outside");
        if (!QDir().rename(d->filePath, aside)) {
            d->lastError = StoreText::tr("The profile file \"%1\" could not be moved aside, "
                                         "so it was left as it was.")
                               .arg(shown(d->filePath));
            return false;
        }
        if (asidePathOut)
            *asidePathOut = aside;
    }
    ++d->changeCount;
    return d->saveNow();
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
    return d->filePath;
}

QString ProfileStore::lastError() const
{
    return d->lastError;
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
        d->lastError = StoreText::tr("Profile %1 was not changed because %2.")
                           .arg(profile)
                           .arg(problem);
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

uchar ProfileStore::currentProfile()
{
    return d->contents.currentProfile;
}

uchar ProfileStore::currentMode(uchar profile)
{
    return validProfile(profile) ? d->profile(profile).activeMode : uchar(Mode::Static);
}

void ProfileStore::readModeParam(uchar profile, uchar mode, vantor_light& light)
{
    if (validProfile(profile) && mode < Mode::Count)
        light = d->profile(profile).modeLights[mode];
}

void ProfileStore::readModeParams(uchar profile, std::vector<vantor_light>& vLights)
{
    if (!validProfile(profile))
        return;
    for (const vantor_light& light : d->profile(profile).modeLights) {
        if (ModeCatalogue::isOrdinary(light.mode))
            vLights.push_back(light);
    }
}

void ProfileStore::readCustomLed(uchar profile, vantor_light_custom& custom)
{
    if (validProfile(profile))
        custom = d->profile(profile).custom;
}

uchar ProfileStore::currentMultilayer(uchar profile)
{
    return validProfile(profile) ? d->profile(profile).currentLayer : 0;
}

void ProfileStore::readMultilayerParams(uchar profile, std::vector<vantor_light>& vMul)
{
    if (validProfile(profile))
        vMul.assign(d->profile(profile).layers.begin(), d->profile(profile).layers.end());
}

void ProfileStore::readMultilayerParam(uchar profile, vantor_light& light)
{
    if (validProfile(profile)) {
        const ProfileData& data = d->profile(profile);
        light = data.layers[data.currentLayer];
    }
}

void ProfileStore::readMultilayerModes(uchar profile, uchar& iCurrSubMode,
                                       std::vector<uchar>& vModes)
{
    if (!validProfile(profile))
        return;
    iCurrSubMode = d->profile(profile).currentLayer;
    vModes = subModeNumbers(d->profile(profile).layers);
}

uchar ProfileStore::currentMultizone(uchar profile)
{
    return validProfile(profile) ? d->profile(profile).currentZone : 0;
}

void ProfileStore::readMultizoneParams(uchar profile, std::vector<vantor_light>& vMul,
                                       vantor_filter& filter)
{
    if (!validProfile(profile))
        return;
    vMul.assign(d->profile(profile).zones.begin(), d->profile(profile).zones.end());
    filter = d->profile(profile).filter;
}

void ProfileStore::readMultizoneParam(uchar profile, vantor_light& light)
{
    if (validProfile(profile)) {
        const ProfileData& data = d->profile(profile);
        light = data.zones[data.currentZone];
    }
}

void ProfileStore::readMultizoneModes(uchar profile, uchar& iCurrSubMode,
                                      std::vector<uchar>& vModes)
{
    if (!validProfile(profile))
        return;
    iCurrSubMode = d->profile(profile).currentZone;
    vModes = subModeNumbers(d->profile(profile).zones);
}

void ProfileStore::writeCustomColors(uchar profile, int iGroundType,
                                     const std::vector<custom_color>& vCor)
{
    if (!validProfile(profile) || iGroundType < 0 || iGroundType > 1
        || vCor.size() != std::size_t(kCustomColorSlots))
        return;
    auto& colours = d->profile(profile).customColors[std::size_t(iGroundType)];
    std::copy(vCor.begin(), vCor.end(), colours.begin());
    d->changed();
}

void ProfileStore::readCustomColors(uchar profile, int iGroundType,
                                    std::vector<custom_color>& vCor)
{
    if (!validProfile(profile) || iGroundType < 0 || iGroundType > 1)
        return;
    const auto& colours = d->profile(profile).customColors[std::size_t(iGroundType)];
    vCor.assign(colours.begin(), colours.end());
}

void ProfileStore::setCurrentProfile(uchar profile)
{
    if (!validProfile(profile))
        return;
    d->contents.currentProfile = profile;
    d->changed();
}

void ProfileStore::setCurrentMode(uchar profile, uchar mode)
{
    if (!validProfile(profile) || mode >= Mode::Count)
        return;
    d->profile(profile).activeMode = mode;
    d->changed();
}

void ProfileStore::writeModeParam(uchar profile, const vantor_light& light)
{
    if (!validProfile(profile) || !RecordLimits::problem(light).isEmpty())
        return;
    d->profile(profile).modeLights[light.mode] = light;
    d->changed();
}

void ProfileStore::writeCustomLed(uchar profile, const vantor_light_custom& custom)
{
    if (!validProfile(profile))
        return;
    d->profile(profile).custom = custom;
    d->changed();
}

void ProfileStore::setCurrentMultilayer(uchar profile, uchar iCurrSubMode)
{
    if (!validProfile(profile) || iCurrSubMode >= kSubModeCount)
        return;
    d->profile(profile).currentLayer = iCurrSubMode;
    d->changed();
}

void ProfileStore::writeMultilayerParams(uchar profile, const std::vector<vantor_light>& vMul)
{
    if (validProfile(profile) && copyFour(vMul, d->profile(profile).layers))
        d->changed();
}

void ProfileStore::setCurrentMultizone(uchar profile, uchar iCurrSubMode)
{
    if (!validProfile(profile) || iCurrSubMode >= kSubModeCount)
        return;
    d->profile(profile).currentZone = iCurrSubMode;
    d->changed();
}

void ProfileStore::writeMultizoneParams(uchar profile, const std::vector<vantor_light>& vMul,
                                        const vantor_filter& filter)
{
    if (!validProfile(profile) || !copyFour(vMul, d->profile(profile).zones))
        return;
    d->profile(profile).filter = filter;
    d->changed();
}

void ProfileStore::resetProfile(uchar profile)
{
    if (!validProfile(profile))
        return;
    d->profile(profile) = ProfileData::factoryDefaults();
    d->changed();
}

IVantorProfileCfg::~IVantorProfileCfg() = default;

IVantorProfileCfg& IVantorProfileCfg::Instance()
{
    return g_installed ? *g_installed : ProfileStore::builtin();
}

void IVantorProfileCfg::setInstance(IVantorProfileCfg* pCfg)
{
    g_installed = pCfg;
}
