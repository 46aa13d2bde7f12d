// SPDX-License-Identifier: MIT
#include "platform/profilestore/storesaver.h"

#include "platform/profilestore/latestjobthread.h"
#include "platform/profilestore/safefile.h"
#include "platform/profilestore/storepaths.h"
#include "platform/profilestore/storetext.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
QPair<qint64, QDateTime> stampOf(const QString& filePath)
{
    const QFileInfo info(filePath);
    return {info.size(), info.lastModified()};
}

QByteArray fingerprint(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// A copy beside the file is written only when it does not hold these bytes already: the
// copies are read at the start and on a bad file, and rewriting them costs a sync each.
void keepCopy(const QString& copyPath, const QByteArray& bytes)
{
    QByteArray copy;
    QString reason;
    if (!SafeFile::read(copyPath, copy, reason, StorePaths::kMaxFileBytes) || copy != bytes)
        SafeFile::write(copyPath, bytes);
}
} // namespace

StoreSaver::StoreSaver(const ProfileFile::Contents& contents)
    : m_contents(contents)
{
}

StoreSaver::~StoreSaver()
{
    waitForWriter();
}

void StoreSaver::setDeferred(int quietMs, int longestMs)
{
    m_quietMs = quietMs;
    m_longestMs = std::max(quietMs, longestMs);
    if (m_writer)
        return;
    m_context = std::make_unique<QObject>();
    m_timer = std::make_unique<QTimer>();
    m_timer->setSingleShot(true);
    QObject::connect(m_timer.get(), &QTimer::timeout, m_context.get(),
                     [this] { saveInBackground(); });
    m_writer = std::make_unique<LatestJobThread>();
}

void StoreSaver::endDeferred()
{
    flush();
    m_writer.reset();
    m_timer.reset();
    m_context.reset();
    m_quietMs = m_longestMs = 0;
}

void StoreSaver::changed()
{
    if (!m_saving)
        return;
    ++m_changeCount;
    if (m_quietMs <= 0) {
        saveNow();
        return;
    }
    if (!m_timer->isActive())
        m_firstUnsaved.start();
    const qint64 latest = m_longestMs - m_firstUnsaved.elapsed();
    m_timer->start(int(std::clamp<qint64>(std::min<qint64>(m_quietMs, latest), 0, m_longestMs)));
}

// Writes the file and then its last good copy; safe on any thread, as it only reads its
// arguments and the fingerprint under its lock.
QString StoreSaver::writeFiles(const QString& path, const QByteArray& bytes)
{
    {
        std::lock_guard<std::mutex> guard(m_writtenMutex);
        m_committingFingerprint = fingerprint(bytes);
    }
    const QString problem = SafeFile::write(path, bytes);
    {
        std::lock_guard<std::mutex> guard(m_writtenMutex);
        if (problem.isEmpty()) {
            m_writtenFingerprint = m_committingFingerprint;
            m_writtenStamp = stampOf(path);
        }
        m_committingFingerprint.clear();
    }
    // The copy is only a fallback for a file that stops parsing: the file itself holds
    // every change already, so a copy that cannot be written is no reason to complain.
    if (problem.isEmpty())
        SafeFile::write(StorePaths::lastGoodCopyPath(path), bytes);
    return problem;
}

bool StoreSaver::mayWrite()
{
    if (!m_beforeSave || m_beforeSave())
        return true;
    // The check has said why in the last error; the changes stay pending in memory.
    if (m_listener)
        m_listener();
    return false;
}

void StoreSaver::keepOlderFormat(const QByteArray& bytes, int version)
{
    m_olderFormatBytes = bytes;
    m_olderFormatVersion = version;
}

// In the store's thread, before the first write in the current format.
void StoreSaver::writeOlderFormatCopy()
{
    if (m_olderFormatBytes.isEmpty())
        return;
    // A copy already there with other bytes is an older state of that format: the newest
    // one is what an older program would want back.
    keepCopy(StorePaths::olderFormatCopyPath(m_filePath, m_olderFormatVersion),
             m_olderFormatBytes);
    m_olderFormatBytes.clear();
}

