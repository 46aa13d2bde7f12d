#include "platform/toolkit/sliderex.h"

SliderEx::SliderEx(QWidget* parent)
    : QSlider(parent)
{
}

void SliderEx::setSliderValue(int iVal)
{
    setValue(iVal);
}

void SliderEx::showScaleValue(bool bShow)
{
    Q_UNUSED(bShow)
}

void SliderEx::slotValueChanged(int iVal)
{
    emit sigValChanged(iVal);
}
