// SPDX-License-Identifier: MIT
#pragma once

// The keyboard's onboard memory as a file of its own beside the profile store, so that it
// outlives a restart of the host as a real keyboard's memory outlives a power cut. Each
// applied profile keeps its effect and records as hexadecimal bytes; a profile never
// applied is left out.

#include "host/device/devicestate.h"

#include <QByteArray>
#include <QString>

namespace OnboardMemoryFile {

constexpr int kFormatVersion = 1;

// keyboard-memory.json in the folder of the profile file.
QString pathBeside(const QString& storeFilePath);

QByteArray toJson(const DeviceState::OnboardMemory& memory);
// On failure `out` is untouched and *reason says what is wrong, completing "because ...".
bool fromJson(const QByteArray& bytes, DeviceState::OnboardMemory& out, QString* reason);

// A missing file is an empty memory. Errors are one sentence naming the file.
bool load(const QString& filePath, DeviceState::OnboardMemory& out, QString* error);
// Written crash-safe, like the profile file.
bool save(const QString& filePath, const DeviceState::OnboardMemory& memory, QString* error);

} // namespace OnboardMemoryFile
