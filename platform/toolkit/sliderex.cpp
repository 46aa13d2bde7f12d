// SPDX-License-Identifier: MIT
#include "platform/toolkit/sliderex.h"

#include "platform/toolkit/palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int kHandleRadius = 7;
constexpr int kFocusHalo = 3;            // extra radius of the glow around a focused handle
constexpr int kFocusRing = 2;
constexpr int kSideMargin = kHandleRadius + kFocusHalo; // the handle never leaves the widget
constexpr int kVerticalPad = kFocusHalo;
constexpr int kGrooveHeight = 4;
constexpr qreal kGrooveRadius = 2.0;
constexpr int kTickGap = 2;              // from the handle's lowest point to a tick
constexpr int kTickLength = 4;
constexpr int kScaleGap = 1;             // from a tick to its value
constexpr int kMinTickSpacing = 3;       // closer ticks would melt into a bar
constexpr int kMinTrackWidth = 24;
constexpr int kPreferredTickSpacing = 16;
constexpr qreal kScaleFontFactor = 0.85;
constexpr qreal kMinScalePointSize = 6.0;
constexpr qreal kHandleRimWidth = 1.5;


QFont scaleFont(const QFont& base)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(std::max(kMinScalePointSize, base.pointSizeF() * kScaleFontFactor));
    return font;
}
} // namespace

SliderEx::SliderEx(QWidget* parent)
    : QSlider(parent)
{
    connect(this, &QSlider::valueChanged, this, &SliderEx::slotValueChanged);
}

void SliderEx::setSliderValue(int iVal)
{
    const QScopedValueRollback<bool> showing(m_bShowingValue, true);
    setValue(iVal);
}

void SliderEx::showScaleValue(bool bShow)
{
    if (m_bShowScale == bShow)
        return;
    m_bShowScale = bShow;
    updateGeometry();
    update();
}

void SliderEx::setValueToolTip(const QString& format)
{
    m_valueToolTip = format;
    sliderChange(SliderValueChange);
}

// Every value change passes here, shown by code or set by the user alike.
void SliderEx::sliderChange(SliderChange change)
{
    QSlider::sliderChange(change);
    if (change == SliderValueChange && !m_valueToolTip.isEmpty())
        setToolTip(m_valueToolTip.arg(value()).arg(maximum()));
}

void SliderEx::slotValueChanged(int iVal)
{
    if (m_bShowingValue)
        return;
    emit sigValChanged(iVal);
}

bool SliderEx::drawsOwnLook() const
{
    return orientation() == Qt::Horizontal;
}

bool SliderEx::upsideDown() const
{
    // The same rule QSlider uses, so keys and the drawn handle agree on which end is which.
    return invertedAppearance() != (layoutDirection() == Qt::RightToLeft);
}

int SliderEx::trackLeft() const
{
    return kSideMargin;
}

int SliderEx::trackSpan() const
{
    return std::max(0, width() - 2 * kSideMargin);
}

int SliderEx::valueToX(int iVal) const
{
    return trackLeft()
        + QStyle::sliderPositionFromValue(minimum(), maximum(), iVal, trackSpan(), upsideDown());
}

int SliderEx::xToValue(int iX) const
{
    return QStyle::sliderValueFromPosition(minimum(), maximum(), iX - trackLeft(), trackSpan(),
                                           upsideDown());
}

QList<int> SliderEx::tickValues() const
{
    int interval = tickInterval();
    if (interval <= 0 && tickPosition() != QSlider::NoTicks)
        interval = std::max({pageStep(), singleStep(), 1});
    if (interval <= 0)
        return {};
    const qint64 range = qint64(maximum()) - minimum();
    const qint64 count = range / interval + 1;
    if (count > std::max(2, trackSpan() / kMinTickSpacing))
        return {};
    QList<int> values;
    for (qint64 v = minimum(); v <= maximum(); v += interval)
        values.append(int(v));
    if (values.isEmpty() || values.last() != maximum())
        values.append(maximum());
    return values;
}

int SliderEx::contentHeight() const
{
    int height = 2 * (kVerticalPad + kHandleRadius);
    const bool ticks = tickInterval() > 0 || tickPosition() != QSlider::NoTicks;
    if (ticks)
        height += kTickGap + kTickLength - kFocusHalo;
    if (ticks && m_bShowScale)
        height += kScaleGap + QFontMetrics(scaleFont(font())).height();
    return height;
}

