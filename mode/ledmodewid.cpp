#include "mode/ledmodewid.h"

LedModeWid::LedModeWid(QWidget* parent)
    : TandelWid(parent)
{
}

LedModeWid::~LedModeWid() = default;

void LedModeWid::setCurrMode(int iMode)
{
    Q_UNUSED(iMode)
}

void LedModeWid::setMultilayerModes(int iCurrSubModeIdx, const std::vector<uchar>& vModes)
{
    Q_UNUSED(iCurrSubModeIdx)
    Q_UNUSED(vModes)
}

void LedModeWid::setMultizoneModes(int iCurrSubModeIdx, const std::vector<uchar>& vModes)
{
    Q_UNUSED(iCurrSubModeIdx)
    Q_UNUSED(vModes)
}

void LedModeWid::resetSubModes() {}

void LedModeWid::setModeState(int iMode, int iMultilayerIdx,
                              const std::vector<uchar>& vMultilayerModes, int iMultizoneIdx,
                              const std::vector<uchar>& vMultizoneModes)
{
    setMultilayerModes(iMultilayerIdx, vMultilayerModes);
    setMultizoneModes(iMultizoneIdx, vMultizoneModes);
    setCurrMode(iMode);
}

void LedModeWid::updateSubPanels(int iMode)
{
    Q_UNUSED(iMode)
}

void LedModeWid::slotLedModeChanged(int iMode)
{
    updateSubPanels(iMode);
    emit sigLedModeChanged(iMode);
}

void LedModeWid::slotMultilayerModeSel(int iSubModeIdx)
{
    emit sigCurrMultilayerMode(iSubModeIdx, 17);
}

void LedModeWid::slotMultizoneModeSel(int iSubModeIdx)
{
    emit sigCurrMultizoneMode(iSubModeIdx, 17);
}

void LedModeWid::slotMultilayerSubModeChanged(int iOldMode, int iNewMode)
{
    Q_UNUSED(iOldMode)
    emit sigMultilayerModeChanged(iNewMode);
}

void LedModeWid::slotMultizoneSubModeChanged(int iOldMode, int iNewMode)
{
    Q_UNUSED(iOldMode)
    emit sigMultizoneModeChanged(iNewMode);
}
