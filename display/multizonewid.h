// SPDX-License-Identifier: MIT
#pragma once

#include "display/keyboardpage.h"
#include "keylight/vantor_types.h"

#include <QColor>
#include <QWidget>

#include <vector>

// The preview page of the multizone effect: four zone records and the key filter. The
// keys of the current zone show its colour; a drag adds keys to the current zone and takes
// them out of the others.
class MultizoneWid : public QWidget
{
    Q_OBJECT

public:
    explicit MultizoneWid(QWidget* parent = nullptr);
    ~MultizoneWid() override;

    // Shows stored zones; sends nothing. Data that names a zone it does not hold, or a
    // list that is not one record per zone, is ignored.
    void setMultizone(uchar iCurrSubMode, const std::vector<vantor_light>& vMul,
                      const vantor_filter& filter);
    void getMultizone(uchar& iCurrSubMode, std::vector<vantor_light>& vMul,
                      vantor_filter& filter);
    void setLedColor(const QColor& cor);
    void setLedGround(int iGroundType);
    void setLedSpeed(int iSpeed);
    void setLedDirect(int iDirect);

signals:
    void sigUpdateMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                            const vantor_filter& filter, bool bToSDK = true);

public slots:
    void slotCurrMultizoneMode(int iSubModeIdx);
    void slotMultizoneModeChanged(int iMode);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void zoneColor(QColor& cor);
    void refreshKeys();
    vantor_light& currentZone();
    bool isLocked();
    void commitKeys();

    KeyboardPage m_keyboard;
    uchar m_iCurrSubMode = 0;
    std::vector<vantor_light> m_vMul;
    vantor_filter m_filter;
    int m_iGroundType = Ground::Foreground;
};
