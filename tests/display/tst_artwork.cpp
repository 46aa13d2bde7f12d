#include "display/keytable.h"
#include "display/ledkeybtn.h"
#include "keylight/modecatalogue.h"
#include "ui_keyboardwid.h"

#include "tools/artgen/pngencoder.h"

#include <QBitmap>
#include <QDirIterator>
#include <QFile>
#include <QLayout>
#include <QPixmap>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr QSize kPictureSize(1000, 417);
constexpr int kIhdrEnd = 8 + 8 + 13;
// The colour type numbers of the PNG header.
constexpr int kPalette = 3;
constexpr int kGreyAlpha = 4;
constexpr int kRgba = 6;
constexpr double kMinAgreement = 0.98;
constexpr double kMinKeyCover = 0.95;

struct PngHeader
{
    QSize size;
    int bitDepth = -1;
    int colourType = -1;
};

// Reads the header straight from the file's bytes: QImage would convert silently.
PngHeader readHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kIhdrEnd);
    if (bytes.size() < kIhdrEnd || !bytes.startsWith("\x89PNG\r\n\x1a\n")
        || bytes.mid(12, 4) != "IHDR" || qFromBigEndian<quint32>(bytes.constData() + 8) != 13)
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    return {QSize(int(qFromBigEndian<quint32>(data + 16)), int(qFromBigEndian<quint32>(data + 20))),
            data[24], data[25]};
}

// The keys of the keyboard form as a page lays them out.
QMap<QString, QRect> formKeyRects()
{
    QWidget page;
    Ui::KeyboardUi form;
    form.setupUi(&page);
    page.show();
    page.layout()->activate();
    QMap<QString, QRect> rects;
    const auto keys = keyMapOf(&page);
    for (LedKeyBtn* key : keys)
        rects.insert(key->objectName(), key->geometry());
    return rects;
}

const QMap<QString, QRect>& keyRects()
{
    static const QMap<QString, QRect> rects = formKeyRects();
    return rects;
}

QImage loadArgb(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

bool opaqueAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 255;
}

int countOpaque(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += opaqueAt(image, x, y) ? 1 : 0;
    return count;
}

int luminance(QRgb pixel)
{
    return qGray(pixel) * qAlpha(pixel) / 255;
}

double meanLuminance(const QImage& image, const QRect& rect)
{
    const QRect r = rect & image.rect();
    qint64 sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += luminance(image.pixel(x, y));
    return r.isEmpty() ? 0 : double(sum) / (r.width() * r.height());
}

// How strongly the lit keys of a region glow red, averaged over the region.
double meanRedExcess(const QImage& image, const QRect& rect)
{
    qint64 sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += qMax(0, qRed(p) - qGreen(p)) * qAlpha(p) / 255;
        }
    }
    return double(sum) / (rect.width() * rect.height());
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void imageLoadsAtItsSize_data();
    void imageLoadsAtItsSize();
    void headerNamesTheColourType_data();
    void headerNamesTheColourType();
    void resourceTreeHoldsTheListedImages();
    void catalogueIconsResolve();
    void keyMasksCoverTheFormKeys();
    void keyFillIsBlackOrClear();
    void borderIsPureRedOnTheFillShapes();
    void keyOfFormLiesOnPictureKey_data();
    void keyOfFormLiesOnPictureKey();
    void labelMaskKeepsTheKeys_data();
    void labelMaskKeepsTheKeys();
    void modeIconIsLightGlyph_data();
    void modeIconIsLightGlyph();
    void directionPictureLightsTowardsItsWay_data();
    void directionPictureLightsTowardsItsWay();
    void unlitDirectionPictureHasNoRed();
    void encoderRoundTrip_data();
    void encoderRoundTrip();
    void encoderRefuses_data();
    void encoderRefuses();
    void crcMatchesKnownValues_data();
    void crcMatchesKnownValues();

private:
    void addArtworkRows();
};

