// The host as a person uses it: a click on a key paints it, the active effect is in view,
// and redo answers the keys people know.

#include "host/hosttestsupport.h"
#include "host/hostsession.h"
#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardpanel.h"
#include "host/hostwindow.h"
#include "keylight/keytable.h"
#include "keylight/keylightwid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDockWidget>
#include <QLayout>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {
constexpr uchar kProfile = 1;
constexpr int kV = 53; // LED of the V key

ProfileData showing(int mode)
{
    ProfileData data = ProfileData::factoryDefaults();
    data.activeMode = uchar(mode);
    data.zones[0].mode = Mode::Static;
    return data;
}

VantorPacket::Decoded decoded(const QByteArray& packet)
{
    VantorPacket::Decoded result;
    VantorPacket::decode(packet.constData(), std::size_t(packet.size()), result);
    return result;
}
} // namespace

class TestHostUsability : public QObject
{
    Q_OBJECT

private slots:
    void clickOnKey_data();
    void clickOnKey();
    void activeEffectInViewOnceShown();
    void redoAnswersPlatformKeys();
    void windowFitsScreen_data();
    void windowFitsScreen();
    void everyHostControlIsNamed();
};

void TestHostUsability::clickOnKey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("onKey"); // else on the empty margin above the keys
    QTest::newRow("paintsKey") << int(Mode::Custom) << true;
    QTest::newRow("zoneTakesKey") << int(Mode::Multizone) << true;
    QTest::newRow("emptySpotPaintsNothing") << int(Mode::Custom) << false;
    QTest::newRow("emptySpotAddsNothing") << int(Mode::Multizone) << false;
}

// Regression: a press and release with no move in between did nothing, yet the page sent
// its unchanged record, which looked as if the click had worked.
void TestHostUsability::clickOnKey()
{
    QFETCH(int, mode);
    QFETCH(bool, onKey);
    ProfileStore store;
    store.setProfile(kProfile, showing(mode));
    RecordingTransport device;
    HostWindow window(store, &device);
    window.start(kProfile);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Cyan, from the colour panel's presets, is what the per-key page paints with.
    auto* presets = window.findChild<QWidget*>("m_foreWid")->findChild<QLayout*>(
        "m_presetCorLayout");
    qobject_cast<QAbstractButton*>(presets->itemAt(4)->widget())->click();
    const std::size_t before = device.sent.size();

    const char* pageName = mode == Mode::Custom ? "CustomLedUi" : "MultizoneUi";
    QWidget* page = window.page()->findChild<QWidget*>(QLatin1String(pageName));
    if (onKey)
        QTest::mouseClick(page->findChild<QWidget*>("m_v"), Qt::LeftButton);
    else
        QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));

    QCOMPARE(device.sent.size(), before + (onKey ? 1 : 0));
    if (!onKey)
        return;
    const VantorPacket::Decoded sent = decoded(device.sent.back().packet);
    if (mode == Mode::Custom) {
        QCOMPARE(sent.code, int(Request::CustomLed));
        QCOMPARE(QColor(sent.custom.led[3 * kV], sent.custom.led[3 * kV + 1],
                        sent.custom.led[3 * kV + 2]),
                 QColor(Qt::cyan));
    } else {
        QCOMPARE(sent.code, int(Request::Multizone));
        QCOMPARE(int(sent.filter.zone[0][kV]), 1);
    }
}

// Regression: after a start the list was not scrolled to the active effect, which was
// chosen before the window had its size.
void TestHostUsability::activeEffectInViewOnceShown()
{
    ProfileStore store;
    store.setProfile(kProfile, showing(Mode::TurnOff)); // the last row of the list
    HostWindow window(store);
    window.start(kProfile);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = window.findChild<QScrollArea*>("scrollArea");
    auto* button = list->widget()->findChild<QWidget*>("m_turn_off");
    QTRY_VERIFY(!button->visibleRegion().isEmpty());
    QVERIFY(list->verticalScrollBar()->value() > 0);
}

