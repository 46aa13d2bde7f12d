// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/vantor_types.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <vector>

class LedLabel;
namespace Ui {
class MultilayerUi;
}

// The preview page of the multilayer effect: four layer records, one of them current.
// Edits go to the current layer; the keyboard picture is tinted with its colour.
class MultilayerWid : public QWidget
{
    Q_OBJECT

public:
    explicit MultilayerWid(QWidget* parent = nullptr);
    ~MultilayerWid() override;

    void getMultilayer(unsigned char& iCurrSubMode, std::vector<vantor_light>& vMul);
    // Shows stored layers; sends nothing. An index outside the layers is ignored.
    void setMultilayer(unsigned char iCurrSubMode, const std::vector<vantor_light>& vMul);
    void setLedColor(const QColor& cor);
    void setLedSpeed(int iSpeed);
    void setLedDirect(int iDirect);
    void updateColor();

signals:
    void sigUpdateMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                             bool bToSDK = true);

public slots:
    void slotCurrMultilayerMode(int iSubModeIdx);
    void slotMultilayerModeChanged(int iMode);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    vantor_light& currentLayer();

    std::unique_ptr<Ui::MultilayerUi> ui;
    LedLabel* m_borderLab = nullptr;
    LedLabel* m_fillLab = nullptr;
    unsigned char m_iCurrSubMode = 0;
    std::vector<vantor_light> m_vMul;
};
