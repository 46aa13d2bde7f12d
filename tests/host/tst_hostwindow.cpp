#include "host/applyindicator.h"
#include "host/hostsession.h"
#include "host/hosttestsupport.h"
#include "host/hostwindow.h"
#include "host/requestlogmodel.h"
#include "host/theme.h"
#include "keylight/keylightwid.h"

#include <QAction>
#include <QDockWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {
QPushButton* pageButton(KeyLightWid* page, const QString& text)
{
    for (QPushButton* button : page->findChildren<QPushButton*>(QString(),
                                                                Qt::FindDirectChildrenOnly)) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Emits a request as the page does, then overwrites the packet: only what the host copied
// during the emission may survive.
void emitRequest(KeyLightWid* page, int code, QByteArray packet)
{
    emit page->sigSdkRequest(code, packet.isEmpty() ? nullptr : packet.data());
    packet.fill('\x5a');
}

QString logCell(HostWindow& window, int row, int column)
{
    const RequestLogModel* log = window.requestLog();
    return log->data(log->index(row, column)).toString();
}
} // namespace

class TestHostWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowHoldsOnePage();
    void requestIsCopiedDuringEmission();
    void resetAndApplyButtonsGetTheirHeight_data();
    void resetAndApplyButtonsGetTheirHeight();
    void switcherClickSwitchesProfile();
    void applyIndicatorFollowsProfile();
    void undoAndRedoShortcuts();
    void attachedDeviceAndLogBothReceive();

private:
    std::unique_ptr<ProfileStore> m_store;
};

void TestHostWindow::init()
{
    m_store = std::make_unique<ProfileStore>();
    IVantorProfileCfg::setInstance(m_store.get());
}

void TestHostWindow::cleanup()
{
    IVantorProfileCfg::setInstance(nullptr);
    m_store.reset();
}

void TestHostWindow::windowHoldsOnePage()
{
    HostWindow window(*m_store);
    window.start(2);

    QCOMPARE(window.windowTitle(), QStringLiteral("KeyLight"));
    QCOMPARE(window.findChildren<KeyLightWid*>().size(), 1);
    QCOMPARE(window.centralWidget(), window.page());
    QCOMPARE(window.size(), QSize(HostWindow::kDefaultWidth, HostWindow::kDefaultHeight));
    auto* dock = window.findChild<QDockWidget*>(QStringLiteral("requestLogDock"));
    QVERIFY(dock);
    auto* view = dock->findChild<QTableView*>(QStringLiteral("requestLogView"));
    QVERIFY(view);
    QCOMPARE(view->model(), window.requestLog());
    for (int shown = 1; shown <= 5; ++shown) {
        auto* button = window.findChild<QToolButton*>(QStringLiteral("profileButton%1")
                                                          .arg(shown));
        QVERIFY(button);
        QCOMPARE(button->text(), QString::number(shown));
        QCOMPARE(button->isChecked(), shown == 3);
    }
    QCOMPARE(int(m_store->currentProfile()), 2);
}

void TestHostWindow::requestIsCopiedDuringEmission()
{
    HostWindow window(*m_store);
    window.start(0);
    const vantor_light breathing = Packets::light(Mode::Breathing, 10, 20, 30);
    const QByteArray packet = Packets::modeParam(breathing);

    emitRequest(window.page(), Request::ModeParam, packet);

    QCOMPARE(window.requestLog()->rowCount(), 1);
    QCOMPARE(logCell(window, 0, RequestLogModel::Decoded), QStringLiteral("ok"));
    QCOMPARE(logCell(window, 0, RequestLogModel::Size), QString::number(packet.size()));
    QCOMPARE(int(m_store->currentMode(0)), int(Mode::Breathing));
    vantor_light stored;
    m_store->readModeParam(0, Mode::Breathing, stored);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored),
             QByteArray(reinterpret_cast<const char*>(&breathing), sizeof breathing));
}

void TestHostWindow::resetAndApplyButtonsGetTheirHeight_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("defaultWindow") << QSize(HostWindow::kDefaultWidth, HostWindow::kDefaultHeight);
    QTest::newRow("smallWindow") << QSize(640, 480);
}

