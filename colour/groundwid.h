// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/vantor_types.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <vector>

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class GroundUi;
}

// One ground's page of the colour panel: R/G/B boxes, preset and custom swatches and the
// brightness slider. The colour's alpha channel is its brightness. User changes end in
// sigLedColorChanged; every brightness the page shows is announced with
// sigBrightnessChanged. The custom swatches are kept per profile and ground in the store.
class GroundWid : public QWidget
{
    Q_OBJECT

public:
    explicit GroundWid(QWidget* parent = nullptr);
    ~GroundWid() override;

    void setGroundType(int iGroundType);
    void setColorEnabled(bool b);
    void setRgb(int r, int g, int b);
    void setColor(const QColor& cor);
    void selectColor(const QColor& cor);
    void setBrightness(int iValue);
    int brightness() const;
    void refreshColor();
    void loadCustomColors(const std::vector<custom_color>& vCor);

signals:
    void sigBrightnessChanged(int iBrightness);
    void sigLedColorChanged(QColor cor);

private slots:
    void slotPresetCorSel(QAbstractButton* btn);
    void slotCustomCorSel(QAbstractButton* btn);
    void slotUpdateCustomColor();
    void slotBrightnessChanged(int iValue);
    void slotLedColorChanged();

private:
    void createPresets();
    void createCustomSlots();
    void nameControls();
    void showBrightnessTip();

    std::unique_ptr<Ui::GroundUi> ui;
    int m_iGroundType = Ground::Foreground;
    QColor m_cor;
    QButtonGroup* m_customGroup = nullptr;
};
