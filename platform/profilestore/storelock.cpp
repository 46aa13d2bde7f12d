// SPDX-License-Identifier: MIT
#include "platform/profilestore/storelock.h"

#include "platform/profilestore/safefile.h"
#include "platform/profilestore/storepaths.h"
#include "platform/profilestore/storetext.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <optional>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A lock file is three short lines (process, program, computer) and perhaps a few more.
constexpr int kMaxLockBytes = 4096;
// Times on disk and of processes are whole seconds apart at worst.
constexpr qint64 kClockSlackSeconds = 2;

// What a lock file says about its owner, as far as it can be read.
struct LockInfo
{
    bool isLock = false;
    qint64 pid = 0;
    QString program;
    QString host;
    qint64 madeAt = 0; // seconds since 1970, from the file's time
};

LockInfo readInfo(int fd)
{
    LockInfo info;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kMaxLockBytes)
        return info;
    info.madeAt = status.st_mtime;
    QByteArray bytes(int(status.st_size), Qt::Uninitialized);
    if (::pread(fd, bytes.data(), size_t(bytes.size()), 0) != bytes.size())
        return info;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 3)
        return info;
    bool ok = false;
    info.pid = lines.at(0).trimmed().toLongLong(&ok);
    info.program = QString::fromUtf8(lines.at(1).trimmed());
    info.host = QString::fromUtf8(lines.at(2).trimmed());
    info.isLock = ok && info.pid > 0;
    return info;
}

bool processRuns(qint64 pid)
{
    // EPERM: it runs, as another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// When the process now holding `pid` started, in seconds since 1970; 0 when unknown.
qint64 processStartedAt(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    QFile system(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return 0;
    // The program's name in parentheses may hold spaces: the fields count from its end.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 19; // the 22nd field, the 3rd after the name
    if (fields.size() <= kStartTimeField)
        return 0;
    const qint64 ticksAfterBoot = fields.at(kStartTimeField).toLongLong();
    qint64 bootedAt = 0;
    for (const QByteArray& entry : system.readAll().split('\n')) {
        if (entry.startsWith("btime "))
            bootedAt = entry.mid(6).trimmed().toLongLong();
    }
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (bootedAt == 0 || ticksPerSecond <= 0)
        return 0;
    return bootedAt + ticksAfterBoot / ticksPerSecond;
}

// What the lock file says, when there is one to read; read without waiting or following.
std::optional<LockInfo> readLockFile(const QString& lockPath)
{
    const int fd = ::open(QFile::encodeName(lockPath).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const LockInfo info = readInfo(fd);
    ::close(fd);
    return info;
}

// Why QLockFile could take over the lock it found, for the line that says so.
QString whyQtTookOver(const LockInfo& found)
{
    if (!found.isLock)
        return StoreText::tr("it held no lock");
    if (!processRuns(found.pid))
        return StoreText::tr("process %1, which made it, has ended").arg(found.pid);
    return StoreText::tr("process %1 is another program by now").arg(found.pid);
}

QString lockIsAFolder(const QString& lockPath)
{
    return StoreText::tr("The lock \"%1\" of the profile file is a folder; remove it, then "
                         "start KeyLight again.")
        .arg(StorePaths::shown(lockPath));
}

QString cannotRemove(const QString& lockPath, const QString& why)
{
    return StoreText::tr("The lock \"%1\" of the profile file was left behind (%2), but it "
                         "cannot be removed (%3).")
        .arg(StorePaths::shown(lockPath), why, QString::fromLocal8Bit(strerror(errno)));
}

QString programName(const LockInfo& info)
{
    return info.program.isEmpty() ? StoreText::tr("another program") : info.program;
}

// Decides about a lock that QLockFile would not take. Either fills `refusal` (and perhaps
// `otherHost`) or returns why the lock may go, as a phrase; the file is removed then.
class Inspection
{
public:
    Inspection(const QString& filePath, bool overOtherHost)
        : m_filePath(filePath)
        , m_lockPath(StorePaths::lockPath(filePath))
        , m_overOtherHost(overOtherHost)
    {
    }

    // Why the lock was taken over; empty when it was not (then refusal() says why).
    QString takeOverLeftBehind()
    {
        // Anything but a plain file was removed before Qt's lock looked at it; one that
        // has come since is refused like a lock that cannot be read.
        const QByteArray path = QFile::encodeName(m_lockPath);
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        struct stat status {};
        if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            m_refusal = StoreText::tr("The lock \"%1\" of the profile file cannot be read (%2).")
                            .arg(StorePaths::shown(m_lockPath),
                                 QString::fromLocal8Bit(strerror(fd < 0 ? errno : EINVAL)));
            if (fd >= 0)
                ::close(fd);
            return {};
        }
        // A Qt program that holds the lock keeps this advisory lock on it for as long as
        // it runs, even while it is still writing the lock's text.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            refuseLive(readInfo(fd));
            ::close(fd);
            return {};
        }
        const QString why = whyLeftBehind(readInfo(fd));
        // Removed while this process holds the advisory lock, so nobody takes it meanwhile.
        const QString result = why.isEmpty() ? QString() : removed(why);
        ::close(fd);
        return result;
    }

    const QString& refusal() const { return m_refusal; }
    const QString& otherHost() const { return m_otherHost; }

private:
    QString whyLeftBehind(const LockInfo& info)
    {
        if (!info.isLock)
            return StoreText::tr("it held no lock");
        if (!info.host.isEmpty() && info.host != QSysInfo::machineHostName()) {
            if (m_overOtherHost)
                return StoreText::tr("it was made on the computer \"%1\", and taking it over "
                                     "was asked for")
                    .arg(info.host);
            m_otherHost = info.host;
            m_refusal = StoreText::tr("The profile file \"%1\" is locked by %2 (process %3) on "
                                      "the computer \"%4\"; only one program may change it at "
                                      "a time. If that program is surely closed, start "
                                      "KeyLight with --force-unlock to take the lock over; "
                                      "two programs writing at once lose changes.")
                            .arg(StorePaths::shown(m_filePath), programName(info))
                            .arg(info.pid)
                            .arg(info.host);
            return {};
        }
        if (!processRuns(info.pid))
            return StoreText::tr("process %1, which made it, has ended").arg(info.pid);
        const qint64 startedAt = processStartedAt(info.pid);
        if (startedAt > 0 && info.madeAt + kClockSlackSeconds < startedAt)
            return StoreText::tr("process %1 started after the lock was made, so it is not "
                                 "the one that made it")
                .arg(info.pid);
        refuseLive(info);
        return {};
    }

    void refuseLive(const LockInfo& info)
    {
        if (!info.isLock) {
            m_refusal = StoreText::tr("The profile file \"%1\" is in use by another program "
                                      "on this computer; only one program may change it at "
                                      "a time. Close the other program, then start KeyLight "
                                      "again.")
                            .arg(StorePaths::shown(m_filePath));
            return;
        }
        m_refusal = StoreText::tr("The profile file \"%1\" is in use by %2 (process %3) on "
                                  "this computer; only one program may change it at a time. "
                                  "Close that program, or end it with \"kill %3\", then start "
                                  "KeyLight again.")
                        .arg(StorePaths::shown(m_filePath), programName(info))
                        .arg(info.pid);
    }

    QString removed(const QString& why)
    {
        if (::unlink(QFile::encodeName(m_lockPath).constData()) != 0) {
            m_refusal = cannotRemove(m_lockPath, why);
            return {};
        }
        return why;
    }

    const QString m_filePath;
    const QString m_lockPath;
    const bool m_overOtherHost;
    QString m_refusal;
    QString m_otherHost;
};
} // namespace

