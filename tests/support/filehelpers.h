// SPDX-License-Identifier: MIT
#pragma once

// Whole-file reads and writes for tests that prepare or inspect files on disk.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace FileHelpers {

// The file's bytes, or nothing when it cannot be read.
inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A FIFO that nobody writes: reading it would wait for ever, opening it for writing too.
inline bool makeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace FileHelpers
