// SPDX-License-Identifier: MIT
#pragma once

#include "keylight/vantor_types.h"

#include <QColor>
#include <QWidget>

#include <memory>

class LedLabel;
namespace Ui {
class NormalLedUi;
}

// The preview page of one ordinary effect. It owns that effect's record, applies the
// edits meant for its mode, tints the keyboard picture and reports every change.
class NormalLedWid : public QWidget
{
    Q_OBJECT

public:
    NormalLedWid(int iMode, QWidget* parent);
    ~NormalLedWid() override;

    // Shows a stored record; sends nothing.
    void setLight(const vantor_light& lp);
    void updateColor();

signals:
    void sigUpdateModeParam(const vantor_light& lp, bool bModeChanged = false);

public slots:
    void slotLedModeChanged(int iMode);
    void slotLedGroundChanged(int iMode, int iGroundType);
    void slotLedColorChanged(int iMode, const QColor& cor);
    void slotLedSpeedChanged(int iMode, int iSpeed);
    void slotLedDirectChanged(int iMode, int iDirect);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    bool isMine(int iMode) const;

    std::unique_ptr<Ui::NormalLedUi> ui;
    vantor_light m_light;
    LedLabel* m_borderLab = nullptr;
    LedLabel* m_fillLab = nullptr;
    int m_iGroundType = Ground::Foreground;
};
