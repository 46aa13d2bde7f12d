#include "appiconart.h"

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
constexpr QRgb kTileTop = 0xff2a2d33;
constexpr QRgb kTileBottom = 0xff202226;

// The light that spills from under the key onto the tile: strong up to the key's edge,
// fading out before the tile's.
constexpr QPointF kHaloCentre(128, 136);
constexpr qreal kHaloRadius = 100;
constexpr qreal kHaloKnee = 0.7;
constexpr QRgb kHaloInner = 0xcc84319b;
constexpr QRgb kHaloKneeColour = 0x8084319b;
constexpr QRgb kHaloOuter = 0x0084319b;

// The key cap: the lit skirt, and the top face inside it, thicker below as on the
// keyboard pictures because the cap is seen slightly from the front.
constexpr QRectF kSkirt(52, 52, 152, 152);
constexpr qreal kSkirtRadius = 32;
constexpr QRgb kAccent = 0xff84319b;
constexpr QRgb kCyan = 0xff2ec8e6;
constexpr QRectF kFace(72, 64, 112, 108);
constexpr qreal kFaceRadius = 20;
constexpr QRgb kFaceTop = 0xff3c3f46;
constexpr QRgb kFaceBottom = 0xff2a2d33;

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

QLinearGradient linear(const QPointF& from, const QPointF& to, QRgb start, QRgb stop)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, QColor::fromRgba(start));
    gradient.setColorAt(1, QColor::fromRgba(stop));
    return gradient;
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

    p.setBrush(linear(kTile.topLeft(), kTile.bottomLeft(), kTileTop, kTileBottom));
    p.drawPath(roundedRect(kTile, kTileRadius));

    QRadialGradient halo(kHaloCentre, kHaloRadius);
    halo.setColorAt(0, QColor::fromRgba(kHaloInner));
    halo.setColorAt(kHaloKnee, QColor::fromRgba(kHaloKneeColour));
    halo.setColorAt(1, QColor::fromRgba(kHaloOuter));
    p.setBrush(halo);
    p.drawEllipse(kHaloCentre, kHaloRadius, kHaloRadius);

    p.setBrush(linear(kSkirt.topLeft(), kSkirt.bottomRight(), kAccent, kCyan));
    p.drawPath(roundedRect(kSkirt, kSkirtRadius));
    p.setBrush(linear(kFace.topLeft(), kFace.bottomLeft(), kFaceTop, kFaceBottom));
    p.drawPath(roundedRect(kFace, kFaceRadius));

    p.setBrush(QColor::fromRgba(kSparkle));
    p.drawPath(sparkle(kSparkleCentre, kSparkleRadius));
    return image;
}

} // namespace AppIconArt
