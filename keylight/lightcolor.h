// SPDX-License-Identifier: MIT
#pragma once

// The one conversion between a lighting record and a colour: red, green and blue of a
// ground, with that ground's brightness as the alpha. Ground 1 is the background; any other
// value is the foreground.

#include "keylight/vantor_types.h"

#include <QColor>

inline QColor groundColor(const vantor_light& light, int iGroundType = Ground::Foreground)
{
    return iGroundType == Ground::Background
        ? QColor(light.bg_r, light.bg_g, light.bg_b, light.bg_brightness)
        : QColor(light.fg_r, light.fg_g, light.fg_b, light.fg_brightness);
}

inline void setGroundColor(vantor_light& light, int iGroundType, const QColor& cor)
{
    const bool background = iGroundType == Ground::Background;
    (background ? light.bg_r : light.fg_r) = uchar(cor.red());
    (background ? light.bg_g : light.fg_g) = uchar(cor.green());
    (background ? light.bg_b : light.fg_b) = uchar(cor.blue());
    (background ? light.bg_brightness : light.fg_brightness) = uchar(cor.alpha());
}
