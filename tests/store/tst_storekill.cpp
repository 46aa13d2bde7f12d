// SPDX-License-Identifier: MIT
#include "platform/profilestore/profilestore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// CI kills 30 times; scripts/killtest.sh sets KEYLIGHT_KILL_RUNS for the long form.
constexpr int kDefaultRuns = 30;
constexpr int kMostSavesBeforeKill = 3;
// A kill may cost the changes of the last half second, no older ones.
constexpr qint64 kMayLoseMs = 500;
// Deferred runs kill this long after the first change, plus a phase that moves from run
// to run across the save cycle, so kills land before, during and after coalesced saves.
constexpr qint64 kDeferredRunMs = 700;
constexpr int kPhaseStepMs = 37;
constexpr int kPhaseSpanMs = 400;
// Only a guard against a hung child; the test's outcome never depends on it.
constexpr int kChildTimeoutMs = 120000;

int runs()
{
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("KEYLIGHT_KILL_RUNS", &ok);
    return ok && wanted > 0 ? wanted : kDefaultRuns;
}

bool readLine(QProcess& child, QByteArray& line)
{
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(kChildTimeoutMs))
            return false;
    }
    line = child.readLine().trimmed();
    return true;
}

// The counter that the writer keeps in profile 0's STATIC record.
quint32 savedCounter(ProfileStore& store)
{
    vantor_light counter;
    store.readModeParam(0, 0, counter);
    return counter.fg_r | quint32(counter.fg_g) << 8 | quint32(counter.fg_b) << 16;
}
} // namespace

// A writer killed at any moment must leave a file that opens cleanly and holds every
// change it reported as saved, and, saving as the window does, every change older than
// half a second.
class tst_StoreKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesValidFile_data()
    {
        QTest::addColumn<bool>("deferred");
        QTest::addColumn<int>("savesBeforeKill"); // saving at once: kill after this many
        QTest::addColumn<int>("phaseMs");         // saving deferred: when in the cycle to kill
        // Every run reuses the file the previous kill left behind.
        for (int run = 0; run < runs(); ++run)
            QTest::newRow(qPrintable(QStringLiteral("run%1").arg(run)))
                << (run % 2 == 1) << run / 2 % (kMostSavesBeforeKill + 1)
                << run * kPhaseStepMs % kPhaseSpanMs;
    }

    void killedWriterLeavesValidFile()
    {
        QFETCH(bool, deferred);
        QFETCH(int, savesBeforeKill);
        QFETCH(int, phaseMs);
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("profiles.json"));
        QProcess child;
        QStringList arguments{path};
        if (deferred)
            arguments << QStringLiteral("deferred");
        child.start(QStringLiteral(STORE_WRITER), arguments);
        QVERIFY2(child.waitForStarted(kChildTimeoutMs), qPrintable(child.errorString()));
        QByteArray line;
        QVERIFY2(readLine(child, line) && line == "opened",
                 qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));

        // Saving at once: kill right after the wanted report, while the child is already in
        // the middle of its next save. Deferred: kill at the run's moment of the save cycle.
        quint32 mustHold = 0;
        qint64 killedAt = 0;
        if (!deferred) {
            for (int seen = 0; seen < savesBeforeKill; ++seen)
                QVERIFY(readLine(child, line));
            mustHold = quint32(savesBeforeKill);
        } else {
            QElapsedTimer running;
            running.start();
            while (running.elapsed() < kDeferredRunMs + phaseMs)
                child.waitForReadyRead(int(kDeferredRunMs + phaseMs - running.elapsed()));
            killedAt = QDateTime::currentMSecsSinceEpoch();
        }
        child.kill();
        QVERIFY(child.waitForFinished(kChildTimeoutMs));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // "changed N MS": the newest change made half a second before the kill must stay.
        while (deferred && child.canReadLine()) {
            const QList<QByteArray> words = child.readLine().trimmed().split(' ');
            if (words.size() == 3 && words[2].toLongLong() <= killedAt - kMayLoseMs)
                mustHold = words[1].toUInt();
        }
        QVERIFY2(!deferred || mustHold > 0, "no change was old enough; the run proves nothing");

        ProfileStore store;
        const ProfileStore::OpenResult result = store.open(path, ProfileStore::Access::ReadOnly);
        QVERIFY2(result.message.isEmpty(), qPrintable(result.message));
        QVERIFY2(savedCounter(store) >= mustHold,
                 qPrintable(QStringLiteral("the file holds change %1 of %2")
                                .arg(savedCounter(store))
                                .arg(mustHold)));
    }

    void exitWithSavePendingKeepsTheChange()
    {
        // Regression: the built-in store crashed in its static destructor, and the change
        // was lost, when a program ended with a save still waiting.
        const QString path = m_dir.filePath(QStringLiteral("exit/profiles.json"));
        QProcess child;
        child.start(QStringLiteral(STORE_WRITER), {path, QStringLiteral("exit")});
        QVERIFY(child.waitForFinished(kChildTimeoutMs));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
        ProfileStore store;
        QVERIFY(store.open(path, ProfileStore::Access::ReadOnly).message.isEmpty());
        QCOMPARE(savedCounter(store), 1u);
        // Let go with the process, as any lock is.
        QVERIFY(!QFileInfo::exists(ProfileStore::lockPath(path)));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_StoreKill)
#include "tst_storekill.moc"
