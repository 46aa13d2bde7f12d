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
};

QTEST_MAIN(TestTintedPages)
#include "tst_tintedpages.moc"
