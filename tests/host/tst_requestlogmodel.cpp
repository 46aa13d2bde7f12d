#include "host/hosttestsupport.h"
#include "host/requestlogmodel.h"
#include "host/requestlogtransport.h"
#include "host/transportfanout.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString cell(const RequestLogModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}
} // namespace

class TestRequestLogModel : public QObject
{
    Q_OBJECT

private slots:
    void rowShowsRequest_data();
    void rowShowsRequest();
    void oldestRowsMakeWay();
    void transportWritesUnderSelectedProfile();
    void fanoutReachesEveryTransport();
};

void TestRequestLogModel::rowShowsRequest_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("decodes");

    const QByteArray mode = Packets::modeParam(Packets::light(Mode::Breathing, 1, 2, 3));
    QTest::newRow("modeParam") << 20 << mode << "mode parameters" << true;
    QTest::newRow("customLed") << 23 << Packets::customLed(Packets::paintedKey(2, 9, 9, 9))
                               << "custom keys" << true;
    QTest::newRow("multilayer") << 25 << Packets::multilayer(Packets::subModes(0, 1, 2, 3))
                                << "multilayer" << true;
    QTest::newRow("multizone")
        << 27 << Packets::multizone(Packets::subModes(0, 17, 17, 17), vantor_filter())
        << "multizone" << true;
    QTest::newRow("reset") << 8 << Packets::reset() << "reset" << true;
    QTest::newRow("applyWithoutPacket") << 39 << QByteArray() << "apply" << true;
    QTest::newRow("packetOfAnotherRequest") << 23 << mode << "custom keys" << false;
    QTest::newRow("truncated") << 20 << mode.left(9) << "mode parameters" << false;
    QTest::newRow("missingPacket") << 20 << QByteArray() << "mode parameters" << false;
}

void TestRequestLogModel::rowShowsRequest()
{
    QFETCH(int, code);
    QFETCH(QByteArray, packet);
    QFETCH(QString, name);
    QFETCH(bool, decodes);
    RequestLogModel model;

    model.append(2, code, packet);

    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), int(RequestLogModel::ColumnCount));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$"))
                .match(cell(model, 0, RequestLogModel::Time))
                .hasMatch());
    QCOMPARE(cell(model, 0, RequestLogModel::Profile), QStringLiteral("3"));
    QCOMPARE(cell(model, 0, RequestLogModel::Code), QString::number(code));
    QCOMPARE(cell(model, 0, RequestLogModel::Name), name);
    QCOMPARE(cell(model, 0, RequestLogModel::Size), QString::number(packet.size()));
    const QString decoded = cell(model, 0, RequestLogModel::Decoded);
    QCOMPARE(decoded == QLatin1String("ok") || decoded == QLatin1String("no packet"), decodes);
    QVERIFY(!decoded.isEmpty());
    // Rows that failed to decode stand out in colour.
    QCOMPARE(model.data(model.index(0, RequestLogModel::Decoded), Qt::ForegroundRole).isValid(),
             !decodes);

    const QString bytes = cell(model, 0, RequestLogModel::Bytes);
    const int shown = qMin(packet.size(), int(RequestLogModel::kShownBytes));
    QCOMPARE(bytes.startsWith(QString::fromLatin1(packet.left(shown).toHex(' ').toUpper())),
             true);
    QCOMPARE(bytes.endsWith(QChar(0x2026)), packet.size() > RequestLogModel::kShownBytes);
    QCOMPARE(bytes.isEmpty(), packet.isEmpty());
}

void TestRequestLogModel::oldestRowsMakeWay()
{
    RequestLogModel model;
    model.setCapacity(3);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    for (int code : {8, 20, 23, 25, 27})
        model.append(0, code, QByteArray());

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(removed.count(), 2);
    QCOMPARE(cell(model, 0, RequestLogModel::Code), QStringLiteral("23"));
    QCOMPARE(cell(model, 2, RequestLogModel::Code), QStringLiteral("27"));

    model.setCapacity(1);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(cell(model, 0, RequestLogModel::Code), QStringLiteral("27"));
}

void TestRequestLogModel::transportWritesUnderSelectedProfile()
{
    RequestLogModel model;
    RequestLogTransport transport(model);
    transport.send(20, QByteArray());
    transport.selectProfile(4);
    transport.send(39, QByteArray());

    QCOMPARE(cell(model, 0, RequestLogModel::Profile), QStringLiteral("1"));
    QCOMPARE(cell(model, 1, RequestLogModel::Profile), QStringLiteral("5"));
    QCOMPARE(cell(model, 1, RequestLogModel::Code), QStringLiteral("39"));
}

void TestRequestLogModel::fanoutReachesEveryTransport()
{
    RecordingTransport first;
    RecordingTransport second;
    TransportFanout fanout;
    fanout.add(&first);
    fanout.add(nullptr);
    fanout.add(&second);

    fanout.selectProfile(2);
    fanout.send(27, QByteArray("zones"));

    for (const RecordingTransport* device : {&first, &second}) {
        QCOMPARE(device->sent.size(), std::size_t(1));
        QCOMPARE(device->sent[0].code, 27);
        QCOMPARE(device->sent[0].packet, QByteArray("zones"));
        QCOMPARE(int(device->sent[0].profile), 2);
    }
}

QTEST_GUILESS_MAIN(TestRequestLogModel)
#include "tst_requestlogmodel.moc"
