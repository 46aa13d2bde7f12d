// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QWidget>

// The plain panel of the toolkit: a widget that paints the style sheet of its class,
// so panels can be given backgrounds and borders like any Qt widget.
class VANTOR_TOOLKIT_EXPORT OrbelWid : public QWidget
{
    Q_OBJECT

public:
    explicit OrbelWid(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