namespace StoreLock {

Outcome take(const QString& filePath, bool overOtherHost)
{
    Outcome outcome;
    auto lock = std::make_unique<QLockFile>(StorePaths::lockPath(filePath));
    // The owner keeps the lock as long as it runs: age alone makes no lock stale.
    lock->setStaleLockTime(0);
    // Twice at most: a lock left behind is removed once; if another process takes the
    // lock in that moment, the second look finds its live lock and says whose it is.
    QString takenOverBecause;
    // QLockFile reads a lock that is there with an open that waits: a FIFO in its place would
    // hang the program for good. Anything but a plain file is no lock of ours.
    const QString lockPath = StorePaths::lockPath(filePath);
    const QString kind = SafeFile::refusal(lockPath);
    if (!kind.isEmpty()) {
        if (QFileInfo(lockPath).isDir() && !QFileInfo(lockPath).isSymLink()) {
            outcome.refusal = lockIsAFolder(lockPath);
            return outcome;
        }
        if (::unlink(QFile::encodeName(lockPath).constData()) != 0) {
            outcome.refusal = cannotRemove(lockPath, kind);
            return outcome;
        }
        takenOverBecause = kind;
    }
    // QLockFile itself takes over a lock whose process has ended or is another program by
    // now; what the lock said is read first, so that the line can tell.
    const std::optional<LockInfo> found = readLockFile(lockPath);
    for (int look = 0; look < 2; ++look) {
        if (lock->tryLock() || lock->error() != QLockFile::LockFailedError) {
            if (look == 0 && found && lock->isLocked() && takenOverBecause.isEmpty())
                takenOverBecause = whyQtTookOver(*found);
            if (!takenOverBecause.isEmpty())
                outcome.notice = StoreText::tr("The lock \"%1\" of the profile file was "
                                               "taken over because %2.")
                                     .arg(StorePaths::shown(lockPath), takenOverBecause);
            outcome.lock = std::move(lock);
            return outcome;
        }
        Inspection inspection(filePath, overOtherHost && look == 0);
        takenOverBecause = inspection.takeOverLeftBehind();
        if (takenOverBecause.isEmpty()) {
            outcome.refusal = inspection.refusal();
            outcome.otherHost = inspection.otherHost();
            return outcome;
        }
    }
    outcome.refusal = StoreText::tr("The profile file \"%1\" is in use by another program; "
                                    "only one program may change it at a time.")
                          .arg(StorePaths::shown(filePath));
    return outcome;
}

} // namespace StoreLock
