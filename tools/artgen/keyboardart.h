// SPDX-License-Identifier: MIT
#pragma once

// The keyboard pictures: the full-size top view, the two key masks laid over it by the
// preview pages, and the small pictures of the direction panel. Every key is drawn at the
// rectangle the keyboard form gives it, so the pictures and the key buttons line up.

#include "keylight/keytable.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

struct KeyCap
{
    const KeyInfo* key;
    QRect rect;
};

// Which way the light of a direction picture runs; None is the unlit picture.
enum class Sweep { None, Up, Down, Left, Right };

namespace KeyboardArt {

// The keyboard case around the keys, in picture coordinates.
QRect caseRect(const QVector<KeyCap>& keys);

// The keyboard seen from above on black, with legends on the caps.
QImage topView(const QVector<KeyCap>& keys, const QSize& size);

// The key shapes in one opaque colour on a transparent ground: the same shape for every
// mask, so masks of different colours cover the same pixels.
QImage keyMask(const QVector<KeyCap>& keys, const QSize& size, const QColor& colour);

// The keyboard alone on a transparent ground, shrunk to size, lit by a red sweep.
QImage miniature(const QVector<KeyCap>& keys, const QSize& fullSize, const QSize& size,
                 Sweep sweep);

} // namespace KeyboardArt