void TestArtwork::addArtworkRows()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colourType");
    QTest::addColumn<int>("bitDepth");

    const auto row = [](const char* path, QSize size, int colourType, int bitDepth) {
        QTest::newRow(path) << QString::fromLatin1(path) << size << colourType << bitDepth;
    };
    row(":/KeyLight/key_background.png", kPictureSize, kRgba, 8);
    row(":/KeyLight/key_fill.png", kPictureSize, kGreyAlpha, 8);
    row(":/KeyLight/key_border.png", kPictureSize, kPalette, 2);
    row(":/KeyLight/slider.png", QSize(14, 28), kPalette, 8);
    const char* directions[] = {":/KeyLight/direction/vantor.png", ":/KeyLight/direction/up.png",
                                ":/KeyLight/direction/down.png", ":/KeyLight/direction/left.png",
                                ":/KeyLight/direction/right.png"};
    for (const char* path : directions)
        row(path, QSize(295, 118), kRgba, 8);
    const char* icons[] = {
        ":/KeyLight/mode_icon/static.png",          ":/KeyLight/mode_icon/rainbow_wave.png",
        ":/KeyLight/mode_icon/crosshair.png",       ":/KeyLight/mode_icon/reactive_fade.png",
        ":/KeyLight/mode_icon/custom.png",          ":/KeyLight/mode_icon/star.png",
        ":/KeyLight/mode_icon/rain.png",            ":/KeyLight/mode_icon/color_cycle.png",
        ":/KeyLight/mode_icon/breathing.png",       ":/KeyLight/mode_icon/ripple.png",
        ":/KeyLight/mode_icon/game_snake.png",      ":/KeyLight/mode_icon/fireball.png",
        ":/KeyLight/mode_icon/water_ripple.png",    ":/KeyLight/mode_icon/reactive_punch.png",
        ":/KeyLight/mode_icon/snowing.png",         ":/KeyLight/mode_icon/heartbeat.png",
        ":/KeyLight/mode_icon/circle_spectrum.png", ":/KeyLight/mode_icon/reactive_tornado.png",
    };
    for (const char* path : icons)
        row(path, QSize(28, 28), kGreyAlpha, 8);
    row(":/KeyLight/mode_icon/multilayer.png", QSize(20, 20), kGreyAlpha, 8);
    row(":/KeyLight/mode_icon/multizone.png", QSize(20, 20), kGreyAlpha, 8);
    // The host's own icon, compiled into this test from the host's resource file.
    row(":/NimboCenter/mode_icon/turn_off.png", QSize(28, 28), kGreyAlpha, 8);
}

void TestArtwork::imageLoadsAtItsSize_data()
{
    addArtworkRows();
}

void TestArtwork::imageLoadsAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QPixmap pixmap(path);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);
}

void TestArtwork::headerNamesTheColourType_data()
{
    addArtworkRows();
}

void TestArtwork::headerNamesTheColourType()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, colourType);
    QFETCH(int, bitDepth);
    const PngHeader header = readHeader(path);
    QCOMPARE(header.size, size);
    QCOMPARE(header.colourType, colourType);
    QCOMPARE(header.bitDepth, bitDepth);
}

