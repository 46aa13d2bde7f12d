// SPDX-License-Identifier: MIT
#include "platform/toolkit/hsvcorwid.h"

#include "platform/toolkit/palette.h"
#include "platform/toolkit/pointerposition.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMaxBrightness = 255;
constexpr int kRimMargin = 6;          // room for the pick marker on the rim
constexpr int kPreferredSide = 150;
constexpr int kMinimumSide = 40;
constexpr qreal kMarkerRadius = 4.5;
constexpr qreal kGreyDim = 0.45;       // how dark the greyed wheel is drawn
constexpr std::size_t kKeptWheels = 4;  // sizes and brightnesses kept drawn
constexpr qreal kKeyStep = 4;          // pixels an arrow key moves the pick point
constexpr qreal kFineKeyStep = 1;      // with Shift held
constexpr int kFocusRing = 2;
} // namespace

HsvCorWid::HsvCorWid(QWidget* parent)
    : QWidget(parent)
    , m_iBrightness(kMaxBrightness)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, true);
}

HsvCorWid::~HsvCorWid() = default;

void HsvCorWid::setHsvEnabled(bool bEnabled)
{
    if (m_bHsvEnabled == bEnabled)
        return;
    m_bHsvEnabled = bEnabled;
    if (!bEnabled) {
        m_bPointerOnWheel = false;
        unsetCursor();
    }
    update();
}

bool HsvCorWid::isHsvEnabled() const
{
    return m_bHsvEnabled;
}

void HsvCorWid::setBrightness(int iValue)
{
    iValue = std::clamp(iValue, 0, kMaxBrightness);
    if (iValue == m_iBrightness)
        return;
    m_iBrightness = iValue;
    update();
}

int HsvCorWid::brightness() const
{
    return m_iBrightness;
}

void HsvCorWid::slotBrightnessChanged(int iValue)
{
    setBrightness(iValue);
}

QSize HsvCorWid::sizeHint() const
{
    return QSize(kPreferredSide, kPreferredSide);
}

QSize HsvCorWid::minimumSizeHint() const
{
    return QSize(kMinimumSide, kMinimumSide);
}

int HsvCorWid::diameter() const
{
    return std::max(0, std::min(width(), height()) - 2 * kRimMargin);
}

QPointF HsvCorWid::wheelCentre() const
{
    // The image lies on whole pixels, so the centre is derived from its top-left corner.
    const int d = diameter();
    const int left = (width() - d) / 2;
    const int top = (height() - d) / 2;
    return QPointF(left + d / 2.0, top + d / 2.0);
}

bool HsvCorWid::hueSatAt(const QPointF& pos, HueSat* hs) const
{
    const qreal radius = diameter() / 2.0;
    if (radius <= 0)
        return false;
    const QPointF centre = wheelCentre();
    const qreal dx = pos.x() - centre.x();
    const qreal dy = centre.y() - pos.y(); // screen y grows downwards
    const qreal distance = std::hypot(dx, dy);
    if (distance > radius)
        return false;
    qreal angle = std::atan2(dy, dx);
    if (angle < 0)
        angle += 2 * M_PI;
    hs->hue = std::fmod(angle / (2 * M_PI), 1.0);
    hs->saturation = std::min<qreal>(distance / radius, 1.0);
    return true;
}

QPointF HsvCorWid::pointOf(const HueSat& hs) const
{
    const qreal angle = hs.hue * 2 * M_PI;
    const qreal distance = hs.saturation * diameter() / 2.0;
    const QPointF centre = wheelCentre();
    return QPointF(centre.x() + distance * std::cos(angle),
                   centre.y() - distance * std::sin(angle));
}

QColor HsvCorWid::reportedColor(const HueSat& hs) const
{
    QColor color = QColor::fromHsvF(hs.hue, hs.saturation, 1.0);
    color.setAlpha(m_iBrightness);
    return color;
}

