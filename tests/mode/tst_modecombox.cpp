#include "mode/modecombox.h"

#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {
constexpr auto kPurple = "background:rgb(132,49,155)";
constexpr auto kGrey = "background:rgb(81,81,81)";

// Every signal of one picker in the order it was emitted, e.g. "clicked(2)".
class SignalLog
{
public:
    explicit SignalLog(ModeCombox* picker)
    {
        QObject::connect(picker, &ModeCombox::sigClicked, picker, [this](int idx) {
            entries << QStringLiteral("clicked(%1)").arg(idx);
        });
        QObject::connect(picker, &ModeCombox::sigSubModeChanged, picker,
                         [this](int iOld, int iNew) {
                             entries << QStringLiteral("changed(%1,%2)").arg(iOld).arg(iNew);
                         });
    }
    QStringList entries;
};

int rowOf(const ModeCombox& picker, int mode)
{
    return picker.findData(mode, Qt::UserRole, Qt::MatchExactly);
}

bool rowHidden(const ModeCombox& picker, int mode)
{
    auto* list = qobject_cast<QListView*>(picker.view());
    return list && list->isRowHidden(rowOf(picker, mode));
}

std::unique_ptr<ModeCombox> shownPicker(int index, QWidget* window)
{
    auto picker = std::make_unique<ModeCombox>(index, window);
    window->resize(240, 40);
    picker->setGeometry(0, 0, 240, 27);
    window->show();
    return picker;
}
} // namespace

class TestModeCombox : public QObject
{
    Q_OBJECT

private slots:
    void items_data();
    void items();
    void newPickerIsQuiet();
    void pressSelectsOnce_data();
    void pressSelectsOnce();
    void userChoice_data();
    void userChoice();
    void setCurrMode_data();
    void setCurrMode();
    void setSelectedStyles_data();
    void setSelectedStyles();
    void hideAndShow_data();
    void hideAndShow();
    void arrowKeysSkipHiddenRows();
    void wheelKeepsItem_data();
    void wheelKeepsItem();
};

void TestModeCombox::items_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::newRow("empty") << 0 << "EMPTY" << 17;
    QTest::newRow("static") << 1 << "STATIC" << 0;
    QTest::newRow("rainbowWave") << 2 << "RAINBOW WAVE" << 1;
    QTest::newRow("crosshair") << 3 << "CROSSHAIR" << 2;
    QTest::newRow("reactiveFade") << 4 << "REACTIVE FADE" << 3;
    QTest::newRow("stars") << 5 << "STARS" << 5;
    QTest::newRow("rain") << 6 << "RAIN" << 18;
    QTest::newRow("colorCycle") << 7 << "COLOR CYCLE" << 7;
    QTest::newRow("breathing") << 8 << "BREATHING" << 8;
    QTest::newRow("ripple") << 9 << "RIPPLE" << 9;
    QTest::newRow("fireball") << 10 << "FIREBALL" << 12;
    QTest::newRow("waterRipple") << 11 << "WATER RIPPLE" << 15;
    QTest::newRow("reactivePunch") << 12 << "REACTIVE PUNCH" << 10;
    QTest::newRow("snowing") << 13 << "SNOWING" << 6;
    QTest::newRow("heartbeat") << 14 << "HEARTBEAT" << 11;
    QTest::newRow("circleSpectrum") << 15 << "CIRCLE SPECTRUM" << 13;
    QTest::newRow("lastReactiveTornado") << 16 << "REACTIVE TORNADO" << 14;
}

void TestModeCombox::items()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, mode);
    ModeCombox picker(0, nullptr);
    QCOMPARE(picker.count(), 17);
    QCOMPARE(picker.itemText(row), text);
    QCOMPARE(picker.itemData(row, Qt::UserRole).type(), QVariant::Int);
    QCOMPARE(picker.itemData(row, Qt::UserRole).toInt(), mode);
    if (mode == 17)
        QVERIFY(picker.itemIcon(row).isNull());
}

