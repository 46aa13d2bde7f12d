#pragma once

#include "vantor_toolkit_export.h"

#include <QColor>
#include <QPushButton>

// A button that shows a colour as a swatch and takes a Qt colour dropped on it.
// A button holding QColor(Qt::transparent) is an empty slot: it shows "+" as its text,
// and only then is its text non-empty.
class VANTOR_TOOLKIT_EXPORT ColorBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorBtn(QWidget* parent = nullptr);
    ColorBtn(const QColor& color, QWidget* parent = nullptr);
    // iAlpha is the opacity the swatch is painted with, whatever the colour's own alpha;
    // a value outside 0..255 paints the colour's own alpha.
    ColorBtn(const QColor& color, int iAlpha, QWidget* parent = nullptr);

    void setColor(const QColor& color);
    const QColor& getColor() const;
    void reset();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user gave the button a new colour (a drop). Setters stay silent.
    void sigUpdateColor();

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool isEmptySlot() const;
    QColor swatchColor() const;

    QColor m_color;
    int m_iPaintAlpha;
};
