#include "colour/ledcolorwid.h"

LedColorWid::LedColorWid(QWidget* parent)
    : TandelWid(parent)
{
}

LedColorWid::~LedColorWid() = default;

void LedColorWid::setLight(const vantor_light& light)
{
    Q_UNUSED(light)
}

void LedColorWid::setLayerColor(int iMode, const QColor& cor)
{
    Q_UNUSED(iMode)
    Q_UNUSED(cor)
}

void LedColorWid::setCustomColors(const std::vector<custom_color>& vFore,
                                  const std::vector<custom_color>& vBack)
{
    Q_UNUSED(vFore)
    Q_UNUSED(vBack)
}

void LedColorWid::setBrightness(int iValue)
{
    Q_UNUSED(iValue)
}

void LedColorWid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

void LedColorWid::slotLedModeChanged(int iModeIdx)
{
    Q_UNUSED(iModeIdx)
}

void LedColorWid::slotMultilayerModeChanged(int iMode)
{
    Q_UNUSED(iMode)
}

void LedColorWid::slotCurrMultilayerMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    slotMultilayerModeChanged(iMode);
}

void LedColorWid::slotCurrMultizoneMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    Q_UNUSED(iMode)
}

void LedColorWid::slotCurrentRgb(QColor cor)
{
    Q_UNUSED(cor)
}

void LedColorWid::slotLeaveHsv() {}

void LedColorWid::slotSelectCor(QColor cor)
{
    Q_UNUSED(cor)
}

void LedColorWid::slotLedColorChanged(QColor cor)
{
    emit sigLedColorChanged(cor);
}

void LedColorWid::slotGroundChanged(int iGroundType, bool bChecked)
{
    if (bChecked)
        emit sigLedGroundChanged(iGroundType);
}
