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
    // The outline level lifts half the alpha by 50; any other level just halves it.
    void labelTint()
    {
        const struct { int level; QColor colour; const char* style; } cases[] = {
            {255, QColor(1, 2, 3, 1), "background:#32010203;"},
            {50, QColor(1, 2, 3, 1), "background:#00010203;"},
            {255, QColor(9, 8, 7, 3), "background:#33090807;"},
            {254, QColor(255, 255, 255, 200), "background:#64ffffff;"}};
        for (const auto& c : cases) {
            LedLabel label(QStringLiteral(":/KeyLight/key_border.png"), c.level, nullptr);
            label.setColor(c.colour);
            QCOMPARE(label.styleSheet(), QLatin1String(c.style));
        }
    }

    void modeChoiceSendsTheKeptRecord_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("loaded"); // empty: the page's own first record
        QTest::addColumn<QByteArray>("kept");
        const auto row = [](const char* name, int mode, const char* loaded, const char* kept) {
            QTest::newRow(name) << mode << QByteArray::fromHex(loaded)
                                << QByteArray::fromHex(kept);
        };
        row("initialCrosshair", 2, "", "0203 00ff 00ff ffff 0100 0000 00ff");
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
        if (!loaded.isEmpty())
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
        QTest::addColumn<QString>("outline"); // empty: the tint stays
        const auto row = [](const char* name, int ground, const char* edit, const char* expected,
                            const char* outline) {
            QTest::newRow(name) << ground << edit << QByteArray::fromHex(expected) << outline;
        };
        // The colour picked is 12 34 56 with alpha 78, the mode RIPPLE (two colours).
        row("foregroundColour", 0, "colour", "0903 0078 0012 3456 0100 0000 00ff",
            "background:#6e123456;");
        row("backgroundColour", 1, "colour", "0903 00ff 00ff ffff 0112 3456 0078",
            "background:#6e123456;");
        row("groundTwoIsForeground", 2, "colour", "0903 0078 0012 3456 0100 0000 00ff",
            "background:#6e123456;");
        row("speedLowByte", 0, "speed", "0902 00ff 00ff ffff 0100 0000 00ff", "");
        row("direction", 0, "direction", "0903 06ff 00ff ffff 0100 0000 00ff", "");
    }

    void edits()
    {
        QFETCH(int, ground);
        QFETCH(QString, edit);
        QFETCH(QByteArray, expected);
        QFETCH(QString, outline);
        NormalLedWid page(Mode::Ripple, nullptr);
        SignalLog log(&page, &NormalLedWid::sigUpdateModeParam);
        page.slotLedGroundChanged(Mode::Ripple, ground);
        // A tint set behind the page's back shows whether speed and direction re-tint.
        page.findChild<LedLabel*>(QStringLiteral("m_borderLab"))->setColor(Qt::magenta);
        const QString before = tint(page, "m_borderLab");
        if (edit == "colour")
            page.slotLedColorChanged(Mode::Ripple, QColor(0x12, 0x34, 0x56, 0x78));
        else if (edit == "speed")
            page.slotLedSpeedChanged(Mode::Ripple, 258);
        else
            page.slotLedDirectChanged(Mode::Ripple, Direction::Down);
        QCOMPARE(log.records, QList{expected});
        QCOMPARE(log.flags, QList{false});
        QCOMPARE(tint(page, "m_borderLab"), outline.isEmpty() ? before : outline);
        // Choosing the other ground shows the other, untouched colour again.
        page.slotLedGroundChanged(Mode::Ripple, ground == 1 ? 0 : 1);
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
        // Layer 2 is (20, 22, 30) at alpha 202: halved 101 = 0x65, plus 50 on the outline.
        QCOMPARE(tint(page), QStringLiteral("background:#6514161e;"));
        QCOMPARE(tint(page, "m_borderLab"), QStringLiteral("background:#9714161e;"));
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
        row("colour", "0202 0044 0011 2233 005b 0000 00ff", "background:#22112233;");
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
            page.setLedColor(QColor(0x11, 0x22, 0x33, 0x44));
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
