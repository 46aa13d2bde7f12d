// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class ModeCombox;

// What assistive technology learns of a layer or zone picker. Qt's own combo box interface
// speaks only the shown effect as the name on Linux; a picker's name also says which layer
// or zone it is ("Layer 1: STATIC"), and its value is the effect.
class ModeComboxAccessible : public QAccessibleWidget
{
public:
    explicit ModeComboxAccessible(ModeCombox* picker);

    // Registers the interface with Qt's accessibility, once.
    static void install();

    QString text(QAccessible::Text t) const override;
};
