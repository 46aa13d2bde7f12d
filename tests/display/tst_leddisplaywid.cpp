// SPDX-License-Identifier: MIT
// The preview hub and its pages: what each edit sends and shows, what a mode choice sends,
// the tint of the layers, the hub's placement and its loads, and what a band drag over the
// keys of the per-key and the multizone page does to their records; the keyboard form, its
// keys and the pictures drawn to match it.

#include "display/customledwid.h"
#include "display/keymap.h"
#include "display/leddisplaywid.h"
#include "display/ledkeybtn.h"
#include "display/ledlabel.h"
#include "display/multilayerwid.h"
#include "display/multizonewid.h"
#include "keylight/keytable.h"
#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"
#include "support/pagehelpers.h"
#include "support/recordbytes.h"
#include "ui_keyboardwid.h"

#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <vector>

#include <algorithm>
#include <vector>

namespace {
using RecordBytes::bytesOf;
using RecordBytes::listBytes;

// Four layer or zone records: record i runs effect i + 1 at speed i + 1 in colour
// (10 i, 20 + i, 30) at alpha 200 + i on the background (90 + i, 0, 0) at alpha 255.
std::vector<vantor_light> fourRecords()
{
    std::vector<vantor_light> records(kSubModeCount);
    for (int i = 0; i < kSubModeCount; ++i) {
        const uchar bytes[] = {uchar(i + 1), uchar(i + 1), 0, uchar(200 + i), 0, uchar(10 * i),
                               uchar(20 + i), 30, 0, uchar(90 + i), 0, 0, 0, 0xff};
        memcpy(&records[std::size_t(i)], bytes, sizeof(vantor_light));
    }
    return records;
}

// Every emission of the signals given, in order: the signal's name without "sig", its
// arguments as bytes (an int as one byte, a colour as hex, records as their bytes), and
// its flags (bModeChanged, bToSDK) kept aside.
class SignalLog : public QObject
{
public:
    template <typename Sender, typename... Signals>
    explicit SignalLog(Sender* sender, Signals... sigs)
    {
        (connect(sender, sigs, this,
                 [this, name = QMetaMethod::fromSignal(sigs).name().mid(3)](const auto&... args) {
                     names << QString::fromLatin1(name);
                     records << (QByteArray() + ... + pack(args));
                 }),
         ...);
    }

