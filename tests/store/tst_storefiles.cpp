// SPDX-License-Identifier: MIT
// What the store's files survive: reads and writes that meet a link, a FIFO, a device, a
// folder or a full disk refuse at once and leave every file as it was; a lock is taken
// over only when it was left behind, and refused with advice while its owner runs; the
// lock follows a folder that was removed and made again.

#include "platform/profilestore/profilestore.h"
#include "platform/profilestore/safefile.h"
#include "support/filehelpers.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {
constexpr qint64 kLimit = 1000;
const QByteArray kOld("the file that was here\n");

// While it lives, no file of this process may grow beyond `bytes`: a full disk, as far as
// every write can tell.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_before {};
    void (*m_oldHandler)(int) = nullptr;
};

// A process that runs until the test ends it, to stand for a live owner of a lock.
struct LiveProcess
{
    QProcess process;
    LiveProcess() { process.start(QStringLiteral("sleep"), {QStringLiteral("600")}); }
    ~LiveProcess()
    {
        process.kill();
        process.waitForFinished();
    }
    qint64 pid() const { return process.processId(); }
};

// As QLockFile writes it; the program is the one the process really runs, or a lock whose
// process runs another program would pass for one left behind.
QByteArray lockText(qint64 pid, const QByteArray& program)
{
    return QByteArray::number(pid) + "\n" + program + "\n" + QSysInfo::machineHostName().toUtf8()
        + "\n";
}
} // namespace

