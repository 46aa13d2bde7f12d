#include "display/ledlabel.h"
#include "display/multilayerwid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QSignalSpy>
#include <QtTest>

using namespace PageTesting;

namespace {
// Layer i runs effect i + 1 in colour (10 i, 20 + i, 30, 200 + i).
std::vector<vantor_light> fourLayers()
{
    std::vector<vantor_light> layers(kSubModeCount);
    for (int i = 0; i < kSubModeCount; ++i) {
        vantor_light& layer = layers[std::size_t(i)];
        layer.mode = uchar(i + 1);
        layer.speed = uchar(i + 1);
        layer.fg_r = uchar(10 * i);
        layer.fg_g = uchar(20 + i);
        layer.fg_b = 30;
        layer.fg_brightness = uchar(200 + i);
        layer.bg_r = uchar(90 + i);
    }
    return layers;
}

QByteArray listBytes(const std::vector<vantor_light>& layers)
{
    QByteArray bytes;
    for (const vantor_light& layer : layers)
        bytes += bytesOf(layer);
    return bytes;
}

struct Emission
{
    int index;
    std::vector<vantor_light> layers;
    bool toSdk;
};

Emission emission(const QSignalSpy& spy, int i)
{
    return {spy.at(i).at(0).toInt(), spy.at(i).at(1).value<std::vector<vantor_light>>(),
            spy.at(i).at(2).toBool()};
}

QString borderTint(MultilayerWid& page)
{
    return page.findChild<LedLabel*>(QStringLiteral("m_borderLab"))->styleSheet();
}

QString fillTint(MultilayerWid& page)
{
    return page.findChild<LedLabel*>(QStringLiteral("m_fillLab"))->styleSheet();
}
} // namespace

class TestMultilayerWid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void selectingLayerSendsNothingNew();
    void emptyLayerTintsBlack();
    void setMultilayerIgnoresUnknownLayer_data();
    void setMultilayerIgnoresUnknownLayer();
    void editsChangeCurrentLayerOnly_data();
    void editsChangeCurrentLayerOnly();
    void speedAndDirectionDoNotRepaint();
};

void TestMultilayerWid::initTestCase()
{
    registerRecordTypes();
}

void TestMultilayerWid::construction()
{
    MultilayerWid page(nullptr);
    QCOMPARE(page.objectName(), QStringLiteral("MultilayerUi"));
    QCOMPARE(page.size(), QSize(779, 714));
    QCOMPARE(page.windowTitle(), QStringLiteral("Form"));
    QVERIFY(borderTint(page).isEmpty());
    uchar index = 7;
    std::vector<vantor_light> layers;
    page.getMultilayer(index, layers);
    QCOMPARE(index, uchar(0));
    QCOMPARE(listBytes(layers), listBytes(std::vector<vantor_light>(kSubModeCount)));
    const QMetaObject* meta = page.metaObject();
    const int first = meta->methodOffset();
    QCOMPARE(meta->method(first).methodSignature(),
             QByteArray("sigUpdateMultilayer(int,std::vector<vantor_light>,bool)"));
    QCOMPARE(meta->method(first + 2).methodSignature(),
             QByteArray("slotCurrMultilayerMode(int)"));
    QCOMPARE(meta->method(first + 3).methodSignature(),
             QByteArray("slotMultilayerModeChanged(int)"));
}

void TestMultilayerWid::selectingLayerSendsNothingNew()
{
    MultilayerWid page(nullptr);
    page.setMultilayer(0, fourLayers());
    QSignalSpy spy(&page, &MultilayerWid::sigUpdateMultilayer);
    page.slotCurrMultilayerMode(2);
    QCOMPARE(spy.count(), 1);
    const Emission sent = emission(spy, 0);
    QCOMPARE(sent.index, 2);
    QCOMPARE(sent.toSdk, false);
    QCOMPARE(listBytes(sent.layers), listBytes(fourLayers()));
    // Layer 2 is (20, 22, 30) at alpha 202: halved 101 = 0x65, plus 50 on the outline.
    QCOMPARE(borderTint(page), QStringLiteral("background:#9714161e;"));
    QCOMPARE(fillTint(page), QStringLiteral("background:#6514161e;"));

    // An index past the layers selects nothing.
    page.slotCurrMultilayerMode(kSubModeCount);
    QCOMPARE(spy.count(), 1);
}

