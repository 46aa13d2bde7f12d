// SPDX-License-Identifier: MIT
#pragma once

// The host's look: Fusion with a dark palette, and the style sheet that sizes and colours
// the page's RESET and APPLY buttons (the page leaves both to its host).

#include <QString>

class QApplication;
class QPalette;

namespace Theme {

// Height the host gives RESET and APPLY; without it the page draws them zero pixels high.
constexpr int kPageButtonHeight = 24;
// A thin frame in the window colour keeps the two adjacent buttons apart.
constexpr int kPageButtonBorder = 1;

QPalette darkPalette();
QString styleSheet();
// Fusion and the dark palette for the whole application.
void apply(QApplication& app);

} // namespace Theme
