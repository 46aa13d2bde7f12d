#include "platform/toolkit/colorbtn.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

class TestColorBtn : public QObject
{
    Q_OBJECT

private slots:
    void drop_data()
    {
        QTest::addColumn<QVariant>("colour"); // a string goes in as text
        QTest::addColumn<bool>("taken");
        QTest::newRow("colour") << QVariant(QColor(10, 20, 30, 40)) << true;
        QTest::newRow("colourNameAsText") << QVariant("#ff0000") << false;
        QTest::newRow("invalidColour") << QVariant(QColor()) << false;
    }

    // An empty slot takes a real colour from a drop, announces it and loses its text.
    void drop()
    {
        QFETCH(QVariant, colour);
        QFETCH(bool, taken);
        ColorBtn button(QColor(Qt::red), 255, nullptr);
        QVERIFY(button.text().isEmpty());
        button.reset();
        button.setAcceptDrops(true);
        QCOMPARE(button.getColor(), QColor(Qt::transparent));
        QVERIFY(!button.text().isEmpty());
        QSignalSpy updates(&button, &ColorBtn::sigUpdateColor);
        QMimeData mime;
        if (colour.type() == QVariant::String)
            mime.setText(colour.toString());
        else
            mime.setColorData(colour);

        // The drop is sent even where the drag was refused on entering: a stray one must be too.
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &enter);
        QApplication::sendEvent(&button, &drop);

        QCOMPARE(enter.isAccepted(), taken);
        QCOMPARE(drop.isAccepted(), taken);
        QCOMPARE(updates.count(), taken ? 1 : 0);
        QCOMPARE(button.getColor(), taken ? colour.value<QColor>() : QColor(Qt::transparent));
        QCOMPARE(button.text().isEmpty(), taken);
    }

    void clear_data()
    {
        QTest::addColumn<bool>("slot"); // accepts drops: a custom slot, not a preset
        QTest::addColumn<bool>("byMenu"); // else the Delete key
        QTest::addColumn<bool>("cleared");
        QTest::newRow("slotByMenu") << true << true << true;
        QTest::newRow("slotByDelete") << true << false << true;
        QTest::newRow("presetByMenu") << false << true << false;
        QTest::newRow("presetByDelete") << false << false << false;
    }

    // A saved custom colour can be emptied again, as a user change; a preset cannot.
    void clear()
    {
        QFETCH(bool, slot);
        QFETCH(bool, byMenu);
        QFETCH(bool, cleared);
        ColorBtn button(QColor(10, 20, 30, 40), 255, nullptr);
        button.setAcceptDrops(slot);
        button.setLabel(QStringLiteral("Custom colour 3"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy updates(&button, &ColorBtn::sigUpdateColor);
        if (byMenu) {
            QTimer::singleShot(0, &button, [&button] {
                if (auto* menu = button.findChild<QMenu*>()) {
                    if (QAction* clear = menu->findChild<QAction*>("actionClearColor"))
                        clear->trigger();
                    menu->close();
                }
            });
            QContextMenuEvent menu(QContextMenuEvent::Mouse, {5, 5}, button.mapToGlobal({5, 5}));
            QApplication::sendEvent(&button, &menu);
        } else {
            button.setFocus();
            QTest::keyClick(&button, Qt::Key_Delete);
        }
        QCOMPARE(updates.count(), cleared ? 1 : 0);
        QCOMPARE(button.getColor() == QColor(Qt::transparent), cleared);
        const char* name = cleared ? "Custom colour 3, empty" : "Custom colour 3, black, #0a141e";
        QCOMPARE(button.accessibleName(), QLatin1String(name));
    }

    // A custom slot paints its colour opaque whatever its alpha, so a dim colour keeps its hue.
    void paintsSwatch()
    {
        ColorBtn dim(QColor(10, 200, 10, 30), 255, nullptr);
        dim.resize(24, 24);
        QCOMPARE(dim.grab().toImage().pixelColor(12, 12), QColor(10, 200, 10));
    }
};

QTEST_MAIN(TestColorBtn)
#include "tst_colorbtn.moc"
