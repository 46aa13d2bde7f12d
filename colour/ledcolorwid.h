// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/vantor_types.h"
#include "platform/toolkit/tandelwid.h"

#include <QColor>

#include <memory>
#include <vector>

class QLabel;
class GroundWid;

namespace Ui {
class LedColorUi;
}

// The "LED COLOR" panel: HSV wheel, FOREGROUND/BACKGROUND selectors and one swatch page
// per ground, enabled per mode.
class LedColorWid : public TandelWid
{
    Q_OBJECT

public:
    explicit LedColorWid(QWidget* parent = nullptr);
    ~LedColorWid() override;

    void setLight(const vantor_light& light);
    void setLayerColor(int iMode, const QColor& cor);
    void setCustomColors(const std::vector<custom_color>& vFore,
                         const std::vector<custom_color>& vBack);
    void setBrightness(int iValue);

signals:
    void sigLedGroundChanged(int iGroundType);
    void sigLedColorChanged(QColor cor);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void slotLedModeChanged(int iModeIdx);
    void slotMultilayerModeChanged(int iMode);
    void slotCurrMultilayerMode(int iSubModeIdx, int iMode);
    void slotCurrMultizoneMode(int iSubModeIdx, int iMode);
    void slotCurrentRgb(QColor cor);
    void slotLeaveHsv();
    void slotSelectCor(QColor cor);
    void slotLedColorChanged(QColor cor);
    void slotGroundChanged(int iGroundType, bool bChecked);

private:
    void nameControls();
    void updateModeState(int iMode);
    void applyColourAreas(bool bWheel, bool bFore, bool bBack);
    GroundWid* editedPage() const;

    std::unique_ptr<Ui::LedColorUi> ui;
    QLabel* m_overlayLab = nullptr;
};
