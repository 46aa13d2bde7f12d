#pragma once

#include "vantor_toolkit_export.h"

#include <QColor>
#include <QWidget>

// An HSV colour wheel: hue around the circle, saturation outwards, value from the
// brightness. Reports the colour under the pointer, the pointer leaving, and a pick.
class VANTOR_TOOLKIT_EXPORT HsvCorWid : public QWidget
{
    Q_OBJECT

public:
    explicit HsvCorWid(QWidget* parent = nullptr);
    ~HsvCorWid() override;

    void setHsvEnabled(bool bEnabled);
    void setBrightness(int iValue);

signals:
    void sigCurrentRgb(const QColor& cor);
    void sigLeaveHsv();
    void sigSelectCor(const QColor& cor);

private slots:
    void slotBrightnessChanged(int iValue);
};
