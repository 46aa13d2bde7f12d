// SPDX-License-Identifier: MIT
#pragma once

// The lock that makes one process the profile file's only writer, and what to do about a
// lock that is already there: one left behind by a process that is gone, one that is no
// lock at all, one held by a program that still runs, one made on another computer.

#include <QLockFile>
#include <QString>

#include <memory>

namespace StoreLock {

struct Outcome
{
    // Held; or null when refused. A lock that cannot be made at all (a read-only folder)
    // comes back unheld rather than refused: the store's saves will then fail and say so.
    std::unique_ptr<QLockFile> lock;
    QString refusal;   // one sentence when refused: who holds it, and what the user can do
    QString otherHost; // the computer that holds it, when that is the reason of the refusal
    QString notice;    // one sentence when a lock left behind was taken over
};

// Takes the lock of `filePath`. A lock made on another computer is taken over only when
// `overOtherHost`: its program may still run there, and this computer cannot tell.
Outcome take(const QString& filePath, bool overOtherHost);

} // namespace StoreLock
