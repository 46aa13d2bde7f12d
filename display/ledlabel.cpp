// SPDX-License-Identifier: MIT
#include "display/ledlabel.h"

#include "platform/toolkit/stylesheet.h"

#include <QBitmap>
#include <QHash>

namespace {
// Added to the halved alpha of the outline label, so outlines stay visible when dark.
constexpr int kOutlineAlphaFloor = 50;

// Every ordinary page lays the same two pictures at the same size, so the mask of a picture
// at a size is worked out once and shared: scaling and tracing it is the costly part of
// making the page.
QRegion scaledMask(const QPixmap& pix, const QString& pixPath, const QSize& size)
{
    static QHash<QString, QRegion> masks;
    const QString key = QStringLiteral("%1@%2x%3").arg(pixPath).arg(size.width()).arg(
        size.height());
    auto cached = masks.constFind(key);
    if (cached == masks.constEnd()) {
        const QBitmap mask =
            pix.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation).mask();
        cached = masks.insert(key, QRegion(mask));
    }
    return cached.value();
}
} // namespace

LedLabel::LedLabel(const QString& pixPath, int iLevel, QWidget* parent)
    : QLabel(parent)
    , m_pix(pixPath)
    , m_iLevel(iLevel)
    , m_pixPath(pixPath)
{
}

LedLabel::~LedLabel() = default;

void LedLabel::setColor(const QColor& cor)
{
    int alpha = cor.alpha() / 2;
    if (m_iLevel == kOutlineLevel)
        alpha += kOutlineAlphaFloor;
    const QColor tint(cor.red(), cor.green(), cor.blue(), alpha);
    StyleSheet::apply(this, QStringLiteral("background:") + tint.name(QColor::HexArgb)
                                + QStringLiteral(";"));
}

// Only the opaque pixels of the key picture stay visible, so the style sheet's background
// shows on the keys alone.
void LedLabel::resizeMask(const QSize& size)
{
    setFixedSize(size);
    setMask(scaledMask(m_pix, m_pixPath, size));
}
