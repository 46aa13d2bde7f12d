// SPDX-License-Identifier: MIT
#pragma once

// Where the store's files lie: the profile file, its last good copy, the lock of its one
// writer, and the names that files set aside are given.

#include <QString>

namespace StorePaths {

// The profile file and its copy are a few hundred kilobytes; anything much larger is not
// one of ours, and is refused before it is read.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

// Inside the user's configuration folder.
QString defaultFilePath();
QString fileNameInFolder(const QString& folder);
QString lastGoodCopyPath(const QString& filePath);
QString lockPath(const QString& filePath);
// Where a file of an older format is kept when the store first writes it in the current
// one: profiles.json.format-2.
QString olderFormatCopyPath(const QString& filePath, int version);
// A free name beside the file: profiles.json.bad-20261205-201500, then -2, -3... when
// several files are set aside within one second.
QString asidePath(const QString& filePath, const char* why);
// A path as the user's system writes it, for messages.
QString shown(const QString& filePath);

} // namespace StorePaths
