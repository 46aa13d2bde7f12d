// SPDX-License-Identifier: MIT
#pragma once

// Saves the store's profiles to its file: at once, or on a thread of its own once the
// changes pause. It remembers what it wrote last, so the store's own saves are told apart
// from changes made to the file outside.

#include "platform/profilestore/profilefile.h"
#include "platform/profilestore/profilestore.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>

class LatestJobThread;
class QObject;
class QTimer;

class StoreSaver
{
public:
    // Saves `contents`, which the store owns and which outlives the saver.
    explicit StoreSaver(const ProfileFile::Contents& contents);
    // Waits for a save that runs; what is still pending is the store's to flush first.
    ~StoreSaver();
    StoreSaver(const StoreSaver&) = delete;
    StoreSaver& operator=(const StoreSaver&) = delete;

    // The file that saves go to; empty while the store lives in memory only.
    void setFilePath(const QString& filePath) { m_filePath = filePath; }
    const QString& filePath() const { return m_filePath; }
    // Whether changes are written at all: not while memory-only, read-only, or when the
    // file is unusable.
    void setSaving(bool saving) { m_saving = saving; }
    bool isSaving() const { return m_saving; }

    // The last failure in one sentence; the opening and the store's setters word theirs.
    const QString& lastError() const { return m_lastError; }
    void setLastError(const QString& error) { m_lastError = error; }

    // With a quiet time a change is written by the background thread once no change came
    // for `quietMs`, and at the latest `longestMs` after the first unsaved change.
    void setDeferred(int quietMs, int longestMs);
    // Back to saving every change at once: what is pending is written now, and the timer
    // and the thread are let go while the event loop that made them still exists.
    void endDeferred();
    void setListener(std::function<void()> listener) { m_listener = std::move(listener); }
    // Asked in the store's thread before each save; a save goes ahead only when it
    // returns true (the store keeps its lock with it).
    void setBeforeSave(std::function<bool()> check) { m_beforeSave = std::move(check); }

    // Every change of the contents goes through here.
    void changed();
    // Counts a change that is written by the next save, without scheduling one.
    void countChange() { ++m_changeCount; }
    // Writes the contents now, in this thread. Returns whether it worked.
    bool saveNow();
    // Waits for the thread and then writes whatever is still pending.
    bool flush();
    // Stops a pending save and waits for one that runs to end.
    void waitForWriter();
    // After the contents were replaced from disk: nothing is pending any more.
    void forgetChanges();
    bool hasUnsavedChanges() const { return m_saving && m_changeCount != m_savedCount; }

    ProfileStore::DiskState diskState() const;
    // A good file is the last good state, whoever wrote it: later notices about it are no
    // outside change, and (when the store may write) it becomes the copy to fall back on.
    void takeAsLastGood(const QByteArray& bytes);
    // The file was read in an older format: the first save writes the current format, and
    // keeps these bytes beside it first, for an older version of the program to go back
    // to. Empty bytes forget them.
    void keepOlderFormat(const QByteArray& bytes, int version);
    // Sets the file on disk aside and writes the contents in its place.
    bool keepOwnOverDisk(QString* asidePath);

private:
    bool mayWrite();
    void writeOlderFormatCopy();
    QString writeFiles(const QString& path, const QByteArray& bytes);
    void saveInBackground();
    void savedOutcome(quint64 count, const QString& problem);

    const ProfileFile::Contents& m_contents;
    QString m_filePath;
    bool m_saving = false;
    QString m_lastError;

    // Counts of changes: the newest one, and the newest one the file is known to hold.
    quint64 m_changeCount = 0;
    quint64 m_savedCount = 0;

    // Keeps each profile's text between saves; one thread at a time writes (flush() waits
    // for the background thread first).
    ProfileFile::FileWriter m_fileWriter;

    // The older file not yet copied aside, and its format.
    QByteArray m_olderFormatBytes;
    int m_olderFormatVersion = 0;

    // Deferred saving: the timer waits for a quiet moment, the thread writes.
    int m_quietMs = 0;
    int m_longestMs = 0;
    std::unique_ptr<QObject> m_context; // receives the thread's results in the store's thread
    std::unique_ptr<QTimer> m_timer;
    QElapsedTimer m_firstUnsaved;
    std::function<void()> m_listener;
    std::function<bool()> m_beforeSave;

    // What was written last, so that the store's own saves are not taken for outside
    // changes; the thread sets it just before a commit, hence the lock.
    mutable std::mutex m_writtenMutex;
    QByteArray m_writtenFingerprint;
    QByteArray m_committingFingerprint;
    // Size and time of the file as written: when they match, the file needs no reading.
    QPair<qint64, QDateTime> m_writtenStamp;

    // Last, so that its thread has ended before the members its jobs use go away.
    std::unique_ptr<LatestJobThread> m_writer;
};
