#include "mode/menubtn.h"
#include "mode/modecombox.h"

#include <QLineEdit>
#include <QListView>
#include <QWheelEvent>
#include <QtTest>

namespace {
constexpr auto kPurple = "background:rgb(132,49,155)";

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
    void userChoice()
    {
        Picker p;
        p.picker.setSelected(false); // grey, showing EMPTY
        for (int mode : {12, 12, 9}) // FIREBALL, the same again, then RIPPLE on the purple picker
            p.picker.setCurrentIndex(p.picker.findData(mode));
        QCOMPARE(p.log, QStringList({"clicked(2)", "changed(17,12)", "changed(12,9)"}));
        QCOMPARE(p.picker.styleSheet(), QString::fromLatin1(kPurple));
    }

    void arrowKeysSkipHiddenRows()
    {
        // Regression: stepping with the arrow keys could pick an effect another layer uses.
        Picker p;
        p.picker.setCurrMode(0); // STATIC, followed by RAINBOW WAVE and CROSSHAIR
        p.picker.setSelected(true);
        p.picker.hideMode(1);
        QTest::keyClick(&p.picker, Qt::Key_Down);
        QCOMPARE(p.log, QStringList{"changed(0,2)"});
    }

    void wheelKeepsItem()
    {
        Picker p;
        p.picker.setCurrMode(8); // BREATHING, in the middle of the list
        const QPointF at(p.picker.rect().center());
        QWheelEvent wheel(at, p.picker.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&p.picker, &wheel);
        QCOMPARE(p.picker.currMode(), 8);
        QVERIFY(p.log.isEmpty());
    }

    void menuTriangle()
    {
        MenuBtn button; // a black face, so that only the triangle can be white
        button.setStyleSheet(QStringLiteral("background:black;border:none;"));
        button.resize(300, 27);
        const QImage image = button.grab().toImage();
        // Corners (280, 8), (290, 8), (285, 18): pixels just inside and just outside each edge.
        const QList<QPoint> inside{{285, 11}, {282, 9}, {288, 9}, {285, 14}};
        const QList<QPoint> outside{{278, 10}, {292, 10}, {285, 6},
                                    {285, 20}, {281, 16}, {289, 16}};
        for (const QPoint& pixel : inside + outside) {
            QVERIFY2((image.pixel(pixel) == qRgb(255, 255, 255)) == inside.contains(pixel),
                     qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
        }
    }
};

QTEST_MAIN(TestModeCombox)
#include "tst_modecombox.moc"
