#include "colour/groundwid.h"
#include "colour/ledcolorwid.h"
#include "keylight/keylightwid.h"
#include "platform/toolkit/colorbtn.h"
#include "support/recordingparser.h"
#include "support/requestlog.h"

#include <QBoxLayout>
#include <QtTest>

// The page as the host sees it: a preset click in the colour panel travels through the
// preview to the page of the current mode and comes out as one mode-parameter request.
class TestColourEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void presetClickSendsModeParam_data();
    void presetClickSendsModeParam();
};

void TestColourEndToEnd::presetClickSendsModeParam_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << 0 << QColor(255, 0, 0);
    QTest::newRow("orange") << 1 << QColor(255, 128, 0);
    QTest::newRow("purple") << 6 << QColor(215, 82, 255);
}

void TestColourEndToEnd::presetClickSendsModeParam()
{
    QFETCH(int, preset);
    QFETCH(QColor, expected);
    RecordingParser parser;
    KeyLightWid page;
    RequestLog log(&page);
    page.resize(1064, 670);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto* colour = page.findChild<LedColorWid*>();
    QVERIFY(colour);
    auto* fore = colour->findChild<GroundWid*>(QStringLiteral("m_foreWid"));
    QVERIFY(fore);
    auto* row = fore->findChild<QHBoxLayout*>(QStringLiteral("m_presetCorLayout"));
    auto* button = qobject_cast<ColorBtn*>(row->itemAt(preset)->widget());
    QVERIFY(button);

    // The preview starts on mode 0 (STATIC), editing the foreground.
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(log.codes(), std::vector<int>{Request::ModeParam});
    QCOMPARE(int(parser.builds.size()), 1);
    const RecordingParser::Build& build = parser.builds.front();
    QCOMPARE(build.code, int(Request::ModeParam));
    QCOMPARE(log.requests.front().data, build.packet);
    QCOMPARE(build.record.size(), int(sizeof(vantor_light)));
    vantor_light sent;
    std::memcpy(&sent, build.record.constData(), sizeof sent);
    QCOMPARE(int(sent.mode), 0);
    QCOMPARE(int(sent.fg_r), expected.red());
    QCOMPARE(int(sent.fg_g), expected.green());
    QCOMPARE(int(sent.fg_b), expected.blue());
    // A preset is opaque: full brightness.
    QCOMPARE(int(sent.fg_brightness), 255);
}

QTEST_MAIN(TestColourEndToEnd)
#include "tst_colour_e2e.moc"
