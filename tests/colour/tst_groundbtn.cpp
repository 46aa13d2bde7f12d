#include "colour/groundbtn.h"
#include "colour/groundwid.h"
#include "colourtesthelpers.h"
#include "customcolorstore.h"
#include "platform/toolkit/colorbtn.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

namespace {
QLabel* square(GroundBtn* button)
{
    return button->findChild<QLabel*>(QStringLiteral("m_corLab"));
}

QLabel* caption(GroundBtn* button)
{
    return button->findChild<QLabel*>(QStringLiteral("m_textLab"));
}

// The colour a press on the square handed to the drag, read before the drag object
// is deleted by the event loop.
QColor draggedColour(GroundBtn* button)
{
    const QList<QDrag*> drags = button->findChildren<QDrag*>();
    if (drags.size() != 1 || !drags.front()->mimeData()
        || !drags.front()->mimeData()->hasColor())
        return QColor();
    return qvariant_cast<QColor>(drags.front()->mimeData()->colorData());
}
} // namespace

class TestGroundBtn : public QObject
{
    Q_OBJECT

private slots:
    void newButtonIsSmallAndWhite();
    void selectionSize_data();
    void selectionSize();
    void labelStyles_data();
    void labelStyles();
    void pressOnSquare_data();
    void pressOnSquare();
    void pressOnCaptionIsAClick();
    void draggedColourFillsCustomSlot();
};

void TestGroundBtn::newButtonIsSmallAndWhite()
{
    GroundBtn button;
    QVERIFY(button.isCheckable());
    QVERIFY(!button.isChecked());
    QCOMPARE(square(&button)->size(), QSize(20, 20));
    QCOMPARE(caption(&button)->font().pointSize(), 8);
    QCOMPARE(square(&button)->styleSheet(), QStringLiteral("border:1px solid white"));
    QCOMPARE(caption(&button)->styleSheet(), QStringLiteral("color:white"));
    QCOMPARE(button.styleSheet(),
             QStringLiteral("QPushButton{background:transparent;border:none;}"));
    QCOMPARE(square(&button)->cursor().shape(), Qt::ClosedHandCursor);
}

void TestGroundBtn::selectionSize_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("points");
    QTest::newRow("checkedEnabled") << true << true << 30 << 9;
    QTest::newRow("checkedDisabled") << true << false << 30 << 9;
    QTest::newRow("uncheckedEnabled") << false << true << 20 << 8;
    QTest::newRow("uncheckedDisabled") << false << false << 20 << 8;
}

void TestGroundBtn::selectionSize()
{
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(int, side);
    QFETCH(int, points);

    GroundBtn button;
    button.setChecked(true);
    button.setChecked(checked);
    QCOMPARE(square(&button)->size(), QSize(side, side));
    QCOMPARE(caption(&button)->font().pointSize(), points);

    // Enabling or disabling sizes by the checked state as well.
    button.setGroundEnabled(enabled);
    QCOMPARE(button.isEnabled(), enabled);
    QCOMPARE(square(&button)->size(), QSize(side, side));
    QCOMPARE(caption(&button)->font().pointSize(), points);
}

void TestGroundBtn::labelStyles_data()
{
    QTest::addColumn<bool>("colourFirst");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("colourAfter");
    QTest::addColumn<QString>("squareStyle");
    QTest::addColumn<QString>("captionStyle");

    const QString coloured = QStringLiteral("background:#80102030;border:1px solid white;");
    QTest::newRow("enabledDropsColour") << true << true << false << "border:1px solid white"
                                        << "color:white";
    QTest::newRow("disabledDropsColour") << true << false << false << "border:1px solid gray"
                                         << "color:gray";
    QTest::newRow("colourAfterDisable") << false << false << true << coloured << "color:gray";
    QTest::newRow("colourAfterEnable") << false << true << true << coloured << "color:white";
}