QSize SliderEx::sizeHint() const
{
    if (!drawsOwnLook())
        return QSlider::sizeHint();
    const qint64 steps = tickInterval() > 0
        ? (qint64(maximum()) - minimum()) / tickInterval()
        : 1;
    const int preferredTrack = int(std::clamp<qint64>(steps * kPreferredTickSpacing,
                                                      kMinTrackWidth, 4 * kMinTrackWidth));
    const int width = std::max(QSlider::sizeHint().width(), preferredTrack + 2 * kSideMargin);
    return {width, contentHeight()};
}

QSize SliderEx::minimumSizeHint() const
{
    if (!drawsOwnLook())
        return QSlider::minimumSizeHint();
    return {kMinTrackWidth + 2 * kSideMargin, contentHeight()};
}

void SliderEx::paintEvent(QPaintEvent* event)
{
    if (!drawsOwnLook()) {
        QSlider::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool enabled = isEnabled();
    const int centreY = (height() - contentHeight()) / 2 + kVerticalPad + kHandleRadius;
    const int left = trackLeft();
    const int right = left + trackSpan();
    const int handleX = valueToX(sliderPosition());
    const int startX = valueToX(minimum());

    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::color(Palette::ControlBorder));
    painter.drawRoundedRect(QRectF(left, centreY - kGrooveHeight / 2.0, right - left,
                                   kGrooveHeight),
                            kGrooveRadius, kGrooveRadius);
    const QColor accent = Palette::color(Palette::Accent);
    const QColor disabled = Palette::color(Palette::DisabledMark);
    painter.setBrush(enabled ? accent : disabled);
    painter.drawRoundedRect(QRectF(std::min(startX, handleX), centreY - kGrooveHeight / 2.0,
                                   std::abs(handleX - startX), kGrooveHeight),
                            kGrooveRadius, kGrooveRadius);

    const int tickTop = centreY + kHandleRadius + kTickGap;
    const QFont numberFont = scaleFont(font());
    const QFontMetrics numberMetrics(numberFont);
    painter.setFont(numberFont);
    for (int value : tickValues()) {
        const int x = valueToX(value);
        painter.setPen(QPen(Palette::color(Palette::Tick), 1));
        painter.drawLine(QPointF(x + 0.5, tickTop), QPointF(x + 0.5, tickTop + kTickLength));
        if (!m_bShowScale)
            continue;
        const QString text = QString::number(value);
        const int textWidth = numberMetrics.horizontalAdvance(text);
        const int textLeft = std::clamp(x - textWidth / 2, 0, std::max(0, width() - textWidth));
        painter.setPen(enabled ? Palette::color(Palette::ScaleText) : disabled);
        painter.drawText(QRect(textLeft, tickTop + kTickLength + kScaleGap, textWidth,
                               numberMetrics.height()),
                         Qt::AlignCenter, text);
    }

    const QPointF handleCentre(handleX, centreY);
    const bool active = hasFocus() || isSliderDown();
    if (enabled && active) {
        // The keyboard focus shows as a ring in the focus colour, a held handle as a glow.
        painter.setPen(hasFocus() ? QPen(Palette::color(Palette::Focus), kFocusRing)
                                  : QPen(Qt::NoPen));
        painter.setBrush(Palette::color(Palette::AccentGlow));
        const qreal halo = kHandleRadius + kFocusHalo - kFocusRing / 2.0;
        painter.drawEllipse(handleCentre, halo, halo);
    }
    const QColor rim = Palette::color(active ? Palette::Text : Palette::HandleRim);
    painter.setPen(QPen(enabled ? rim : disabled, kHandleRimWidth));
    painter.setBrush(enabled ? accent : Palette::color(Palette::ControlBorder));
    const qreal radius = kHandleRadius - kHandleRimWidth / 2;
    painter.drawEllipse(handleCentre, radius, radius);
}

void SliderEx::mousePressEvent(QMouseEvent* event)
{
    if (!drawsOwnLook() || event->button() != Qt::LeftButton || maximum() == minimum()) {
        QSlider::mousePressEvent(event);
        return;
    }
    // The handle jumps to the pressed point and stays under the mouse until release; with
    // tracking off the new value is reported once, on release.
    event->accept();
    m_bMouseDrag = true;
    setSliderDown(true);
    setSliderPosition(xToValue(event->pos().x()));
    update();
}

void SliderEx::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bMouseDrag) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    event->accept();
    setSliderPosition(xToValue(event->pos().x()));
}

void SliderEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bMouseDrag || event->button() != Qt::LeftButton) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    m_bMouseDrag = false;
    setSliderPosition(xToValue(event->pos().x()));
    setSliderDown(false);
    update();
}
