#pragma once

#include "vantor_toolkit_export.h"

#include <QSlider>

// A slider that tells user changes (sigValChanged) apart from values shown by code
// (setSliderValue, silent).
class VANTOR_TOOLKIT_EXPORT SliderEx : public QSlider
{
    Q_OBJECT

public:
    explicit SliderEx(QWidget* parent = nullptr);

    void setSliderValue(int iVal);
    void showScaleValue(bool bShow);

signals:
    void sigValChanged(int iVal);

private slots:
    void slotValueChanged(int iVal);
};
