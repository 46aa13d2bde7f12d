// SPDX-License-Identifier: MIT
#pragma once

// The effects by the names the page shows, for people who name them outside the page: a
// script over D-Bus, the tray's tool tip.

#include <QString>

namespace EffectNames {

// The mode named `name`, in English or in the language the page is shown in, whatever the
// case and however many spaces between its words; -1 when no effect has that name.
int find(const QString& name);
// The English name ("BREATHING"), the same in every language, for scripts.
QString english(int mode);
// The name as the page shows it now, in its language.
QString shown(int mode);

} // namespace EffectNames
