// SPDX-License-Identifier: MIT
// The host asked to end by a signal, as a service manager, a terminal or a logout does:
// whatever a client streamed a moment before is in the profile file, the lock is gone and
// the exit code is 0, and a second signal while it saves changes nothing of that.

#include "host/transport/openrgb/sdkmessages.h"
#include "host/transport/openrgb/sdkwire.h"
#include "keylight/keytable.h"
#include "platform/profilestore/profilestore.h"
#include "support/hostprocess.h"

#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
// Bounds for a host that never comes up or never answers, not speed targets.
constexpr int kStartMs = 60000;
constexpr int kAnswerMs = 30000;
constexpr int kBurst = 30;
constexpr QRgb kLast = 0xff12ab34;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QByteArray packet(Sdk::PacketId id, const QByteArray& payload = {})
{
    SdkPacket p;
    p.id = id;
    p.payload = payload;
    return p.toBytes();
}

// How many keys the stored CUSTOM lighting of the current profile paints in `colour`.
int keysIn(ProfileStore& store, QRgb colour)
{
    vantor_light_custom custom;
    store.readCustomLed(store.currentProfile(), custom);
    int count = 0;
    for (int led = 0; led < kLedCount; ++led) {
        const uchar* rgb = custom.led + 3 * led;
        count += qRgb(rgb[0], rgb[1], rgb[2]) == (colour | 0xff000000u);
    }
    return count;
}
} // namespace

class TestHostQuit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        HostProcess::isolateChildren(m_dir.path());
    }

    void signalSavesWhatWasPending_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("count");
        QTest::newRow("SIGTERM") << int(SIGTERM) << 1;
        QTest::newRow("SIGINT") << int(SIGINT) << 1;
        QTest::newRow("SIGHUP") << int(SIGHUP) << 1;
        QTest::newRow("SIGTERM twice") << int(SIGTERM) << 2;
    }

    void signalSavesWhatWasPending()
    {
        QFETCH(int, signal);
        QFETCH(int, count);
        QTemporaryDir store;
        const QString file = store.filePath(QStringLiteral("profiles.json"));
        const quint16 port = freePort();
        QProcess host;
        host.start(QStringLiteral(KEYLIGHT_HOST_BINARY),
                   {"--store", store.path(), "--sdk-server", QString::number(port)});
        QVERIFY(host.waitForStarted());

        QTcpSocket client;
        QVERIFY(QTest::qWaitFor(
            [&] {
                client.abort();
                client.connectToHost(QHostAddress::LocalHost, port);
                return client.waitForConnected(1000);
            },
            kStartMs));
        // A burst of colours, as a game-sync tool streams them, the last one all kLast.
        for (int update = 1; update <= kBurst; ++update) {
            const QRgb colour = update == kBurst ? kLast : qRgb(update, 0, 255 - update);
            const QVector<QRgb> everyKey(KeyTable::kKeyCount, colour);
            client.write(packet(Sdk::PacketId::UpdateLeds, SdkMessages::updateLeds(everyKey)));
        }
        // An answer to a question asked after the burst: the host has read all of it.
        client.write(packet(Sdk::PacketId::RequestControllerCount));
        SdkPacketSplitter answers;
        QVERIFY(QTest::qWaitFor(
            [&] {
                client.waitForReadyRead(100);
                answers.feed(client.readAll());
                return answers.next().has_value();
            },
            kAnswerMs));

        for (int i = 0; i < count; ++i)
            ::kill(pid_t(host.processId()), signal);
        const HostProcess::Run run = HostProcess::finish(host);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errLines.join('|')));
        QVERIFY(!QFileInfo::exists(ProfileStore::lockPath(file)));
        ProfileStore saved;
        const ProfileStore::OpenResult opened = saved.open(file, ProfileStore::Access::ReadOnly);
        QVERIFY2(opened.message.isEmpty(), qPrintable(opened.message));
        QCOMPARE(keysIn(saved, kLast), KeyTable::kKeyCount);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestHostQuit)
#include "tst_hostquit.moc"
