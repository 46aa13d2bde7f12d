#pragma once

// The translucent grey veil that a panel lays over the part the current mode does not use.
// Lying on top, it also takes the mouse presses meant for the controls under it.

class QLabel;
class QWidget;

namespace Veil {

constexpr auto kStyle = "background:rgba(84,86,91,150)";

// A veil on `panel`, created after the panel's controls so that it lies above them.
QLabel* create(QWidget* panel, const char* objectName);

} // namespace Veil
