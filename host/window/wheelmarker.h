// SPDX-License-Identifier: MIT
#pragma once

// Keeps the colour wheel's marker on the colour the colour panel shows: the page tells the
// wheel only of its own picks, so a swatch, the number boxes, another effect or a profile
// loaded at start would otherwise leave the marker somewhere else, or nowhere.

#include "host/window/colourpanelview.h"

#include <QObject>

class HsvCorWid;
class KeyLightWid;

class WheelMarker : public QObject
{
    Q_OBJECT

public:
    explicit WheelMarker(KeyLightWid* page);

    // Reads the colour of the ground on show and puts the marker there.
    void follow();

private:
    ColourPanelView m_panel;
    HsvCorWid* m_wheel;
};