void TestModeCombox::newPickerIsQuiet()
{
    QWidget window;
    auto picker = shownPicker(3, &window);
    QCOMPARE(picker->currentText(), QStringLiteral("EMPTY"));
    QCOMPARE(picker->lineEdit()->text(), QStringLiteral("EMPTY"));
    QCOMPARE(picker->currMode(), 17);
    QVERIFY(picker->styleSheet().isEmpty());
    QVERIFY(picker->isEditable());
    QVERIFY(picker->lineEdit()->isReadOnly());
    QCOMPARE(picker->lineEdit()->alignment(), Qt::AlignCenter);
    QCOMPARE(picker->contextMenuPolicy(), Qt::NoContextMenu);
}

void TestModeCombox::pressSelectsOnce_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("firstLayer") << 0;
    QTest::newRow("lastLayer") << 3;
}

void TestModeCombox::pressSelectsOnce()
{
    QFETCH(int, index);
    QWidget window;
    auto picker = shownPicker(index, &window);
    picker->setCurrMode(9);
    SignalLog log(picker.get());

    QTest::mouseClick(picker->lineEdit(), Qt::LeftButton);
    QCOMPARE(log.entries, QStringList{QStringLiteral("clicked(%1)").arg(index)});
    QCOMPARE(picker->styleSheet(), QString::fromLatin1(kPurple));
    QVERIFY(!picker->view()->isVisible());
    QCOMPARE(picker->currMode(), 9);

    // Already current: the press passes to the line edit and reports nothing.
    QTest::mouseClick(picker->lineEdit(), Qt::LeftButton);
    QCOMPARE(log.entries.size(), 1);
    QVERIFY(!picker->view()->isVisible());

    // Greyed by the mode list, the next press selects again.
    picker->setSelected(false);
    QTest::mouseClick(picker->lineEdit(), Qt::LeftButton);
    QCOMPARE(log.entries.size(), 2);
}

void TestModeCombox::userChoice_data()
{
    QTest::addColumn<int>("shownMode");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("chosenRow");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("fireballOnGrey")
        << 17 << false << 10 << QStringList{"clicked(2)", "changed(17,12)"};
    QTest::newRow("fireballOnPurple") << 17 << true << 10 << QStringList{"changed(17,12)"};
    QTest::newRow("sameItem") << 17 << false << 0 << QStringList{};
    QTest::newRow("rippleAfterSilentFireball")
        << 12 << true << 9 << QStringList{"changed(12,9)"};
    QTest::newRow("emptyAfterSilentStars")
        << 5 << false << 0 << QStringList{"clicked(2)", "changed(5,17)"};
}

void TestModeCombox::userChoice()
{
    QFETCH(int, shownMode);
    QFETCH(bool, selected);
    QFETCH(int, chosenRow);
    QFETCH(QStringList, expected);
    QWidget window;
    auto picker = shownPicker(2, &window);
    picker->setCurrMode(shownMode);
    picker->setSelected(selected);
    SignalLog log(picker.get());

    picker->setCurrentIndex(chosenRow);

    QCOMPARE(log.entries, expected);
    QCOMPARE(picker->styleSheet(), QString::fromLatin1(expected.isEmpty() && !selected
                                                           ? kGrey : kPurple));
    QCOMPARE(picker->currMode(), picker->itemData(chosenRow, Qt::UserRole).toInt());
}

void TestModeCombox::setCurrMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("fireball") << 12 << 10 << "FIREBALL";
    QTest::newRow("rain") << 18 << 6 << "RAIN";
    QTest::newRow("empty") << 17 << 0 << "EMPTY";
    QTest::newRow("customNotOffered") << 4 << -1 << "";
    QTest::newRow("aboveRange") << 21 << -1 << "";
}

void TestModeCombox::setCurrMode()
{
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(QString, text);
    QWidget window;
    auto picker = shownPicker(1, &window);
    picker->setCurrMode(7);
    SignalLog log(picker.get());

    picker->setCurrMode(mode);

    QCOMPARE(picker->currentIndex(), row);
    QCOMPARE(picker->currentText(), text);
    QVERIFY(log.entries.isEmpty());
    QVERIFY(picker->styleSheet().isEmpty());
    // The next user choice reports the silently shown effect as the old one.
    picker->setCurrentIndex(rowOf(*picker, 9));
    QCOMPARE(log.entries.last(), QStringLiteral("changed(%1,9)").arg(mode));
}

