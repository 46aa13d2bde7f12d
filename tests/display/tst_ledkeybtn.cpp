#include "display/keytable.h"
#include "display/ledkeybtn.h"
#include "ui_keyboardwid.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {
// A page built on the keyboard form that remembers the mouse presses reaching it.
class KeyboardPage : public QWidget
{
public:
    KeyboardPage()
    {
        setObjectName(QStringLiteral("CustomLedUi"));
        ui.setupUi(this);
    }
    Ui::KeyboardUi ui;
    QList<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override { presses.append(event->pos()); }
};
} // namespace

class TestLedKeyBtn : public QObject
{
    Q_OBJECT

private slots:
    void keyTableMatchesForm();
    void keysLieApartInsideThePage();
    void colouredStyle_data();
    void colouredStyle();
    void resetKeepsColour();
    void flags();
    void pressReachesPage_data();
    void pressReachesPage();
    void unchangedLookKeepsStyleSheet();
};

void TestLedKeyBtn::keyTableMatchesForm()
{
    KeyboardPage page;
    QCOMPARE(page.objectName(), QStringLiteral("CustomLedUi"));
    const auto keys = keyMapOf(&page);
    QCOMPARE(keys.size(), kKeyCount);
    QSet<quint16> leds;
    constexpr int kMatrixRows = 7;
    constexpr int kUnusedRow = 6;
    for (const KeyTableEntry& entry : kKeyTable) {
        QVERIFY2(!leds.contains(entry.led), entry.objectName);
        leds.insert(entry.led);
        QVERIFY(entry.led < 182);
        QVERIFY2(entry.led % kMatrixRows != kUnusedRow, entry.objectName);
        const int column = entry.led / kMatrixRows;
        QVERIFY2(column >= 1 && column <= 24, entry.objectName);
        QVERIFY(keys.value(entry.led)->text().isEmpty());
    }
    // The filler holds a grid cell but has no lamp.
    auto* filler = page.findChild<LedKeyBtn*>(QStringLiteral("pushButton_90"));
    QVERIFY(filler);
    QVERIFY(!keys.values().contains(filler));
    QCOMPARE(filler->styleSheet(),
             QStringLiteral("background:transparent;border:none;min-height:29px;"));
    QCOMPARE(page.findChildren<LedKeyBtn*>().size(), kKeyCount + 1);
}

void TestLedKeyBtn::keysLieApartInsideThePage()
{
    KeyboardPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.size(), QSize(1000, 417));
    const auto keys = keyMapOf(&page).values();
    for (int i = 0; i < keys.size(); ++i) {
        const QRect rect = keys[i]->geometry();
        QVERIFY2(QRect(0, 0, 1000, 417).contains(rect), qPrintable(keys[i]->objectName()));
        QVERIFY2(rect.width() >= keys[i]->minimumWidth(), qPrintable(keys[i]->objectName()));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY2(!rect.intersects(keys[j]->geometry()), qPrintable(keys[i]->objectName()));
    }
    // The keys that span two grid cells stretch over them.
    QVERIFY(page.ui.m_num_0->width() > 2 * page.ui.m_num_dot->width());
    QVERIFY(page.ui.m_num_plus->height() > 2 * page.ui.m_num_9->height());
    QCOMPARE(page.ui.m_space->width(), 225);
}

void TestLedKeyBtn::colouredStyle_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("border");
    QTest::newRow("opaqueRed") << QColor(255, 0, 0) << "#7fff0000" << "#b1ff0000";
    QTest::newRow("alphaZero") << QColor(1, 2, 3, 0) << "#00010203" << "#32010203";
    QTest::newRow("alphaOneRoundsDown") << QColor(1, 2, 3, 1) << "#00010203" << "#32010203";
    QTest::newRow("invalidIsOpaqueBlack") << QColor() << "#7f000000" << "#b1000000";
}

void TestLedKeyBtn::colouredStyle()
{
    QFETCH(QColor, colour);
    QFETCH(QString, background);
    QFETCH(QString, border);
    LedKeyBtn key;
    QCOMPARE(key.styleSheet(), LedKeyBtn::defaultStyle());
    QCOMPARE(key.keyColor().isValid(), false);
    key.setKeyColor(colour);
    QCOMPARE(key.styleSheet(), QStringLiteral("QPushButton{background:%1;border:1px solid %2;"
                                              "min-height:1px}")
                                   .arg(background, border));
}

void TestLedKeyBtn::resetKeepsColour()
{
    LedKeyBtn key;
    key.setInZone(true);
    key.setKeyColor(Qt::green);
    key.resetKey();
    QCOMPARE(key.styleSheet(),
             QStringLiteral("QPushButton{background:rgba(0,0,0,100);border:1px solid black;"
                            "min-height:1px}"));
    QCOMPARE(key.keyColor(), QColor(Qt::green));
    QVERIFY(!key.isInZone());
    QVERIFY(!key.isSelected());
}

void TestLedKeyBtn::flags()
{
    LedKeyBtn key;
    key.setInZone(true);
    QVERIFY(key.isSelected());
    key.setSelected(false);
    QVERIFY(key.isInZone()); // the selected flag alone
    key.setSelected(true);
    key.setInZone(false);
    QVERIFY(!key.isSelected()); // leaving the zone also clears the band mark
    const QString before = key.styleSheet();
    key.setInZone(true);
    QCOMPARE(key.styleSheet(), before);
}

void TestLedKeyBtn::pressReachesPage_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("escape") << "m_esc";
    QTest::newRow("filler") << "pushButton_90";
    QTest::newRow("numpadEnter") << "m_num_enter";
}

void TestLedKeyBtn::pressReachesPage()
{
    QFETCH(QString, key);
    KeyboardPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* button = page.findChild<LedKeyBtn*>(key);
    QSignalSpy clicked(button, &QPushButton::clicked);
    const QPoint local(3, 4);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, local);
    QCOMPARE(page.presses.size(), 1);
    QCOMPARE(page.presses.first(), button->geometry().topLeft() + local);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!button->isDown());
}

// Restyling is what makes a drag slow; a key asked for the look it has keeps its sheet.
void TestLedKeyBtn::unchangedLookKeepsStyleSheet()
{
    LedKeyBtn key;
    key.setKeyColor(Qt::red);
    key.ensurePolished();
    int polishes = 0;
    struct Counter : QObject
    {
        int* count;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::StyleChange)
                ++*count;
            return false;
        }
    } counter;
    counter.count = &polishes;
    key.installEventFilter(&counter);
    key.setKeyColor(Qt::red);
    QCOMPARE(polishes, 0);
    key.setKeyColor(Qt::blue);
    QVERIFY(polishes > 0);
}

QTEST_MAIN(TestLedKeyBtn)
#include "tst_ledkeybtn.moc"
