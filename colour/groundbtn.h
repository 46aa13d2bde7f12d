// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPushButton>

class QLabel;

// The FOREGROUND / BACKGROUND selector of the colour panel: a flat checkable button made
// of a colour square and a caption. Pressing the square drags its colour away, so it can
// be dropped on a custom colour slot.
class GroundBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit GroundBtn(QWidget* parent = nullptr);

    void setColor(const QColor& cor);
    void setGroundEnabled(bool b);
    void setLabelText(const QString& text);

    // The button paints nothing itself; its size is that of its square and caption.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotGroundSel(bool bSel);

private:
    void applySelectionSize(bool bSel);

    QLabel* m_corLab = nullptr;
    QLabel* m_textLab = nullptr;
    QColor m_cor;
};
