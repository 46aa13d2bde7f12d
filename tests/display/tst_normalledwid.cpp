#include "display/ledlabel.h"
#include "display/normalledwid.h"
#include "keylight/modecatalogue.h"
#include "pagetesting.h"

#include <QSignalSpy>
#include <QtTest>

using namespace PageTesting;

namespace {
vantor_light record(const QByteArray& bytes)
{
    vantor_light light;
    Q_ASSERT(bytes.size() == int(sizeof light));
    memcpy(&light, bytes.constData(), sizeof light);
    return light;
}

// Counts the restyles of a widget: each new style sheet polishes it again.
class RestyleCounter : public QObject
{
public:
    explicit RestyleCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::StyleChange)
            ++count;
        return false;
    }
};
} // namespace

class TestNormalLedWid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initialRecord_data();
    void initialRecord();
    void setLightRules_data();
    void setLightRules();
    void edits_data();
    void edits();
    void otherModeIsIgnored();
    void tint_data();
    void tint();
    void speedAndDirectionDoNotRepaint();
    void labelsFollowPageSize();
};

void TestNormalLedWid::initTestCase()
{
    registerRecordTypes();
}

void TestNormalLedWid::initialRecord_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("static") << 0 << QByteArray::fromHex("0003 00ff 00ff ffff 0000 0000 00ff");
    QTest::newRow("crosshair") << 2
                               << QByteArray::fromHex("0203 00ff 00ff ffff 0100 0000 00ff");
    QTest::newRow("colorCycle") << 7
                                << QByteArray::fromHex("0703 00ff 00ff ffff 0000 0000 00ff");
    QTest::newRow("turnOff") << 17 << QByteArray::fromHex("1103 00ff 00ff ffff 0000 0000 00ff");
    QTest::newRow("rain") << 18 << QByteArray::fromHex("1203 00ff 00ff ffff 0100 0000 00ff");
}

void TestNormalLedWid::initialRecord()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, expected);
    NormalLedWid page(mode, nullptr);
    QCOMPARE(page.objectName(), QStringLiteral("NormalLedUi"));
    QCOMPARE(page.windowTitle(), QStringLiteral("Form"));
    QSignalSpy spy(&page, &NormalLedWid::sigUpdateModeParam);
    page.slotLedModeChanged(mode);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bytesOf(spy.at(0).at(0).value<vantor_light>()), expected);
    QCOMPARE(spy.at(0).at(1).toBool(), true);
}

void TestNormalLedWid::setLightRules_data()
{
    QTest::addColumn<QByteArray>("loaded");
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("starsGetsBackgroundFlag")
        << QByteArray::fromHex("0502 0480 0911 2233 0044 5566 0777")
        << QByteArray::fromHex("0502 0480 0011 2233 0144 5566 0077");
    QTest::newRow("staticKeepsBackgroundFlag")
        << QByteArray::fromHex("0001 0010 0102 0304 0105 0607 0108")
        << QByteArray::fromHex("0001 0010 0002 0304 0105 0607 0008");
    QTest::newRow("staticKeepsClearedFlag")
        << QByteArray::fromHex("0001 0010 0102 0304 0005 0607 0108")
        << QByteArray::fromHex("0001 0010 0002 0304 0005 0607 0008");
    QTest::newRow("rainbowLosesColours")
        << QByteArray::fromHex("0105 0640 0aff eedd 01cc bbaa 0b99")
        << QByteArray::fromHex("0105 0640 0000 0000 0100 0000 0099");
    QTest::newRow("colorCycleLosesColours")
        << QByteArray::fromHex("0703 00ff 00ff ffff 00ff ffff 00ff")
        << QByteArray::fromHex("0703 00ff 0000 0000 0000 0000 00ff");
    QTest::newRow("tornadoLosesColours")
        << QByteArray::fromHex("0e03 0420 0011 1111 0022 2222 0033")
        << QByteArray::fromHex("0e03 0420 0000 0000 0000 0000 0033");
    QTest::newRow("rainTwoColours")
        << QByteArray::fromHex("1204 0010 0201 0203 0004 0506 0307")
        << QByteArray::fromHex("1204 0010 0001 0203 0104 0506 0007");
}

void TestNormalLedWid::setLightRules()
{
    QFETCH(QByteArray, loaded);
    QFETCH(QByteArray, kept);
    const vantor_light light = record(loaded);
    NormalLedWid page(light.mode, nullptr);
    QSignalSpy spy(&page, &NormalLedWid::sigUpdateModeParam);
    page.setLight(light);
    QCOMPARE(spy.count(), 0);
    page.slotLedModeChanged(light.mode);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bytesOf(spy.at(0).at(0).value<vantor_light>()), kept);
}

void TestNormalLedWid::edits_data()
{
    QTest::addColumn<int>("ground");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QByteArray>("expected");

    // The colour picked is 12 34 56 with alpha 78, the mode RIPPLE (two colours).
    QTest::newRow("foregroundColour") << 0 << "colour"
                                      << QByteArray::fromHex("0903 0078 0012 3456 0100 0000 00ff");
    QTest::newRow("backgroundColour") << 1 << "colour"
                                      << QByteArray::fromHex("0903 00ff 00ff ffff 0112 3456 0078");
    QTest::newRow("groundTwoIsForeground")
        << 2 << "colour" << QByteArray::fromHex("0903 0078 0012 3456 0100 0000 00ff");
    QTest::newRow("speed") << 1 << "speed"
                           << QByteArray::fromHex("0905 00ff 00ff ffff 0100 0000 00ff");
    QTest::newRow("speedLowByte") << 0 << "speed258"
                                  << QByteArray::fromHex("0902 00ff 00ff ffff 0100 0000 00ff");
    QTest::newRow("direction") << 0 << "direction"
                               << QByteArray::fromHex("0903 06ff 00ff ffff 0100 0000 00ff");
}

