#include "display/leddisplaywid.h"

LedDisplayWid::LedDisplayWid(QWidget* parent)
    : QWidget(parent)
{
}

LedDisplayWid::~LedDisplayWid() = default;

void LedDisplayWid::setCustomLight(const vantor_light_custom& lc)
{
    Q_UNUSED(lc)
}

void LedDisplayWid::setModeLights(const std::vector<vantor_light>& vLights)
{
    Q_UNUSED(vLights)
}

void LedDisplayWid::setCurrMode(int iMode)
{
    m_iCurrMode = iMode;
}

void LedDisplayWid::setMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul)
{
    Q_UNUSED(iCurrSubMode)
    Q_UNUSED(vMul)
}

void LedDisplayWid::setMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                                 const vantor_filter& filter)
{
    Q_UNUSED(iCurrSubMode)
    Q_UNUSED(vMul)
    Q_UNUSED(filter)
}

void LedDisplayWid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

void LedDisplayWid::slotLedModeChanged(int iMode)
{
    m_iCurrMode = iMode;
}

void LedDisplayWid::slotLedGroundChanged(int iGroundType)
{
    emit sigLedGroundChanged(m_iCurrMode, iGroundType);
}

void LedDisplayWid::slotLedColorChanged(const QColor& cor)
{
    emit sigLedColorChanged(m_iCurrMode, cor);
}

void LedDisplayWid::slotLedSpeedChanged(int iSpeed)
{
    emit sigLedSpeedChanged(m_iCurrMode, iSpeed);
}

void LedDisplayWid::slotLedDirectChanged(int iDirect)
{
    emit sigLedDirectChanged(m_iCurrMode, iDirect);
}

void LedDisplayWid::slotCurrMultilayerMode(int iSubModeIdx)
{
    emit sigCurrMultilayerMode(iSubModeIdx);
}

void LedDisplayWid::slotCurrMultizoneMode(int iSubModeIdx)
{
    emit sigCurrMultizoneMode(iSubModeIdx);
}
