// SPDX-License-Identifier: MIT
#pragma once

// The ordinary lighting effects, one function each. Every effect is a pure function of the
// frame time, the key and the record: the same inputs give the same colour, so the
// keyboard can be checked frame by frame.

#include "keylight/vantor_types.h"

#include <QtGlobal>

#include <vector>

// A linear colour, each channel 0 to 1 (values above 1 are clipped when shown).
struct Rgb
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// One key as the effects see it: its centre on the keyboard (0 to 1 across the keys'
// bounding box, y growing downwards) and its lamp.
struct KeyPoint
{
    float x = 0.0f;
    float y = 0.0f;
    int led = 0;
};

// A key press the reactive effects answer to, on the same clock as the frame time.
struct KeyPress
{
    qint64 timeMs = 0;
    float x = 0.0f;
    float y = 0.0f;
    int led = 0;
};

struct EffectInput
{
    qint64 timeMs = 0;                 // time since the effect started
    const std::vector<KeyPress>* presses = nullptr; // oldest first; may be null
};

using EffectFn = Rgb (*)(const vantor_light& light, const KeyPoint& key, const EffectInput& in);

// How an effect changes while nobody types: not at all, by itself, or only while key
// presses are fresh (the reactive effects).
enum class Motion { Still, Moving, Reactive };

namespace Effects {

// The effect that runs an ordinary mode, or nullptr for a mode without one (custom,
// multilayer, multizone, unknown numbers).
EffectFn ordinary(int mode);
// How the effect of an ordinary mode changes over time; Still for every other mode.
Motion motion(int mode);

// Period of one breath at a speed of 1 to 5; out-of-range speeds count as the nearest.
int breathingPeriodMs(int speed);

Rgb foreground(const vantor_light& light);
Rgb background(const vantor_light& light);
Rgb mix(const Rgb& from, const Rgb& to, float amount);
// Light added as two lamps shining on one key would add: 1 - (1 - a)(1 - b) per channel.
Rgb screen(const Rgb& a, const Rgb& b);

} // namespace Effects
