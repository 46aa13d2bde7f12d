// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QString>

class QColor;

namespace ColourName {

// What a screen reader says for a colour: its nearest plain name and its hex code, such as
// "red, #ff0000". The alpha (a key's brightness) is not part of it.
VANTOR_TOOLKIT_EXPORT QString describe(const QColor& colour);

} // namespace ColourName