void TestMultilayerWid::emptyLayerTintsBlack()
{
    MultilayerWid page(nullptr);
    page.setMultilayer(1, fourLayers());
    const QString lit = fillTint(page);
    QSignalSpy spy(&page, &MultilayerWid::sigUpdateMultilayer);

    page.slotMultilayerModeChanged(Mode::Empty);
    QCOMPARE(borderTint(page), QStringLiteral("background:#b1000000;"));
    QCOMPARE(fillTint(page), QStringLiteral("background:#7f000000;"));
    QCOMPARE(spy.count(), 1);
    std::vector<vantor_light> expected = fourLayers();
    expected[1].mode = uchar(Mode::Empty);
    QCOMPARE(listBytes(emission(spy, 0).layers), listBytes(expected));
    QVERIFY(emission(spy, 0).toSdk);

    page.slotMultilayerModeChanged(Mode::Ripple);
    QCOMPARE(fillTint(page), lit);
    expected[1].mode = uchar(Mode::Ripple);
    QCOMPARE(listBytes(emission(spy, 1).layers), listBytes(expected));
}

void TestMultilayerWid::setMultilayerIgnoresUnknownLayer_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("records");

    QTest::newRow("indexFive") << 5 << 4;
    QTest::newRow("indexFour") << 4 << 4;
    QTest::newRow("shortList") << 1 << 2;
    QTest::newRow("emptyList") << 0 << 0;
}

void TestMultilayerWid::setMultilayerIgnoresUnknownLayer()
{
    QFETCH(int, index);
    QFETCH(int, records);
    MultilayerWid page(nullptr);
    page.setMultilayer(3, fourLayers());
    const QString tint = borderTint(page);
    QSignalSpy spy(&page, &MultilayerWid::sigUpdateMultilayer);

    std::vector<vantor_light> other(static_cast<std::size_t>(records));
    page.setMultilayer(uchar(index), other);
    QCOMPARE(spy.count(), 0);
    uchar outIndex = 0;
    std::vector<vantor_light> layers;
    page.getMultilayer(outIndex, layers);
    QCOMPARE(outIndex, uchar(3));
    QCOMPARE(listBytes(layers), listBytes(fourLayers()));
    QCOMPARE(borderTint(page), tint);
}

void TestMultilayerWid::editsChangeCurrentLayerOnly_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QByteArray>("layer1");

    // Layer 1 starts as 02 02 00 c9 00 0a 15 1e 00 5b 00 00 00 ff.
    QTest::newRow("colour") << "colour"
                            << QByteArray::fromHex("0202 0044 0011 2233 005b 0000 00ff");
    QTest::newRow("speed") << "speed" << QByteArray::fromHex("0205 00c9 000a 151e 005b 0000 00ff");
    QTest::newRow("direction") << "direction"
                               << QByteArray::fromHex("0202 04c9 000a 151e 005b 0000 00ff");
    QTest::newRow("effect") << "effect"
                            << QByteArray::fromHex("0d02 00c9 000a 151e 005b 0000 00ff");
}

void TestMultilayerWid::editsChangeCurrentLayerOnly()
{
    QFETCH(QString, edit);
    QFETCH(QByteArray, layer1);
    MultilayerWid page(nullptr);
    page.setMultilayer(0, fourLayers());
    page.slotCurrMultilayerMode(1);
    QSignalSpy spy(&page, &MultilayerWid::sigUpdateMultilayer);
    if (edit == "colour")
        page.setLedColor(QColor(0x11, 0x22, 0x33, 0x44));
    else if (edit == "speed")
        page.setLedSpeed(5);
    else if (edit == "direction")
        page.setLedDirect(Direction::Right);
    else
        page.slotMultilayerModeChanged(Mode::CircleSpectrum);
    QCOMPARE(spy.count(), 1);
    const Emission sent = emission(spy, 0);
    QCOMPARE(sent.index, 1);
    QVERIFY(sent.toSdk);
    QCOMPARE(bytesOf(sent.layers[1]), layer1);
    for (int i : {0, 2, 3})
        QCOMPARE(bytesOf(sent.layers[std::size_t(i)]), bytesOf(fourLayers()[std::size_t(i)]));
}

void TestMultilayerWid::speedAndDirectionDoNotRepaint()
{
    MultilayerWid page(nullptr);
    page.setMultilayer(0, fourLayers());
    auto* fill = page.findChild<LedLabel*>(QStringLiteral("m_fillLab"));
    // A tint set behind the page's back shows whether the page re-tints.
    fill->setColor(Qt::magenta);
    const QString marked = fill->styleSheet();
    page.setLedSpeed(2);
    page.setLedDirect(Direction::Left);
    QCOMPARE(fill->styleSheet(), marked);
    page.setLedColor(Qt::cyan);
    QCOMPARE(fill->styleSheet(), QStringLiteral("background:#7f00ffff;"));
}

QTEST_MAIN(TestMultilayerWid)
#include "tst_multilayerwid.moc"
