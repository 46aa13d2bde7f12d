#include "platform/toolkit/spinboxex.h"

#include <QSignalSpy>
#include <QtTest>

class TestSpinBoxEx : public QObject
{
    Q_OBJECT

private slots:
    void setValWithoutSig();
};

void TestSpinBoxEx::setValWithoutSig()
{
    SpinBoxEx box;
    box.setRange(0, 255);
    QSignalSpy changes(&box, qOverload<int>(&QSpinBox::valueChanged));
    box.setValWithoutSig(42);
    QCOMPARE(box.value(), 42);
    box.setValWithoutSig(300);
    QCOMPARE(box.value(), 255);
    QCOMPARE(changes.count(), 0);
    // Signals are back on afterwards.
    box.setValue(7);
    QCOMPARE(changes.count(), 1);
}

QTEST_MAIN(TestSpinBoxEx)
#include "tst_spinboxex.moc"
