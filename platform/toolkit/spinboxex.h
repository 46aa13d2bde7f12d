// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QSpinBox>

// A spin box whose value can be set by code without a change signal.
class VANTOR_TOOLKIT_EXPORT SpinBoxEx : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinBoxEx(QWidget* parent = nullptr);

    void setValWithoutSig(int iVal);
};