void TestGroundBtn::labelStyles()
{
    QFETCH(bool, colourFirst);
    QFETCH(bool, enabled);
    QFETCH(bool, colourAfter);
    QFETCH(QString, squareStyle);
    QFETCH(QString, captionStyle);

    const QColor colour(0x10, 0x20, 0x30, 0x80);
    GroundBtn button;
    if (colourFirst)
        button.setColor(colour);
    button.setGroundEnabled(enabled);
    if (colourAfter)
        button.setColor(colour);
    QCOMPARE(square(&button)->styleSheet(), squareStyle);
    QCOMPARE(caption(&button)->styleSheet(), captionStyle);
}

void TestGroundBtn::pressOnSquare_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("drags");
    QTest::newRow("leftOnEnabled") << true << int(Qt::LeftButton) << true;
    QTest::newRow("rightOnEnabled") << true << int(Qt::RightButton) << false;
    QTest::newRow("leftOnDisabled") << false << int(Qt::LeftButton) << false;
}

void TestGroundBtn::pressOnSquare()
{
    QFETCH(bool, enabled);
    QFETCH(int, button);
    QFETCH(bool, drags);

    QWidget window;
    auto* fore = new GroundBtn(&window);
    auto* back = new GroundBtn(&window);
    QButtonGroup group;
    group.addButton(fore, 0);
    group.addButton(back, 1);
    fore->setChecked(true);
    back->setColor(QColor(1, 2, 3, 4));
    back->setGroundEnabled(enabled);
    window.show();
    QSignalSpy presses(back, &QAbstractButton::pressed);

    QTest::mousePress(square(back), Qt::MouseButton(button));

    QCOMPARE(draggedColour(back), drags ? QColor(1, 2, 3, 4) : QColor());
    // After the drag the dragged button holds the check; the press itself is consumed.
    QCOMPARE(back->isChecked(), drags);
    QCOMPARE(fore->isChecked(), !drags);
    if (drags) {
        QCOMPARE(presses.count(), 0);
        QCOMPARE(square(back)->size(), QSize(30, 30));
    }
    QTest::mouseRelease(square(back), Qt::MouseButton(button));
}

void TestGroundBtn::pressOnCaptionIsAClick()
{
    GroundBtn button;
    button.setLabelText(QStringLiteral("BACKGROUND"));
    button.show();
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::mouseClick(caption(&button), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(button.isChecked());
    QVERIFY(button.findChildren<QDrag*>().isEmpty());
    QCOMPARE(caption(&button)->text(), QStringLiteral("BACKGROUND"));
}

// The selector's drag data, dropped on a custom slot, fills it and stores the slots.
void TestGroundBtn::draggedColourFillsCustomSlot()
{
    CustomColorStore store;
    store.profile = 5;
    GroundWid page;
    page.setGroundType(1);
    GroundBtn button;
    button.setColor(QColor(11, 22, 33, 44));
    button.show();

    QTest::mousePress(square(&button), Qt::LeftButton);
    const QList<QDrag*> drags = button.findChildren<QDrag*>();
    QCOMPARE(drags.size(), 1);
    auto* slot = qobject_cast<ColorBtn*>(
        page.findChild<QHBoxLayout*>(QStringLiteral("m_customCorLayout"))->itemAt(3)->widget());
    QVERIFY(slot);
    QVERIFY(ColourTest::dropOn(slot, *drags.front()->mimeData()));

    QCOMPARE(slot->getColor(), QColor(11, 22, 33, 44));
    QCOMPARE(int(store.writes.size()), 1);
    QCOMPARE(int(store.writes.front().profile), 5);
    QCOMPARE(store.writes.front().ground, 1);
    std::vector<custom_color> expected(kCustomColorSlots);
    expected[3] = ColourTest::filled(11, 22, 33, 44);
    QVERIFY(ColourTest::sameList(store.writes.front().colours, expected));
}

QTEST_MAIN(TestGroundBtn)
#include "tst_groundbtn.moc"
