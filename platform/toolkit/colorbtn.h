#pragma once

#include "vantor_toolkit_export.h"

#include <QColor>
#include <QPushButton>

// A button that shows a colour and takes a colour dropped on it.
class VANTOR_TOOLKIT_EXPORT ColorBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorBtn(QWidget* parent = nullptr);
    ColorBtn(const QColor& color, QWidget* parent = nullptr);
    ColorBtn(const QColor& color, int iAlpha, QWidget* parent = nullptr);

    void setColor(const QColor& color);
    const QColor& getColor() const;
    void reset();

signals:
    void sigUpdateColor();

private:
    QColor m_color;
};
