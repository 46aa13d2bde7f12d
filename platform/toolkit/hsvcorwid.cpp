#include "platform/toolkit/hsvcorwid.h"

HsvCorWid::HsvCorWid(QWidget* parent)
    : QWidget(parent)
{
}

HsvCorWid::~HsvCorWid() = default;

void HsvCorWid::setHsvEnabled(bool bEnabled)
{
    Q_UNUSED(bEnabled)
}

void HsvCorWid::setBrightness(int iValue)
{
    Q_UNUSED(iValue)
}

void HsvCorWid::slotBrightnessChanged(int iValue)
{
    setBrightness(iValue);
}
