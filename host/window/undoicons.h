// SPDX-License-Identifier: MIT
#pragma once

// Undo and redo as the platform draws them (the icon theme's edit-undo and edit-redo), or,
// where the desktop has no icon theme, as a curved arrow drawn at whatever size and scale
// is asked for, so it stays sharp on a 2x screen and never reads as back and forward.

#include <QIcon>

namespace UndoIcons {

QIcon undo();
QIcon redo();

} // namespace UndoIcons
