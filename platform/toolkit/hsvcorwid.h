// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <vector>

// An HSV colour wheel: hue around the circle, saturation outwards, value from the
// brightness. Reports the colour under the pointer, the pointer leaving, and a pick. From
// the keyboard, the arrow keys move a pick point (reported as the pointer's colour is) and
// Enter or Space picks it.
//
// The colours it reports carry the wheel's brightness in their alpha channel and the
// undimmed red, green and blue: the lighting page keeps brightness apart from the colour,
// so dimming the components as well would apply the brightness twice. The wheel itself
// is painted dimmed, to show what the keys will look like.
class VANTOR_TOOLKIT_EXPORT HsvCorWid : public QWidget
{
    Q_OBJECT

public:
    explicit HsvCorWid(QWidget* parent = nullptr);
    ~HsvCorWid() override;

    void setHsvEnabled(bool bEnabled);
    bool isHsvEnabled() const;
    void setBrightness(int iValue);
    int brightness() const;
    // Puts the pick marker where `colour` lies on the wheel (hue and saturation), for a
    // colour chosen elsewhere: a swatch, the number boxes, a stored profile. Emits nothing.
    // An invalid colour takes the marker away.
    void showColour(const QColor& colour);
    // The hue and saturation under the pick marker, at full value; invalid without one.
    QColor markedColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sigCurrentRgb(const QColor& cor);
    void sigLeaveHsv();
    void sigSelectCor(const QColor& cor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private slots:
    void slotBrightnessChanged(int iValue);

private:
    struct HueSat
    {
        qreal hue = 0;        // 0..1, counter-clockwise from the right
        qreal saturation = 0; // 0 at the centre, 1 on the rim
    };

    int diameter() const;
    QPointF wheelCentre() const;
    bool hueSatAt(const QPointF& pos, HueSat* hs) const;
    QPointF pointOf(const HueSat& hs) const;
    void moveKeyPoint(const QPointF& step);
    QColor reportedColor(const HueSat& hs) const;
    // The wheel at the present size and brightness, drawn or taken from the cache.
    const QImage& wheelImage(bool bGrey);
    void endReadout();

    int m_iBrightness;
    bool m_bHsvEnabled = true;
    bool m_bPointerOnWheel = false;
    bool m_bHasPick = false;
    HueSat m_pick;
    HueSat m_keyPoint; // where the arrow keys have taken the pick point

    // The wheel is costly to paint pixel by pixel. The last few are kept by size and
    // brightness, since the two grounds of a colour panel often have different brightness
    // and the wheel goes back and forth between them; the greyed copy shown while picking
    // is off goes with each.
    struct WheelImages
    {
        int diameter = -1;
        int brightness = -1;
        QImage wheel;
        QImage grey;
    };
    static WheelImages drawWheel(int diameter, int iBrightness);
    std::vector<WheelImages> m_wheels; // most recently used first
};
