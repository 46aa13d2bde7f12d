#include "platform/toolkit/spinboxex.h"

#include <QSignalSpy>
#include <QtTest>

class TestSpinBoxEx : public QObject
{
    Q_OBJECT

private slots:
    void setValWithoutSig_data();
    void setValWithoutSig();
};

void TestSpinBoxEx::setValWithoutSig_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("inRange") << 42 << 42;
    QTest::newRow("aboveRange") << 300 << 255;
    QTest::newRow("belowRange") << -5 << 0;
}

void TestSpinBoxEx::setValWithoutSig()
{
    QFETCH(int, value);
    QFETCH(int, shown);
    SpinBoxEx box;
    box.setRange(0, 255);
    box.setValue(7);
    QSignalSpy changes(&box, qOverload<int>(&QSpinBox::valueChanged));

    box.setValWithoutSig(value);
    QCOMPARE(box.value(), shown);
    QCOMPARE(changes.count(), 0);

    // The box still reports user changes afterwards.
    box.stepBy(1);
    QCOMPARE(changes.count(), shown == 255 ? 0 : 1);
}

QTEST_MAIN(TestSpinBoxEx)
#include "tst_spinboxex.moc"
