#include "display/ledlabel.h"

#include <QBitmap>
#include <QtTest>

class TestLedLabel : public QObject
{
    Q_OBJECT

private slots:
    void tint_data();
    void tint();
    void resizeMask_data();
    void resizeMask();
};

void TestLedLabel::tint_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("style");

    QTest::newRow("outlineOpaqueRed") << 255 << QColor(255, 0, 0) << "background:#b1ff0000;";
    QTest::newRow("capOpaqueRed") << 50 << QColor(255, 0, 0) << "background:#7fff0000;";
    QTest::newRow("outlineAlphaOne") << 255 << QColor(1, 2, 3, 1) << "background:#32010203;";
    QTest::newRow("capAlphaOne") << 50 << QColor(1, 2, 3, 1) << "background:#00010203;";
    QTest::newRow("outlineAlphaZero") << 255 << QColor(0, 0, 0, 0) << "background:#32000000;";
    QTest::newRow("outlineAlphaThree") << 255 << QColor(9, 8, 7, 3) << "background:#33090807;";
    // Only the outline level lifts the alpha; any other level just halves it.
    QTest::newRow("otherLevel") << 254 << QColor(255, 255, 255, 200) << "background:#64ffffff;";
}

void TestLedLabel::tint()
{
    QFETCH(int, level);
    QFETCH(QColor, colour);
    QFETCH(QString, style);
    LedLabel label(QStringLiteral(":/KeyLight/key_border.png"), level, nullptr);
    QVERIFY(label.styleSheet().isEmpty());
    label.setColor(colour);
    QCOMPARE(label.styleSheet(), style);
}

void TestLedLabel::resizeMask_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("maskArea");

    QTest::newRow("border500x400") << ":/KeyLight/key_border.png" << QSize(500, 400)
                                   << QSize(500, 208);
    QTest::newRow("fill500x400") << ":/KeyLight/key_fill.png" << QSize(500, 400)
                                 << QSize(500, 208);
    QTest::newRow("borderPictureSize") << ":/KeyLight/key_border.png" << QSize(1000, 417)
                                       << QSize(1000, 417);
    QTest::newRow("fillTall") << ":/KeyLight/key_fill.png" << QSize(200, 600)
                              << QSize(200, 83);
}

void TestLedLabel::resizeMask()
{
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    QFETCH(QSize, maskArea);

    const QPixmap source(picture);
    QCOMPARE(source.size(), QSize(1000, 417));
    LedLabel label(picture, 50, nullptr);
    label.resizeMask(size);
    QCOMPARE(label.minimumSize(), size);
    QCOMPARE(label.maximumSize(), size);
    QCOMPARE(label.size(), size);

    const QRegion mask = label.mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(QRect(QPoint(0, 0), maskArea).contains(mask.boundingRect()));
    // The mask is the key picture's opaque pixels, scaled to the label.
    const QBitmap expected =
        source.scaled(maskArea, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).mask();
    QCOMPARE(mask, QRegion(expected));
}

QTEST_MAIN(TestLedLabel)
#include "tst_ledlabel.moc"
