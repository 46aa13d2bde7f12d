#include "platform/toolkit/colorbtn.h"

ColorBtn::ColorBtn(QWidget* parent)
    : QPushButton(parent)
{
}

ColorBtn::ColorBtn(const QColor& color, QWidget* parent)
    : QPushButton(parent)
    , m_color(color)
{
}

ColorBtn::ColorBtn(const QColor& color, int iAlpha, QWidget* parent)
    : QPushButton(parent)
    , m_color(color)
{
    Q_UNUSED(iAlpha)
}

void ColorBtn::setColor(const QColor& color)
{
    m_color = color;
}

const QColor& ColorBtn::getColor() const
{
    return m_color;
}

void ColorBtn::reset()
{
    m_color = QColor(Qt::transparent);
}
