// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QDoubleSpinBox>

// The toolkit's double spin box; the lighting page does not create one.
class VANTOR_TOOLKIT_EXPORT DoubleSpinBoxEx : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DoubleSpinBoxEx(QWidget* parent = nullptr);
};