HsvCorWid::WheelImages HsvCorWid::drawWheel(int d, int iBrightness)
{
    WheelImages images;
    images.diameter = d;
    images.brightness = iBrightness;
    images.wheel = QImage(d, d, QImage::Format_ARGB32_Premultiplied);
    images.grey = QImage(d, d, QImage::Format_ARGB32_Premultiplied);
    const qreal radius = d / 2.0;
    const qreal value = iBrightness / qreal(kMaxBrightness);
    for (int y = 0; y < d; ++y) {
        auto* line = reinterpret_cast<QRgb*>(images.wheel.scanLine(y));
        auto* greyLine = reinterpret_cast<QRgb*>(images.grey.scanLine(y));
        for (int x = 0; x < d; ++x) {
            const qreal dx = x + 0.5 - radius;
            const qreal dy = radius - (y + 0.5);
            const qreal distance = std::hypot(dx, dy);
            // One pixel of soft edge keeps the rim smooth.
            const qreal coverage = std::clamp(radius - distance + 0.5, 0.0, 1.0);
            if (coverage <= 0) {
                line[x] = 0;
                greyLine[x] = 0;
                continue;
            }
            qreal angle = std::atan2(dy, dx);
            if (angle < 0)
                angle += 2 * M_PI;
            const qreal hue = std::fmod(angle / (2 * M_PI), 1.0);
            const qreal saturation = std::min<qreal>(distance / radius, 1.0);
            const QColor color = QColor::fromHsvF(hue, saturation, value);
            const int alpha = qRound(coverage * kMaxBrightness);
            line[x] = qPremultiply(qRgba(color.red(), color.green(), color.blue(), alpha));
            const int grey = qRound(qGray(color.rgb()) * kGreyDim);
            greyLine[x] = qPremultiply(qRgba(grey, grey, grey, alpha));
        }
    }
    return images;
}

const QImage& HsvCorWid::wheelImage(bool bGrey)
{
    const int d = diameter();
    const auto same = [&](const WheelImages& images) {
        return images.diameter == d && images.brightness == m_iBrightness;
    };
    auto found = std::find_if(m_wheels.begin(), m_wheels.end(), same);
    if (found == m_wheels.end()) {
        if (m_wheels.size() >= kKeptWheels)
            m_wheels.pop_back();
        m_wheels.insert(m_wheels.begin(), drawWheel(d, m_iBrightness));
    } else if (found != m_wheels.begin()) {
        std::rotate(m_wheels.begin(), found, found + 1);
    }
    return bGrey ? m_wheels.front().grey : m_wheels.front().wheel;
}

void HsvCorWid::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    const int d = diameter();
    if (d == 0)
        return;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = wheelCentre();
    const qreal radius = d / 2.0;
    const QPointF topLeft(centre.x() - radius, centre.y() - radius);
    painter.drawImage(topLeft, wheelImage(!m_bHsvEnabled));

    painter.setPen(QPen(Palette::color(Palette::Outline), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);

    const QColor focus = Palette::color(Palette::Focus);
    if (hasFocus()) {
        painter.setPen(QPen(focus, kFocusRing));
        const qreal ring = radius + kFocusRing;
        painter.drawEllipse(centre, ring, ring);
    }
    // A dark ring under a white one stays visible on light and dark parts of the wheel.
    const auto drawMarker = [&](const QPointF& at, const QColor& colour) {
        painter.setPen(QPen(QColor(0, 0, 0, 160), 3));
        painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
        painter.setPen(QPen(colour, 1.5));
        painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    };
    // With the focus, the keyboard's point is the marker; where it rests on the pick the
    // two are one.
    const bool keyMarker = hasFocus() && m_bHsvEnabled;
    const bool onPick = qFuzzyCompare(1 + m_keyPoint.hue, 1 + m_pick.hue)
        && qFuzzyCompare(1 + m_keyPoint.saturation, 1 + m_pick.saturation);
    if (m_bHasPick && !(keyMarker && onPick))
        drawMarker(pointOf(m_pick), m_bHsvEnabled ? Qt::white : Qt::gray);
    if (keyMarker)
        drawMarker(pointOf(m_keyPoint), focus);
}

