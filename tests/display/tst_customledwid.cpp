#include "display/customledwid.h"
#include "display/keytable.h"
#include "pagetesting.h"

#include <QSignalSpy>
#include <QtTest>

using namespace PageTesting;

namespace {
constexpr int kRgb = 3;
const QColor kPaint(10, 200, 30, 255);

// A record in which every byte differs from its neighbours, so any byte written by
// mistake shows.
vantor_light_custom patternedRecord(uchar brightness = 255)
{
    vantor_light_custom record;
    for (int i = 0; i < kLedCount * kRgb; ++i)
        record.led[i] = uchar(i % 251 + 1);
    record.brightness = brightness;
    return record;
}

QColor storedRgb(const vantor_light_custom& record, int led)
{
    return QColor(record.led[kRgb * led], record.led[kRgb * led + 1], record.led[kRgb * led + 2]);
}

quint16 ledOf(const char* name)
{
    for (const KeyTableEntry& entry : kKeyTable) {
        if (qstrcmp(entry.objectName, name) == 0)
            return entry.led;
    }
    qFatal("no key %s", name);
    return 0;
}

vantor_light_custom signalRecord(const QSignalSpy& spy, int index = 0)
{
    return spy.at(index).at(0).value<vantor_light_custom>();
}
} // namespace

class TestCustomLedWid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void dragCommitsKeysStillUnderBand_data();
    void dragCommitsKeysStillUnderBand();
    void dragTouchingNoKeyEmitsNothing();
    void pressAndReleaseWithoutMoveChangesNothing();
    void pressOnKeyThenSmallMovePaintsIt();
    void invalidColourBeforeAnyColour();
    void setLedColorBrightness_data();
    void setLedColorBrightness();
    void setCustomLightRestylesSilently();
    void releaseWithoutRepaintCommitsAgain();
    void otherButtonRestartsBand();
};

void TestCustomLedWid::initTestCase()
{
    registerRecordTypes();
}

void TestCustomLedWid::construction()
{
    CustomLedWid page(nullptr);
    QCOMPARE(page.objectName(), QStringLiteral("CustomLedUi"));
    QCOMPARE(page.size(), QSize(1000, 417));
    QCOMPARE(page.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(page.customLight().brightness, uchar(255));
    QCOMPARE(bytesOf(page.customLight()).left(kLedCount * kRgb),
             QByteArray(kLedCount * kRgb, '\0'));
    // Keys keep the plain look until a record is shown.
    QCOMPARE(key(&page, "m_q")->styleSheet(), LedKeyBtn::defaultStyle());
    const QMetaObject* meta = page.metaObject();
    QCOMPARE(meta->className(), "CustomLedWid");
    QCOMPARE(meta->methodCount() - meta->methodOffset(), 1);
    QCOMPARE(meta->method(meta->methodOffset()).methodSignature(),
             QByteArray("sigUpdateCustomLed(vantor_light_custom)"));
}

void TestCustomLedWid::dragCommitsKeysStillUnderBand_data()
{
    QTest::addColumn<QString>("from");    // the band starts in the gap on this side of a key
    QTest::addColumn<bool>("gapOnRight");
    QTest::addColumn<QStringList>("across");  // the keys the band reaches first
    QTest::addColumn<QString>("backTo");      // the centre the band shrinks back to
    QTest::addColumn<QStringList>("committed");

    QTest::newRow("rightwards") << "m_q" << false << QStringList{"m_q", "m_w", "m_e"} << "m_w"
                                << QStringList{"m_q", "m_w"};
    QTest::newRow("leftwards") << "m_e" << true << QStringList{"m_e", "m_w", "m_q"} << "m_w"
                               << QStringList{"m_e", "m_w"};
    QTest::newRow("numberRow") << "m_1" << false << QStringList{"m_1", "m_2", "m_3"} << "m_2"
                               << QStringList{"m_1", "m_2"};
}

void TestCustomLedWid::dragCommitsKeysStillUnderBand()
{
    QFETCH(QString, from);
    QFETCH(bool, gapOnRight);
    QFETCH(QStringList, across);
    QFETCH(QString, backTo);
    QFETCH(QStringList, committed);

    CustomLedWid page(nullptr);
    const vantor_light_custom loaded = patternedRecord();
    page.setCustomLight(loaded);
    page.setLedColor(kPaint);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);

    const QByteArray fromKey = from.toLatin1();
    const QPoint start = gapOnRight ? gapRightOf(&page, fromKey) : gapLeftOf(&page, fromKey);
    press(&page, start);
    dragTo(&page, centreOf(&page, across.last().toLatin1()));
    for (const QString& name : across)
        QCOMPARE(key(&page, name.toLatin1())->keyColor(), kPaint);
    // A key outside the band keeps its stored colour.
    QCOMPARE(key(&page, "m_r")->keyColor(),
             QColor(storedRgb(loaded, ledOf("m_r")).rgb()));

    dragTo(&page, centreOf(&page, backTo.toLatin1()));
    const QByteArray left = across.last().toLatin1();
    QCOMPARE(key(&page, left)->keyColor().rgb(), storedRgb(loaded, ledOf(left)).rgb());
    QCOMPARE(spy.count(), 0);

    release(&page, centreOf(&page, backTo.toLatin1()));
    QCOMPARE(spy.count(), 1);
    vantor_light_custom expected = loaded;
    for (const QString& name : committed) {
        const int led = ledOf(name.toLatin1());
        expected.led[kRgb * led] = uchar(kPaint.red());
        expected.led[kRgb * led + 1] = uchar(kPaint.green());
        expected.led[kRgb * led + 2] = uchar(kPaint.blue());
    }
    // Every other byte, the 70 slots without a key included, comes back as loaded.
    QCOMPARE(bytesOf(signalRecord(spy)), bytesOf(expected));
    QCOMPARE(bytesOf(page.customLight()), bytesOf(expected));
}

