#include "platform/profilestore/profilestore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kRuns = 30;
constexpr int kMostSavesBeforeKill = 3;
// Only a guard against a hung child; the test's outcome never depends on it.
constexpr int kChildTimeoutMs = 120000;
} // namespace

// A writer killed at any moment must leave a file that opens cleanly and holds at least
// every change it reported as saved.
class tst_StoreKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesValidFile_data();
    void killedWriterLeavesValidFile();

private:
    QTemporaryDir m_dir;
};

void tst_StoreKill::killedWriterLeavesValidFile_data()
{
    QTest::addColumn<int>("savesBeforeKill");
    // Every run reuses the file the previous kill left behind.
    for (int run = 0; run < kRuns; ++run)
        QTest::newRow(qPrintable(QStringLiteral("run%1").arg(run)))
            << run % (kMostSavesBeforeKill + 1);
}

void tst_StoreKill::killedWriterLeavesValidFile()
{
    QFETCH(int, savesBeforeKill);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("profiles.json"));
    QProcess child;
    child.start(QStringLiteral(STORE_WRITER), {path});
    QVERIFY2(child.waitForStarted(kChildTimeoutMs), qPrintable(child.errorString()));
    // Lines: "opened", then "saved 1", "saved 2"...; kill right after the wanted one,
    // while the child is already in the middle of its next save.
    for (int linesSeen = 0; linesSeen <= savesBeforeKill; ++linesSeen) {
        while (!child.canReadLine()) {
            QVERIFY2(child.waitForReadyRead(kChildTimeoutMs),
                     qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));
        }
        child.readLine();
    }
    child.kill();
    QVERIFY(child.waitForFinished(kChildTimeoutMs));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(path);
    QVERIFY2(result.message.isEmpty() && !result.replaced && !result.created,
             qPrintable(result.message));
    vantor_light counter;
    store.readModeParam(0, 0, counter);
    const quint32 saved = counter.fg_r | quint32(counter.fg_g) << 8 | quint32(counter.fg_b) << 16;
    if (savesBeforeKill > 0)
        QVERIFY(saved >= quint32(savesBeforeKill));
}

QTEST_GUILESS_MAIN(tst_StoreKill)
#include "tst_storekill.moc"
