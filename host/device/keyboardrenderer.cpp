// SPDX-License-Identifier: MIT
#include "host/device/keyboardrenderer.h"

#include "host/device/keylayout.h"
#include "platform/toolkit/palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace {
// Form pixels between the keys and the case edge: a slim bezel, so a small picture spends
// its room on keys.
constexpr qreal kCaseMargin = 10.0;
constexpr qreal kCaseRadius = 16.0;
constexpr qreal kCapRadius = 4.0;
constexpr qreal kCapInset = 1.0;        // gap between neighbouring caps
constexpr qreal kWellGrow = 1.5;        // the dark well around each cap
// Light spills past each cap onto the case in two rims, fainter further out; the case
// and the wells of the overlay let a part of it through.
constexpr qreal kInnerRim = 2.0;        // form pixels around the cap
constexpr qreal kOuterRim = 4.0;
constexpr int kInnerRimShare = 43;      // percent of the lamp's light
constexpr int kOuterRimShare = 21;
constexpr qreal kLegendPadding = 2.5;   // between a legend and the cap's edges
constexpr qreal kLegendPoint = 6.5;
// However small the picture, a legend's letters stay about this many pixels high on the
// screen, as long as they fit their cap; below it a legend is only a smudge.
constexpr qreal kLeastLegendPixels = 9.0;
constexpr qreal kLeastRimPixels = 1.5;  // the dark rim around them, likewise
constexpr qreal kPointsPerInch = 72.0;
// Nearly opaque: a lamp's glow only tints the case next to it.
const QColor kCaseTop(0x33, 0x36, 0x3e, 180);
const QColor kCaseBottom(0x23, 0x25, 0x2b, 180);
const QColor kCaseEdge(0x44, 0x47, 0x50);
const QColor kWell(0x0c, 0x0d, 0x0f, 150);
const QColor kCapEdge(0, 0, 0, 150);
// White letters in a dark rim: readable on a white cap as on a dark one, whatever the lamp.
const QColor kLegend(255, 255, 255, 235);
const QColor kLegendRim(0, 0, 0, 200);
constexpr qreal kLegendRimWidth = 1.6;  // form pixels, across both sides of the stroke
// A dark cap still shows a little of its plastic.
constexpr int kCapFloor = 0x1c;
} // namespace

KeyboardRenderer::KeyboardRenderer(const KeyLayout& layout)
    : m_layout(layout)
    , m_view(m_layout.keyArea().adjusted(-kCaseMargin, -kCaseMargin, kCaseMargin, kCaseMargin))
{
}

QRectF KeyboardRenderer::fitInto(const QRectF& bounds) const
{
    QSizeF size = m_view.size();
    size.scale(bounds.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(bounds.center());
    return target;
}

QTransform KeyboardRenderer::formToTarget(const QRectF& target) const
{
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / m_view.width(), target.height() / m_view.height());
    transform.translate(-m_view.left(), -m_view.top());
    return transform;
}

void KeyboardRenderer::paint(QPainter& painter, const QRectF& target, const LedFrame& frame)
{
    const qreal dpr = painter.device()->devicePixelRatioF();
    const QSize size = target.size().toSize();
    if (size.isEmpty())
        return;
    if (size != m_cacheSize || !qFuzzyCompare(dpr, m_cacheDpr))
        rebuildCache(size, dpr);

    // Plain rectangles, several times cheaper than rounded ones or a blurred glow: a frame
    // is drawn at every animation tick. The overlay rounds the caps' corners off and softens the
    // rims.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(target, Qt::black);
    painter.setTransform(formToTarget(target), true);
    for (const auto& [rim, share] : {std::pair(kOuterRim, kOuterRimShare),
                                     std::pair(kInnerRim, kInnerRimShare)}) {
        const auto part = [share = share](int c) { return c * share / 100; };
        for (const KeyGeometry& key : m_layout.keys()) {
            const QRgb lamp = frame[key.led];
            painter.fillRect(key.rect.adjusted(-rim, -rim, rim, rim),
                             QColor(part(qRed(lamp)), part(qGreen(lamp)), part(qBlue(lamp))));
        }
    }
    for (const KeyGeometry& key : m_layout.keys()) {
        const QRgb lamp = frame[key.led];
        // Light adds to the plastic's own dark grey.
        const auto lit = [](int c) { return kCapFloor + c * (255 - kCapFloor) / 255; };
        painter.fillRect(capRect(key),
                         QColor(lit(qRed(lamp)), lit(qGreen(lamp)), lit(qBlue(lamp))));
    }
    painter.restore();
    painter.drawImage(target.topLeft(), m_overlay);
}

