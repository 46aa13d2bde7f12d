// SPDX-License-Identifier: MIT
#pragma once

// A small PNG writer for the artwork. QImage::save picks the colour type by itself and
// cannot write grey with alpha or a palette of fewer than 8 bits, while the widgets that
// mask and tint the pictures rely on the exact type, so the generator writes the bytes.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

namespace PngEncoder {

// The colour type numbers as the IHDR chunk stores them.
enum class ColourType : quint8 {
    Palette = 3,
    GreyAlpha = 4,
    Rgba = 6,
};

// Encodes image with the given colour type and bit depth. Supported: Rgba and GreyAlpha
// at 8 bits, Palette at 1, 2, 4 or 8 bits. A palette is built from the image's distinct
// colours, translucent entries first so the transparency chunk stays short. Returns an
// empty array and sets error when the image does not fit (too many colours for the depth,
// an unsupported depth, a null image).
QByteArray encode(const QImage& image, ColourType type, int bitDepth, QString* error = nullptr);

// The distinct non-premultiplied colours of image in the order encode() gives the palette.
QVector<QRgb> paletteOf(const QImage& image);

// CRC-32 as PNG chunks use it (ISO 3309, reflected, initial and final xor 0xffffffff).
quint32 crc32(const QByteArray& bytes);

} // namespace PngEncoder
