// SPDX-License-Identifier: MIT
#pragma once

// The one palette of the toolkit's dark look. Widgets, panels and the host's theme ask it
// for a colour by its role instead of writing the colour out; style sheets name colours as
// "@role" and are expanded with styleSheet().

#include "vantor_toolkit_export.h"

#include <QColor>
#include <QString>

namespace Palette {

enum Role {
    Accent,              // the selection colour: checked buttons, current layer, handles
    AccentHover,
    AccentPressed,
    AccentLight,         // the rim of a checked accent control
    AccentGlow,          // a translucent halo around a focused accent control
    AccentText,          // links and accent text on dark grounds
    Focus,               // the keyboard focus ring, bright against every dark panel
    Ground,              // the darkest ground: tool and status bars, lists, backdrops
    Window,
    Panel,               // the rounded side panels and dialogs
    PanelBorder,
    Control,             // buttons, boxes and swatch slots at rest
    ControlHover,
    ControlBorder,
    ControlBorderStrong, // the edge of an entry box
    ControlDisabled,
    ControlDisabledBorder,
    AlternateRow,
    Divider,
    Outline,             // swatch, wheel and dialog button edges
    ScrollHandle,
    Text,
    TextMuted,           // captions of the host's bars
    TextSubtle,          // the mark of an empty swatch
    TextDisabled,
    Tick,
    ScaleText,
    HandleRim,
    DisabledMark,        // a disabled slider's groove fill and handle rim
    CheckerLight,        // the checkerboard behind a translucent swatch
    CheckerDark,
    Success,
    Warning,
    RoleCount
};

VANTOR_TOOLKIT_EXPORT QColor color(Role role);

// The rules with every "@role" (the role's name with a lower-case first letter, such as
// "@accent" or "@controlBorder") replaced by the role's colour.
VANTOR_TOOLKIT_EXPORT QString styleSheet(const char* rules);

} // namespace Palette