void TestHostWindow::resetAndApplyButtonsGetTheirHeight()
{
    QFETCH(QSize, size);
    HostWindow window(*m_store);
    window.start(0);
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The page gives the buttons no height of its own: without the host's style sheet
    // they would be zero pixels high and could not be seen.
    KeyLightWid* page = window.page();
    QPushButton* reset = pageButton(page, QStringLiteral("RESET"));
    QPushButton* apply = pageButton(page, QStringLiteral("APPLY"));
    QVERIFY(reset && apply);
    const int m = reset->minimumHeight();
    QCOMPARE(m, Theme::kPageButtonHeight);
    const int column = page->width() / 4;
    const int top = 4 * (page->height() / 6) - m;
    QCOMPARE(reset->geometry(), QRect(3 * column, top, column / 2, m));
    QCOMPARE(apply->geometry(), QRect(3 * column + column / 2, top, column / 2, m));
    QVERIFY(reset->isVisible() && apply->isVisible());
}

void TestHostWindow::switcherClickSwitchesProfile()
{
    HostWindow window(*m_store);
    window.start(0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("profileButton4")),
                      Qt::LeftButton);
    QCOMPARE(int(m_store->currentProfile()), 3);
    QCOMPARE(int(window.session()->currentProfile()), 3);

    emitRequest(window.page(), Request::ModeParam,
                Packets::modeParam(Packets::light(Mode::Stars, 1, 1, 1)));
    QCOMPARE(int(m_store->currentMode(3)), int(Mode::Stars));
    QCOMPARE(int(m_store->currentMode(0)), int(Mode::Static));
    QCOMPARE(logCell(window, 0, RequestLogModel::Profile), QStringLiteral("4"));
}

void TestHostWindow::applyIndicatorFollowsProfile()
{
    HostWindow window(*m_store);
    window.start(0);
    auto* indicator = window.findChild<ApplyIndicator*>(QStringLiteral("applyIndicator"));
    QVERIFY(indicator);
    QCOMPARE(indicator->text(), QStringLiteral("Applied"));

    emitRequest(window.page(), Request::CustomLed,
                Packets::customLed(Packets::paintedKey(5, 1, 2, 3)));
    QCOMPARE(indicator->text(), QStringLiteral("Changes not applied"));

    window.session()->switchProfile(1);
    QVERIFY(indicator->isApplied());
    window.session()->switchProfile(0);
    QVERIFY(!indicator->isApplied());

    emitRequest(window.page(), Request::Apply, QByteArray());
    QVERIFY(indicator->isApplied());
    QCOMPARE(indicator->text(), QStringLiteral("Applied"));
}

void TestHostWindow::undoAndRedoShortcuts()
{
    HostWindow window(*m_store);
    window.start(0);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const ProfileData before = m_store->profile(0);
    emitRequest(window.page(), Request::ModeParam,
                Packets::modeParam(Packets::light(Mode::Ripple, 4, 5, 6)));
    const ProfileData after = m_store->profile(0);
    auto* undo = window.findChild<QAction*>(QStringLiteral("actionUndo"));
    auto* redo = window.findChild<QAction*>(QStringLiteral("actionRedo"));
    QVERIFY(undo && redo);
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(m_store->profile(0) == before);
    QVERIFY(redo->isEnabled());

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_store->profile(0) == after);
    QVERIFY(!redo->isEnabled());
}

void TestHostWindow::attachedDeviceAndLogBothReceive()
{
    RecordingTransport device;
    HostWindow window(*m_store, &device);
    window.start(4);
    const QByteArray packet = Packets::reset();

    emitRequest(window.page(), Request::Reset, packet);
    emitRequest(window.page(), Request::Apply, QByteArray());

    QCOMPARE(device.selections, std::vector<uchar>{4});
    QCOMPARE(device.sent.size(), std::size_t(2));
    QCOMPARE(device.sent[0].packet, packet);
    QCOMPARE(device.sent[1].code, int(Request::Apply));
    QCOMPARE(window.requestLog()->rowCount(), 2);
}

QTEST_MAIN(TestHostWindow)
#include "tst_hostwindow.moc"
