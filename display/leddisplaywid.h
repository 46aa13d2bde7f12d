// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class CustomLedWid;
class MultilayerWid;
class MultizoneWid;
class NormalLedWid;
class QStackedWidget;
namespace Ui {
class LedDisplayUi;
}

// The keyboard preview: the keyboard picture with one preview page per mode stacked
// over it. Routes every edit to the page of the current mode and relays the pages'
// records up to the lighting page.
class LedDisplayWid : public QWidget
{
    Q_OBJECT

public:
    explicit LedDisplayWid(QWidget* parent = nullptr);
    ~LedDisplayWid() override;

    void setCustomLight(const vantor_light_custom& lc);
    void setModeLights(const std::vector<vantor_light>& vLights);
    void setCurrMode(int iMode);
    void setMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul);
    void setMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                      const vantor_filter& filter);

signals:
    void sigUpdateModeParam(const vantor_light& lp, bool bModeChanged = false);
    void sigUpdateCustomLed(const vantor_light_custom& lc);
    void sigUpdateMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                             bool bToSDK = true);
    void sigUpdateMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                            const vantor_filter& filter, bool bToSDK = true);
    void sigLedModeChanged(int iMode);
    void sigLedGroundChanged(int iMode, int iGroundType);
    void sigLedColorChanged(int iMode, const QColor& cor);
    void sigLedSpeedChanged(int iMode, int iSpeed);
    void sigLedDirectChanged(int iMode, int iDirect);
    void sigCurrMultilayerMode(int iSubModeIdx);
    void sigCurrMultizoneMode(int iSubModeIdx);
    void sigMultilayerModeChanged(int iMode);
    void sigMultizoneModeChanged(int iMode);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void slotLedModeChanged(int iMode);
    void slotLedGroundChanged(int iGroundType);
    void slotLedColorChanged(const QColor& cor);
    void slotLedSpeedChanged(int iSpeed);
    void slotLedDirectChanged(int iDirect);
    void slotCurrMultilayerMode(int iSubModeIdx);
    void slotCurrMultizoneMode(int iSubModeIdx);

private:
    void addOrdinaryPage(int iMode);
    void addCustomPage();
    void addMultilayerPage();
    void addMultizonePage();

    std::unique_ptr<Ui::LedDisplayUi> ui;
    int m_iCurrMode = 0;
    QStackedWidget* m_stackedWid = nullptr;
    QPixmap m_backgroundPix;
    // The pages again by kind, so that routing needs no casts; null where a mode has a
    // page of another kind.
    std::array<NormalLedWid*, Mode::Count> m_normalPages{};
    CustomLedWid* m_customLedWid = nullptr;
    MultilayerWid* m_multilayerWid = nullptr;
    MultizoneWid* m_multizoneWid = nullptr;
};
