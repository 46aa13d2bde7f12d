// SPDX-License-Identifier: MIT
#include "keyboardart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace KeyboardArt {
namespace {

constexpr int kCaseMargin = 20;
constexpr int kCaseTopExtra = 6;
constexpr qreal kCaseRadius = 14;
constexpr qreal kCapRadius = 4;
constexpr qreal kFaceRadius = 3;
// The top face of a cap sits inside its skirt, lower edge thicker: the light falls from
// the top of the picture.
constexpr qreal kFaceLeft = 3;
constexpr qreal kFaceTop = 2;
constexpr qreal kFaceRight = 3;
constexpr qreal kFaceBottom = 5;
constexpr qreal kShadowDrop = 2;
constexpr int kMediaGrooveMargin = 4;
constexpr qreal kMediaGrooveRadius = 5;
constexpr int kGlowSteps = 4;
constexpr int kGlowAlpha = 34;
constexpr int kLargeLegendPx = 9;
constexpr int kSmallLegendPx = 7;
constexpr int kSmallestLegendPx = 5;
constexpr int kLegendPadding = 2;
constexpr qreal kSweepGamma = 1.4;
constexpr int kMiniatureMargin = 3;

constexpr QRgb kCaseTop = 0xff31343b;
constexpr QRgb kCaseBottom = 0xff1b1d21;
constexpr QRgb kCaseRim = 0x2cffffff;
constexpr QRgb kCaseEdge = 0xff0c0d0f;
constexpr QRgb kGroove = 0xff121316;
constexpr QRgb kKeyShadow = 0x90000000;
constexpr QRgb kSkirtTop = 0xff26282d;
constexpr QRgb kSkirtBottom = 0xff131417;
constexpr QRgb kSkirtEdge = 0xff08090a;
constexpr QRgb kFaceTopColour = 0xff3c3f46;
constexpr QRgb kFaceBottomColour = 0xff2c2f35;
constexpr QRgb kFaceHighlight = 0x24ffffff;
constexpr QRgb kLegend = 0xd8cdd0d6;
constexpr QRgb kSweepDim = 0xff4a0006;
constexpr QRgb kSweepBright = 0xffff3a30;

QColor mix(QRgb from, QRgb to, qreal t)
{
    const auto lerp = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(lerp(qRed(from), qRed(to)), lerp(qGreen(from), qGreen(to)),
                  lerp(qBlue(from), qBlue(to)), lerp(qAlpha(from), qAlpha(to)));
}

QRectF faceOf(const QRectF& cap)
{
    return cap.adjusted(kFaceLeft, kFaceTop, -kFaceRight, -kFaceBottom);
}

void drawCase(QPainter& p, const QRect& caseRect)
{
    const QRectF body = QRectF(caseRect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, QColor::fromRgba(kCaseTop));
    shade.setColorAt(1, QColor::fromRgba(kCaseBottom));
    p.setPen(QPen(QColor::fromRgba(kCaseEdge), 1));
    p.setBrush(shade);
    p.drawRoundedRect(body, kCaseRadius, kCaseRadius);
    // A thin lighter rim just inside the edge lifts the case off the black ground.
    QLinearGradient rim(body.topLeft(), body.bottomLeft());
    rim.setColorAt(0, QColor::fromRgba(kCaseRim));
    rim.setColorAt(1, Qt::transparent);
    p.setPen(QPen(QBrush(rim), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(1, 1, -1, -1), kCaseRadius - 1, kCaseRadius - 1);
}

void drawMediaGroove(QPainter& p, const QVector<KeyCap>& keys)
{
    QRect strip;
    for (const KeyCap& key : keys) {
        if (key.key->glyph != KeyGlyph::None)
            strip |= key.rect;
    }
    if (strip.isNull())
        return;
    const QRectF groove = QRectF(strip).adjusted(-kMediaGrooveMargin, -kMediaGrooveMargin,
                                                 kMediaGrooveMargin, kMediaGrooveMargin);
    p.setPen(QPen(QColor::fromRgba(kCaseRim), 1));
    p.setBrush(QColor::fromRgba(kGroove));
    p.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), kMediaGrooveRadius,
                      kMediaGrooveRadius);
}

