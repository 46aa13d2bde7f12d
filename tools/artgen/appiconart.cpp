// SPDX-License-Identifier: MIT
#include "appiconart.h"

#include "platform/toolkit/palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace AppIconArt {
namespace {

// Every shape sits on a 256-unit grid, the SVG's viewBox, scaled to the icon's side. The
// tile's margin is 1/16 of the side so that its edges fall on whole pixels at 16, 32, 48,
// 64, 128 and 256.
constexpr qreal kGrid = 256;

constexpr QRectF kTile(16, 16, 224, 224);
constexpr qreal kTileRadius = 48;

// The light that spills from under the key onto the tile: strong up to the key's edge,
// fading out before the tile's.
constexpr QPointF kHaloCentre(128, 136);
constexpr qreal kHaloRadius = 100;
constexpr qreal kHaloKnee = 0.7;
constexpr int kHaloInnerAlpha = 0xcc;
constexpr int kHaloKneeAlpha = 0x80;

// The key cap: the lit skirt, and the top face inside it, thicker below as on the
// keyboard pictures because the cap is seen slightly from the front.
constexpr QRectF kSkirt(52, 52, 152, 152);
constexpr qreal kSkirtRadius = 32;
constexpr QRgb kCyan = 0xff2ec8e6;
constexpr QRectF kFace(72, 64, 112, 108);
constexpr qreal kFaceRadius = 20;
constexpr QRgb kFaceTop = 0xff3c3f46;

// A four-pointed sparkle on the face: the light the page sets.
constexpr QPointF kSparkleCentre(128, 118);
constexpr qreal kSparkleRadius = 34;
constexpr qreal kSparkleWaist = 0.18;
constexpr QRgb kSparkle = 0xfff4f0fa;

QPainterPath roundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The same four quadratic curves as the SVG's sparkle path.
QPainterPath sparkle(const QPointF& c, qreal r)
{
    const qreal w = kSparkleWaist * r;
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    path.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    path.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    path.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    path.closeSubpath();
    return path;
}

QLinearGradient linear(const QPointF& from, const QPointF& to, const QColor& start,
                       const QColor& stop)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, stop);
    return gradient;
}

// The accent as the page draws it, at another opacity.
QColor accent(int alpha = 0xff)
{
    QColor colour = Palette::color(Palette::Accent);
    colour.setAlpha(alpha);
    return colour;
}

} // namespace

QImage appIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kGrid, side / kGrid);
    p.setPen(Qt::NoPen);

    // The tile takes the colours of the host's controls and panels.
    p.setBrush(linear(kTile.topLeft(), kTile.bottomLeft(), Palette::color(Palette::Control),
                      Palette::color(Palette::Panel)));
    p.drawPath(roundedRect(kTile, kTileRadius));

    QRadialGradient halo(kHaloCentre, kHaloRadius);
    halo.setColorAt(0, accent(kHaloInnerAlpha));
    halo.setColorAt(kHaloKnee, accent(kHaloKneeAlpha));
    halo.setColorAt(1, accent(0));
    p.setBrush(halo);
    p.drawEllipse(kHaloCentre, kHaloRadius, kHaloRadius);

    p.setBrush(linear(kSkirt.topLeft(), kSkirt.bottomRight(), accent(), QColor::fromRgba(kCyan)));
    p.drawPath(roundedRect(kSkirt, kSkirtRadius));
    p.setBrush(linear(kFace.topLeft(), kFace.bottomLeft(), QColor::fromRgba(kFaceTop),
                      Palette::color(Palette::Control)));
    p.drawPath(roundedRect(kFace, kFaceRadius));

    p.setBrush(QColor::fromRgba(kSparkle));
    p.drawPath(sparkle(kSparkleCentre, kSparkleRadius));
    return image;
}

} // namespace AppIconArt
