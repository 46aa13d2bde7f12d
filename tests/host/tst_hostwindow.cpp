#include "host/applyindicator.h"
#include "host/hostsession.h"
#include "host/hosttestsupport.h"
#include "host/hostwindow.h"
#include "host/requestlogmodel.h"
#include "host/theme.h"
#include "keylight/keylightwid.h"
#include "support/pagehelpers.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using Packets::record;

namespace {
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
    void switcherShowsAndSwitchesProfile();
    void undoShortcutsAndApplyIndicator();
    void requestReachesDeviceStoreAndLog();

private:
    std::unique_ptr<ProfileStore> m_store;
};

void TestHostWindow::init()
{
    m_store = std::make_unique<ProfileStore>();
}

void TestHostWindow::cleanup()
{
    // Regression: the page read the built-in store while the session wrote another one.
    QCOMPARE(&IVantorProfileCfg::Instance(), &ProfileStore::builtin());
    m_store.reset();
}

void TestHostWindow::switcherShowsAndSwitchesProfile()
{
    HostWindow window(*m_store);
    QCOMPARE(&IVantorProfileCfg::Instance(), m_store.get());
    window.start(2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The switcher shows profiles from 1, the store counts from 0.
    const auto button = [&window](int shown) {
        return window.findChild<QToolButton*>(QStringLiteral("profileButton%1").arg(shown));
    };
    for (int shown = 1; shown <= kShownProfileCount; ++shown)
        QCOMPARE(button(shown)->isChecked(), shown == 3);

    QTest::mouseClick(button(4), Qt::LeftButton);
    QCOMPARE(int(m_store->currentProfile()), 3);
    emitRequest(window.page(), Request::ModeParam,
                Packets::modeParam(record(Mode::Stars, Qt::gray)));
    QCOMPARE(int(m_store->currentMode(3)), int(Mode::Stars));
    QCOMPARE(int(m_store->currentMode(2)), int(Mode::Static));

    // The page gives RESET and APPLY no height of its own: without the host's style sheet
    // they would be zero pixels high and could not be seen.
    for (const QString& text : {QStringLiteral("RESET"), QStringLiteral("APPLY")}) {
        QPushButton* pageButton = PageHelpers::buttonWithText(window.page(), text);
        QVERIFY2(pageButton && pageButton->isVisible(), qPrintable(text));
        QCOMPARE(pageButton->height(), Theme::kPageButtonHeight);
    }
}

void TestHostWindow::undoShortcutsAndApplyIndicator()
{
    HostWindow window(*m_store);
    window.start(0);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* indicator = window.findChild<ApplyIndicator*>();
    const ProfileData before = m_store->profile(0);
    emitRequest(window.page(), Request::CustomLed,
                Packets::customLed(Packets::paintedKey(5, Qt::red)));
    const ProfileData after = m_store->profile(0);
    QCOMPARE(indicator->text(), QStringLiteral("Changes not applied"));

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(m_store->profile(0) == before);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_store->profile(0) == after);

    window.session()->switchProfile(1); // each profile has its own state
    QVERIFY(indicator->isApplied());
    window.session()->switchProfile(0);
    emitRequest(window.page(), Request::Apply, QByteArray());
    QCOMPARE(indicator->text(), QStringLiteral("Applied"));
}

void TestHostWindow::requestReachesDeviceStoreAndLog()
{
    RecordingTransport device;
    HostWindow window(*m_store, &device);
    window.start(4);
    const QByteArray packet = Packets::modeParam(record(Mode::Breathing, QColor(10, 20, 30)));

    emitRequest(window.page(), Request::ModeParam, packet);
    emitRequest(window.page(), Request::Apply, QByteArray());
    emitRequest(window.page(), Request::CustomLed, packet); // a packet of another request

    // The start sent the profile's stored lighting first.
    QCOMPARE(device.selections, std::vector<uchar>{4});
    QCOMPARE(device.sent.size(), std::size_t(4));
    QCOMPARE(device.sent[1].packet, packet);
    // The log: profile, code, name, size and decode result of each request.
    QCOMPARE(window.requestLog()->rowCount(), 4);
    QStringList cells;
    for (int column : {RequestLogModel::Profile, RequestLogModel::Code, RequestLogModel::Name,
                       RequestLogModel::Size, RequestLogModel::Decoded, RequestLogModel::Bytes})
        cells << logCell(window, 1, column);
    const QString bytes = QString::fromLatin1(packet.left(4).toHex(' ').toUpper());
    QCOMPARE(cells.mid(0, 5), (QStringList{"5", "20", "mode parameters",
                                           QString::number(packet.size()), "ok"}));
    QVERIFY(cells.constLast().startsWith(bytes));
    QVERIFY(logCell(window, 3, RequestLogModel::Decoded) != QLatin1String("ok"));
    QCOMPARE(int(m_store->currentMode(4)), int(Mode::Breathing));
}

QTEST_MAIN(TestHostWindow)
#include "tst_hostwindow.moc"