void drawGlow(QPainter& p, const QRectF& cap, const QColor& light)
{
    p.setPen(Qt::NoPen);
    for (int step = kGlowSteps; step >= 1; --step) {
        QColor halo = light;
        halo.setAlpha(kGlowAlpha);
        p.setBrush(halo);
        p.drawRoundedRect(cap.adjusted(-step, -step, step, step), kCapRadius + step,
                          kCapRadius + step);
    }
}

void drawKeyGlyph(QPainter& p, const QRectF& face, KeyGlyph glyph)
{
    const qreal h = face.height() * 0.5;
    const QPointF c = face.center();
    const auto triangle = [&](qreal x, bool pointsRight) {
        const qreal w = h * 0.75;
        QPainterPath path;
        if (pointsRight) {
            path.moveTo(x, c.y() - h / 2);
            path.lineTo(x + w, c.y());
            path.lineTo(x, c.y() + h / 2);
        } else {
            path.moveTo(x + w, c.y() - h / 2);
            path.lineTo(x, c.y());
            path.lineTo(x + w, c.y() + h / 2);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    const qreal w = h * 0.75;
    const qreal bar = std::max(1.0, h * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kLegend));
    switch (glyph) {
    case KeyGlyph::Previous:
        p.drawRect(QRectF(c.x() - w - bar, c.y() - h / 2, bar, h));
        triangle(c.x() - w, false);
        triangle(c.x(), false);
        break;
    case KeyGlyph::PlayPause:
        triangle(c.x() - w - bar / 2, true);
        p.drawRect(QRectF(c.x() + bar, c.y() - h / 2, bar, h));
        p.drawRect(QRectF(c.x() + 3 * bar, c.y() - h / 2, bar, h));
        break;
    case KeyGlyph::Next:
        triangle(c.x() - w, true);
        triangle(c.x(), true);
        p.drawRect(QRectF(c.x() + w, c.y() - h / 2, bar, h));
        break;
    case KeyGlyph::None:
        break;
    }
}

void drawLegend(QPainter& p, const QRectF& face, const QString& text)
{
    if (text.isEmpty())
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    int px = text.size() <= 2 ? kLargeLegendPx : kSmallLegendPx;
    const qreal room = face.width() - 2 * kLegendPadding;
    for (; px > kSmallestLegendPx; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= room)
            break;
    }
    font.setPixelSize(px);
    p.setFont(font);
    p.setPen(QColor::fromRgba(kLegend));
    p.drawText(face, Qt::AlignCenter, text);
}

// light: the colour the key glows in; an invalid colour leaves it unlit.
void drawCap(QPainter& p, const KeyCap& key, const QColor& light, bool legends)
{
    const QRectF cap = QRectF(key.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool lit = light.isValid();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kKeyShadow));
    p.drawRoundedRect(cap.translated(0, kShadowDrop), kCapRadius, kCapRadius);
    if (lit)
        drawGlow(p, cap, light);

    QLinearGradient skirt(cap.topLeft(), cap.bottomLeft());
    skirt.setColorAt(0, lit ? light.darker(220) : QColor::fromRgba(kSkirtTop));
    skirt.setColorAt(1, lit ? light.darker(400) : QColor::fromRgba(kSkirtBottom));
    p.setPen(QPen(QColor::fromRgba(kSkirtEdge), 1));
    p.setBrush(skirt);
    p.drawRoundedRect(cap, kCapRadius, kCapRadius);

    const QRectF face = faceOf(QRectF(key.rect));
    QLinearGradient top(face.topLeft(), face.bottomLeft());
    top.setColorAt(0, lit ? light.lighter(115) : QColor::fromRgba(kFaceTopColour));
    top.setColorAt(1, lit ? light.darker(130) : QColor::fromRgba(kFaceBottomColour));
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    p.drawRoundedRect(face, kFaceRadius, kFaceRadius);

    p.setPen(QPen(QColor::fromRgba(kFaceHighlight), 1));
    p.drawLine(QPointF(face.left() + kFaceRadius, face.top() + 0.5),
               QPointF(face.right() - kFaceRadius, face.top() + 0.5));

    if (!legends)
        return;
    const KeyGlyph glyph = key.key->glyph;
    if (glyph != KeyGlyph::None)
        drawKeyGlyph(p, face, glyph);
    else
        drawLegend(p, face, QString::fromUtf8(key.key->legend));
}