    QStringList names;
    QList<QByteArray> records;
    QList<bool> flags;

private:
    QByteArray pack(int i) { return QByteArray(1, char(i)); }
    QByteArray pack(bool b) { return flags << b, QByteArray(); }
    QByteArray pack(const QColor& cor) { return QByteArray::number(cor.rgba(), 16); }
    QByteArray pack(const std::vector<vantor_light>& list) { return listBytes(list); }
    template <typename T>
    QByteArray pack(const T& record) { return bytesOf(record); }
};

LedKeyBtn* key(QWidget* page, const QString& name)
{
    return page->findChild<LedKeyBtn*>(name);
}

quint16 ledOf(const QString& name)
{
    return KeyTable::byObjectName(name)->led;
}

// "z:key" puts the key into zone z.
vantor_filter filterOf(const QStringList& members)
{
    vantor_filter filter;
    for (const QString& member : members)
        filter.zone[member.section(':', 0, 0).toInt()][ledOf(member.section(':', 1))] = 1;
    return filter;
}

// A point by name: "<m_q" the gap left of a key, level with its centre; ">m_w" just past
// a key's lower right corner; "m_e" a key's centre; "x,y" a point of the page.
QPoint pointOf(QWidget* page, const QString& where)
{
    if (where.contains(','))
        return QPoint(where.section(',', 0, 0).toInt(), where.section(',', 1).toInt());
    const bool beside = where.startsWith('<') || where.startsWith('>');
    const QRect rect = key(page, beside ? where.mid(1) : where)->geometry();
    if (where.startsWith('<'))
        return QPoint(rect.left() - 4, rect.center().y());
    return where.startsWith('>') ? QPoint(rect.right() + 4, rect.bottom() - 2) : rect.center();
}

// A press, a move or a release of a drag (see pointOf); a move is followed by the repaint
// the window system runs before the next move.
void mouse(QWidget* page, QEvent::Type type, const QString& where)
{
    const Qt::MouseButtons held(type == QEvent::MouseButtonRelease ? 0 : Qt::LeftButton);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    PageHelpers::sendMouse(page, type, pointOf(page, where), held, button);
    if (type == QEvent::MouseMove)
        page->repaint();
}

bool showAndWait(QWidget* page)
{
    page->show();
    return QTest::qWaitForWindowExposed(page);
}

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

constexpr int kRgb = 3;

// A record in which every byte differs from its neighbours, so any byte written by
// mistake shows, the slots without a key included.
vantor_light_custom patternedRecord(uchar brightness)
{
    vantor_light_custom record;
    for (int i = 0; i < kLedCount * kRgb; ++i)
        record.led[i] = uchar(i % 251 + 1);
    record.brightness = brightness;
    return record;
}

// What the multizone page sends: the current zone, the four records, the filter.
QByteArray zoneRecord(int zone, const std::vector<vantor_light>& zones, const vantor_filter& f)
{
    return char(zone) + listBytes(zones) + bytesOf(f);
}

constexpr QSize kPictureSize(1000, 417);
constexpr double kMinAgreement = 0.98;
// The colour type numbers of the PNG header.
constexpr int kPalette = 3;
constexpr int kGreyAlpha = 4;
constexpr int kRgba = 6;
constexpr QImage::Format kArgb = QImage::Format_ARGB32;

// How far two masks agree: the pixels set in both over the pixels set in either.
double agreement(const QImage& a, const QImage& b)
{
    qint64 both = 0;
    qint64 either = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            both += qAlpha(a.pixel(x, y)) == 255 && qAlpha(b.pixel(x, y)) == 255;
            either += qAlpha(a.pixel(x, y)) == 255 || qAlpha(b.pixel(x, y)) == 255;
        }
    }
    return either ? double(both) / either : 0;
}

