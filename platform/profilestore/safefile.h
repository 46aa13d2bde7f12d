// SPDX-License-Identifier: MIT
#pragma once

// Whole-file reads and crash-safe writes, for every file the host keeps.

#include "vantor_profile_export.h"

#include <QByteArray>
#include <QString>

namespace SafeFile {

// The file's bytes; false, with a phrase like "it cannot be read (Permission denied)" in
// `reason`, when they cannot be had.
VANTOR_PROFILE_EXPORT bool read(const QString& filePath, QByteArray& bytes, QString& reason);

// Writes `bytes` to a temporary file beside `filePath` and renames it over the old one only
// when complete, so a crash, a kill or a full disk leaves either the old file or the new
// one, never a mix. Creates the folder when needed. Returns why it failed, or nothing.
VANTOR_PROFILE_EXPORT QString write(const QString& filePath, const QByteArray& bytes);

} // namespace SafeFile
