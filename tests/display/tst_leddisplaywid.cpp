// The preview hub and its pages: what each edit sends and shows, what a mode choice sends,
// the tint of the layers, the hub's placement and its loads.

#include "display/leddisplaywid.h"
#include "display/ledlabel.h"
#include "display/multilayerwid.h"
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
    const QColor colour(0x12, 0x34, 0x56, 1); // dim, so the per-key brightness changes too
    const QByteArray name = "slot" + slot.toLatin1();
    QVERIFY(slot.contains("Color") ? QMetaObject::invokeMethod(&hub, name, Q_ARG(QColor, colour))
                                   : QMetaObject::invokeMethod(&hub, name, Q_ARG(int, value)));
}

// What a page shows: the outline tint of a tinted page; on a keyboard page key B's colour,
// or "plain" while it is unlit.
QString lookOf(QWidget* page)
{
    if (auto* outline = page->findChild<LedLabel*>(QStringLiteral("m_borderLab")))
        return outline->styleSheet().section(':', 1).chopped(1); // "background:#...;"
    LedKeyBtn* b = key(page, "m_b");
    return b->styleSheet() == LedKeyBtn::defaultStyle() ? QStringLiteral("plain")
                                                        : b->keyColor().name(QColor::HexArgb);
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
    void edits_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("ground"); // chosen before the edit
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("emitted");
        QTest::addColumn<QByteArray>("record"); // of the current layer or zone for those pages
        QTest::addColumn<QString>("look"); // empty: the page keeps the look it had
        const auto row = [](const char* name, int mode, int ground, const char* slot,
                            const char* emitted, const char* record, const char* look) {
            QTest::newRow(name) << mode << ground << slot
                                << QString(emitted).split(' ', Qt::SkipEmptyParts)
                                << QByteArray::fromHex(record) << look;
        };
        // RIPPLE starts as 0903 00ff 00ff ffff 0100 0000 00ff, layer 1 as 0202 00c9 000a 151e
        // 005b 0000 00ff, zone 2 as 0303 00ca 0014 161e 005c 0000 00ff (key B is in it).
        // The colour is 12 34 56 at alpha 1: outlines show half the alpha plus 50.
        row("ripple/foreColour", 9, 0, "LedColorChanged", "UpdateModeParam LedColorChanged",
            "0903 0001 0012 3456 0100 0000 00ff", "#32123456");
        row("ripple/backColour", 9, 1, "LedColorChanged", "UpdateModeParam LedColorChanged",
            "0903 00ff 00ff ffff 0112 3456 0001", "#32123456");
        row("ripple/speedLowByte", 9, 0, "LedSpeedChanged", "UpdateModeParam LedSpeedChanged",
            "0905 00ff 00ff ffff 0100 0000 00ff", "");
        row("ripple/direction", 9, 0, "LedDirectChanged", "UpdateModeParam LedDirectChanged",
            "0903 06ff 00ff ffff 0100 0000 00ff", "");
        row("ripple/ground", 9, 0, "LedGroundChanged", "LedGroundChanged", "", "#b1000000");
        // The per-key page takes only the colour's alpha, as its brightness.
        row("custom/colour", 4, 0, "LedColorChanged", "UpdateCustomLed", "", "#01000000");
        row("custom/direction", 4, 0, "LedDirectChanged", "LedDirectChanged", "", "");
        // A layer has no background.
        row("layer/colour", 19, 0, "LedColorChanged", "UpdateMultilayer",
            "0202 0001 0012 3456 005b 0000 00ff", "#32123456");
        row("layer/speed", 19, 0, "LedSpeedChanged", "UpdateMultilayer",
            "0205 00c9 000a 151e 005b 0000 00ff", "");
        row("layer/direction", 19, 0, "LedDirectChanged", "UpdateMultilayer",
            "0202 06c9 000a 151e 005b 0000 00ff", "");
        row("layer/ground", 19, 0, "LedGroundChanged", "LedGroundChanged", "", "");
        row("zone/foreColour", 20, 0, "LedColorChanged", "UpdateMultizone",
            "0303 0001 0012 3456 005c 0000 00ff", "#01123456");
        row("zone/backColour", 20, 1, "LedColorChanged", "UpdateMultizone",
            "0303 00ca 0014 161e 0012 3456 0001", "#01123456");
        row("zone/speed", 20, 0, "LedSpeedChanged", "UpdateMultizone",
            "0305 00ca 0014 161e 005c 0000 00ff", "");
        row("zone/direction", 20, 1, "LedDirectChanged", "UpdateMultizone",
            "0303 06ca 0014 161e 005c 0000 00ff", "");
        row("zone/ground", 20, 0, "LedGroundChanged", "", "", "#ff5c0000");
        // Choosing another layer or zone (3) sends the records, but not to the device.
        row("layer/choice", 19, 0, "CurrMultilayerMode", "UpdateMultilayer CurrMultilayerMode",
            "0404 00cb 001e 171e 005d 0000 00ff", "#971e171e");
        row("zone/choice", 20, 0, "CurrMultizoneMode", "UpdateMultizone CurrMultizoneMode",
            "0404 00cb 001e 171e 005d 0000 00ff", "plain");
    }

    // The hub hands each edit to the page on show, which sends its record; an edit of an
    // ordinary mode is no mode choice, and goes down with the mode number. Only an edit of
    // the colour or the ground restyles the page.
    void edits()
    {
        QFETCH(int, mode);
        QFETCH(int, ground);
        QFETCH(QString, slot);
        QFETCH(QStringList, emitted);
        QFETCH(QByteArray, record);
        QFETCH(QString, look);
        LedDisplayWid hub(nullptr);
        hub.setMultilayer(1, fourRecords());
        hub.setMultizone(2, fourRecords(), filterOf({"2:m_b"}));
        call(hub, "LedModeChanged", mode);
        call(hub, "LedGroundChanged", ground);
        QWidget* page = hub.findChild<QStackedWidget*>()->currentWidget();
        // A look set behind the page's back shows whether the page restyles.
        if (auto* outline = page->findChild<LedLabel*>(QStringLiteral("m_borderLab")))
            outline->setColor(Qt::magenta);
        else
            key(page, "m_b")->setKeyColor(Qt::magenta);
        const QString before = lookOf(page);
        HubLog log(&hub);
        const bool choice = slot.startsWith("Curr");
        const int value = choice ? 3 // layer or zone 3
            : slot.contains("Speed") ? 261 // a speed of 5 in the record's one byte
            : slot.contains("Direct") ? int(Direction::Down) : 1; // the background
        call(hub, slot, value);

        QCOMPARE(log.names, emitted);
        for (bool flag : log.flags)
            QCOMPARE(flag, !ModeCatalogue::isOrdinary(mode) && !choice);
        if (!record.isEmpty() && ModeCatalogue::isOrdinary(mode)) {
            QCOMPARE(log.records.first(), record);
        } else if (!record.isEmpty()) {
            const int index = choice ? 3 : mode == Mode::Multilayer ? 1 : 2;
            std::vector<vantor_light> list = fourRecords();
            memcpy(&list[std::size_t(index)], record.constData(), sizeof(vantor_light));
            const QByteArray filter = mode == Mode::Multizone
                ? bytesOf(filterOf({"2:m_b"})) : QByteArray();
            QCOMPARE(log.records.first(), char(index) + listBytes(list) + filter);
        }
        if (log.names.contains(slot))
            QCOMPARE(log.records.last().at(0), char(choice ? 3 : mode));
        QCOMPARE(lookOf(page), look.isEmpty() ? before : look);
    }

    void modeChoiceSendsTheKeptRecord_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<QByteArray>("kept");
        const auto row = [](const char* name, int mode, const char* loaded, const char* kept) {
            QTest::newRow(name) << mode << QByteArray::fromHex(loaded)
                                << QByteArray::fromHex(kept);
        };
        row("starsGetsBackgroundFlag", 5, "0502 0480 0911 2233 0044 5566 0777",
            "0502 0480 0011 2233 0144 5566 0077");
        row("staticKeepsBackgroundFlag", 0, "0001 0010 0102 0304 0105 0607 0108",
            "0001 0010 0002 0304 0105 0607 0008");
        row("tornadoLosesColours", 14, "0e03 0420 0011 1111 0022 2222 0033",
            "0e03 0420 0000 0000 0000 0000 0033");
    }

    // The loaded record with bytes 4 and 12 cleared, the background flag forced where the
    // effect has a background and the colours dropped where it has none.
    void modeChoiceSendsTheKeptRecord()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, loaded);
        QFETCH(QByteArray, kept);
        LedDisplayWid hub(nullptr);
        vantor_light light;
        memcpy(&light, loaded.constData(), sizeof light);
        hub.setModeLights({light});
        HubLog log(&hub);
        call(hub, "LedModeChanged", mode);
        QCOMPARE(log.records.first(), kept);
        QCOMPARE(log.flags, QList{true});
    }

    // Layer 2 is (20, 22, 30) at alpha 202, halved on the caps: 101 = 0x65. An empty layer
    // shows black; another effect brings its colour back.
    void layerTint()
    {
        MultilayerWid page(nullptr);
        page.setMultilayer(2, fourRecords());
        SignalLog log(&page, &MultilayerWid::sigUpdateMultilayer);
        const auto tint = [&page] {
            return page.findChild<LedLabel*>(QStringLiteral("m_fillLab"))->styleSheet();
        };
        QCOMPARE(tint(), QStringLiteral("background:#6514161e;"));
        page.slotCurrMultilayerMode(kSubModeCount); // past the layers: selects nothing
        QVERIFY(log.records.isEmpty());
        page.slotMultilayerModeChanged(Mode::Empty);
        QCOMPARE(tint(), QStringLiteral("background:#7f000000;"));
        page.slotMultilayerModeChanged(Mode::Ripple);
        QCOMPARE(tint(), QStringLiteral("background:#6514161e;"));
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
        const QByteArray ripple = QByteArray::fromHex("0903 0001 0012 3456 0100 0000 00ff");
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
