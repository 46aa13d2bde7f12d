// SPDX-License-Identifier: MIT
#pragma once

#include "platform/toolkit/tandelwid.h"

#include <QtGlobal>

#include <memory>
#include <vector>

class ModeCombox;
class QButtonGroup;
class QPushButton;
struct ModeInfo;

namespace Ui {
class LedModeUi;
}

// The list of the 21 effects, with the layer and zone pickers under MULTILAYER and
// MULTIZONE. User choices leave as signals; the setters show data silently.
class LedModeWid : public TandelWid
{
    Q_OBJECT

public:
    explicit LedModeWid(QWidget* parent = nullptr);
    ~LedModeWid() override;

    void setCurrMode(int iMode);
    void setMultilayerModes(int iCurrSubModeIdx, const std::vector<uchar>& vModes);
    void setMultizoneModes(int iCurrSubModeIdx, const std::vector<uchar>& vModes);
    void resetSubModes();
    void setModeState(int iMode, int iMultilayerIdx, const std::vector<uchar>& vMultilayerModes,
                      int iMultizoneIdx, const std::vector<uchar>& vMultizoneModes);
    void updateSubPanels(int iMode);

signals:
    void sigLedModeChanged(int iMode);
    void sigCurrMultilayerMode(int iSubModeIdx, int iMode);
    void sigCurrMultizoneMode(int iSubModeIdx, int iMode);
    void sigMultilayerModeChanged(int iMode);
    void sigMultizoneModeChanged(int iMode);

private slots:
    void slotLedModeChanged(int iMode);
    void slotMultilayerModeSel(int iSubModeIdx);
    void slotMultizoneModeSel(int iSubModeIdx);
    void slotMultilayerSubModeChanged(int iOldMode, int iNewMode);
    void slotMultizoneSubModeChanged(int iOldMode, int iNewMode);

private:
    void buildModeButtons();
    QPushButton* createModeButton(const ModeInfo& info);
    void createSubModePickers();
    QWidget* subPanelOf(int iMode) const;

    std::unique_ptr<Ui::LedModeUi> ui;
    QButtonGroup* m_btnGroup = nullptr;
    std::vector<ModeCombox*> m_vMultilayerCombox;
    std::vector<ModeCombox*> m_vMultizoneCombox;
};
