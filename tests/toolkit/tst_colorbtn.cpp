#include "platform/toolkit/colorbtn.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

namespace {
enum class Action { None, Reset, SetColor };

// Sends a drag entering and, when accepted, the drop; returns whether the drop was taken.
bool deliverDrop(ColorBtn* button, const QMimeData& mime, bool* enterAccepted)
{
    const QPoint centre = button->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &enter);
    *enterAccepted = enter.isAccepted();
    // The drag loop sends the drop only where the drag was accepted; a drop that arrives
    // anyway must still be refused.
    QDropEvent drop(QPointF(centre), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &drop);
    return drop.isAccepted();
}
} // namespace

Q_DECLARE_METATYPE(Action)

class TestColorBtn : public QObject
{
    Q_OBJECT

private slots:
    void emptySlotText_data();
    void emptySlotText();
    void drop_data();
    void drop();
    void paintsSwatch_data();
    void paintsSwatch();
};

void TestColorBtn::emptySlotText_data()
{
    QTest::addColumn<QColor>("initial");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QColor>("argument");
    QTest::addColumn<QColor>("expected");

    const QColor red(Qt::red);
    const QColor clear(Qt::transparent);
    QTest::newRow("filledByConstructor") << red << Action::None << QColor() << red;
    QTest::newRow("emptyByConstructor") << clear << Action::None << QColor() << clear;
    QTest::newRow("resetFilled") << red << Action::Reset << QColor() << clear;
    QTest::newRow("fillEmpty") << clear << Action::SetColor << QColor(1, 2, 3, 4)
                               << QColor(1, 2, 3, 4);
    QTest::newRow("setTransparentEmpties") << red << Action::SetColor << clear << clear;
    QTest::newRow("translucentIsFilled") << clear << Action::SetColor << QColor(0, 0, 0, 1)
                                         << QColor(0, 0, 0, 1);
}

void TestColorBtn::emptySlotText()
{
    QFETCH(QColor, initial);
    QFETCH(Action, action);
    QFETCH(QColor, argument);
    QFETCH(QColor, expected);

    ColorBtn button(initial, 255, nullptr);
    QSignalSpy updates(&button, &ColorBtn::sigUpdateColor);
    if (action == Action::Reset)
        button.reset();
    else if (action == Action::SetColor)
        button.setColor(argument);

    QCOMPARE(button.getColor(), expected);
    // A text is shown exactly while the slot is empty.
    const bool empty = expected == QColor(Qt::transparent);
    QCOMPARE(button.text().isEmpty(), !empty);
    QCOMPARE(updates.count(), 0);
}

void TestColorBtn::drop_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("colour") << "colour" << true;
    QTest::newRow("translucentColour") << "translucent" << true;
    QTest::newRow("plainText") << "text" << false;
    QTest::newRow("colourNameAsText") << "colourName" << false;
    QTest::newRow("urls") << "urls" << false;
    QTest::newRow("invalidColour") << "invalid" << false;
}

void TestColorBtn::drop()
{
    QFETCH(QString, kind);
    QFETCH(bool, accepted);

    QMimeData mime;
    QColor dropped;
    if (kind == QLatin1String("colour"))
        dropped = QColor(10, 20, 30);
    else if (kind == QLatin1String("translucent"))
        dropped = QColor(10, 20, 30, 40);
    if (dropped.isValid())
        mime.setColorData(dropped);
    else if (kind == QLatin1String("text"))
        mime.setText(QStringLiteral("hello"));
    else if (kind == QLatin1String("colourName"))
        mime.setText(QStringLiteral("#ff0000"));
    else if (kind == QLatin1String("urls"))
        mime.setUrls({QUrl(QStringLiteral("file:///tmp/x"))});
    else
        mime.setColorData(QColor());

    ColorBtn button(QColor(Qt::transparent), 255, nullptr);
    button.reset();
    button.setAcceptDrops(true);
    QSignalSpy updates(&button, &ColorBtn::sigUpdateColor);

    bool enterAccepted = false;
    QCOMPARE(deliverDrop(&button, mime, &enterAccepted), accepted);
    QCOMPARE(enterAccepted, accepted);
    QCOMPARE(updates.count(), accepted ? 1 : 0);
    QCOMPARE(button.getColor(), accepted ? dropped : QColor(Qt::transparent));
    QCOMPARE(button.text().isEmpty(), accepted);
}

void TestColorBtn::paintsSwatch_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("paintAlpha");
    QTest::addColumn<bool>("checkered");
    QTest::addColumn<QColor>("centre");
    QTest::newRow("opaque") << QColor(200, 10, 10) << -1 << false << QColor(200, 10, 10);
    QTest::newRow("dimShownOpaque") << QColor(10, 200, 10, 30) << 255 << false
                                    << QColor(10, 200, 10);
    QTest::newRow("translucentOverChecker") << QColor(10, 10, 200, 60) << -1 << true
                                            << QColor();
}

void TestColorBtn::paintsSwatch()
{
    QFETCH(QColor, color);
    QFETCH(int, paintAlpha);
    QFETCH(bool, checkered);
    QFETCH(QColor, centre);

    ColorBtn button(color, paintAlpha, nullptr);
    button.resize(24, 24);
    const QImage image = button.grab().toImage();
    const QColor middle = image.pixelColor(12, 12);
    if (!checkered) {
        QCOMPARE(middle, centre);
        QCOMPARE(image.pixelColor(5, 5), centre);
        return;
    }
    // Neighbouring checker cells show through a translucent colour differently.
    QVERIFY(image.pixelColor(5, 5) != image.pixelColor(9, 5));
    QVERIFY(middle.blue() > middle.red());
}

QTEST_MAIN(TestColorBtn)
#include "tst_colorbtn.moc"
