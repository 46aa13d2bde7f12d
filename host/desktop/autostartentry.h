// SPDX-License-Identifier: MIT
#pragma once

// "Start with the session": an XDG autostart entry that starts the host in the tray. The
// entry is ours alone (org.keylight.KeyLight.desktop in $XDG_CONFIG_HOME/autostart), so
// removing it leaves every other program's start as it was.

#include <QString>
#include <QStringList>

namespace AutostartEntry {

// Where the entry lies, whether or not it is there.
QString path();
bool isEnabled();
// The entry's text: `program` with `arguments` (after --minimized), quoted as desktop
// entries want it.
QString contents(const QString& program, const QStringList& arguments);
// Writes the entry for this program, or removes it. False, with one sentence in *problem,
// when the file cannot be written or removed, or is not a plain file of ours.
bool setEnabled(bool enabled, const QStringList& arguments, QString* problem);

} // namespace AutostartEntry
