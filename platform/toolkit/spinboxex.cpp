// SPDX-License-Identifier: MIT
#include "platform/toolkit/spinboxex.h"

#include <QSignalBlocker>

SpinBoxEx::SpinBoxEx(QWidget* parent)
    : QSpinBox(parent)
{
}

void SpinBoxEx::setValWithoutSig(int iVal)
{
    const QSignalBlocker blocker(this);
    setValue(iVal);
}
