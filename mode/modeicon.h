// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The icon of a mode from the catalogue. The mode list and the eight pickers show the same
// icons, so each is read from its resource once and shared. A mode whose icon resource is
// not registered (the host brings the turn-off icon) has none.
QIcon modeIcon(int iMode);
