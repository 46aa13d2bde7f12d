// SPDX-License-Identifier: MIT
#pragma once

// The colour of the ground on show as a hex code, and its brightness in percent, to read
// and to type: the page has only R, G, B boxes and a slider without a number. What is
// typed goes into the page's own boxes and slider, as a person's input does.

#include "host/window/colourpanelview.h"

#include <QWidget>

class KeyLightWid;
class QLineEdit;
class QSpinBox;

class ColourEntry : public QWidget
{
    Q_OBJECT

public:
    ColourEntry(KeyLightWid* page, QWidget* parent = nullptr);

    // Shows what the colour panel shows now.
    void follow();

    // "#rrggbb" or "rrggbb", either case; invalid for anything else.
    static QColor parseHex(const QString& text);

private:
    void typeHex();
    void typeBrightness();

    ColourPanelView m_panel;
    QLineEdit* m_hex;
    QSpinBox* m_percent;
};
