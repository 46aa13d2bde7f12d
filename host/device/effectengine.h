// SPDX-License-Identifier: MIT
#pragma once

// Lights every key of the keyboard for one moment: the effect of the active mode, looked up
// in one table by mode number, applied to every key of the layout.

#include "host/device/effects.h"
#include "host/device/lightingstate.h"

#include <QRgb>

#include <array>

class KeyLayout;

// The colour of every lamp by LED index; lamps without a key stay black.
using LedFrame = std::array<QRgb, kLedCount>;

class EffectEngine
{
public:
    using ModeFn = Rgb (*)(const LightingState& state, const KeyPoint& key,
                           const EffectInput& in);

    // How the keyboard lights a key in a mode: ordinary effects from the state's record,
    // custom from the per-key record, multilayer and multizone from their lists. nullptr
    // for numbers outside the catalogue.
    static ModeFn modeFn(int mode);

    // How the state's lighting changes over time: as its liveliest effect does (a moving
    // layer makes the whole multilayer effect move).
    static Motion motion(const LightingState& state);

    // The colour of one key in the state's active mode.
    static Rgb keyColour(const LightingState& state, const KeyPoint& key, const EffectInput& in);

    // Every key of the layout at the input's time.
    static void render(const LightingState& state, const KeyLayout& layout,
                       const EffectInput& in, LedFrame& frame);

    static QRgb toQRgb(const Rgb& colour);
};
