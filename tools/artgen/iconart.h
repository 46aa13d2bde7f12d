// SPDX-License-Identifier: MIT
#pragma once

// The small images: one white glyph per lighting effect on a transparent ground, and the
// handle of the brightness slider.

#include <QImage>
#include <QSize>

namespace IconArt {

// The icon of a mode, side x side pixels; a null image for a mode without a glyph.
QImage modeIcon(int mode, int side);

QImage sliderHandle(const QSize& size);

} // namespace IconArt
