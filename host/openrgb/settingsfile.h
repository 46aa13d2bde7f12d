// SPDX-License-Identifier: MIT
#pragma once

// The host's own settings (the OpenRGB server and device, where the SDK server listens),
// in keylight-host.ini beside the profile file. QSettings would wait forever reading a FIFO
// there and would write through a symbolic link into another file, so the file is looked
// at first: anything but a plain file, or nothing yet, is left alone and said so.

#include <QString>
#include <QVariantMap>

namespace SettingsFile {

QString pathBeside(const QString& storeFilePath);

// The values of `keys` that the file holds; none when it is absent or no plain file.
QVariantMap read(const QString& filePath, const QStringList& keys);

// Sets each value of `values`, and removes each key whose value is null. False, with one
// sentence in *problem, when the file is no plain file or cannot be written.
bool write(const QString& filePath, const QVariantMap& values, QString* problem);

} // namespace SettingsFile
