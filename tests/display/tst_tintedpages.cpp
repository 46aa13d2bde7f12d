// The pages that preview a mode by tinting the key pictures: an ordinary mode and the layers.

#include "display/ledlabel.h"
#include "display/multilayerwid.h"
#include "display/normalledwid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QtTest>

using namespace PageTesting;

namespace {
QString tint(QWidget& page, const char* label = "m_fillLab")
{
    return page.findChild<LedLabel*>(QLatin1String(label))->styleSheet();
}
} // namespace

class TestTintedPages : public QObject
{
    Q_OBJECT

private slots:
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
        NormalLedWid page(mode, nullptr);
        SignalLog log(&page, &NormalLedWid::sigUpdateModeParam);
        vantor_light light;
        memcpy(&light, loaded.constData(), std::size_t(loaded.size()));
        page.setLight(light);
        page.slotLedModeChanged(Mode::Heartbeat); // another mode's page is chosen
        page.slotLedModeChanged(mode);
        QCOMPARE(log.records, QList{kept});
        QCOMPARE(log.flags, QList{true});
    }

    void edits_data()
    {
        QTest::addColumn<int>("ground");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, int ground, const char* edit, const char* expected) {
            QTest::newRow(name) << ground << edit << QByteArray::fromHex(expected);
        };
        // The colour picked is 12 34 56 with alpha 1, the mode RIPPLE (two colours).
        row("foregroundColour", 0, "colour", "0903 0001 0012 3456 0100 0000 00ff");
        row("backgroundColour", 1, "colour", "0903 00ff 00ff ffff 0112 3456 0001");
        row("speedLowByte", 0, "speed", "0902 00ff 00ff ffff 0100 0000 00ff");
        row("direction", 0, "direction", "0903 06ff 00ff ffff 0100 0000 00ff");
    }

    // The outlines show half the alpha plus 50, rounded down: 0x32 for an alpha of 1.
    void edits()
    {
        QFETCH(int, ground);
        QFETCH(QString, edit);
        QFETCH(QByteArray, expected);
        const QString outline = edit == "colour" ? "background:#32123456;" : "";
        NormalLedWid page(Mode::Ripple, nullptr);
        SignalLog log(&page, &NormalLedWid::sigUpdateModeParam);
        page.slotLedGroundChanged(Mode::Ripple, ground);
        // A tint set behind the page's back shows whether speed and direction re-tint.
        page.findChild<LedLabel*>(QStringLiteral("m_borderLab"))->setColor(Qt::magenta);
        const QString before = tint(page, "m_borderLab");
        if (edit == "colour")
            page.slotLedColorChanged(Mode::Ripple, QColor(0x12, 0x34, 0x56, 1));
        else if (edit == "speed")
            page.slotLedSpeedChanged(Mode::Ripple, 258);
        else
            page.slotLedDirectChanged(Mode::Ripple, Direction::Down);
        QCOMPARE(log.records, QList{expected});
        QCOMPARE(log.flags, QList{false});
        QCOMPARE(tint(page, "m_borderLab"), outline.isEmpty() ? before : outline);
        // Choosing the other ground shows the other, untouched colour again.
        page.slotLedGroundChanged(Mode::Ripple, ground == 1 ? 0 : 1);
        if (edit == "colour")
            QVERIFY(tint(page, "m_borderLab") != outline);
    }

    void selectingLayerSendsNothingNew()
    {
        MultilayerWid page(nullptr);
        page.setMultilayer(0, fourRecords());
        SignalLog log(&page, &MultilayerWid::sigUpdateMultilayer);
        page.slotCurrMultilayerMode(2);
        page.slotCurrMultilayerMode(kSubModeCount); // past the layers: selects nothing
        QCOMPARE(log.records, QList{'\2' + listBytes(fourRecords())});
        QCOMPARE(log.flags, QList{false});
        // Layer 2 is (20, 22, 30) at alpha 202, halved on the caps: 101 = 0x65.
        QCOMPARE(tint(page), QStringLiteral("background:#6514161e;"));
        // An empty layer shows black; another effect brings its colour back.
        page.slotMultilayerModeChanged(Mode::Empty);
        QCOMPARE(tint(page), QStringLiteral("background:#7f000000;"));
        page.slotMultilayerModeChanged(Mode::Ripple);
        QCOMPARE(tint(page), QStringLiteral("background:#6514161e;"));
    }

    void layerEdits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QByteArray>("layer1");
        QTest::addColumn<QString>("fill"); // empty: the preview keeps its tint
        const auto row = [](const char* edit, const char* layer1, const char* fill) {
            QTest::newRow(edit) << edit << QByteArray::fromHex(layer1) << fill;
        };
        // Layer 1 starts as 0202 00c9 000a 151e 005b 0000 00ff.
        row("colour", "0202 0003 0011 2233 005b 0000 00ff", "background:#01112233;");
        row("speed", "0205 00c9 000a 151e 005b 0000 00ff", "");
        row("direction", "0202 04c9 000a 151e 005b 0000 00ff", "");
        row("empty", "1102 00c9 000a 151e 005b 0000 00ff", "background:#7f000000;");
    }

    // An edit changes only the current layer's bytes.
    void layerEdits()
    {
        QFETCH(QString, edit);
        QFETCH(QByteArray, layer1);
        QFETCH(QString, fill);
        MultilayerWid page(nullptr);
        page.setMultilayer(1, fourRecords());
        const QString before = tint(page);
        SignalLog log(&page, &MultilayerWid::sigUpdateMultilayer);
        if (edit == "colour")
            page.setLedColor(QColor(0x11, 0x22, 0x33, 3));
        else if (edit == "speed")
            page.setLedSpeed(5);
        else if (edit == "direction")
            page.setLedDirect(Direction::Right);
        else
            page.slotMultilayerModeChanged(Mode::Empty);
        std::vector<vantor_light> expected = fourRecords();
        memcpy(&expected[1], layer1.constData(), sizeof(vantor_light));
        QCOMPARE(log.records, QList{'\1' + listBytes(expected)});
        QCOMPARE(log.flags, QList{true});
        QCOMPARE(tint(page), fill.isEmpty() ? before : fill);
    }
};

QTEST_MAIN(TestTintedPages)
#include "tst_tintedpages.moc"
