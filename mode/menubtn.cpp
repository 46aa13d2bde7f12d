// SPDX-License-Identifier: MIT
#include "mode/menubtn.h"

#include <QPainter>
#include <QPolygon>

namespace {
// The triangle's right corner keeps this distance from the button's right edge.
constexpr int kArrowRightInset = 10;
constexpr int kArrowWidth = 10;
constexpr int kArrowHalfHeight = 5;
} // namespace

MenuBtn::MenuBtn(QWidget* parent)
    : QPushButton(parent)
{
}

void MenuBtn::paintEvent(QPaintEvent* e)
{
    QPushButton::paintEvent(e);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));

    const int right = width() - kArrowRightInset;
    const int left = right - kArrowWidth;
    const int centreY = height() / 2;
    const QPolygon arrow({QPoint(left, centreY - kArrowHalfHeight),
                          QPoint(right, centreY - kArrowHalfHeight),
                          QPoint(left + kArrowWidth / 2, centreY + kArrowHalfHeight)});
    painter.drawPolygon(arrow, Qt::OddEvenFill);
}
