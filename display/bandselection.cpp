// SPDX-License-Identifier: MIT
#include "display/bandselection.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {
constexpr int kOutlineWidth = 1;
} // namespace

void BandSelection::press(const QMouseEvent& event)
{
    if (event.button() == Qt::NoButton)
        return;
    m_bPressed = true;
    m_startPos = event.pos();
    m_endPos = event.pos();
}

void BandSelection::move(const QMouseEvent& event)
{
    if (m_bPressed)
        m_endPos = event.pos();
}

// The flag survives the release on purpose: a press and release with no repaint between
// them commits the keys of the last drag again.
bool BandSelection::release(const QMouseEvent& event)
{
    if (event.button() != Qt::NoButton)
        m_bPressed = false;
    return m_bChanged;
}

QRect BandSelection::band() const
{
    return QRect(QPoint(qMin(m_startPos.x(), m_endPos.x()), qMin(m_startPos.y(), m_endPos.y())),
                 QPoint(qMax(m_startPos.x(), m_endPos.x()), qMax(m_startPos.y(), m_endPos.y())));
}

void BandSelection::drawOutline(QWidget* page) const
{
    QPainter painter(page);
    painter.setPen(QPen(Qt::red, kOutlineWidth, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    // A rectangle's outline is drawn one pixel past its right and bottom edges.
    painter.drawRect(band().adjusted(0, 0, -1, -1));
}