// A file missing from the resource list, or one listed twice under another name, shows here.
void TestArtwork::resourceTreeHoldsTheListedImages()
{
    QSet<QString> expected;
    const QStringList direct = {"key_background.png", "key_fill.png", "key_border.png",
                                "slider.png"};
    for (const QString& name : direct)
        expected.insert(QStringLiteral(":/KeyLight/") + name);
    for (const char* name : {"vantor", "up", "down", "left", "right"})
        expected.insert(QStringLiteral(":/KeyLight/direction/%1.png").arg(QLatin1String(name)));
    for (const ModeInfo& mode : ModeCatalogue::kModes) {
        if (QLatin1String(mode.iconPath).startsWith(QLatin1String(":/KeyLight/")))
            expected.insert(QString::fromLatin1(mode.iconPath));
    }
    QCOMPARE(expected.size(), 29);

    QSet<QString> found;
    QDirIterator it(QStringLiteral(":/KeyLight"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(it.next());
    QCOMPARE(found, expected);
}

void TestArtwork::catalogueIconsResolve()
{
    for (const ModeInfo& mode : ModeCatalogue::kModes) {
        const QPixmap icon(QString::fromLatin1(mode.iconPath));
        QVERIFY2(!icon.isNull(), mode.iconPath);
    }
}

void TestArtwork::keyMasksCoverTheFormKeys()
{
    const QImage fill = loadArgb(QStringLiteral(":/KeyLight/key_fill.png"));
    QCOMPARE(fill.size(), kPictureSize);
    QCOMPARE(keyRects().size(), kKeyCount);

    QImage keys(kPictureSize, QImage::Format_Mono);
    keys.fill(0);
    for (const QRect& rect : keyRects()) {
        QVERIFY(fill.rect().contains(rect));
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                keys.setPixel(x, y, 1);
    }
    qint64 keyPixels = 0;
    qint64 opaque = 0;
    qint64 opaqueOnKeys = 0;
    for (int y = 0; y < fill.height(); ++y) {
        for (int x = 0; x < fill.width(); ++x) {
            const bool onKey = keys.pixelIndex(x, y) == 1;
            const bool lit = opaqueAt(fill, x, y);
            keyPixels += onKey;
            opaque += lit;
            opaqueOnKeys += onKey && lit;
        }
    }
    QVERIFY(opaque > 0);
    const double keysCovered = double(opaqueOnKeys) / keyPixels;
    const double fillOnKeys = double(opaqueOnKeys) / opaque;
    QVERIFY2(keysCovered >= kMinAgreement, qPrintable(QString::number(keysCovered)));
    QVERIFY2(fillOnKeys >= kMinAgreement, qPrintable(QString::number(fillOnKeys)));
}

void TestArtwork::keyFillIsBlackOrClear()
{
    const QImage fill = loadArgb(QStringLiteral(":/KeyLight/key_fill.png"));
    for (int y = 0; y < fill.height(); ++y) {
        for (int x = 0; x < fill.width(); ++x) {
            const QRgb p = fill.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            QVERIFY2(p == qRgba(0, 0, 0, 255), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestArtwork::borderIsPureRedOnTheFillShapes()
{
    const QImage fill = loadArgb(QStringLiteral(":/KeyLight/key_fill.png"));
    const QImage border = loadArgb(QStringLiteral(":/KeyLight/key_border.png"));
    QCOMPARE(border.size(), fill.size());
    qint64 both = 0;
    qint64 either = 0;
    for (int y = 0; y < border.height(); ++y) {
        for (int x = 0; x < border.width(); ++x) {
            const QRgb p = border.pixel(x, y);
            QVERIFY2(qAlpha(p) == 0 || p == qRgba(255, 0, 0, 255),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            const bool red = qAlpha(p) == 255;
            const bool black = opaqueAt(fill, x, y);
            both += red && black;
            either += red || black;
        }
    }
    QVERIFY(either > 0);
    const double agreement = double(both) / either;
    QVERIFY2(agreement >= kMinAgreement, qPrintable(QString::number(agreement)));
}

void TestArtwork::keyOfFormLiesOnPictureKey_data()
{
    QTest::addColumn<QString>("key");
    for (const KeyTableEntry& entry : kKeyTable)
        QTest::newRow(entry.objectName) << QString::fromLatin1(entry.objectName);
}

void TestArtwork::keyOfFormLiesOnPictureKey()
{
    QFETCH(QString, key);
    static const QImage fill = loadArgb(QStringLiteral(":/KeyLight/key_fill.png"));
    static const QImage border = loadArgb(QStringLiteral(":/KeyLight/key_border.png"));
    static const QImage picture = loadArgb(QStringLiteral(":/KeyLight/key_background.png"));
    const QRect rect = keyRects().value(key);
    QVERIFY(rect.isValid());
    const int area = rect.width() * rect.height();
    QVERIFY(countOpaque(fill, rect) >= kMinKeyCover * area);
    QVERIFY(countOpaque(border, rect) >= kMinKeyCover * area);
    // The picture outlines each cap: the sides of the form's rectangle are darker than the
    // lines just outside them, which a key drawn a pixel or more astray would not give.
    constexpr int kCorner = 4;
    constexpr int kOutside = 2;
    const QRect leftSide(rect.left(), rect.top() + kCorner, 1, rect.height() - 2 * kCorner);
    const QRect rightSide(rect.right(), rect.top() + kCorner, 1, rect.height() - 2 * kCorner);
    const QRect topSide(rect.left() + kCorner, rect.top(), rect.width() - 2 * kCorner, 1);
    const double outline = (meanLuminance(picture, leftSide) + meanLuminance(picture, rightSide)
                            + meanLuminance(picture, topSide))
                           / 3;
    const double beyond = (meanLuminance(picture, leftSide.translated(-kOutside, 0))
                           + meanLuminance(picture, rightSide.translated(kOutside, 0))
                           + meanLuminance(picture, topSide.translated(0, -kOutside)))
                          / 3;
    QVERIFY2(outline < beyond, qPrintable(QStringLiteral("%1 >= %2").arg(outline).arg(beyond)));
}

void TestArtwork::labelMaskKeepsTheKeys_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("fill") << QStringLiteral(":/KeyLight/key_fill.png");
    QTest::newRow("border") << QStringLiteral(":/KeyLight/key_border.png");
}

// The tinted labels are cut with QPixmap::mask(); a key must survive that cut.
void TestArtwork::labelMaskKeepsTheKeys()
{
    QFETCH(QString, path);
    const QImage mask = QPixmap(path).mask().toImage();
    QCOMPARE(mask.size(), kPictureSize);
    // A bitmap shows what it keeps as black.
    const QRgb on = QColor(Qt::black).rgb();
    for (auto it = keyRects().cbegin(); it != keyRects().cend(); ++it) {
        const QPoint centre = it.value().center();
        QVERIFY2(mask.pixel(centre) == on, qPrintable(it.key()));
    }
    QVERIFY(mask.pixel(0, 0) != on);
}

void TestArtwork::modeIconIsLightGlyph_data()
{
    QTest::addColumn<QString>("path");
    for (const ModeInfo& mode : ModeCatalogue::kModes)
        QTest::newRow(mode.name) << QString::fromLatin1(mode.iconPath);
}

// White on a transparent ground, neither empty nor a filled block.
void TestArtwork::modeIconIsLightGlyph()
{
    QFETCH(QString, path);
    constexpr int kVisible = 128;
    constexpr int kLight = 224;
    constexpr double kMinInk = 0.05;
    constexpr double kMaxInk = 0.6;
    const QImage icon = loadArgb(path);
    QVERIFY(!icon.isNull());
    int ink = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb p = icon.pixel(x, y);
            if (qAlpha(p) < kVisible)
                continue;
            ++ink;
            QVERIFY2(qGray(p) >= kLight, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    const double share = double(ink) / (icon.width() * icon.height());
    QVERIFY2(share >= kMinInk && share <= kMaxInk, qPrintable(QString::number(share)));
}

void TestArtwork::directionPictureLightsTowardsItsWay_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRect>("head");
    QTest::addColumn<QRect>("tail");
    const QRect top(0, 0, 295, 59);
    const QRect bottom(0, 59, 295, 59);
    const QRect left(0, 0, 147, 118);
    const QRect right(148, 0, 147, 118);
    QTest::newRow("up") << ":/KeyLight/direction/up.png" << top << bottom;
    QTest::newRow("down") << ":/KeyLight/direction/down.png" << bottom << top;
    QTest::newRow("left") << ":/KeyLight/direction/left.png" << left << right;
    QTest::newRow("right") << ":/KeyLight/direction/right.png" << right << left;
}

void TestArtwork::directionPictureLightsTowardsItsWay()
{
    QFETCH(QString, path);
    QFETCH(QRect, head);
    QFETCH(QRect, tail);
    const QImage picture = loadArgb(path);
    const double headRed = meanRedExcess(picture, head);
    const double tailRed = meanRedExcess(picture, tail);
    QVERIFY2(tailRed > 0, "the whole keyboard is lit, dimmer at the start");
    QVERIFY2(headRed > 1.3 * tailRed,
             qPrintable(QStringLiteral("%1 vs %2").arg(headRed).arg(tailRed)));
}

void TestArtwork::unlitDirectionPictureHasNoRed()
{
    constexpr double kGreyTolerance = 4;
    const QImage picture = loadArgb(QStringLiteral(":/KeyLight/direction/vantor.png"));
    QVERIFY(meanLuminance(picture, picture.rect()) > 0);
    QVERIFY(meanRedExcess(picture, picture.rect()) < kGreyTolerance);
}

void TestArtwork::encoderRoundTrip_data()
{
    using PngEncoder::ColourType;
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("bitDepth");

    // Widths that leave a part-filled last byte probe the packing of small palettes.
    const auto pattern = [](QSize size, const QVector<QRgb>& colours) {
        QImage image(size, QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, colours[(x * 3 + y * 5 + x * y) % colours.size()]);
        return image;
    };
    const QVector<QRgb> fourColours = {qRgba(0, 0, 0, 0), qRgba(255, 0, 0, 255),
                                       qRgba(10, 200, 30, 255), qRgba(0, 0, 255, 128)};
    QVector<QRgb> greys;
    for (int level = 0; level < 256; level += 17)
        greys.append(qRgba(level, level, level, 255 - level));
    QVector<QRgb> many;
    for (int i = 0; i < 200; ++i)
        many.append(qRgba(i, 255 - i, (i * 7) % 256, i % 3 ? 255 : 90));
    QVector<QRgb> smooth;
    for (int i = 0; i < 64; ++i)
        smooth.append(qRgba(i * 4, i * 2, 255 - i * 4, 100 + i));

    QTest::newRow("rgba8") << pattern({37, 11}, smooth) << int(ColourType::Rgba) << 8;
    QTest::newRow("greyAlpha8") << pattern({13, 9}, greys) << int(ColourType::GreyAlpha) << 8;
    QTest::newRow("palette2OddWidth") << pattern({7, 5}, fourColours)
                                      << int(ColourType::Palette) << 2;
    QTest::newRow("palette1") << pattern({9, 4}, fourColours.mid(0, 2))
                              << int(ColourType::Palette) << 1;
    QTest::newRow("palette4") << pattern({5, 6}, greys) << int(ColourType::Palette) << 4;
    QTest::newRow("palette8") << pattern({23, 17}, many) << int(ColourType::Palette) << 8;
    QTest::newRow("palette8Opaque") << pattern({4, 4}, fourColours.mid(1, 2))
                                    << int(ColourType::Palette) << 8;
}

void TestArtwork::encoderRoundTrip()
{
    QFETCH(QImage, image);
    QFETCH(int, type);
    QFETCH(int, bitDepth);
    QString error;
    const QByteArray png =
        PngEncoder::encode(image, PngEncoder::ColourType(type), bitDepth, &error);
    QVERIFY2(!png.isEmpty(), qPrintable(error));
    QCOMPARE(int(quint8(png[24])), bitDepth);
    QCOMPARE(int(quint8(png[25])), type);

    const QImage decoded = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(decoded.size(), image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = image.pixel(x, y);
            const QRgb got = decoded.pixel(x, y);
            // A fully transparent pixel has no colour worth keeping.
            if (qAlpha(want) == 0) {
                QCOMPARE(qAlpha(got), 0);
                continue;
            }
            QCOMPARE(got, want);
        }
    }
}

void TestArtwork::encoderRefuses_data()
{
    using PngEncoder::ColourType;
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("bitDepth");

    QImage fiveColours(5, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x)
        fiveColours.setPixel(x, 0, qRgb(x * 40, 0, 0));
    QImage plain(2, 2, QImage::Format_ARGB32);
    plain.fill(Qt::white);
    QTest::newRow("tooManyColoursForTwoBits") << fiveColours << int(ColourType::Palette) << 2;
    QTest::newRow("paletteDepthThree") << plain << int(ColourType::Palette) << 3;
    QTest::newRow("sixteenBitRgba") << plain << int(ColourType::Rgba) << 16;
    QTest::newRow("nullImage") << QImage() << int(ColourType::GreyAlpha) << 8;
}

void TestArtwork::encoderRefuses()
{
    QFETCH(QImage, image);
    QFETCH(int, type);
    QFETCH(int, bitDepth);
    QString error;
    QVERIFY(PngEncoder::encode(image, PngEncoder::ColourType(type), bitDepth, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestArtwork::crcMatchesKnownValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("checkValue") << QByteArray("123456789") << quint32(0xcbf43926u);
    QTest::newRow("emptyEndChunk") << QByteArray("IEND") << quint32(0xae426082u);
    QTest::newRow("empty") << QByteArray() << quint32(0);
}

void TestArtwork::crcMatchesKnownValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint32, crc);
    QCOMPARE(PngEncoder::crc32(bytes), crc);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