void HsvCorWid::showColour(const QColor& colour)
{
    m_bHasPick = colour.isValid();
    if (m_bHasPick) {
        const QColor hsv = colour.toHsv();
        // A grey has no hue of its own: it lies at the centre, whatever hue Qt reports.
        m_pick.hue = hsv.hsvHueF() < 0 ? 0 : hsv.hsvHueF();
        m_pick.saturation = hsv.hsvSaturationF();
        m_keyPoint = m_pick;
    }
    update();
}

QColor HsvCorWid::markedColour() const
{
    return m_bHasPick ? QColor::fromHsvF(m_pick.hue, m_pick.saturation, 1.0) : QColor();
}

void HsvCorWid::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bHsvEnabled) {
        event->ignore();
        return;
    }
    HueSat hs;
    if (hueSatAt(pointerPosition(event), &hs)) {
        m_bPointerOnWheel = true;
        setCursor(Qt::CrossCursor);
        emit sigCurrentRgb(reportedColor(hs));
    } else {
        endReadout();
    }
}

void HsvCorWid::mousePressEvent(QMouseEvent* event)
{
    HueSat hs;
    if (!m_bHsvEnabled || event->button() != Qt::LeftButton
        || !hueSatAt(pointerPosition(event), &hs)) {
        event->ignore();
        return;
    }
    // The keyboard goes on from the colour picked now: one marker, not two.
    m_pick = hs;
    m_keyPoint = hs;
    m_bHasPick = true;
    update();
    emit sigSelectCor(reportedColor(hs));
}

void HsvCorWid::keyPressEvent(QKeyEvent* event)
{
    const qreal step = event->modifiers().testFlag(Qt::ShiftModifier) ? kFineKeyStep : kKeyStep;
    QPointF move;
    switch (event->key()) {
    case Qt::Key_Left: move = {-step, 0}; break;
    case Qt::Key_Right: move = {step, 0}; break;
    case Qt::Key_Up: move = {0, -step}; break;
    case Qt::Key_Down: move = {0, step}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!m_bHsvEnabled)
            break;
        m_pick = m_keyPoint;
        m_bHasPick = true;
        update();
        emit sigSelectCor(reportedColor(m_pick));
        return;
    default:
        break;
    }
    if (move.isNull() || !m_bHsvEnabled) {
        QWidget::keyPressEvent(event);
        return;
    }
    moveKeyPoint(move);
}

// The point stays on the wheel: a step past the rim slides along it.
void HsvCorWid::moveKeyPoint(const QPointF& step)
{
    const QPointF centre = wheelCentre();
    QPointF to = pointOf(m_keyPoint) + step;
    const qreal radius = diameter() / 2.0;
    const QPointF fromCentre = to - centre;
    const qreal distance = std::hypot(fromCentre.x(), fromCentre.y());
    if (distance > radius && distance > 0)
        to = centre + fromCentre * (radius / distance);
    if (!hueSatAt(to, &m_keyPoint))
        return;
    m_bPointerOnWheel = true;
    update();
    emit sigCurrentRgb(reportedColor(m_keyPoint));
}

void HsvCorWid::focusInEvent(QFocusEvent* event)
{
    // The keyboard starts from the colour picked last, or from the white centre.
    m_keyPoint = m_bHasPick ? m_pick : HueSat();
    update();
    QWidget::focusInEvent(event);
}

void HsvCorWid::focusOutEvent(QFocusEvent* event)
{
    endReadout();
    update();
    QWidget::focusOutEvent(event);
}

void HsvCorWid::leaveEvent(QEvent* event)
{
    endReadout();
    QWidget::leaveEvent(event);
}

void HsvCorWid::endReadout()
{
    unsetCursor();
    if (!m_bPointerOnWheel)
        return;
    m_bPointerOnWheel = false;
    emit sigLeaveHsv();
}
