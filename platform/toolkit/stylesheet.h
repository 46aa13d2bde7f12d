// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

class QString;
class QWidget;

namespace StyleSheet {

// Gives `widget` the style sheet `sheet` unless it already holds that very text: setting a
// sheet repolishes the widget and everything inside it, even when nothing changes.
VANTOR_TOOLKIT_EXPORT void apply(QWidget* widget, const QString& sheet);

} // namespace StyleSheet
