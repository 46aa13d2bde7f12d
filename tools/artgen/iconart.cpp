// SPDX-License-Identifier: MIT
#include "iconart.h"

#include "keylight/modecatalogue.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace IconArt {
namespace {

// Glyphs are drawn on a 28-unit grid and scaled to the icon's side; pen widths are given
// in device pixels so that strokes stay crisp at either size.
constexpr qreal kGrid = 28;
constexpr qreal kMid = kGrid / 2;
constexpr int kFull = 255;
constexpr int kStrong = 200;
constexpr int kMedium = 140;
constexpr int kFaint = 80;

class Glyph
{
public:
    Glyph(QImage& image, int side) : m_p(&image), m_scale(side / kGrid)
    {
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.scale(m_scale, m_scale);
    }

    QPainter& painter() { return m_p; }

    QPen pen(qreal devicePx, int alpha = kFull) const
    {
        QPen pen(QColor(255, 255, 255, alpha), devicePx / m_scale);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }

    void stroke(const QPainterPath& path, qreal devicePx, int alpha = kFull)
    {
        m_p.setPen(pen(devicePx, alpha));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(path);
    }

    void fill(const QPainterPath& path, int alpha = kFull)
    {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(QColor(255, 255, 255, alpha));
        m_p.drawPath(path);
    }

