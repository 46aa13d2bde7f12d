#include "mode/menubtn.h"

#include <QImage>
#include <QtTest>

namespace {
const QRgb kWhite = qRgb(255, 255, 255);
} // namespace

class TestMenuBtn : public QObject
{
    Q_OBJECT

private slots:
    void triangle_data();
    void triangle();
};

void TestMenuBtn::triangle_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("white");

    // Corners (280, 8), (290, 8), (285, 18) on a 300 x 27 button.
    const QSize row(300, 27);
    QTest::newRow("centre") << row << QPoint(285, 11) << true;
    QTest::newRow("nearTopLeftCorner") << row << QPoint(282, 9) << true;
    QTest::newRow("nearTopRightCorner") << row << QPoint(288, 9) << true;
    QTest::newRow("nearPoint") << row << QPoint(285, 14) << true;
    QTest::newRow("leftOfTriangle") << row << QPoint(278, 10) << false;
    QTest::newRow("rightOfTriangle") << row << QPoint(292, 10) << false;
    QTest::newRow("aboveTop") << row << QPoint(285, 6) << false;
    QTest::newRow("belowPoint") << row << QPoint(285, 20) << false;
    QTest::newRow("besidePointLeft") << row << QPoint(281, 16) << false;
    QTest::newRow("besidePointRight") << row << QPoint(289, 16) << false;
    QTest::newRow("farLeft") << row << QPoint(150, 13) << false;

    // Odd height: the centre is rounded down, corners (100, 15), (110, 15), (105, 25).
    const QSize tall(120, 41);
    QTest::newRow("tallCentre") << tall << QPoint(105, 18) << true;
    QTest::newRow("tallAboveTop") << tall << QPoint(105, 13) << false;
    QTest::newRow("tallBelowPoint") << tall << QPoint(105, 27) << false;
    QTest::newRow("tallRightOfTriangle") << tall << QPoint(112, 17) << false;
}

void TestMenuBtn::triangle()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, pixel);
    QFETCH(bool, white);

    MenuBtn button;
    // A black face, so that only the triangle can be white.
    button.setStyleSheet(QStringLiteral("background:black;border:none;"));
    button.resize(size);
    const QImage image = button.grab().toImage();
    QCOMPARE(image.size(), size);

    const QRgb colour = image.pixel(pixel);
    QVERIFY2((colour == kWhite) == white,
             qPrintable(QStringLiteral("pixel %1,%2 is %3")
                            .arg(pixel.x())
                            .arg(pixel.y())
                            .arg(QColor(colour).name())));
}

QTEST_MAIN(TestMenuBtn)
#include "tst_menubtn.moc"
