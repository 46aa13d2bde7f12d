// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The drop-down arrow of a layer or zone picker, drawn over the picker's right edge where its
// list opens. The picker's own look is a plain background that hides the style's arrow, so
// the arrow is laid on top; it follows the picker's size and lets the mouse through.
class PickerArrow : public QWidget
{
public:
    explicit PickerArrow(QWidget* picker);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
};
