#include "speed/ledspeedwid.h"

LedSpeedWid::LedSpeedWid(QWidget* parent)
    : TandelWid(parent)
{
}

LedSpeedWid::~LedSpeedWid() = default;

void LedSpeedWid::setModeParam(int iMode, int iSpeed, int iDirect)
{
    Q_UNUSED(iMode)
    Q_UNUSED(iSpeed)
    Q_UNUSED(iDirect)
}

bool LedSpeedWid::eventFilter(QObject* watched, QEvent* event)
{
    return TandelWid::eventFilter(watched, event);
}

void LedSpeedWid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

void LedSpeedWid::slotLedModeChanged(int iModeIdx)
{
    Q_UNUSED(iModeIdx)
}

void LedSpeedWid::slotCurrMultilayerMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    slotLedModeChanged(iMode);
}

void LedSpeedWid::slotCurrMultizoneMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    slotLedModeChanged(iMode);
}

void LedSpeedWid::slotLedDirectChanged(int iDirect)
{
    emit sigLedDirectChanged(iDirect);
}
