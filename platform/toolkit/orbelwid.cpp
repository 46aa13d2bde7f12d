// SPDX-License-Identifier: MIT
#include "platform/toolkit/orbelwid.h"

#include <QPainter>
#include <QStyleOption>

OrbelWid::OrbelWid(QWidget* parent)
    : QWidget(parent)
{
}

void OrbelWid::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    // A QWidget subclass draws its style-sheet background only when asked to.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void OrbelWid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}
