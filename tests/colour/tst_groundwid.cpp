#include "colour/groundbtn.h"
#include "colour/groundwid.h"
#include "colourtesthelpers.h"

#include <QDrag>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QtTest>

using namespace ColourTest;

namespace {
QString c(const QColor& cor)
{
    return "c:" + cor.name(QColor::HexArgb);
}

// The page's custom slots in the form of ColourTest::text.
QString slotText(GroundWid* page)
{
    QStringList names;
    for (int i = 0; i < kCustomColorSlots; ++i) {
        const QColor cor = slot(page, i)->getColor();
        names << (cor == QColor(Qt::transparent) ? "-" : cor.name(QColor::HexArgb));
    }
    return names.join(' ');
}
} // namespace

Q_DECLARE_METATYPE(std::vector<custom_color>)

class TestGroundWid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<CustomColorStore>();
        m_page = std::make_unique<GroundWid>();
        std::vector<custom_color> list(kCustomColorSlots);
        list[6] = custom_color{1, 10, 20, 30, 77};
        m_page->loadCustomColors(list);
        m_page->setColor(QColor(200, 100, 50, 180));
        m_log.clear();
        connect(m_page.get(), &GroundWid::sigBrightnessChanged, this,
                [this](int value) { m_log << QStringLiteral("b:%1").arg(value); });
        connect(m_page.get(), &GroundWid::sigLedColorChanged, this,
                [this](const QColor& cor) { m_log << c(cor); });
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }
    void cleanup() { m_page.reset(); m_store.reset(); }

    void edits_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QColor>("expected");
        const QColor before(200, 100, 50, 180);
        // Presets and filled slots bring their own brightness, announced before the colour.
        QTest::newRow("lastPreset") << "preset6" << QStringList{"b:255", c(QColor(215, 82, 255))}
                                    << QColor(215, 82, 255);
        QTest::newRow("filledSlot") << "slot6" << QStringList{"b:77", c(QColor(10, 20, 30, 77))}
                                    << QColor(10, 20, 30, 77);
        QTest::newRow("emptySlot") << "slot0" << QStringList() << before;
        // Typing a component keeps the brightness and does not announce it.
        QTest::newRow("typedGreen") << "type" << QStringList{c(QColor(200, 7, 50, 180))}
                                    << QColor(200, 7, 50, 180);
        const QColor dimmed(200, 100, 50, 99);
        QTest::newRow("sliderReleased") << "slider" << QStringList{"b:99", c(dimmed)} << dimmed;
        QTest::newRow("setRgbSilent") << "setRgb" << QStringList() << QColor(1, 2, 3, 180);
    }

    void edits()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, log);
        QFETCH(QColor, expected);
        QObject boxGuard; // a timer left waiting for a box that never came dies with this
        QString boxText;
        QTimer::singleShot(0, &boxGuard, [&boxText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxText = box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });
        auto* slider = m_page->findChild<QSlider*>(QStringLiteral("m_brightness"));
        auto* green = m_page->findChild<QSpinBox*>(QStringLiteral("m_g"));
        GroundWid* page = m_page.get();
        const int i = action.back().digitValue();
        if (action.startsWith("preset") || action.startsWith("slot")) {
            QTest::mouseClick(action[0] == 'p' ? preset(page, i) : slot(page, i), Qt::LeftButton);
        } else if (action == "type") {
            green->setFocus();
            green->selectAll();
            QTest::keyClicks(green, QStringLiteral("7"));
        } else if (action == "slider") {
            // Tracking is off: nothing is sent until the handle is let go.
            slider->setSliderDown(true);
            slider->setSliderPosition(99);
            QVERIFY(m_log.isEmpty());
            slider->setSliderDown(false);
        } else {
            m_page->setRgb(1, 2, 3);
        }

        QCOMPARE(m_log, log);
        QCOMPARE(shown(m_page.get()), expected);
        const QString hint =
            "Information: Please drag color to here from background or foreground";
        QCOMPARE(boxText, action != "slot0" ? QString() : hint);
    }

    // Regression: a page whose colour was never set sent the boxes and the slider instead.
    void unsetColourKeepsItsComponents()
    {
        for (const bool typed : {true, false}) {
            GroundWid page;
            QColor sent;
            connect(&page, &GroundWid::sigLedColorChanged, this,
                    [&sent](QColor cor) { sent = cor; });
            if (typed) {
                page.setBrightness(100); // the per-key effect shows its brightness this way
                page.findChild<QSpinBox*>(QStringLiteral("m_r"))->setValue(10);
                QCOMPARE(sent.rgba(), QColor(10, 0, 0, 255).rgba());
            } else {
                page.setRgb(1, 2, 3); // the wheel's live readout
                page.findChild<QSlider*>(QStringLiteral("m_brightness"))->setValue(99);
                QCOMPARE(sent.rgba(), qRgba(0, 0, 0, 99));
                QCOMPARE(shown(&page), QColor(0, 0, 0, 99));
            }
        }
    }

    void customSlotsStored_data()
    {
        QTest::addColumn<int>("profile");
        // None: a colour dragged out of a selector square and dropped on slot 2.
        QTest::addColumn<std::vector<custom_color>>("loaded");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("writes");
        std::vector<custom_color> mixed(kCustomColorSlots);
        mixed[0] = custom_color{1, 255, 0, 0, 255};
        mixed[3] = custom_color{1, 0, 0, 0, 1}; // black at the lowest brightness fills a slot
        mixed[5] = custom_color{0, 9, 9, 9, 9}; // an empty slot's colour bytes mean nothing
        const QString mixedText = "#ffff0000 - - #01000000 - - -";
        const QString untouched = "- - - - - - #4d0a141e";
        const QString dropped = "- - #3c5a5046 - - - #4d0a141e";
        const std::vector<custom_color> none;
        QTest::newRow("loadSeven") << 4 << mixed << mixedText << QStringList{"4/1: " + mixedText};
        QTest::newRow("loadSixIgnored") << 4 << std::vector<custom_color>(6) << untouched
                                        << QStringList();
        QTest::newRow("loadOnProfile25") << 25 << mixed << untouched << QStringList();
        QTest::newRow("dropOnLastProfile") << 24 << none << dropped
                                           << QStringList{"24/1: " + dropped};
        QTest::newRow("dropOnProfile25") << 25 << none << dropped << QStringList();
    }

    void customSlotsStored()
    {
        QFETCH(int, profile);
        QFETCH(std::vector<custom_color>, loaded);
        QFETCH(QString, shown);
        QFETCH(QStringList, writes);
        m_page->setGroundType(1);
        m_store->writes.clear();
        m_store->profile = uchar(profile);

        if (loaded.empty()) {
            GroundBtn selector;
            selector.setColor(QColor(90, 80, 70, 60));
            selector.show();
            QTest::mousePress(selector.findChild<QLabel*>("m_corLab"), Qt::LeftButton);
            auto* drag = selector.findChild<QDrag*>();
            QVERIFY(drag && dropOn(slot(m_page.get(), 2), *drag->mimeData()));
        } else {
            m_page->loadCustomColors(loaded);
        }

        QVERIFY2(m_log.isEmpty(), "filling a slot does not change the page's colour");
        QCOMPARE(slotText(m_page.get()), shown);
        QCOMPARE(m_store->writes, writes);
    }

private:
    std::unique_ptr<CustomColorStore> m_store;
    std::unique_ptr<GroundWid> m_page;
    QStringList m_log; // the page's signals in order, as "b:<brightness>" and "c:<argb>"
};

QTEST_MAIN(TestGroundWid)
#include "tst_groundwid.moc"
