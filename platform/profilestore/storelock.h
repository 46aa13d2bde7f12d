// SPDX-License-Identifier: MIT
#pragma once

// The lock that makes one process the profile file's only writer.

#include <QLockFile>
#include <QString>

#include <memory>

namespace StoreLock {

// The lock of `filePath`, held; nothing, with one sentence in *refusal, when another
// process holds it. A lock that cannot be made at all (a read-only folder) comes back
// unheld rather than refused: the store's saves will then fail and say so.
std::unique_ptr<QLockFile> take(const QString& filePath, QString* refusal);

} // namespace StoreLock
