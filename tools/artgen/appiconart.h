// SPDX-License-Identifier: MIT
#pragma once

// The application icon of keylight-host: a key cap lit from below, its skirt glowing from
// the accent purple to cyan, on a dark rounded tile. desktop/icons/scalable/ holds the same
// design as a hand-written SVG on the same 256-unit grid: a change here goes there too.

#include <QImage>

namespace AppIconArt {

// The icon at side x side pixels, on a transparent ground.
QImage appIcon(int side);

} // namespace AppIconArt
