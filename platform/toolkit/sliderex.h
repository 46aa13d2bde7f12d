// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QSlider>

// A slider that tells user changes (sigValChanged) apart from values shown by code
// (setSliderValue, silent). Horizontal sliders draw their own dark look: a thin groove
// filled up to a round handle, a tick under every tick interval and, when asked, the
// value of each tick beneath it. A press anywhere on a horizontal slider takes the
// handle there and drags it; vertical sliders keep the style's look and mouse handling.
class VANTOR_TOOLKIT_EXPORT SliderEx : public QSlider
{
    Q_OBJECT

public:
    explicit SliderEx(QWidget* parent = nullptr);

    // Shows a value without reporting it as a user change.
    void setSliderValue(int iVal);
    // Draws the tick values under the ticks (the default) or leaves them out.
    void showScaleValue(bool bShow);
    // The tooltip follows the value: %1 takes the value, %2 the maximum ("Speed: %1 of %2").
    void setValueToolTip(const QString& format);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sigValChanged(int iVal);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void sliderChange(SliderChange change) override;

private slots:
    void slotValueChanged(int iVal);

private:
    bool drawsOwnLook() const;
    bool upsideDown() const;
    int trackLeft() const;
    int trackSpan() const;
    int valueToX(int iVal) const;
    int xToValue(int iX) const;
    int contentHeight() const;
    QList<int> tickValues() const;

    bool m_bShowScale = true;
    bool m_bShowingValue = false; // inside setSliderValue: the change is not the user's
    bool m_bMouseDrag = false;    // the handle follows the left mouse button
    QString m_valueToolTip;
};
