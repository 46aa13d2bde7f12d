// SPDX-License-Identifier: MIT
#pragma once

// Where the host's file dialogs start: the user's documents folder, not the folder the
// program happened to be started in, and the home folder where there is no documents
// folder (a dialog given a folder that does not exist opens elsewhere, with the folder's
// name typed in as a file name).

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace DocumentsFolder {

inline QString path()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// A file of that name in the folder, for a dialog that saves.
inline QString filePath(const QString& fileName)
{
    return QDir(path()).filePath(fileName);
}

} // namespace DocumentsFolder