// Regression: Ctrl+Y did nothing.
void TestHostUsability::redoAnswersPlatformKeys()
{
    ProfileStore store;
    HostWindow window(store);
    window.start(0);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QByteArray packet = Packets::modeParam(Packets::record(Mode::Stars, Qt::red));
    QByteArray scratch = packet;
    emit window.page()->sigSdkRequest(Request::ModeParam, scratch.data());
    const ProfileData changed = store.profile(0);
    for (const QKeySequence& redo : {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        QTest::keySequence(&window, QKeySequence(QKeySequence::Undo));
        QVERIFY(store.profile(0) != changed);
        QTest::keySequence(&window, redo);
        QVERIFY2(store.profile(0) == changed, qPrintable(redo.toString()));
    }
}

void TestHostUsability::windowFitsScreen_data()
{
    QTest::addColumn<QSize>("screen"); // its free area
    QTest::addColumn<int>("dockArea");  // 0: the docks fold away
    QTest::newRow("laptop") << QSize(1366, 728) << int(Qt::RightDockWidgetArea);
    QTest::newRow("fullHd") << QSize(1920, 1040) << int(Qt::BottomDockWidgetArea);
    QTest::newRow("small") << QSize(1280, 680) << 0;
}

// Regression: on a laptop the lowest key row hid under the panels, and a small window let
// the key overlays drift off the keyboard picture.
void TestHostUsability::windowFitsScreen()
{
    QFETCH(QSize, screen);
    QFETCH(int, dockArea);
    ProfileStore store;
    store.setProfile(kProfile, showing(Mode::Custom));
    VirtualKeyboard keyboard;
    HostWindow window(store, &keyboard);
    window.addDeviceView(QStringLiteral("Virtual keyboard"), new VirtualKeyboardPanel(&keyboard));
    window.start(kProfile);
    window.fitScreen(screen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
    QCOMPARE(window.minimumSize(), window.minimumSizeHint());
    auto* keyboardDock = window.findChild<QDockWidget*>(QStringLiteral("deviceDock"));
    QCOMPARE(keyboardDock->isVisible(), dockArea != 0);
    if (dockArea != 0)
        QCOMPARE(int(window.dockWidgetArea(keyboardDock)), dockArea);

    // Even at the window's smallest, every key sits on the picture, above the panels.
    window.resize(window.minimumSize());
    QTRY_COMPARE(window.size(), window.minimumSize());
    auto* keys = window.page()->findChild<QWidget*>(QStringLiteral("CustomLedUi"));
    auto* colourPanel = window.page()->findChild<QWidget*>(QStringLiteral("LedColorUi"));
    QVERIFY(keys && colourPanel);
    QCOMPARE(keys->size(), keys->minimumSize());
    const int panelsTop = colourPanel->mapTo(window.page(), QPoint()).y();
    int checked = 0;
    for (const QWidget* key : keys->findChildren<QWidget*>()) {
        if (!KeyTable::byObjectName(key->objectName()))
            continue;
        ++checked;
        const QRect onPage(key->mapTo(window.page(), QPoint()), key->size());
        QVERIFY2(onPage.bottom() < panelsTop && window.page()->rect().contains(onPage),
                 qPrintable(key->objectName()));
    }
    QCOMPARE(checked, KeyTable::kKeyCount);
}

// The page's controls have their own suite; here, what the window adds around it.
void TestHostUsability::everyHostControlIsNamed()
{
    ProfileStore store;
    VirtualKeyboard keyboard;
    HostWindow window(store, &keyboard);
    window.addDeviceView(QStringLiteral("Virtual keyboard"), new VirtualKeyboardPanel(&keyboard));
    window.fitScreen(QSize(1920, 1040));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int named = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (window.page()->isAncestorOf(widget) || widget->focusPolicy() == Qt::NoFocus
            || !widget->isVisibleTo(&window))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(
            QAccessible::Name);
        // A word, not a bare digit or symbol that a screen reader would spell out.
        QVERIFY2(name.contains(QRegularExpression(QStringLiteral("\\p{L}{2}"))),
                 qPrintable(widget->objectName() + QLatin1Char(' ') + name));
        ++named;
    }
    QVERIFY(named >= 7); // five profiles, the log and the virtual keyboard at least
}

QTEST_MAIN(TestHostUsability)
#include "tst_hostusability.moc"