void TestCustomLedWid::dragTouchingNoKeyEmitsNothing()
{
    CustomLedWid page(nullptr);
    page.setCustomLight(patternedRecord());
    page.setLedColor(kPaint);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    // The top margin above the keys holds no key.
    press(&page, QPoint(10, 5));
    dragTo(&page, QPoint(300, 20));
    dragTo(&page, QPoint(600, 30));
    release(&page, QPoint(600, 30));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(bytesOf(page.customLight()), bytesOf(patternedRecord()));
}

void TestCustomLedWid::pressAndReleaseWithoutMoveChangesNothing()
{
    CustomLedWid page(nullptr);
    page.setCustomLight(patternedRecord());
    page.setLedColor(kPaint);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    const QPoint onKey = centreOf(&page, "m_g");
    press(&page, onKey);
    release(&page, onKey);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(key(&page, "m_g")->keyColor().rgb(),
             storedRgb(patternedRecord(), ledOf("m_g")).rgb());
}

void TestCustomLedWid::pressOnKeyThenSmallMovePaintsIt()
{
    CustomLedWid page(nullptr);
    page.setLedColor(kPaint);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    // The press lands on the key, which hands it on to the page.
    LedKeyBtn* space = key(&page, "m_space");
    QTest::mousePress(space, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    const QPoint end = space->geometry().topLeft() + QPoint(8, 7);
    dragTo(&page, end);
    release(&page, end);
    QCOMPARE(spy.count(), 1);
    const vantor_light_custom record = signalRecord(spy);
    const int led = ledOf("m_space");
    QCOMPARE(storedRgb(record, led).rgb(), kPaint.rgb());
    QCOMPARE(storedRgb(record, ledOf("m_l_alt")).rgb(), QColor(Qt::black).rgb());
}

void TestCustomLedWid::invalidColourBeforeAnyColour()
{
    CustomLedWid page(nullptr);
    page.setCustomLight(patternedRecord());
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    press(&page, gapLeftOf(&page, "m_a"));
    dragTo(&page, centreOf(&page, "m_a"));
    QVERIFY(!key(&page, "m_a")->keyColor().isValid());
    release(&page, centreOf(&page, "m_a"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(storedRgb(signalRecord(spy), ledOf("m_a")).rgb(), QColor(Qt::black).rgb());
    QCOMPARE(storedRgb(signalRecord(spy), ledOf("m_s")).rgb(),
             storedRgb(patternedRecord(), ledOf("m_s")).rgb());
}

void TestCustomLedWid::setLedColorBrightness_data()
{
    QTest::addColumn<int>("loadedBrightness");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("emissions");

    QTest::newRow("sameAlpha") << 255 << 255 << 0;
    QTest::newRow("dimmer") << 255 << 128 << 1;
    QTest::newRow("brighter") << 0 << 200 << 1;
    QTest::newRow("sameLowAlpha") << 40 << 40 << 0;
}

void TestCustomLedWid::setLedColorBrightness()
{
    QFETCH(int, loadedBrightness);
    QFETCH(int, alpha);
    QFETCH(int, emissions);

    CustomLedWid page(nullptr);
    const vantor_light_custom loaded = patternedRecord(uchar(loadedBrightness));
    page.setCustomLight(loaded);
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    const QString styleBefore = key(&page, "m_k")->styleSheet();

    page.setLedColor(QColor(1, 2, 3, alpha));
    QCOMPARE(spy.count(), emissions);
    QCOMPARE(int(page.customLight().brightness), alpha);
    const QColor shown = key(&page, "m_k")->keyColor();
    QCOMPARE(shown.alpha(), alpha);
    QCOMPARE(shown.rgb(), storedRgb(loaded, ledOf("m_k")).rgb());
    QCOMPARE(key(&page, "m_k")->styleSheet() == styleBefore, emissions == 0);
    if (emissions) {
        vantor_light_custom expected = loaded;
        expected.brightness = uchar(alpha);
        QCOMPARE(bytesOf(signalRecord(spy)), bytesOf(expected));
    }
}

void TestCustomLedWid::setCustomLightRestylesSilently()
{
    CustomLedWid page(nullptr);
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    const vantor_light_custom loaded = patternedRecord(200);
    page.setCustomLight(loaded);
    QCOMPARE(spy.count(), 0);
    for (const KeyTableEntry& entry : kKeyTable) {
        const QColor shown = key(&page, entry.objectName)->keyColor();
        QCOMPARE(shown, QColor(storedRgb(loaded, entry.led).red(),
                               storedRgb(loaded, entry.led).green(),
                               storedRgb(loaded, entry.led).blue(), 200));
    }
    QCOMPARE(bytesOf(page.customLight()), bytesOf(loaded));
}

// A release keeps the mark of the last drag: the next press and release with no repaint
// between them commits the same keys once more.
void TestCustomLedWid::releaseWithoutRepaintCommitsAgain()
{
    CustomLedWid page(nullptr);
    page.setLedColor(kPaint);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    press(&page, gapLeftOf(&page, "m_z"));
    dragTo(&page, centreOf(&page, "m_z"));
    release(&page, centreOf(&page, "m_z"));
    QCOMPARE(spy.count(), 1);
    press(&page, QPoint(5, 5));
    release(&page, QPoint(5, 5));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(bytesOf(signalRecord(spy, 1)), bytesOf(signalRecord(spy, 0)));
}

void TestCustomLedWid::otherButtonRestartsBand()
{
    CustomLedWid page(nullptr);
    page.setLedColor(kPaint);
    QVERIFY(showAndWait(&page));
    QSignalSpy spy(&page, &CustomLedWid::sigUpdateCustomLed);
    press(&page, gapLeftOf(&page, "m_q"));
    dragTo(&page, centreOf(&page, "m_w"));
    // The second button starts the band again at the numeric pad.
    press(&page, gapLeftOf(&page, "m_num_7"), Qt::RightButton);
    dragTo(&page, centreOf(&page, "m_num_7"), Qt::LeftButton | Qt::RightButton);
    release(&page, centreOf(&page, "m_num_7"), Qt::RightButton);
    QCOMPARE(spy.count(), 1);
    const vantor_light_custom record = signalRecord(spy);
    QCOMPARE(storedRgb(record, ledOf("m_num_7")).rgb(), kPaint.rgb());
    QCOMPARE(storedRgb(record, ledOf("m_q")).rgb(), QColor(Qt::black).rgb());
}

QTEST_MAIN(TestCustomLedWid)
#include "tst_customledwid.moc"