void KeyboardRenderer::rebuildCache(const QSize& size, qreal dpr)
{
    m_cacheSize = size;
    m_cacheDpr = dpr;
    const QSize pixels = (QSizeF(size) * dpr).toSize();
    const QRectF local(QPointF(0, 0), QSizeF(size));
    const auto canvas = [&](QImage::Format format) {
        QImage image(pixels, format);
        image.setDevicePixelRatio(dpr);
        return image;
    };

    m_overlay = canvas(QImage::Format_ARGB32_Premultiplied);
    m_overlay.fill(Palette::color(Palette::Ground));
    QPainter p(&m_overlay);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setTransform(formToTarget(local));
    paintCase(p);
    paintCapShading(p);
}

QRectF KeyboardRenderer::capRect(const KeyGeometry& key)
{
    return key.rect.adjusted(kCapInset, kCapInset, -kCapInset, -kCapInset);
}

void KeyboardRenderer::paintCase(QPainter& painter) const
{
    // Each layer replaces what lies below it, so the glow underneath shows through the
    // case and the wells as much as their colours let it, and fully through the caps.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QLinearGradient body(m_view.topLeft(), m_view.bottomLeft());
    body.setColorAt(0.0, kCaseTop);
    body.setColorAt(1.0, kCaseBottom);
    painter.setPen(QPen(kCaseEdge, 1.0));
    painter.setBrush(body);
    painter.drawRoundedRect(m_view.adjusted(0.5, 0.5, -0.5, -0.5), kCaseRadius, kCaseRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kWell);
    for (const KeyGeometry& key : m_layout.keys())
        painter.drawRoundedRect(key.rect.adjusted(-kWellGrow, -kWellGrow, kWellGrow, kWellGrow),
                                kCapRadius + kWellGrow, kCapRadius + kWellGrow);

    painter.setBrush(Qt::transparent);
    for (const KeyGeometry& key : m_layout.keys())
        painter.drawRoundedRect(capRect(key), kCapRadius, kCapRadius);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void KeyboardRenderer::paintCapShading(QPainter& painter) const
{
    QFont font = painter.font();
    // The painter maps form pixels to the picture's; the font is sized in form pixels.
    const qreal scale = painter.transform().m22();
    const qreal pointsPerPixel = kPointsPerInch / painter.device()->logicalDpiY();
    const qreal least = scale > 0 ? kLeastLegendPixels / scale * pointsPerPixel : 0;
    font.setPointSizeF(std::max(kLegendPoint, least));
    font.setBold(true);
    const qreal rimWidth =
        scale > 0 ? std::max(kLegendRimWidth, kLeastRimPixels / scale) : kLegendRimWidth;
    for (const KeyGeometry& key : m_layout.keys()) {
        const QRectF cap = capRect(key);
        // A dished top: lighter towards the upper edge, darker at the lower one.
        QLinearGradient dish(cap.topLeft(), cap.bottomLeft());
        dish.setColorAt(0.0, QColor(255, 255, 255, 46));
        dish.setColorAt(0.45, QColor(255, 255, 255, 8));
        dish.setColorAt(1.0, QColor(0, 0, 0, 60));
        painter.setPen(QPen(kCapEdge, 0.8));
        painter.setBrush(dish);
        painter.drawRoundedRect(cap, kCapRadius, kCapRadius);

        if (key.label.isEmpty())
            continue;
        const QRectF text = cap.adjusted(kLegendPadding, kLegendPadding - 0.5,
                                         -kLegendPadding, -kLegendPadding);
        // Long legends on narrow caps shrink until they fit.
        QFont fitted = font;
        const qreal width = QFontMetricsF(font).horizontalAdvance(key.label);
        if (width > text.width())
            fitted.setPointSizeF(font.pointSizeF() * text.width() / width);
        QPainterPath letters;
        letters.addText(text.left(), text.top() + QFontMetricsF(fitted).ascent(), fitted,
                        key.label);
        painter.strokePath(letters, QPen(kLegendRim, rimWidth, Qt::SolidLine,
                                         Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(letters, kLegend);
    }
}