void TestNormalLedWid::edits()
{
    QFETCH(int, ground);
    QFETCH(QString, edit);
    QFETCH(QByteArray, expected);
    constexpr int kMode = Mode::Ripple;
    NormalLedWid page(kMode, nullptr);
    QSignalSpy spy(&page, &NormalLedWid::sigUpdateModeParam);
    page.slotLedGroundChanged(kMode, ground);
    QCOMPARE(spy.count(), 0);
    if (edit == "colour")
        page.slotLedColorChanged(kMode, QColor(0x12, 0x34, 0x56, 0x78));
    else if (edit == "speed")
        page.slotLedSpeedChanged(kMode, 5);
    else if (edit == "speed258")
        page.slotLedSpeedChanged(kMode, 258);
    else
        page.slotLedDirectChanged(kMode, Direction::Down);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bytesOf(spy.at(0).at(0).value<vantor_light>()), expected);
    QCOMPARE(spy.at(0).at(1).toBool(), false);
}

void TestNormalLedWid::otherModeIsIgnored()
{
    NormalLedWid page(Mode::Stars, nullptr);
    page.setLight(record(QByteArray::fromHex("0502 0480 0011 2233 0144 5566 0077")));
    auto* border = page.findChild<LedLabel*>(QStringLiteral("m_borderLab"));
    const QString tint = border->styleSheet();
    QSignalSpy spy(&page, &NormalLedWid::sigUpdateModeParam);
    page.slotLedModeChanged(Mode::Snowing);
    page.slotLedGroundChanged(Mode::Snowing, 1);
    page.slotLedColorChanged(Mode::Snowing, Qt::red);
    page.slotLedSpeedChanged(Mode::Snowing, 1);
    page.slotLedDirectChanged(Mode::Snowing, 4);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(border->styleSheet(), tint);
    page.slotLedModeChanged(Mode::Stars);
    QCOMPARE(bytesOf(spy.at(0).at(0).value<vantor_light>()),
             QByteArray::fromHex("0502 0480 0011 2233 0144 5566 0077"));
}

void TestNormalLedWid::tint_data()
{
    QTest::addColumn<int>("ground");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("borderStyle");
    QTest::addColumn<QString>("fillStyle");

    QTest::newRow("opaque") << 0 << QColor(0, 255, 0) << "background:#b100ff00;"
                            << "background:#7f00ff00;";
    QTest::newRow("transparent") << 0 << QColor(1, 2, 3, 0) << "background:#32010203;"
                                 << "background:#00010203;";
    QTest::newRow("background") << 1 << QColor(255, 0, 255, 100) << "background:#64ff00ff;"
                                 << "background:#32ff00ff;";
}

void TestNormalLedWid::tint()
{
    QFETCH(int, ground);
    QFETCH(QColor, colour);
    QFETCH(QString, borderStyle);
    QFETCH(QString, fillStyle);
    NormalLedWid page(Mode::Heartbeat, nullptr);
    auto* border = page.findChild<LedLabel*>(QStringLiteral("m_borderLab"));
    auto* fill = page.findChild<LedLabel*>(QStringLiteral("m_fillLab"));
    QVERIFY(border && fill);
    // The caps, created second, lie above the outlines.
    const QObjectList children = page.children();
    QVERIFY(children.indexOf(border) < children.indexOf(fill));
    QVERIFY(border->styleSheet().isEmpty());

    page.slotLedGroundChanged(Mode::Heartbeat, ground);
    page.slotLedColorChanged(Mode::Heartbeat, colour);
    QCOMPARE(border->styleSheet(), borderStyle);
    QCOMPARE(fill->styleSheet(), fillStyle);
    // Choosing the other ground shows the other, untouched colour again.
    page.slotLedGroundChanged(Mode::Heartbeat, 1 - ground);
    QVERIFY(border->styleSheet() != borderStyle);
}

void TestNormalLedWid::speedAndDirectionDoNotRepaint()
{
    NormalLedWid page(Mode::RainbowWave, nullptr);
    auto* border = page.findChild<LedLabel*>(QStringLiteral("m_borderLab"));
    page.slotLedModeChanged(Mode::RainbowWave);
    QVERIFY(showAndWait(&page));
    RestyleCounter restyles(border);
    page.slotLedSpeedChanged(Mode::RainbowWave, 2);
    page.slotLedDirectChanged(Mode::RainbowWave, Direction::Right);
    QCOMPARE(restyles.count, 0);
    page.slotLedGroundChanged(Mode::RainbowWave, 1);
    QVERIFY(restyles.count > 0);
}

void TestNormalLedWid::labelsFollowPageSize()
{
    NormalLedWid page(Mode::Static, nullptr);
    page.resize(1000, 417);
    QVERIFY(showAndWait(&page));
    for (const char* name : {"m_borderLab", "m_fillLab"}) {
        auto* label = page.findChild<LedLabel*>(QLatin1String(name));
        QCOMPARE(label->size(), QSize(1000, 417));
        QVERIFY(!label->mask().isEmpty());
    }
}

QTEST_MAIN(TestNormalLedWid)
#include "tst_normalledwid.moc"
