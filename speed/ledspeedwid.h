// SPDX-License-Identifier: MIT
#pragma once

#include "platform/toolkit/tandelwid.h"

#include <memory>

class QButtonGroup;
class QLabel;

namespace Ui {
class LedSpeedUi;
}

// The speed slider and the direction arrows, veiled where the current mode has no use
// for them.
class LedSpeedWid : public TandelWid
{
    Q_OBJECT

public:
    explicit LedSpeedWid(QWidget* parent = nullptr);
    ~LedSpeedWid() override;

    // Shows a record's mode, speed and direction; emits nothing, so loading a profile
    // never turns into a device request.
    void setModeParam(int iMode, int iSpeed, int iDirect);

signals:
    void sigLedSpeedChanged(int iSpeed);
    void sigLedDirectChanged(int iDirect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void slotLedModeChanged(int iModeIdx);
    void slotCurrMultilayerMode(int iSubModeIdx, int iMode);
    void slotCurrMultizoneMode(int iSubModeIdx, int iMode);
    void slotLedDirectChanged(int iDirect);

private:
    void nameControls();
    static int directToPage(int iDirect);

    std::unique_ptr<Ui::LedSpeedUi> ui;
    QLabel* m_speedOverlayLab = nullptr;
    QLabel* m_dirOverlayLab = nullptr;
    QButtonGroup* m_dirGroup = nullptr;
};
