// SPDX-License-Identifier: MIT
#pragma once

// The files the host keeps in the profile folder, told apart from any other, so that an
// export or a screenshot pointed at one of them is refused instead of destroying it.

#include <QString>

namespace OwnFiles {

// Whether `filePath` is, or would become, one of the host's files beside the profile file
// `storeFilePath`: the profile file itself and everything named after it (its last good
// copy, its lock, the files set aside), the keyboard memories, the settings.
bool isOwn(const QString& storeFilePath, const QString& filePath);

// One sentence refusing to write `filePath`, when it is one of the host's files; nothing
// otherwise.
QString refusalToWrite(const QString& storeFilePath, const QString& filePath);

} // namespace OwnFiles
