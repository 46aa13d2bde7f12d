// SPDX-License-Identifier: MIT
#pragma once

// Where the host's file dialogs start: the user's documents folder, not the folder the
// program happened to be started in.

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace DocumentsFolder {

inline QString filePath(const QString& fileName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(fileName);
}

} // namespace DocumentsFolder