class TestStoreFiles : public QObject
{
    Q_OBJECT

private slots:
    void readRefusesWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said"); // empty: read
        QTest::newRow("plain file") << "plain" << "";
        QTest::newRow("FIFO nobody writes") << "fifo" << "FIFO";
        QTest::newRow("endless device") << "device" << "device";
        QTest::newRow("folder") << "folder" << "folder";
        QTest::newRow("link") << "link" << "symbolic link";
        QTest::newRow("larger than allowed") << "large" << "bytes long";
        QTest::newRow("exactly as large as allowed") << "limit" << "";
    }

    void readRefusesWhatIsNoFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("file"));
        QByteArray content = kOld;
        if (kind == "fifo")
            QVERIFY(FileHelpers::makeFifo(path));
        else if (kind == "device")
            path = QStringLiteral("/dev/zero");
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "link")
            QVERIFY(FileHelpers::writeAll(dir.filePath("target"), kOld)
                    && QFile::link(dir.filePath("target"), path));
        else
            content = kind == "plain" ? kOld : QByteArray(int(kLimit) + (kind == "large"), 'x');
        if (kind == "plain" || kind == "large" || kind == "limit")
            QVERIFY(FileHelpers::writeAll(path, content));

        QByteArray bytes = "untouched";
        QString reason;
        const bool read = SafeFile::read(path, bytes, reason, kLimit);
        QCOMPARE(read, said.isEmpty());
        if (read) {
            QCOMPARE(bytes, content);
        } else {
            QVERIFY2(reason.contains(said), qPrintable(reason));
            QCOMPARE(bytes, QByteArray("untouched"));
        }
    }

    void linkReadOnlyWhenAsked()
    {
        QTemporaryDir dir;
        QVERIFY(FileHelpers::writeAll(dir.filePath("target"), kOld));
        QVERIFY(QFile::link(dir.filePath("target"), dir.filePath("link")));
        QByteArray bytes;
        QString reason;
        QVERIFY(SafeFile::read(dir.filePath("link"), bytes, reason, kLimit,
                               SafeFile::Links::Follow));
        QCOMPARE(bytes, kOld);
    }

    void writeKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("link to another file") << "link" << "symbolic link";
        QTest::newRow("FIFO") << "fifo" << "FIFO";
        QTest::newRow("folder") << "folder" << "folder";
        QTest::newRow("full disk") << "full" << "cannot be written";
    }

    void writeKeepsWhatWasThere()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        const QString target = dir.filePath(QStringLiteral("target"));
        if (kind == "link")
            QVERIFY(FileHelpers::writeAll(target, kOld) && QFile::link(target, path));
        else if (kind == "fifo")
            QVERIFY(FileHelpers::makeFifo(path));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(FileHelpers::writeAll(path, kOld));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

        QString problem;
        {
            std::unique_ptr<FullDisk> full;
            if (kind == "full")
                full = std::make_unique<FullDisk>(kOld.size() * 2);
            problem = SafeFile::write(path, QByteArray(14 * 1024, '{'));
        }
        QVERIFY2(problem.contains(said), qPrintable(problem));
        // The same entries, and the old bytes where there were some: no temporary file left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
        if (kind == "link")
            QCOMPARE(FileHelpers::readAll(target), kOld);
        if (kind == "full")
            QCOMPARE(FileHelpers::readAll(path), kOld);
    }

    void storeNeverWritesThroughLinks()
    {
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString file = dir.filePath(QStringLiteral("profiles.json"));
        const QString outside = elsewhere.filePath(QStringLiteral("precious.txt"));
        QVERIFY(FileHelpers::writeAll(outside, kOld));
        {
            ProfileStore store;
            QVERIFY(store.open(file).created);
            // The copy of the last good state is replaced by a link to a file elsewhere.
            QVERIFY(QFile::remove(ProfileStore::lastGoodCopyPath(file)));
            QVERIFY(QFile::link(outside, ProfileStore::lastGoodCopyPath(file)));
            store.setCurrentProfile(2);
            QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
        }
        QCOMPARE(FileHelpers::readAll(outside), kOld);
        QVERIFY(QFileInfo(ProfileStore::lastGoodCopyPath(file)).isSymLink());

        // A profile file that is a link is refused, and names itself.
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::link(outside, file));
        ProfileStore again;
        const ProfileStore::OpenResult result = again.open(file);
        QVERIFY(result.refused);
        QVERIFY2(result.message.contains(QDir::toNativeSeparators(file)),
                 qPrintable(result.message));
        again.setCurrentProfile(4);
        QCOMPARE(FileHelpers::readAll(outside), kOld);
        QVERIFY(!QFileInfo::exists(ProfileStore::lockPath(file)));
    }

    void lockOfAProcess_data()
    {
        QTest::addColumn<QString>("owner"); // "live", "ended", "reused"
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("said");
        QTest::newRow("owner runs") << "live" << false << "kill ";
        QTest::newRow("owner has ended") << "ended" << true << "has ended";
        QTest::newRow("its number is another program's by now") << "other" << true
                                                                  << "another program";
        QTest::newRow("lock older than the process of its number") << "reused" << true
                                                                    << "started after";
    }

    void lockOfAProcess()
    {
        QFETCH(QString, owner);
        QFETCH(bool, taken);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("profiles.json"));
        LiveProcess live;
        QVERIFY(live.process.waitForStarted());
        qint64 pid = live.pid();
        if (owner == "ended") {
            QProcess ended;
            ended.start(QStringLiteral("true"), QStringList());
            QVERIFY(ended.waitForStarted());
            pid = ended.processId();
            QVERIFY(ended.waitForFinished());
        }
        QFile lock(ProfileStore::lockPath(file));
        const QByteArray program = owner == "other" ? "keylight-host" : "sleep";
        QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(lockText(pid, program)) > 0
                && lock.flush());
        if (owner == "reused")
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addYears(-20),
                                     QFileDevice::FileModificationTime));
        lock.close();

        ProfileStore store;
        const ProfileStore::OpenResult result = store.open(file);
        QVERIFY2(!result.locked == taken, qPrintable(result.message));
        const QString sentence = taken ? result.notice : result.message;
        QVERIFY2(sentence.contains(said) && sentence.contains(QString::number(pid)),
                 qPrintable(sentence));
        QVERIFY(result.lockHost.isEmpty());
    }

    void lockFollowsRecreatedFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("store"));
        const QString file = QDir(folder).filePath(QStringLiteral("profiles.json"));
        ProfileStore store;
        QVERIFY(store.open(file).created);
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(folder));

        store.setCurrentProfile(3);
        QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(QFileInfo::exists(ProfileStore::lockPath(file)));
        // And it is a lock: a second writer is kept out.
        ProfileStore second;
        QVERIFY(second.open(file).locked);
    }
};

QTEST_GUILESS_MAIN(TestStoreFiles)
#include "tst_storefiles.moc"
