// SPDX-License-Identifier: MIT
#pragma once

// Whole-file reads and crash-safe writes, for every file the host keeps, imports or
// exports. Both refuse what is not a plain file of ours: a symbolic link (writing through
// it would change a file elsewhere), a FIFO (reading it would wait forever), a device
// (/dev/zero never ends), a folder.

#include "vantor_profile_export.h"

#include <QByteArray>
#include <QString>

namespace SafeFile {

// The file's bytes, at most `maxBytes` of them; false, with a phrase like "it cannot be read
// (Permission denied)" or "it is a FIFO, not a file" in `reason`, when they cannot be had.
// The size is checked before anything is read, and the file is opened without waiting, so
// a FIFO is refused at once. A symbolic link is followed only with FollowLinks.
enum class Links { Refuse, Follow };
VANTOR_PROFILE_EXPORT bool read(const QString& filePath, QByteArray& bytes, QString& reason,
                                qint64 maxBytes, Links links = Links::Refuse);

// Writes `bytes` to a new file beside `filePath`, flushes it to the disk, checks its size,
// and only then renames it over the old one, so a crash, a kill or a full disk leaves the
// old file or the new one, never a mix and never less. A `filePath` that is a symbolic link
// or anything but a plain file is left alone. Returns why it failed, as a phrase, or nothing.
// The store makes its folder when needed; a file the user names goes only where a folder is.
enum class Folder { Create, MustExist };
VANTOR_PROFILE_EXPORT QString write(const QString& filePath, const QByteArray& bytes,
                                    Folder folder = Folder::Create);

// Why `filePath` may not be read or replaced as one of our files, as a phrase ("it is a
// symbolic link"); nothing for a plain file or a path where nothing is yet.
VANTOR_PROFILE_EXPORT QString refusal(const QString& filePath, Links links = Links::Refuse);

} // namespace SafeFile
