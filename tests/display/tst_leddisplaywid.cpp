#include "display/leddisplaywid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

using namespace PageTesting;

namespace {
// Everything the hub emits. A page answers a broadcast inside it, so the page's record
// is logged before the broadcast that caused it.
struct HubLog : SignalLog
{
    using H = LedDisplayWid;
    explicit HubLog(H* hub)
        : SignalLog(hub, &H::sigUpdateModeParam, &H::sigUpdateCustomLed, &H::sigUpdateMultilayer,
                    &H::sigUpdateMultizone, &H::sigLedModeChanged, &H::sigLedGroundChanged,
                    &H::sigLedColorChanged, &H::sigLedSpeedChanged, &H::sigLedDirectChanged,
                    &H::sigCurrMultilayerMode, &H::sigCurrMultizoneMode,
                    &H::sigMultilayerModeChanged, &H::sigMultizoneModeChanged)
    {
    }
};

// The hub's slots are private: the page connects to them by signature.
void call(LedDisplayWid& hub, const QString& slot, int value)
{
    const QColor colour(255, 0, 0, 128); // half bright, so the per-key brightness changes too
    const QByteArray name = "slot" + slot.toLatin1();
    QVERIFY(slot.contains("Color") ? QMetaObject::invokeMethod(&hub, name, Q_ARG(QColor, colour))
                                   : QMetaObject::invokeMethod(&hub, name, Q_ARG(int, value)));
}

vantor_light lightOf(int mode, uchar red)
{
    vantor_light light;
    light.mode = uchar(mode);
    light.fg_r = red;
    return light;
}
} // namespace

