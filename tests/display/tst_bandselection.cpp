#include "display/bandselection.h"
#include "pagetesting.h"

#include <QtTest>

using namespace PageTesting;

namespace {
// A page with three keys in a row that records, at each repaint of a drag, which keys the
// band hit, in the order the band hands them over.
class BandPage : public QWidget
{
public:
    BandPage()
    {
        resize(300, 100);
        const QRect rects[] = {{10, 10, 20, 20}, {40, 10, 20, 20}, {200, 60, 20, 20}};
        const quint16 leds[] = {30, 20, 10};
        for (int i = 0; i < 3; ++i) {
            auto* key = new LedKeyBtn(this);
            key->setGeometry(rects[i]);
            keys.insert(leds[i], key);
        }
    }

    BandSelection band;
    BandSelection::KeyMap keys;
    QList<quint16> visited;
    QList<quint16> hits;
    bool committed = false;

protected:
    void mousePressEvent(QMouseEvent* event) override { band.press(*event); }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        band.move(*event);
        update();
    }
    void mouseReleaseEvent(QMouseEvent* event) override { committed = band.release(*event); }
    void paintEvent(QPaintEvent*) override
    {
        if (!band.isDragging())
            return;
        visited.clear();
        hits.clear();
        band.paint(this, keys, [this](quint16 led, LedKeyBtn*, bool bUnder) {
            visited << led;
            if (bUnder)
                hits << led;
            return bUnder;
        });
    }
};
} // namespace

class TestBandSelection : public QObject
{
    Q_OBJECT

private slots:
    void hitTest_data();
    void hitTest();
    void outline();
};

void TestBandSelection::hitTest_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QList<quint16>>("hits");
    QTest::addColumn<bool>("committed");

    QTest::newRow("downRight") << QPoint(5, 5) << QPoint(45, 15) << QList<quint16>{20, 30}
                               << true;
    QTest::newRow("upLeft") << QPoint(45, 15) << QPoint(5, 5) << QList<quint16>{20, 30} << true;
    QTest::newRow("upRight") << QPoint(215, 90) << QPoint(250, 0) << QList<quint16>{10} << true;
    QTest::newRow("touchesCornerPixel") << QPoint(1, 1) << QPoint(10, 10)
                                        << QList<quint16>{30} << true;
    QTest::newRow("stopsShortOfKey") << QPoint(1, 1) << QPoint(9, 40) << QList<quint16>{}
                                     << false;
    QTest::newRow("betweenKeys") << QPoint(31, 0) << QPoint(39, 99) << QList<quint16>{} << false;
}

void TestBandSelection::hitTest()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(QList<quint16>, hits);
    QFETCH(bool, committed);
    BandPage page;
    QVERIFY(showAndWait(&page));
    press(&page, start);
    QVERIFY(page.visited.isEmpty()); // a press alone asks for no repaint
    dragTo(&page, end);
    QCOMPARE(page.visited, (QList<quint16>{10, 20, 30}));
    QCOMPARE(page.hits, hits);
    release(&page, end);
    QCOMPARE(page.committed, committed);
    QVERIFY(!page.band.isDragging());
}

void TestBandSelection::outline()
{
    BandPage page;
    QVERIFY(showAndWait(&page));
    press(&page, QPoint(150, 80));
    dragTo(&page, QPoint(100, 40));
    const QImage shot = page.grab().toImage();
    const QColor red(Qt::red);
    for (QPoint corner : {QPoint(100, 40), QPoint(150, 40), QPoint(100, 80), QPoint(150, 80)})
        QCOMPARE(shot.pixelColor(corner), red);
    QVERIFY(shot.pixelColor(125, 60) != red); // no fill
    QVERIFY(shot.pixelColor(151, 80) != red);
    QVERIFY(shot.pixelColor(100, 81) != red);
    release(&page, QPoint(100, 40));
    QVERIFY(page.grab().toImage().pixelColor(100, 40) != red);
}

QTEST_MAIN(TestBandSelection)
#include "tst_bandselection.moc"