// How far along the sweep a key lies, 0 where the light starts and 1 where it heads.
qreal sweepPosition(const QRectF& span, const QPointF& centre, Sweep sweep)
{
    switch (sweep) {
    case Sweep::Up:
        return (span.bottom() - centre.y()) / span.height();
    case Sweep::Down:
        return (centre.y() - span.top()) / span.height();
    case Sweep::Left:
        return (span.right() - centre.x()) / span.width();
    case Sweep::Right:
        return (centre.x() - span.left()) / span.width();
    case Sweep::None:
        break;
    }
    return 0;
}

QImage paint(const QVector<KeyCap>& keys, const QSize& size, const QColor& ground, Sweep sweep,
             bool legends)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawCase(p, caseRect(keys));
    drawMediaGroove(p, keys);

    QRectF centres;
    for (const KeyCap& key : keys)
        centres |= QRectF(QRectF(key.rect).center(), QSizeF(1, 1));
    for (const KeyCap& key : keys) {
        QColor light;
        if (sweep != Sweep::None) {
            const qreal t = std::clamp(sweepPosition(centres, QRectF(key.rect).center(), sweep),
                                       0.0, 1.0);
            light = mix(kSweepDim, kSweepBright, std::pow(t, kSweepGamma));
        }
        drawCap(p, key, light, legends);
    }
    return image;
}

} // namespace

QRect caseRect(const QVector<KeyCap>& keys)
{
    QRect bounds;
    for (const KeyCap& key : keys)
        bounds |= key.rect;
    return bounds.adjusted(-kCaseMargin, -kCaseMargin - kCaseTopExtra, kCaseMargin,
                           kCaseMargin);
}

QImage topView(const QVector<KeyCap>& keys, const QSize& size)
{
    return paint(keys, size, Qt::black, Sweep::None, true);
}

QImage keyMask(const QVector<KeyCap>& keys, const QSize& size, const QColor& colour)
{
    // No antialiasing: a pixel is either key or ground, which keeps the masks cut from
    // these pictures exact. Only the outermost corner pixel of each key is left out.
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRect bounds = image.rect();
    for (const KeyCap& key : keys) {
        const QRect r = key.rect & bounds;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const bool edgeRow = y == r.top() || y == r.bottom();
            for (int x = r.left(); x <= r.right(); ++x) {
                if (edgeRow && (x == r.left() || x == r.right()))
                    continue;
                line[x] = colour.rgba();
            }
        }
    }
    return image;
}

QImage miniature(const QVector<KeyCap>& keys, const QSize& fullSize, const QSize& size,
                 Sweep sweep)
{
    // Drawn at full size and shrunk, so the bevels and the glow become a fine gradient
    // instead of jagged single pixels.
    const QImage full = paint(keys, fullSize, Qt::transparent, sweep, false);
    const QRect body = caseRect(keys).adjusted(-1, -1, 1, 1) & full.rect();
    const QSize room = size - QSize(2 * kMiniatureMargin, 2 * kMiniatureMargin);
    const QImage shrunk = full.copy(body).scaled(room, Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawImage((size.width() - shrunk.width()) / 2, (size.height() - shrunk.height()) / 2,
                shrunk);
    return image;
}

} // namespace KeyboardArt
