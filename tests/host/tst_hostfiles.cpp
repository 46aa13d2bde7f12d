// SPDX-License-Identifier: MIT
// What the command line must never destroy or wait for: an export or a screenshot pointed
// at the store's own files, through a link, into a FIFO or onto a full disk fails with one
// line and exit code 2 and leaves every file as it was; an import of something that is no
// file is refused at once; a lock left behind is taken over with a line saying so, and one
// from another computer only when asked.

#include "platform/profilestore/profilestore.h"
#include "support/filehelpers.h"
#include "support/hostprocess.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>


using HostProcess::kUsageExit;
using HostProcess::Run;
using HostProcess::runHost;

namespace {
// Smaller than any export (about 14 KB) or screenshot, larger than nothing we keep.
constexpr int kFullDiskBytes = 2048;
constexpr char kFifoLock[] = "<a FIFO>";
const QByteArray kOldContent("{ \"the file that was here\": true }\n");

// Every entry of a folder: plain files with their bytes, anything else by its kind, so
// that a comparison never reads a FIFO.
QMap<QString, QByteArray> folderState(const QString& folder)
{
    QMap<QString, QByteArray> state;
    const QDir dir(folder);
    const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry : dir.entryInfoList(everything)) {
        if (entry.isSymLink())
            state.insert(entry.fileName(), "link to " + entry.symLinkTarget().toUtf8());
        else if (entry.isFile())
            state.insert(entry.fileName(), FileHelpers::readAll(entry.filePath()));
        else
            state.insert(entry.fileName(), "not a file");
    }
    return state;
}

QString oneLine(const Run& run)
{
    return run.errLines.join(QLatin1Char('|'));
}
} // namespace

class TestHostFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        HostProcess::isolateChildren(m_dir.path());
        m_store = m_dir.filePath(QStringLiteral("store"));
        m_outside = m_dir.filePath(QStringLiteral("outside"));
        QVERIFY(QDir().mkpath(m_outside));
        // A store with every file of ours in it: the profiles, their copy, a keyboard memory.
        QCOMPARE(runHost({"--store", m_store, "--export", "1", m_dir.filePath("first.json")})
                     .exitCode,
                 0);
        QVERIFY(FileHelpers::writeAll(QDir(m_store).filePath("keyboard-memory.json"),
                                      "{\"version\": 1, \"profiles\": []}"));
    }

    void refusedOutputLeavesEverything_data()
    {
        QTest::addColumn<QString>("option"); // --export or --screenshot
        QTest::addColumn<QString>("target"); // "store:NAME", "outside:NAME"
        QTest::addColumn<QString>("prepare"); // what lies there first
        QTest::addColumn<QString>("said");   // in the one line

        for (const QString option : {QStringLiteral("--export"), QStringLiteral("--screenshot")}) {
            const QByteArray o = option.toLatin1();
            QTest::addRow("%s over the profile file", o.constData())
                << option << "store:profiles.json" << "" << "own files";
            QTest::addRow("%s over the last good copy", o.constData())
                << option << "store:profiles.json.last-good" << "" << "own files";
            QTest::addRow("%s over the keyboard memory", o.constData())
                << option << "store:keyboard-memory.json" << "" << "own files";
            QTest::addRow("%s over the lock", o.constData())
                << option << "store:profiles.json.lock" << "" << "own files";
            QTest::addRow("%s through a link", o.constData())
                << option << "outside:link.out" << "link" << "symbolic link";
            QTest::addRow("%s into a FIFO", o.constData())
                << option << "outside:fifo.out" << "fifo" << "FIFO";
            QTest::addRow("%s onto a full disk", o.constData())
                << option << "outside:full.out" << "full" << "cannot be written";
        }
    }

    void refusedOutputLeavesEverything()
    {
        QFETCH(QString, option);
        QFETCH(QString, target);
        QFETCH(QString, prepare);
        QFETCH(QString, said);
        const QString folder = target.startsWith("store:") ? m_store : m_outside;
        const QString path = QDir(folder).filePath(target.section(QLatin1Char(':'), 1));
        const QString linkTarget = QDir(m_outside).filePath(QStringLiteral("elsewhere.json"));
        if (prepare == "link") {
            QVERIFY(FileHelpers::writeAll(linkTarget, kOldContent));
            QVERIFY(QFile::link(linkTarget, path));
        } else if (prepare == "fifo") {
            QVERIFY(FileHelpers::makeFifo(path));
        } else if (prepare == "full") {
            QVERIFY(FileHelpers::writeAll(path, kOldContent));
        }
        const QMap<QString, QByteArray> storeBefore = folderState(m_store);
        const QMap<QString, QByteArray> outsideBefore = folderState(m_outside);

        QStringList arguments{"--store", m_store};
        if (option == "--export")
            arguments << "--export" << "2" << path;
        else
            arguments << "--screenshot" << path << "--screen-size" << "1366x768";
        const Run run = prepare == "full"
            ? HostProcess::runHostOnFullDisk(arguments, kFullDiskBytes)
            : runHost(arguments);

        QCOMPARE(run.exitCode, kUsageExit);
        QVERIFY2(run.errLines.size() == 1 && run.errLines.first().contains(said),
                 qPrintable(oneLine(run)));
        // Nothing that was on disk is replaced, not even by a half-written file.
        QCOMPARE(folderState(m_store), storeBefore);
        QCOMPARE(folderState(m_outside), outsideBefore);
        if (folder == m_outside)
            QFile::remove(path);
        QFile::remove(linkTarget);
    }

    void goodOutputStillWritten()
    {
        // The same options on a plain new file work, links in the folder's path included.
        const QString linkedFolder = m_dir.filePath(QStringLiteral("linked"));
        QVERIFY(QFile::link(m_outside, linkedFolder));
        const QString exported = QDir(linkedFolder).filePath(QStringLiteral("plain.json"));
        const QString shot = m_dir.filePath(QStringLiteral("plain.png"));
        QCOMPARE(runHost({"--store", m_store, "--export", "2", exported}).exitCode, 0);
        QCOMPARE(runHost({"--store", m_store, "--screenshot", shot, "--screen-size", "1366x768"})
                     .exitCode,
                 0);
        QVERIFY(FileHelpers::readAll(exported).startsWith("{"));
        QVERIFY(FileHelpers::readAll(shot).startsWith("\x89PNG"));
        // Replacing a file keeps what the user made of its permissions.
        QVERIFY(QFile::setPermissions(exported, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(runHost({"--store", m_store, "--export", "3", exported}).exitCode, 0);
        const auto others = QFileDevice::ReadOther | QFileDevice::ReadGroup;
        QCOMPARE(QFileInfo(exported).permissions() & others, QFileDevice::Permissions());
    }

    void importOfNoFileRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("said");
        const QString fifo = m_dir.filePath(QStringLiteral("import.fifo"));
        QVERIFY(FileHelpers::makeFifo(fifo));
        const QString huge = m_dir.filePath(QStringLiteral("huge.json"));
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(64 * 1024 * 1024));
        QTest::newRow("a FIFO nobody writes") << fifo << "FIFO";
        QTest::newRow("an endless device") << "/dev/zero" << "device";
        QTest::newRow("a folder") << m_outside << "folder";
        QTest::newRow("a file far too large") << huge << "bytes long";
    }

    void importOfNoFileRefusedAtOnce()
    {
        QFETCH(QString, source);
        QFETCH(QString, said);
        const QMap<QString, QByteArray> before = folderState(m_store);
        const Run run = runHost({"--store", m_store, "--import", source, "4"});
        QCOMPARE(run.exitCode, kUsageExit);
        QVERIFY2(run.errLines.size() == 1 && run.errLines.first().contains(said),
                 qPrintable(oneLine(run)));
        QCOMPARE(folderState(m_store), before);
    }

    void strangeStoreFilesNeverHang_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fifo"); // else a link into another store
        QTest::addColumn<QString>("run"); // export, or screenshot (which reads the memory too)
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        for (const QString run : {QStringLiteral("export"), QStringLiteral("screenshot")}) {
            const QByteArray r = run.toLatin1();
            QTest::addRow("%s: profile file is a FIFO", r.constData())
                << "profiles.json" << true << run << 0 << "FIFO";
            QTest::addRow("%s: profile file links into another store", r.constData())
                << "profiles.json" << false << run << kUsageExit << "symbolic link";
        }
        QTest::newRow("screenshot: keyboard memory is a FIFO")
            << "keyboard-memory.json" << true << "screenshot" << 0 << "FIFO";
        QTest::newRow("screenshot: keyboard memory links elsewhere")
            << "keyboard-memory.json" << false << "screenshot" << 0 << "symbolic link";
    }

    void strangeStoreFilesNeverHang()
    {
        QFETCH(QString, name);
        QFETCH(bool, fifo);
        QFETCH(QString, run);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir folder;
        QTemporaryDir other;
        ProfileStore otherStore;
        QVERIFY(otherStore.open(other.filePath(QStringLiteral("profiles.json"))).created);
        otherStore.close();
        const QMap<QString, QByteArray> otherBefore = folderState(other.path());
        const QString path = folder.filePath(name);
        if (fifo)
            QVERIFY(FileHelpers::makeFifo(path));
        else
            QVERIFY(QFile::link(other.filePath(QStringLiteral("profiles.json")), path));

        const QStringList extra = run == "export"
            ? QStringList{"--export", "1", folder.filePath("strange.json")}
            : QStringList{"--screenshot", folder.filePath("strange.png")};
        const Run result = runHost(QStringList{"--store", folder.path()} + extra);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(oneLine(result).contains(said) && oneLine(result).contains(path),
                 qPrintable(oneLine(result)));
        // The other store was not written, nor locked.
        QCOMPARE(folderState(other.path()), otherBefore);
    }

    void locksLeftBehindTakenOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QByteArray here = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("empty") << QByteArray() << false << 0 << "held no lock";
        QTest::newRow("garbage") << QByteArray("\x01\x02 not a lock") << false << 0
                                 << "held no lock";
        QTest::newRow("process 0") << "0\nkeylight-host\n" + here + "\n" << false << 0
                                   << "held no lock";
        // Stands for a FIFO in the lock's place, which Qt's own lock would wait on for ever.
        QTest::newRow("a FIFO") << QByteArray(kFifoLock) << false << 0 << "FIFO";
        QTest::newRow("another computer")
            << QByteArray("4242\nkeylight-host\nfar-away-desk\n") << false << kUsageExit
            << "the computer \"far-away-desk\"";
        QTest::newRow("another computer, forced")
            << QByteArray("4242\nkeylight-host\nfar-away-desk\n") << true << 0 << "far-away-desk";
    }

    void locksLeftBehindTakenOver()
    {
        QFETCH(QByteArray, lock);
        QFETCH(bool, force);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString exported = folder.filePath(QStringLiteral("out.json"));
        const QString lockFile = folder.filePath(QStringLiteral("profiles.json.lock"));
        if (lock == kFifoLock)
            QVERIFY(FileHelpers::makeFifo(lockFile));
        else
            QVERIFY(FileHelpers::writeAll(lockFile, lock));
        QStringList arguments{"--store", folder.path(), "--export", "1", exported};
        if (force)
            arguments << "--force-unlock";
        const Run run = runHost(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(oneLine(run).contains(said), qPrintable(oneLine(run)));
        QCOMPARE(QFileInfo::exists(exported), exitCode == 0);
        if (exitCode != 0) {
            // The refusal says what to do about it.
            QVERIFY2(oneLine(run).contains("--force-unlock"), qPrintable(oneLine(run)));
            QCOMPARE(FileHelpers::readAll(lockFile), lock);
        } else {
            // The host let go of the lock it took over when it was done.
            QVERIFY(!QFileInfo::exists(lockFile));
        }
    }

private:
    QTemporaryDir m_dir;
    QString m_store;
    QString m_outside;
};

QTEST_GUILESS_MAIN(TestHostFiles)
#include "tst_hostfiles.moc"
