// SPDX-License-Identifier: MIT
#include "platform/toolkit/doublespinboxex.h"

DoubleSpinBoxEx::DoubleSpinBoxEx(QWidget* parent)
    : QDoubleSpinBox(parent)
{
}