void TestModeCombox::setSelectedStyles_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("clicksOnPress");
    QTest::newRow("selected") << true << kPurple << 0;
    QTest::newRow("unselected") << false << kGrey << 1;
}

void TestModeCombox::setSelectedStyles()
{
    QFETCH(bool, selected);
    QFETCH(QString, style);
    QFETCH(int, clicksOnPress);
    QWidget window;
    auto picker = shownPicker(0, &window);
    QSignalSpy clicked(picker.get(), &ModeCombox::sigClicked);

    picker->setSelected(selected);
    QCOMPARE(picker->styleSheet(), style);
    QCOMPARE(clicked.count(), 0);

    // The press tells whether the picker really took the state, not only the colour.
    QTest::mouseClick(picker->lineEdit(), Qt::LeftButton);
    QCOMPARE(clicked.count(), clicksOnPress);
}

void TestModeCombox::hideAndShow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("stars") << 5 << true;
    QTest::newRow("firstEffect") << 0 << true;
    QTest::newRow("lastEffect") << 14 << true;
    QTest::newRow("emptyNeverHidden") << 17 << false;
    QTest::newRow("notOffered") << 16 << false;
}

void TestModeCombox::hideAndShow()
{
    QFETCH(int, mode);
    QFETCH(bool, hidden);
    QWidget window;
    auto picker = shownPicker(0, &window);
    picker->setCurrMode(mode);
    SignalLog log(picker.get());

    picker->hideMode(mode);
    const int row = rowOf(*picker, mode);
    if (row >= 0)
        QCOMPARE(rowHidden(*picker, mode), hidden);
    QCOMPARE(picker->count(), 17);
    // Hiding touches only the list: the picker still shows its own effect.
    if (row >= 0)
        QCOMPARE(picker->currMode(), mode);

    picker->showMode(mode);
    if (row >= 0)
        QVERIFY(!rowHidden(*picker, mode));

    picker->hideMode(5);
    picker->hideMode(8);
    picker->showAllModes();
    for (int r = 0; r < picker->count(); ++r)
        QVERIFY2(!qobject_cast<QListView*>(picker->view())->isRowHidden(r),
                 qPrintable(picker->itemText(r)));
    QVERIFY(log.entries.isEmpty());
}

void TestModeCombox::arrowKeysSkipHiddenRows()
{
    // Regression: stepping with the arrow keys could pick an effect another layer uses.
    QWidget window;
    auto picker = shownPicker(0, &window);
    picker->setCurrMode(0); // STATIC, row 1
    picker->setSelected(true);
    picker->hideMode(1);    // RAINBOW WAVE, row 2
    SignalLog log(picker.get());

    QTest::keyClick(picker.get(), Qt::Key_Down);
    QCOMPARE(log.entries, QStringList{"changed(0,2)"});
    QCOMPARE(picker->currentText(), QStringLiteral("CROSSHAIR"));

    picker->showMode(1);
    QTest::keyClick(picker.get(), Qt::Key_Up);
    QCOMPARE(picker->currentText(), QStringLiteral("RAINBOW WAVE"));
}

void TestModeCombox::wheelKeepsItem_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("selected");
    QTest::newRow("downOnGrey") << -120 << false;
    QTest::newRow("upOnGrey") << 120 << false;
    QTest::newRow("downOnPurple") << -120 << true;
    QTest::newRow("upOnPurple") << 120 << true;
}

void TestModeCombox::wheelKeepsItem()
{
    QFETCH(int, delta);
    QFETCH(bool, selected);
    QWidget window;
    auto picker = shownPicker(0, &window);
    picker->setCurrMode(8); // BREATHING, in the middle of the list
    picker->setSelected(selected);
    SignalLog log(picker.get());

    const QPointF centre(picker->rect().center());
    QWheelEvent wheel(centre, picker->mapToGlobal(centre.toPoint()), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(picker.get(), &wheel);

    QCOMPARE(picker->currMode(), 8);
    QCOMPARE(picker->currentText(), QStringLiteral("BREATHING"));
    QVERIFY(log.entries.isEmpty());
}

QTEST_MAIN(TestModeCombox)
#include "tst_modecombox.moc"