bool StoreSaver::saveNow()
{
    if (!mayWrite())
        return false;
    writeOlderFormatCopy();
    const quint64 count = m_changeCount;
    savedOutcome(count, writeFiles(m_filePath, m_fileWriter.toJson(m_contents)));
    return m_lastError.isEmpty();
}

// Hands a snapshot to the thread; the result comes back through the event loop.
void StoreSaver::saveInBackground()
{
    if (!mayWrite())
        return;
    writeOlderFormatCopy();
    auto snapshot = std::make_shared<const ProfileFile::Contents>(m_contents);
    const quint64 count = m_changeCount;
    const QString path = m_filePath;
    QPointer<QObject> receiver = m_context.get();
    m_writer->post([this, snapshot, count, path, receiver] {
        const QString problem = writeFiles(path, m_fileWriter.toJson(*snapshot));
        QMetaObject::invokeMethod(
            receiver, [this, count, problem] { savedOutcome(count, problem); },
            Qt::QueuedConnection);
    });
}

void StoreSaver::savedOutcome(quint64 count, const QString& problem)
{
    if (problem.isEmpty()) {
        m_savedCount = std::max(m_savedCount, count);
        m_lastError.clear();
    } else {
        m_lastError = StoreText::tr("The profiles could not be saved to \"%1\" (%2); the "
                                    "file there was left as it was.")
                          .arg(StorePaths::shown(m_filePath), problem);
    }
    if (m_listener)
        m_listener();
}

void StoreSaver::waitForWriter()
{
    if (m_timer)
        m_timer->stop();
    if (m_writer) {
        m_writer->waitUntilIdle();
        // The thread's last result is still on its way; take it now (unless the
        // application is gone, as when the built-in store ends with the process).
        if (QCoreApplication::instance())
            QCoreApplication::sendPostedEvents(m_context.get());
    }
}

bool StoreSaver::flush()
{
    waitForWriter();
    if (m_saving && m_changeCount != m_savedCount)
        saveNow();
    return !m_saving || m_changeCount == m_savedCount;
}

void StoreSaver::forgetChanges()
{
    waitForWriter();
    m_changeCount = m_savedCount = 0;
}

ProfileStore::DiskState StoreSaver::diskState() const
{
    using DiskState = ProfileStore::DiskState;
    if (!QFileInfo::exists(m_filePath))
        return DiskState::Missing;
    {
        // The store's own saves come here several times a second: they are told by their
        // size and time alone, without reading the whole file.
        std::lock_guard<std::mutex> guard(m_writtenMutex);
        if (stampOf(m_filePath) == m_writtenStamp)
            return DiskState::AsSaved;
    }
    QByteArray bytes;
    QString reason;
    if (!SafeFile::read(m_filePath, bytes, reason, StorePaths::kMaxFileBytes))
        return DiskState::ChangedOutside;
    const QByteArray print = fingerprint(bytes);
    std::lock_guard<std::mutex> guard(m_writtenMutex);
    return print == m_writtenFingerprint || print == m_committingFingerprint
        ? DiskState::AsSaved
        : DiskState::ChangedOutside;
}

void StoreSaver::takeAsLastGood(const QByteArray& bytes)
{
    {
        std::lock_guard<std::mutex> guard(m_writtenMutex);
        m_writtenFingerprint = fingerprint(bytes);
        m_writtenStamp = stampOf(m_filePath);
    }
    if (!m_saving)
        return;
    keepCopy(StorePaths::lastGoodCopyPath(m_filePath), bytes);
}

bool StoreSaver::keepOwnOverDisk(QString* asidePathOut)
{
    if (!m_saving)
        return false;
    // Nothing may be written before the other file is out of the way.
    waitForWriter();
    if (QFileInfo::exists(m_filePath)) {
        const QString aside = StorePaths::asidePath(m_filePath, "outside");
        if (!QDir().rename(m_filePath, aside)) {
            m_lastError = StoreText::tr("The profile file \"%1\" could not be moved aside, "
                                        "so it was left as it was.")
                              .arg(StorePaths::shown(m_filePath));
            return false;
        }
        if (asidePathOut)
            *asidePathOut = aside;
    }
    ++m_changeCount;
    return saveNow();
}