// A page built on the keyboard form that remembers the mouse presses reaching it.
class KeyboardForm : public QWidget
{
public:
    KeyboardForm() { Ui::KeyboardUi().setupUi(this); }
    QList<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override { presses.append(event->pos()); }
};
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

    void customDragCommitsKeysStillUnderBand_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QColor>("paint");
        QTest::addColumn<QStringList>("committed");
        const QColor paint(10, 200, 30);
        QTest::newRow("acrossThreeThenBackOne")
            << QStringList{"<m_q", "m_e", "m_w"} << paint << QStringList{"m_q", "m_w"};
        QTest::newRow("upAndLeft") << QStringList{">m_w", "m_q"} << paint
                                   << QStringList{"m_q", "m_w"};
        // The top margin above the keys holds no key.
        QTest::newRow("touchesNoKey") << QStringList{"10,5", "300,20", "600,30"} << paint
                                      << QStringList{};
        QTest::newRow("pressAndReleaseOnly") << QStringList{"m_g"} << paint << QStringList{};
        QTest::newRow("invalidColourBeforeAnyColour")
            << QStringList{"<m_a", "m_a"} << QColor() << QStringList{"m_a"};
        QTest::newRow("dimmerColour") << QStringList{"<m_z", "m_z"} << QColor(1, 2, 3, 128)
                                      << QStringList{"m_z"};
    }

    // A colour of another alpha changes the brightness at once; its hue waits for a drag.
    void customDragCommitsKeysStillUnderBand()
    {
        QFETCH(QStringList, path);
        QFETCH(QColor, paint);
        QFETCH(QStringList, committed);
        CustomLedWid page(nullptr);
        SignalLog log(&page, &CustomLedWid::sigUpdateCustomLed);
        vantor_light_custom expected = patternedRecord(255);
        page.setCustomLight(expected);
        QList<QByteArray> sent;
        if (paint.isValid())
            page.setLedColor(paint);
        if (paint.isValid() && paint.alpha() != 255) {
            expected.brightness = uchar(paint.alpha());
            sent << bytesOf(expected);
        }
        const uchar* stored = expected.led + kRgb * ledOf("m_r");
        QCOMPARE(key(&page, "m_r")->keyColor(),
                 QColor(stored[0], stored[1], stored[2], expected.brightness));
        QCOMPARE(log.records, sent);

        QVERIFY(showAndWait(&page));
        mouse(&page, QEvent::MouseButtonPress, path.first());
        for (int i = 1; i < path.size(); ++i)
            mouse(&page, QEvent::MouseMove, path[i]);
        if (path.size() > 1) { // the band's red outline runs through where it started
            const QImage shot = page.grab().toImage();
            QCOMPARE(shot.pixelColor(pointOf(&page, path.first())), QColor(Qt::red));
        }
        mouse(&page, QEvent::MouseButtonRelease, path.last());
        for (const QString& name : committed) {
            QCOMPARE(key(&page, name)->keyColor(), paint);
            const QColor shown(paint.rgb()); // an invalid colour reads as black
            const uchar rgb[] = {uchar(shown.red()), uchar(shown.green()), uchar(shown.blue())};
            memcpy(expected.led + kRgb * ledOf(name), rgb, kRgb);
        }
        if (!committed.isEmpty())
            sent << bytesOf(expected);
        QCOMPARE(log.records, sent);
    }

    void zoneDragAddsKeysToCurrentZoneOnly_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("added"); // the band ends on the last
        QTest::newRow("fromOtherZones") << 2 << QStringList{"2:m_q", "0:m_w", "3:m_w"} << "<m_q"
                                        << QStringList{"m_q", "m_w", "m_e"};
        QTest::newRow("zeroToOne") << 1 << QStringList{"0:m_a", "0:m_s"} << "<m_a"
                                   << QStringList{"m_a"};
    }

    void zoneDragAddsKeysToCurrentZoneOnly()
    {
        QFETCH(int, zone);
        QFETCH(QStringList, members);
        QFETCH(QString, from);
        QFETCH(QStringList, added);
        MultizoneWid page(nullptr);
        const vantor_filter loaded = filterOf(members);
        page.setMultizone(uchar(zone), fourRecords(), loaded);
        QVERIFY(showAndWait(&page));
        SignalLog log(&page, &MultizoneWid::sigUpdateMultizone);
        PageHelpers::dragBand(&page, pointOf(&page, from), pointOf(&page, added.last()));

        vantor_filter expected = loaded;
        for (const QString& name : added) {
            for (int z = 0; z < kSubModeCount; ++z)
                expected.zone[z][ledOf(name)] = z == zone ? 1 : 0;
            QVERIFY(key(&page, name)->isInZone());
            QCOMPARE(key(&page, name)->keyColor(), QColor(10 * zone, 20 + zone, 30, 200 + zone));
        }
        // Choosing another zone sends the records unchanged, not to the device, and shows
        // the keys just taken as outside it.
        const int other = (zone + 1) % kSubModeCount;
        page.slotCurrMultizoneMode(other);
        QCOMPARE(log.records, (QList<QByteArray>{zoneRecord(zone, fourRecords(), expected),
                                                 zoneRecord(other, fourRecords(), expected)}));
        QCOMPARE(log.flags, (QList<bool>{true, false}));
        for (const QString& name : added)
            QCOMPARE(key(&page, name)->styleSheet(), LedKeyBtn::defaultStyle());
    }

    void emptyZoneIsClearedAndLocked()
    {
        MultizoneWid page(nullptr);
        page.setMultizone(1, fourRecords(), filterOf({"1:m_h", "1:m_j", "2:m_k"}));
        QVERIFY(showAndWait(&page));
        SignalLog log(&page, &MultizoneWid::sigUpdateMultizone);
        page.slotMultizoneModeChanged(Mode::Empty);
        std::vector<vantor_light> zones = fourRecords();
        zones[1].mode = Mode::Empty;
        QCOMPARE(log.records, QList{zoneRecord(1, zones, filterOf({"2:m_k"}))});
        QCOMPARE(log.flags, QList{true});
        QCOMPARE(key(&page, "m_h")->styleSheet(), LedKeyBtn::defaultStyle());
        // The empty zone takes no keys, and the band is not drawn.
        mouse(&page, QEvent::MouseButtonPress, "<m_h");
        mouse(&page, QEvent::MouseMove, "m_l");
        QVERIFY(page.grab().toImage().pixelColor(pointOf(&page, "<m_h")) != QColor(Qt::red));
        mouse(&page, QEvent::MouseButtonRelease, "m_l");
        QCOMPARE(log.records.size(), 1);
        // An effect again unlocks the zone.
        page.slotMultizoneModeChanged(Mode::Static);
        PageHelpers::dragBand(&page, pointOf(&page, "<m_h"), pointOf(&page, "m_h"));
        zones[1].mode = Mode::Static;
        QCOMPARE(log.records.last(), zoneRecord(1, zones, filterOf({"1:m_h", "2:m_k"})));
    }

    // Regression: the lock of an emptied zone also stopped the repaints of a drag under way.
    void dragUnderWayStillRepaintsOnceLocked()
    {
        MultizoneWid page(nullptr);
        page.setMultizone(0, fourRecords(), vantor_filter());
        QVERIFY(showAndWait(&page));
        mouse(&page, QEvent::MouseButtonPress, "<m_h");
        mouse(&page, QEvent::MouseMove, "m_h");
        page.slotMultizoneModeChanged(Mode::Empty);
        QVERIFY(!key(&page, "m_h")->isSelected());
        page.repaint();
        QVERIFY(key(&page, "m_h")->isSelected());
        QCOMPARE(page.grab().toImage().pixelColor(pointOf(&page, "<m_h")), QColor(Qt::red));
    }

    void imageHasItsSizeAndType_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("bitDepth");
        const auto row = [](const QString& path, QSize size, int type, int bitDepth) {
            QTest::newRow(qPrintable(path)) << path << size << type << bitDepth;
        };
        row(":/KeyLight/key_background.png", kPictureSize, kRgba, 8);
        row(":/KeyLight/key_fill.png", kPictureSize, kGreyAlpha, 8);
        row(":/KeyLight/key_border.png", kPictureSize, kPalette, 2);
        row(":/KeyLight/slider.png", QSize(14, 28), kPalette, 8);
        for (const char* way : {"vantor", "up", "down", "left", "right"})
            row(QStringLiteral(":/KeyLight/direction/%1.png").arg(way), {295, 118}, kRgba, 8);
        // The catalogue's icons, the host's own among them (compiled in from its resources).
        for (const ModeInfo& mode : ModeCatalogue::kModes) {
            const QString path = QString::fromLatin1(mode.iconPath);
            row(path, path.contains(QLatin1String("multi")) ? QSize(20, 20) : QSize(28, 28),
                kGreyAlpha, 8);
        }
    }

    // The header is read straight from the file's bytes: QImage would convert silently.
    void imageHasItsSizeAndType()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(int, type);
        QFETCH(int, bitDepth);
        QCOMPARE(QPixmap(path).size(), size);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.read(8 + 8 + 13);
        QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n") && bytes.mid(12, 4) == "IHDR");
        const auto* header = reinterpret_cast<const uchar*>(bytes.constData()) + 16;
        QCOMPARE(QSize(int(qFromBigEndian<quint32>(header)),
                       int(qFromBigEndian<quint32>(header + 4))), size);
        QCOMPARE(int(header[8]), bitDepth);
        QCOMPARE(int(header[9]), type);
    }

    // The pictures are drawn from the form laid out at their size: its keys lie on theirs.
    // Each key has a lamp of its own: were two to share one, a lookup would name the other.
    void picturesMatchTheFormKeys()
    {
        KeyboardForm page;
        page.show();
        page.layout()->activate();
        const auto keyMap = keyMapOf(&page);
        QCOMPARE(keyMap.size(), KeyTable::kKeyCount);
        QImage keys(kPictureSize, kArgb);
        keys.fill(Qt::transparent);
        QPainter painter(&keys);
        for (const KeyInfo& info : KeyTable::kKeys) {
            QCOMPARE(keyMap.value(info.led)->objectName(), QLatin1String(info.objectName));
            painter.fillRect(keyMap.value(info.led)->geometry(), Qt::black);
        }
        painter.end();
        const QImage fill = QImage(":/KeyLight/key_fill.png").convertToFormat(kArgb);
        const QImage border = QImage(":/KeyLight/key_border.png").convertToFormat(kArgb);
        for (int y = 0; y < border.height(); ++y) {
            for (int x = 0; x < border.width(); ++x) {
                QVERIFY(qAlpha(border.pixel(x, y)) == 0 || border.pixel(x, y) == qRgb(255, 0, 0));
                QVERIFY(qAlpha(fill.pixel(x, y)) == 0 || fill.pixel(x, y) == qRgb(0, 0, 0));
            }
        }
        QVERIFY2(agreement(keys, fill) >= kMinAgreement, "the fill misses the form's keys");
        QVERIFY2(agreement(fill, border) >= kMinAgreement, "fill and border differ");
    }

    void colouredStyle_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("border");
        QTest::newRow("opaqueRed") << QColor(255, 0, 0) << "#7fff0000" << "#b1ff0000";
        QTest::newRow("alphaZero") << QColor(1, 2, 3, 0) << "#00010203" << "#32010203";
        QTest::newRow("alphaOneRoundsDown") << QColor(1, 2, 3, 1) << "#00010203" << "#32010203";
        QTest::newRow("invalidIsOpaqueBlack") << QColor() << "#7f000000" << "#b1000000";
    }

    void colouredStyle()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, background);
        QFETCH(QString, border);
        LedKeyBtn key;
        key.setKeyColor(colour);
        const QString style = key.styleSheet();
        QCOMPARE(style, QStringLiteral("QPushButton{background:%1;border:1px solid %2;"
                                       "min-height:1px}").arg(background, border));
        // Restyling is what makes a drag slow: the same look keeps its very sheet.
        key.setKeyColor(colour);
        QVERIFY(key.styleSheet().constData() == style.constData());
    }

    // The filler too: a press anywhere on the keyboard may start a band.
    void pressReachesPageInPageCoordinates()
    {
        KeyboardForm page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* key = page.findChild<LedKeyBtn*>(QStringLiteral("m_esc"));
        QSignalSpy clicked(key, &QPushButton::clicked);
        QTest::mouseClick(key, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
        QCOMPARE(page.presses, QList<QPoint>{key->geometry().topLeft() + QPoint(3, 4)});
        QCOMPARE(clicked.count(), 0);
    }

    // A Qt key listed for two keys would light the wrong lamp on the virtual keyboard.
    void everyQtKeyPressesItsOwnKey()
    {
        for (const KeyInfo& info : KeyTable::kKeys) {
            for (int qtKey : info.qtKeys) {
                if (qtKey == 0)
                    continue;
                const bool keypad = info.input == KeyInput::Keypad;
                QVERIFY2(KeyTable::ledForQtKey(qtKey, keypad) == info.led, info.objectName);
            }
        }
        // Num Lock is on the pad but reported without the keypad modifier by some systems.
        QCOMPARE(KeyTable::ledForQtKey(Qt::Key_NumLock, true), 148);
        QCOMPARE(KeyTable::ledForQtKey(Qt::Key_VolumeDown, false), -1);
    }
};

QTEST_MAIN(TestLedDisplayWid)
#include "tst_leddisplaywid.moc"
