// SPDX-License-Identifier: MIT
#include "mode/pickerarrow.h"

#include "platform/toolkit/palette.h"

#include <QEvent>
#include <QPainter>
#include <QPolygonF>

namespace {
// The arrow sits in the strip at the picker's right edge that opens the list.
constexpr int kStripWidth = 18;
constexpr qreal kArrowWidth = 8;
constexpr qreal kArrowHeight = 5;
} // namespace

PickerArrow::PickerArrow(QWidget* picker)
    : QWidget(picker)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    picker->installEventFilter(this);
    follow();
}

bool PickerArrow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && (event->type() == QEvent::Resize
                                || event->type() == QEvent::EnabledChange))
        follow();
    return QWidget::eventFilter(watched, event);
}

void PickerArrow::follow()
{
    const QWidget* picker = parentWidget();
    setGeometry(picker->width() - kStripWidth, 0, kStripWidth, picker->height());
    raise();
    update();
}

void PickerArrow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(parentWidget()->isEnabled() ? Palette::color(Palette::Text)
                                                 : Palette::color(Palette::TextDisabled));
    const QPointF centre = QRectF(rect()).center();
    const QPolygonF arrow({centre + QPointF(-kArrowWidth / 2, -kArrowHeight / 2),
                           centre + QPointF(kArrowWidth / 2, -kArrowHeight / 2),
                           centre + QPointF(0, kArrowHeight / 2)});
    painter.drawPolygon(arrow);
}
