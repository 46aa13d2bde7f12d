#include "mode/menubtn.h"
#include "mode/modecombox.h"

#include <QLineEdit>
#include <QListView>
#include <QWheelEvent>
#include <QtTest>

namespace {
constexpr auto kPurple = "background:rgb(132,49,155)";
constexpr auto kGrey = "background:rgb(81,81,81)";

// A shown picker (as layer or zone 2) with every signal logged in emission order.
struct Picker
{
    Picker()
    {
        picker.resize(240, 27);
        picker.show();
        QObject::connect(&picker, &ModeCombox::sigClicked,
                         [this](int i) { log << QStringLiteral("clicked(%1)").arg(i); });
        QObject::connect(&picker, &ModeCombox::sigSubModeChanged, [this](int o, int n) {
            log << QStringLiteral("changed(%1,%2)").arg(o).arg(n);
        });
    }
    ModeCombox picker{2, nullptr};
    QStringList log;
};
} // namespace

class TestModeCombox : public QObject
{
    Q_OBJECT

private slots:
    void userChoice_data();
    void userChoice();
    void arrowKeysSkipHiddenRows();
    void wheelKeepsItem();
    void menuTriangle();
};

void TestModeCombox::userChoice_data()
{
    QTest::addColumn<int>("shownMode");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("chosenMode");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("fireballOnGrey") << 17 << false << 12
                                    << QStringList{"clicked(2)", "changed(17,12)"};
    QTest::newRow("fireballOnPurple") << 17 << true << 12 << QStringList{"changed(17,12)"};
    QTest::newRow("sameItem") << 17 << false << 17 << QStringList{};
    QTest::newRow("afterModeNotOffered") << 4 << true << 9 << QStringList{"changed(4,9)"};
}

void TestModeCombox::userChoice()
{
    QFETCH(int, shownMode);
    QFETCH(bool, selected);
    QFETCH(int, chosenMode);
    QFETCH(QStringList, expected);
    Picker p;
    p.picker.setCurrMode(shownMode);
    p.picker.setSelected(selected);
    p.picker.setCurrentIndex(p.picker.findData(chosenMode));
    QCOMPARE(p.log, expected);
    QCOMPARE(p.picker.styleSheet(),
             QString::fromLatin1(expected.isEmpty() && !selected ? kGrey : kPurple));
    QCOMPARE(p.picker.currMode(), chosenMode);
}

void TestModeCombox::arrowKeysSkipHiddenRows()
{
    // Regression: stepping with the arrow keys could pick an effect another layer uses.
    Picker p;
    p.picker.setCurrMode(0); // STATIC, followed by RAINBOW WAVE and CROSSHAIR
    p.picker.setSelected(true);
    p.picker.hideMode(1);
    QTest::keyClick(&p.picker, Qt::Key_Down);
    QCOMPARE(p.log, QStringList{"changed(0,2)"});
}

void TestModeCombox::wheelKeepsItem()
{
    for (const int delta : {-120, 120}) {
        Picker p;
        p.picker.setCurrMode(8); // BREATHING, in the middle of the list
        p.picker.setSelected(delta > 0);
        const QPointF at(p.picker.rect().center());
        QWheelEvent wheel(at, p.picker.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&p.picker, &wheel);
        QCOMPARE(p.picker.currMode(), 8);
        QVERIFY(p.log.isEmpty());
    }
}

void TestModeCombox::menuTriangle()
{
    MenuBtn button; // a black face, so that only the triangle can be white
    button.setStyleSheet(QStringLiteral("background:black;border:none;"));
    button.resize(300, 27);
    const QImage image = button.grab().toImage();
    // Corners (280, 8), (290, 8), (285, 18): pixels just inside and just outside each edge.
    const QList<QPoint> inside{{285, 11}, {282, 9}, {288, 9}, {285, 14}};
    const QList<QPoint> outside{{278, 10}, {292, 10}, {285, 6}, {285, 20}, {281, 16}, {289, 16}};
    for (const QPoint& pixel : inside + outside) {
        QVERIFY2((image.pixel(pixel) == qRgb(255, 255, 255)) == inside.contains(pixel),
                 qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
    }
}

QTEST_MAIN(TestModeCombox)
#include "tst_modecombox.moc"
