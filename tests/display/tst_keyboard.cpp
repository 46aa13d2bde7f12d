// The keyboard form, its keys and the pictures drawn to match it.

#include "display/keymap.h"
#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "keylight/modecatalogue.h"
#include "ui_keyboardwid.h"

#include <QFile>
#include <QLayout>
#include <QPainter>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

namespace {
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

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