    void fill(const QPainterPath& path, const QBrush& brush)
    {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(brush);
        m_p.drawPath(path);
    }

private:
    QPainter m_p;
    qreal m_scale;
};

QPainterPath roundedSquare(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath circle(const QPointF& c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// A drop whose round end has radius r around c and whose tip points up.
QPainterPath drop(const QPointF& c, qreal r)
{
    constexpr qreal kTipHeight = 2.3;
    constexpr qreal kShoulder = 1.1;
    QPainterPath path;
    const QPointF tip(c.x(), c.y() - kTipHeight * r);
    path.moveTo(tip);
    path.cubicTo(c.x() + 0.2 * r, tip.y() + 0.5 * r, c.x() + r, c.y() - kShoulder * r + 0.4 * r,
                 c.x() + r, c.y());
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(c.x() - r, c.y() - kShoulder * r + 0.4 * r, c.x() - 0.2 * r, tip.y() + 0.5 * r,
                 tip.x(), tip.y());
    path.closeSubpath();
    return path;
}

// A four-pointed sparkle with concave sides.
QPainterPath sparkle(const QPointF& c, qreal r)
{
    constexpr qreal kWaist = 0.18;
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + kWaist * r, c.y() - kWaist * r, c.x() + r, c.y());
    path.quadTo(c.x() + kWaist * r, c.y() + kWaist * r, c.x(), c.y() + r);
    path.quadTo(c.x() - kWaist * r, c.y() + kWaist * r, c.x() - r, c.y());
    path.quadTo(c.x() - kWaist * r, c.y() - kWaist * r, c.x(), c.y() - r);
    path.closeSubpath();
    return path;
}

QPainterPath wave(qreal y, qreal amplitude, qreal period, qreal phase)
{
    constexpr qreal kLeft = 3;
    constexpr qreal kRight = 25;
    constexpr qreal kStep = 0.5;
    QPainterPath path;
    for (qreal x = kLeft; x <= kRight; x += kStep) {
        const QPointF point(x, y + amplitude * qSin(2 * M_PI * (x - kLeft) / period + phase));
        if (x == kLeft)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPointF polar(const QPointF& c, qreal r, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {c.x() + r * qCos(a), c.y() - r * qSin(a)};
}

// An arc around c from startDeg sweeping sweepDeg (counter-clockwise for positive).
QPainterPath arc(const QPointF& c, qreal r, qreal startDeg, qreal sweepDeg)
{
    QPainterPath path;
    path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg);
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg, sweepDeg);
    return path;
}

// A filled arrow head at the end of an arc, pointing along the arc's travel.
QPainterPath arcHead(const QPointF& c, qreal r, qreal endDeg, bool counterClockwise, qreal size)
{
    const QPointF tipBase = polar(c, r, endDeg);
    const qreal tangentDeg = endDeg + (counterClockwise ? 90 : -90);
    const QPointF tip = polar(tipBase, size, tangentDeg);
    const QPointF outer = polar(c, r + size * 0.7, endDeg);
    const QPointF inner = polar(c, r - size * 0.7, endDeg);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(outer);
    path.lineTo(inner);
    path.closeSubpath();
    return path;
}

void drawStatic(Glyph& g)
{
    g.stroke(roundedSquare(QRectF(4, 4, 20, 20), 4), 2);
    g.fill(roundedSquare(QRectF(9, 9, 10, 10), 2));
}

void drawRainbowWave(Glyph& g)
{
    constexpr qreal kAmplitude = 2.6;
    constexpr qreal kPeriod = 11;
    g.stroke(wave(8, kAmplitude, kPeriod, 0), 2, kFull);
    g.stroke(wave(14, kAmplitude, kPeriod, 0.9), 2, kStrong);
    g.stroke(wave(20, kAmplitude, kPeriod, 1.8), 2, kMedium);
}

void drawCrosshair(Glyph& g)
{
    g.fill(roundedSquare(QRectF(10.5, 10.5, 7, 7), 1.5));
    // Each arm fades as it runs away from the pressed key.
    const struct { QPointF from, to; } arms[] = {
        {{kMid, 8.5}, {kMid, 2}},  {{kMid, 19.5}, {kMid, 26}},
        {{8.5, kMid}, {2, kMid}},  {{19.5, kMid}, {26, kMid}},
    };
    for (const auto& arm : arms) {
        QLinearGradient fade(arm.from, arm.to);
        fade.setColorAt(0, QColor(255, 255, 255, kFull));
        fade.setColorAt(1, QColor(255, 255, 255, kFaint / 2));
        QPen pen = g.pen(2);
        pen.setBrush(fade);
        g.painter().setPen(pen);
        g.painter().drawLine(arm.from, arm.to);
    }
}

void drawReactiveFade(Glyph& g)
{
    g.fill(roundedSquare(QRectF(10, 10, 8, 8), 1.5));
    g.stroke(roundedSquare(QRectF(6, 6, 16, 16), 3), 1.6, kMedium);
    g.stroke(roundedSquare(QRectF(2.5, 2.5, 23, 23), 4.5), 1.3, kFaint);
}

void drawCustom(Glyph& g)
{
    constexpr qreal kCell = 6;
    constexpr qreal kPitch = 8.5;
    constexpr qreal kOrigin = 2.5;
    constexpr int kCells = 3;
    constexpr int kLitRow = 0;
    constexpr int kLitColumn = 2;
    for (int row = 0; row < kCells; ++row) {
        for (int col = 0; col < kCells; ++col) {
            const QRectF cell(kOrigin + col * kPitch, kOrigin + row * kPitch, kCell, kCell);
            if (row == kLitRow && col == kLitColumn)
                g.fill(roundedSquare(cell.adjusted(-0.5, -0.5, 0.5, 0.5), 1.5));
            else
                g.stroke(roundedSquare(cell, 1.2), 1.2, kMedium);
        }
    }
}

void drawStars(Glyph& g)
{
    g.fill(sparkle(QPointF(11, 16), 9.5));
    g.fill(sparkle(QPointF(21.5, 6.5), 4.5), kStrong);
    g.fill(sparkle(QPointF(22, 21), 3), kMedium);
}

void drawRain(Glyph& g)
{
    g.fill(drop(QPointF(8, 12), 3.8));
    g.fill(drop(QPointF(20.5, 9), 3), kStrong);
    g.fill(drop(QPointF(16, 22), 3.4), kMedium);
}

void drawColorCycle(Glyph& g)
{
    const QPointF c(kMid, kMid);
    constexpr qreal kRadius = 8.5;
    constexpr qreal kHead = 5.5;
    // Two arrows chasing each other round the circle.
    g.stroke(arc(c, kRadius, 25, 112), 2.2);
    g.fill(arcHead(c, kRadius, 137, true, kHead));
    g.stroke(arc(c, kRadius, 205, 112), 2.2, kStrong);
    g.fill(arcHead(c, kRadius, 317, true, kHead), kStrong);
}

void drawBreathing(Glyph& g)
{
    constexpr qreal kBase = 23;
    constexpr qreal kHeight = 17;
    constexpr qreal kLeft = 2;
    constexpr qreal kRight = 26;
    constexpr qreal kSpread = 4.2;
    constexpr qreal kStep = 0.5;
    // One breath: the light swells from dark to full and ebbs away again.
    QPainterPath curve;
    for (qreal x = kLeft; x <= kRight; x += kStep) {
        const qreal d = (x - kMid) / kSpread;
        const QPointF point(x, kBase - kHeight * qExp(-d * d / 2));
        if (x == kLeft)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    QPainterPath area = curve;
    area.lineTo(kRight, kBase);
    area.lineTo(kLeft, kBase);
    area.closeSubpath();
    QLinearGradient under(0, kBase - kHeight, 0, kBase);
    under.setColorAt(0, QColor(255, 255, 255, kMedium));
    under.setColorAt(1, QColor(255, 255, 255, kFaint / 4));
    g.fill(area, QBrush(under));
    g.stroke(curve, 2);
}

void drawRipple(Glyph& g)
{
    const QPointF c(kMid, kMid);
    g.fill(circle(c, 2.8));
    g.stroke(circle(c, 6.8), 2, kStrong);
    g.stroke(circle(c, 11), 1.6, kFaint);
}

void drawGameSnake(Glyph& g)
{
    constexpr qreal kCell = 5;
    constexpr qreal kBlock = 4;
    constexpr qreal kOrigin = 1.5;
    // Tail to head on a 5 x 5 board, brightening towards the head.
    const QPoint body[] = {{0, 4}, {0, 3}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {4, 1}};
    const int count = int(std::size(body));
    for (int i = 0; i < count; ++i) {
        const QRectF block(kOrigin + body[i].x() * kCell, kOrigin + body[i].y() * kCell, kBlock,
                           kBlock);
        const int alpha = kFaint + (kFull - kFaint) * i / (count - 1);
        g.fill(roundedSquare(block, 0.8), alpha);
    }
    const QPointF food(kOrigin + 4 * kCell + kBlock / 2, kOrigin + 4 * kCell + kBlock / 2);
    g.fill(circle(food, 2.2));
}

void drawFireball(Glyph& g)
{
    const QPointF ball(18.5, 9.5);
    constexpr qreal kBall = 5.5;
    const QPointF tail(3, 25);
    // The trail leaves the ball along the two tangents from the tail's end.
    const qreal dx = ball.x() - tail.x();
    const qreal dy = ball.y() - tail.y();
    const qreal distance = qSqrt(dx * dx + dy * dy);
    const qreal towardBall = qAtan2(-dy, dx);
    const qreal spread = qAsin(kBall / distance);
    const qreal tangent = qSqrt(distance * distance - kBall * kBall);
    const auto along = [&](qreal angle) {
        return QPointF(tail.x() + tangent * qCos(angle), tail.y() - tangent * qSin(angle));
    };
    QPainterPath trail;
    trail.moveTo(tail);
    trail.lineTo(along(towardBall + spread));
    trail.lineTo(along(towardBall - spread));
    trail.closeSubpath();
    QLinearGradient fade(ball, tail);
    fade.setColorAt(0, QColor(255, 255, 255, kStrong));
    fade.setColorAt(1, QColor(255, 255, 255, 0));
    g.fill(trail, QBrush(fade));
    g.fill(circle(ball, kBall));
}

void drawWaterRipple(Glyph& g)
{
    g.fill(drop(QPointF(kMid, 9), 3));
    const struct { qreal rx, ry; int alpha; } rings[] = {
        {4.5, 1.6, kFull}, {8.5, 3.1, kMedium}, {12.5, 4.6, kFaint}};
    const QPointF centre(kMid, 20.5);
    for (const auto& ring : rings) {
        QPainterPath path;
        path.addEllipse(centre, ring.rx, ring.ry);
        g.stroke(path, 1.6, ring.alpha);
    }
}

void drawReactivePunch(Glyph& g)
{
    const QPointF c(kMid, kMid);
    constexpr int kPoints = 9;
    const qreal outer[] = {12.5, 10, 12, 9.5, 12.5, 10.5, 11.5, 9.5, 12};
    constexpr qreal kInner = 5.5;
    QPainterPath burst;
    for (int i = 0; i < kPoints; ++i) {
        const qreal tipDeg = 90 + 360.0 * i / kPoints;
        const qreal notchDeg = tipDeg + 180.0 / kPoints;
        const QPointF tip = polar(c, outer[i], tipDeg);
        if (i == 0)
            burst.moveTo(tip);
        else
            burst.lineTo(tip);
        burst.lineTo(polar(c, kInner, notchDeg));
    }
    burst.closeSubpath();
    g.fill(burst);
    // The struck key shows through the middle of the burst.
    g.painter().setCompositionMode(QPainter::CompositionMode_Clear);
    g.fill(roundedSquare(QRectF(11, 11, 6, 6), 1.2));
    g.painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void drawSnowing(Glyph& g)
{
    const QPointF c(kMid, kMid);
    constexpr qreal kArm = 11;
    constexpr qreal kBranchAt = 6.5;
    constexpr qreal kBranch = 3.5;
    constexpr int kArms = 6;
    QPainterPath flake;
    for (int i = 0; i < kArms; ++i) {
        const qreal deg = 90 + 360.0 * i / kArms;
        flake.moveTo(c);
        flake.lineTo(polar(c, kArm, deg));
        const QPointF fork = polar(c, kBranchAt, deg);
        flake.moveTo(fork);
        flake.lineTo(polar(fork, kBranch, deg + 45));
        flake.moveTo(fork);
        flake.lineTo(polar(fork, kBranch, deg - 45));
    }
    g.stroke(flake, 1.8);
}

void drawHeartbeat(Glyph& g)
{
    QPainterPath heart;
    heart.moveTo(kMid, 24);
    heart.cubicTo(5, 17.5, 2.5, 12, 3.5, 8.5);
    heart.cubicTo(4.5, 4, 11, 3, kMid, 8);
    heart.cubicTo(17, 3, 23.5, 4, 24.5, 8.5);
    heart.cubicTo(25.5, 12, 23, 17.5, kMid, 24);
    heart.closeSubpath();
    g.fill(heart);

    QPainterPath trace;
    trace.moveTo(1, 14.5);
    trace.lineTo(8.5, 14.5);
    trace.lineTo(11, 10);
    trace.lineTo(14.5, 20);
    trace.lineTo(17.5, 7.5);
    trace.lineTo(19.5, 14.5);
    trace.lineTo(27, 14.5);
    // The trace is cut out of the heart and carries on beyond it.
    g.painter().setCompositionMode(QPainter::CompositionMode_Clear);
    g.stroke(trace, 4.2);
    g.painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
    g.stroke(trace, 1.6);
}

void drawCircleSpectrum(Glyph& g)
{
    const QPointF c(kMid, kMid);
    constexpr int kSegments = 12;
    constexpr qreal kGapDeg = 8;
    constexpr qreal kRadius = 9.5;
    const qreal span = 360.0 / kSegments;
    for (int i = 0; i < kSegments; ++i) {
        const int alpha = kFaint / 2 + (kFull - kFaint / 2) * i / (kSegments - 1);
        QPen pen = g.pen(3.2, alpha);
        pen.setCapStyle(Qt::FlatCap);
        g.painter().setPen(pen);
        g.painter().setBrush(Qt::NoBrush);
        g.painter().drawPath(arc(c, kRadius, 90 - i * span - kGapDeg / 2, -(span - kGapDeg)));
    }
    g.fill(circle(c, 2.5));
}

void drawReactiveTornado(Glyph& g)
{
    const QPointF c(kMid, kMid);
    constexpr qreal kTurns = 2.4;
    constexpr qreal kOuter = 12;
    constexpr qreal kStepDeg = 4;
    QPainterPath spiral;
    const qreal total = 360 * kTurns;
    for (qreal deg = 0; deg <= total; deg += kStepDeg) {
        const QPointF point = polar(c, kOuter * deg / total, deg + 90);
        if (deg == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    g.stroke(spiral, 1.8);
}

void drawMultilayer(Glyph& g)
{
    // Three sheets seen at an angle, the top one whole, the two below showing their edge.
    const auto sheet = [](qreal y) {
        QPainterPath path;
        path.moveTo(kMid, y - 6);
        path.lineTo(kMid + 11.5, y);
        path.lineTo(kMid, y + 6);
        path.lineTo(kMid - 11.5, y);
        path.closeSubpath();
        return path;
    };
    const auto edge = [](qreal y) {
        QPainterPath path;
        path.moveTo(kMid - 11.5, y);
        path.lineTo(kMid, y + 6);
        path.lineTo(kMid + 11.5, y);
        return path;
    };
    g.stroke(edge(19.5), 2, kMedium);
    g.stroke(edge(14.5), 2, kStrong);
    g.fill(sheet(9));
}

void drawMultizone(Glyph& g)
{
    constexpr qreal kCell = 11.2;
    constexpr qreal kGap = 2.8;
    constexpr qreal kOrigin = 1.4;
    const int alphas[] = {kFull, kMedium, kFaint + 20, kStrong};
    for (int i = 0; i < 4; ++i) {
        const QRectF zone(kOrigin + (i % 2) * (kCell + kGap), kOrigin + (i / 2) * (kCell + kGap),
                          kCell, kCell);
        g.fill(roundedSquare(zone, 2), alphas[i]);
    }
}

void drawTurnOff(Glyph& g)
{
    const QPointF c(kMid, 15);
    constexpr qreal kRadius = 9;
    constexpr qreal kGapDeg = 70;
    g.stroke(arc(c, kRadius, 90 + kGapDeg / 2, 360 - kGapDeg), 2.4);
    QPainterPath stem;
    stem.moveTo(kMid, 3.5);
    stem.lineTo(kMid, 13.5);
    g.stroke(stem, 2.4);
}

using Draw = void (*)(Glyph&);

Draw drawingOf(int mode)
{
    switch (mode) {
    case Mode::Static: return drawStatic;
    case Mode::RainbowWave: return drawRainbowWave;
    case Mode::Crosshair: return drawCrosshair;
    case Mode::ReactiveFade: return drawReactiveFade;
    case Mode::Custom: return drawCustom;
    case Mode::Stars: return drawStars;
    case Mode::Snowing: return drawSnowing;
    case Mode::ColorCycle: return drawColorCycle;
    case Mode::Breathing: return drawBreathing;
    case Mode::Ripple: return drawRipple;
    case Mode::ReactivePunch: return drawReactivePunch;
    case Mode::Heartbeat: return drawHeartbeat;
    case Mode::Fireball: return drawFireball;
    case Mode::CircleSpectrum: return drawCircleSpectrum;
    case Mode::ReactiveTornado: return drawReactiveTornado;
    case Mode::WaterRipple: return drawWaterRipple;
    case Mode::GameSnake: return drawGameSnake;
    case Mode::TurnOff: return drawTurnOff;
    case Mode::Rain: return drawRain;
    case Mode::Multilayer: return drawMultilayer;
    case Mode::Multizone: return drawMultizone;
    }
    return nullptr;
}

} // namespace

QImage modeIcon(int mode, int side)
{
    const Draw draw = drawingOf(mode);
    if (!draw)
        return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    Glyph glyph(image, side);
    draw(glyph);
    return image;
}

QImage sliderHandle(const QSize& size)
{
    constexpr qreal kRadius = 3;
    constexpr QRgb kTop = 0xfff4f5f7;
    constexpr QRgb kBottom = 0xffc4c7cd;
    constexpr QRgb kEdge = 0xff7a7e87;
    constexpr QRgb kGrip = 0xff989ca5;
    constexpr int kGripLines = 3;
    constexpr int kGripPitch = 3;
    constexpr int kGripInset = 4;

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, QColor::fromRgba(kTop));
    shade.setColorAt(1, QColor::fromRgba(kBottom));
    p.setPen(QPen(QColor::fromRgba(kEdge), 1));
    p.setBrush(shade);
    p.drawRoundedRect(body, kRadius, kRadius);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor::fromRgba(kGrip));
    const int firstLine = size.height() / 2 - kGripPitch * (kGripLines - 1) / 2;
    for (int i = 0; i < kGripLines; ++i) {
        const int y = firstLine + i * kGripPitch;
        p.drawLine(kGripInset, y, size.width() - 1 - kGripInset, y);
    }
    return image;
}

} // namespace IconArt