class TestLedDisplayWid : public QObject
{
    Q_OBJECT

private slots:
    void routing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("emitted");
        const auto row = [](const char* name, int mode, const char* slot, QStringList emitted) {
            QTest::newRow(name) << mode << QString::fromLatin1(slot) << emitted;
        };
        const QString param = "UpdateModeParam";
        row("ripple/ground", 9, "LedGroundChanged", {"LedGroundChanged"});
        row("ripple/colour", 9, "LedColorChanged", {param, "LedColorChanged"});
        row("custom/colour", 4, "LedColorChanged", {"UpdateCustomLed"});
        row("custom/direction", 4, "LedDirectChanged", {"LedDirectChanged"});
        row("multilayer/ground", 19, "LedGroundChanged", {"LedGroundChanged"});
        row("multilayer/speed", 19, "LedSpeedChanged", {"UpdateMultilayer"});
        row("multizone/ground", 20, "LedGroundChanged", {});
        row("multizone/direction", 20, "LedDirectChanged", {"UpdateMultizone"});
        row("layer", 0, "CurrMultilayerMode", {"UpdateMultilayer", "CurrMultilayerMode"});
        row("zone", 0, "CurrMultizoneMode", {"UpdateMultizone", "CurrMultizoneMode"});
    }

    // An edit of an ordinary mode is no mode choice; the special pages' records are to be sent,
    // except on a change of the current layer or zone. The edits go down with the mode.
    void routing()
    {
        QFETCH(int, mode);
        QFETCH(QString, slot);
        QFETCH(QStringList, emitted);
        LedDisplayWid hub(nullptr);
        call(hub, "LedModeChanged", mode);
        HubLog log(&hub);
        call(hub, slot, 1);
        QCOMPARE(log.names, emitted);
        for (bool flag : log.flags)
            QCOMPARE(flag, !ModeCatalogue::isOrdinary(mode) && !slot.startsWith("Curr"));
        if (log.names.contains(slot))
            QCOMPARE(log.records.last().at(0), char(slot.startsWith("Curr") ? 1 : mode));
    }

    // Inside a page, as the lighting page holds it: no layout of its own window limits it.
    void placement()
    {
        QWidget window;
        window.resize(1400, 700);
        auto* hub = new LedDisplayWid(&window);
        QVERIFY(showAndWait(&window));
        const auto* label = hub->findChild<QLabel*>(QStringLiteral("m_backgroundLab"));
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(1000, 417));
        for (const QRect& rect : {QRect(0, 0, 800, 417), QRect(0, 0, 1000, 300)}) {
            hub->setGeometry(rect);
            // Centred across, never above the top.
            QCOMPARE(hub->findChild<QStackedWidget*>()->geometry(),
                     QRect((rect.width() - 1000) / 2, 0, 1000, 417));
        }
    }

    // Each mode has its own page, so switching away and back keeps the edits.
    void ordinaryPagesKeepTheirRecords()
    {
        LedDisplayWid hub(nullptr);
        call(hub, "LedModeChanged", Mode::Ripple);
        call(hub, "LedColorChanged", 0);
        call(hub, "LedModeChanged", Mode::ReactiveFade);
        call(hub, "LedSpeedChanged", 4);
        HubLog log(&hub);
        call(hub, "LedModeChanged", Mode::Ripple);
        call(hub, "LedModeChanged", Mode::ReactiveFade);
        // Neither page took the edit broadcast for the other.
        const QByteArray ripple = QByteArray::fromHex("0903 0080 00ff 0000 0100 0000 00ff");
        const QByteArray fade = QByteArray::fromHex("0304 00ff 00ff ffff 0100 0000 00ff");
        QCOMPARE(log.records, (QList<QByteArray>{ripple, "\x09", fade, "\x03"}));
    }

    // Loading emits nothing, whichever page is on show; stored data the pages cannot show
    // is dropped rather than read out of bounds.
    void loadsAreSilentAndUnshowableDataIgnored()
    {
        LedDisplayWid hub(nullptr);
        HubLog log(&hub);
        // Records of the special modes or past the last mode reach no page; of two records of
        // one mode the later wins.
        hub.setModeLights({lightOf(Mode::Static, 1), lightOf(Mode::Static, 3),
                           lightOf(Mode::Custom, 4), lightOf(Mode::Multizone, 5),
                           lightOf(Mode::Count, 6), lightOf(255, 7)});
        const std::vector<vantor_light> four(kSubModeCount, lightOf(Mode::Ripple, 9));
        vantor_filter filter;
        filter.zone[1][15] = 1;
        for (int mode : {Mode::Custom, Mode::Multilayer, Mode::Multizone, Mode::Ripple}) {
            hub.setCurrMode(mode);
            QCOMPARE(hub.findChild<QStackedWidget*>()->currentIndex(), mode);
            hub.setCustomLight(vantor_light_custom());
            hub.setMultilayer(1, four);
            hub.setMultizone(1, four, filter);
        }
        for (int index : {-1, 4, 5, 7, 256}) {
            hub.setMultilayer(index, four);
            hub.setMultizone(index, four, vantor_filter());
        }
        for (std::size_t records : {2, 5, 0}) {
            hub.setMultilayer(0, std::vector<vantor_light>(records));
            hub.setMultizone(0, std::vector<vantor_light>(records), vantor_filter());
        }
        QCOMPARE(log.names, QStringList());
        // A mode choice sends the page's record, and the ordinary mode goes down too.
        for (int mode : {Mode::Static, Mode::Custom, Mode::Multilayer, Mode::Multizone}) {
            call(hub, "LedModeChanged", mode);
            QCOMPARE(hub.findChild<QStackedWidget*>()->currentIndex(), mode);
        }
        QCOMPARE(log.names, (QStringList{"UpdateModeParam", "LedModeChanged", "UpdateCustomLed",
                                         "UpdateMultilayer", "UpdateMultizone"}));
        QCOMPARE(log.records, (QList<QByteArray>{
                                  bytesOf(lightOf(Mode::Static, 3)), QByteArray(1, 0),
                                  bytesOf(vantor_light_custom()), '\1' + listBytes(four),
                                  '\1' + listBytes(four) + bytesOf(filter)}));
        QCOMPARE(log.flags, (QList<bool>{true, true, true}));
    }
};

QTEST_MAIN(TestLedDisplayWid)
#include "tst_leddisplaywid.moc"
