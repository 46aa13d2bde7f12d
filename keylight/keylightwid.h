// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/vantor_types.h"
#include "keylight_export.h"

#include <QWidget>

#include <memory>
#include <vector>

struct KeyLightForm;

// The keyboard-lighting page. The host shows a stored profile with updateUi and
// receives every device request through sigSdkRequest.
class KEYLIGHT_EXPORT KeyLightWid : public QWidget
{
    Q_OBJECT

public:
    explicit KeyLightWid(QWidget* parent = nullptr);
    ~KeyLightWid() override;

    // Shows the stored lighting of a profile; sends nothing to the device.
    void updateUi(uchar profile);

signals:
    void sigSdkRequest(int cmd, void* data);
    void sigHide();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void slotUpdateModeParam(const vantor_light& lp, bool bModeChanged = false);
    void slotUpdateCustomLed(const vantor_light_custom& lc);
    void slotUpdateMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                              bool bToSDK = true);
    void slotUpdateMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                             const vantor_filter& filter, bool bToSDK = true);
    void slotReset();
    void slotApply();

private:
    void updateDisplay(uchar profile, uchar mode);
    void connectPanels();

    std::unique_ptr<KeyLightForm> ui;
};
