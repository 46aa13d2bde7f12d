// SPDX-License-Identifier: MIT
#pragma once

// The translucent grey veil that a panel lays over the part the current mode does not use.
// Lying on top, it also takes the mouse presses meant for the controls under it; while it
// is shown those controls are also out of the focus chain, so that the keyboard does not
// reach what the mouse cannot.

class QLabel;
class QWidget;

namespace Veil {

constexpr auto kStyle = "background:rgba(84,86,91,150)";

// A veil on `panel` over the controls inside `covered` (the panel itself, or one part of
// it), created after the panel's controls so that it lies above them.
QLabel* create(QWidget* panel, const char* objectName, QWidget* covered);

} // namespace Veil
