// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

// The effect picker of one layer or zone. It also marks whether its layer or zone is the
// current one (purple) or not (grey); the mode list keeps at most one of four selected.
class ModeCombox : public QComboBox
{
    Q_OBJECT

public:
    ModeCombox(int iSubModeIdx, QWidget* parent);

    int currMode() const;
    void setCurrMode(int iMode);
    void setSelected(bool bSelected);
    void hideMode(int iMode);
    void showMode(int iMode);
    void showAllModes();
    // How the picker is named for assistive technology and in its tooltip: %1 takes the
    // layer or zone number from 1, %2 the effect shown ("Layer %1: %2").
    void setNameFormat(const QString& format);

signals:
    void sigClicked(int iSubModeIdx);
    void sigSubModeChanged(int iOldMode, int iNewMode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* e) override;

private slots:
    void slotCurrIdxChanged(int idx);

private:
    void markSelected();
    void setModeAvailable(int iMode, bool bAvailable);
    void setRowAvailable(int row, bool bAvailable);
    void updateName();

    int m_iSubModeIdx;
    int m_iCurrMode;
    bool m_bSelected;
    QString m_nameFormat;
};
