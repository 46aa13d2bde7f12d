// SPDX-License-Identifier: MIT
#include "pngencoder.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace PngEncoder {
namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kSignatureSize = 8;
// qCompress puts the uncompressed length in front of the zlib stream; IDAT wants the
// stream alone.
constexpr int kQCompressLengthPrefix = 4;
constexpr int kBestCompression = 9;
constexpr quint32 kCrcPolynomial = 0xedb88320u;
constexpr int kFilterTypes = 5;
enum Filter : quint8 { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

void appendBigEndian(QByteArray& out, quint32 value)
{
    uchar bytes[4];
    qToBigEndian(value, bytes);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    appendBigEndian(out, quint32(data.size()));
    QByteArray typed(type, 4);
    typed.append(data);
    out.append(typed);
    appendBigEndian(out, crc32(typed));
}

int samplesPerPixel(ColourType type)
{
    switch (type) {
    case ColourType::Palette:
        return 1;
    case ColourType::GreyAlpha:
        return 2;
    case ColourType::Rgba:
        return 4;
    }
    return 0;
}

quint8 paeth(int left, int up, int upLeft)
{
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return quint8(left);
    return quint8(toUp <= toUpLeft ? up : upLeft);
}

QByteArray filterRow(Filter filter, const QByteArray& row, const QByteArray& previous, int bpp)
{
    QByteArray out(row.size(), '\0');
    for (int i = 0; i < row.size(); ++i) {
        const int x = quint8(row[i]);
        const int left = i >= bpp ? quint8(row[i - bpp]) : 0;
        const int up = quint8(previous[i]);
        const int upLeft = i >= bpp ? quint8(previous[i - bpp]) : 0;
        int predicted = 0;
        switch (filter) {
        case None:
            break;
        case Sub:
            predicted = left;
            break;
        case Up:
            predicted = up;
            break;
        case Average:
            predicted = (left + up) / 2;
            break;
        case Paeth:
            predicted = paeth(left, up, upLeft);
            break;
        }
        out[i] = char(quint8(x - predicted));
    }
    return out;
}

// The usual heuristic: the filter whose output, read as signed bytes, sums smallest.
QByteArray filteredRow(const QByteArray& row, const QByteArray& previous, int bpp)
{
    QByteArray best;
    long bestCost = -1;
    for (int f = 0; f < kFilterTypes; ++f) {
        const QByteArray candidate = filterRow(Filter(f), row, previous, bpp);
        long cost = 0;
        for (char byte : candidate)
            cost += std::abs(int(qint8(byte)));
        if (bestCost < 0 || cost < bestCost) {
            bestCost = cost;
            best = candidate;
            best.prepend(char(f));
        }
    }
    return best;
}

QByteArray packRow(const QImage& argb, int y, ColourType type, int bitDepth,
                   const QHash<QRgb, int>& paletteIndex)
{
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    const int width = argb.width();
    QByteArray row;
    if (type == ColourType::Rgba) {
        row.reserve(width * 4);
        for (int x = 0; x < width; ++x) {
            row.append(char(qRed(line[x])));
            row.append(char(qGreen(line[x])));
            row.append(char(qBlue(line[x])));
            row.append(char(qAlpha(line[x])));
        }
    } else if (type == ColourType::GreyAlpha) {
        row.reserve(width * 2);
        for (int x = 0; x < width; ++x) {
            row.append(char(qGray(line[x])));
            row.append(char(qAlpha(line[x])));
        }
    } else {
        const int perByte = 8 / bitDepth;
        row.fill('\0', (width + perByte - 1) / perByte);
        for (int x = 0; x < width; ++x) {
            const int shift = 8 - bitDepth * (x % perByte + 1);
            const int packed = quint8(row[x / perByte]) | paletteIndex.value(line[x]) << shift;
            row[x / perByte] = char(packed);
        }
    }
    return row;
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool supported(ColourType type, int bitDepth, QString* error)
{
    constexpr std::array<int, 4> kPaletteDepths = {1, 2, 4, 8};
    constexpr int kTrueDepth = 8;
    if (type == ColourType::Palette) {
        if (std::find(kPaletteDepths.begin(), kPaletteDepths.end(), bitDepth)
            == kPaletteDepths.end())
            return fail(error, QStringLiteral("palette depth %1 is not 1, 2, 4 or 8")
                                   .arg(bitDepth));
        return true;
    }
    if (type != ColourType::GreyAlpha && type != ColourType::Rgba)
        return fail(error, QStringLiteral("colour type %1 is not supported").arg(int(type)));
    if (bitDepth != kTrueDepth)
        return fail(error, QStringLiteral("only 8-bit samples are written, not %1")
                               .arg(bitDepth));
    return true;
}

} // namespace

quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < t.size(); ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? kCrcPolynomial ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xffffffffu;
    for (char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xffu] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

QVector<QRgb> paletteOf(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QVector<QRgb> translucent;
    QVector<QRgb> opaque;
    QHash<QRgb, bool> seen;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (seen.contains(line[x]))
                continue;
            seen.insert(line[x], true);
            (qAlpha(line[x]) == 255 ? opaque : translucent).append(line[x]);
        }
    }
    return translucent + opaque;
}

QByteArray encode(const QImage& image, ColourType type, int bitDepth, QString* error)
{
    if (image.isNull()) {
        fail(error, QStringLiteral("the image is null"));
        return {};
    }
    if (!supported(type, bitDepth, error))
        return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);

    QVector<QRgb> palette;
    QHash<QRgb, int> paletteIndex;
    if (type == ColourType::Palette) {
        palette = paletteOf(argb);
        if (palette.size() > (1 << bitDepth)) {
            fail(error, QStringLiteral("%1 colours do not fit a %2-bit palette")
                            .arg(palette.size())
                            .arg(bitDepth));
            return {};
        }
        for (int i = 0; i < palette.size(); ++i)
            paletteIndex.insert(palette[i], i);
    }

    QByteArray png(kSignature, kSignatureSize);

    QByteArray header;
    appendBigEndian(header, quint32(argb.width()));
    appendBigEndian(header, quint32(argb.height()));
    header.append(char(bitDepth));
    header.append(char(type));
    header.append(3, '\0'); // deflate, adaptive filtering, no interlace
    appendChunk(png, "IHDR", header);

    if (type == ColourType::Palette) {
        QByteArray plte;
        QByteArray trns;
        for (QRgb colour : palette) {
            plte.append(char(qRed(colour)));
            plte.append(char(qGreen(colour)));
            plte.append(char(qBlue(colour)));
            if (qAlpha(colour) != 255)
                trns.append(char(qAlpha(colour)));
        }
        appendChunk(png, "PLTE", plte);
        if (!trns.isEmpty())
            appendChunk(png, "tRNS", trns);
    }

    const int bytesPerPixel = std::max(1, samplesPerPixel(type) * bitDepth / 8);
    QByteArray raw;
    QByteArray previous;
    for (int y = 0; y < argb.height(); ++y) {
        const QByteArray row = packRow(argb, y, type, bitDepth, paletteIndex);
        if (previous.isEmpty())
            previous.fill('\0', row.size());
        raw.append(filteredRow(row, previous, bytesPerPixel));
        previous = row;
    }
    appendChunk(png, "IDAT", qCompress(raw, kBestCompression).mid(kQCompressLengthPrefix));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace PngEncoder
