// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QColor>
#include <QPushButton>

// A button that shows a colour as a swatch and takes a Qt colour dropped on it.
// A button holding QColor(Qt::transparent) is an empty slot: it shows "+" as its text,
// and only then is its text non-empty. A button that accepts drops is a slot the user
// fills, and the user can also empty it again: "Clear" in its context menu, or Delete
// while it has the focus.
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
    // What the button is called, "Custom colour 3" say; its accessible name and tooltip are
    // the label with the colour it holds ("Custom colour 3, empty").
    void setLabel(const QString& label);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user gave the button a new colour (a drop) or emptied it. Setters stay silent.
    void sigUpdateColor();

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isEmptySlot() const;
    bool canClear() const;
    void clearByUser();
    QColor swatchColor() const;
    void updateName();

    QColor m_color;
    int m_iPaintAlpha;
    QString m_label;
};
